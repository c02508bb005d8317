#include "app/stem_branch_window.h"

#include <filesystem>
#include <system_error>
#include <utility>

#include "engine/cycles.h"

namespace orbel {

namespace {

bool IsFile(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(std::filesystem::path(path), error);
}

}  // namespace

std::string StemPictureFile(const std::string& pictureFolder, int stem) {
    return pictureFolder + "stem" + std::to_string(stem) + ".png";
}

std::string BranchPictureFile(const std::string& pictureFolder, int branch) {
    return pictureFolder + "branch" + std::to_string(branch) + ".png";
}

StemBranchWindowModel::StemBranchWindowModel(std::string pictureFolder) : pictureFolder_(std::move(pictureFolder)) {
    caption = "Chinese stems and branches";
    lblStems.caption = "Stems";
    lblBranches.caption = "Branches";
    for (int i = 0; i < StemCount; ++i) {
        lblStemNumber[i].caption = std::to_string(i + 1);
        lblStemName[i].caption = std::string(StemNames[i]);
        imgStem[i].image = i + 1;
        imgStem[i].backColour = StemBranchPictureBack;
    }
    for (int i = 0; i < BranchCount; ++i) {
        lblBranchNumber[i].caption = std::to_string(i + 1);
        lblBranchName[i].caption = std::string(BranchNames[i]);
        imgBranch[i].image = i + 1;
        imgBranch[i].backColour = StemBranchPictureBack;
    }
    Refresh();
}

void StemBranchWindowModel::Refresh() {
    for (int i = 0; i < StemCount; ++i) imgStem[i].visible = IsFile(StemPicturePath(i));
    for (int i = 0; i < BranchCount; ++i) imgBranch[i].visible = IsFile(BranchPicturePath(i));
}

std::string StemBranchWindowModel::StemPicturePath(int index) const {
    return StemPictureFile(pictureFolder_, imgStem.at(index).image);
}

std::string StemBranchWindowModel::BranchPicturePath(int index) const {
    return BranchPictureFile(pictureFolder_, imgBranch.at(index).image);
}

}  // namespace orbel
