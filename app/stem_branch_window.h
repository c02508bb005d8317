#pragma once
// The stem and branch window (frmStemBranch) without a screen: the ten
// celestial stems and twelve earthly branches, numbered, each with the
// picture of its character. The names are those of the sexagenary cycle
// (engine/cycles.h); the pictures are the files the build draws into the
// program's picture folder.
#include <array>
#include <string>

#include "support/controls.h"

namespace orbel {

inline constexpr int StemCount = 10;
inline constexpr int BranchCount = 12;

// The characters are drawn in light ink on a transparent ground, to stand on
// the main window's country colour; in this window they stand on China's red.
inline constexpr Rgb StemBranchPictureBack{192, 0, 0};

// The picture file of stem 1..10 ("stem3.png") or branch 1..12
// ("branch12.png") in `pictureFolder`, which ends with a separator. The
// main window's day and year pictures are the same files.
std::string StemPictureFile(const std::string& pictureFolder, int stem);
std::string BranchPictureFile(const std::string& pictureFolder, int branch);

class StemBranchWindowModel {
public:
    // `pictureFolder` ends with a separator (MainWindowModel::PictureFolder()).
    explicit StemBranchWindowModel(std::string pictureFolder);

    // Looks for the picture files again: a picture whose file is missing is
    // hidden, so the window shows the names alone rather than empty frames.
    void Refresh();

    // The file shown by imgStem[i] (stem i + 1) and imgBranch[i] (branch i + 1).
    std::string StemPicturePath(int index) const;
    std::string BranchPicturePath(int index) const;
    const std::string& PictureFolder() const { return pictureFolder_; }

    std::string caption;                 // "Chinese stems and branches"
    Label lblStems, lblBranches;         // the headings "Stems" and "Branches"
    // Index i holds stem or branch number i + 1: its number ("1" ...), its
    // name ("jia" ...) and its picture (image = the number).
    std::array<Label, StemCount> lblStemNumber, lblStemName;
    std::array<Label, BranchCount> lblBranchNumber, lblBranchName;
    std::array<Picture, StemCount> imgStem;
    std::array<Picture, BranchCount> imgBranch;

private:
    std::string pictureFolder_;
};

}  // namespace orbel
