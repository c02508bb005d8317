#pragma once
// The stem and branch window: a thin Qt view over StemBranchWindowModel. Two
// columns, "Stems" and "Branches", each row a number, the character's
// picture and its name.
#include <QLabel>
#include <QString>
#include <QWidget>

#include <array>

#include "app/stem_branch_window.h"

namespace orbel {

class FrmStemBranch : public QWidget {
    Q_OBJECT
public:
    // `pictureFolder` is the folder of the stem and branch pictures, ending
    // with a separator (MainWindowModel::PictureFolder()).
    explicit FrmStemBranch(const QString& pictureFolder, QWidget* parent = nullptr);

    // Makes every widget show what its control in the model holds.
    void Mirror();

    StemBranchWindowModel& model() { return model_; }

    // Side of a picture, in pixels.
    static constexpr int PictureSize = 36;

    // The widgets, by the model's names.
    QLabel *lblStems, *lblBranches;
    std::array<QLabel*, StemCount> lblStemNumber{}, lblStemName{}, imgStem{};
    std::array<QLabel*, BranchCount> lblBranchNumber{}, lblBranchName{}, imgBranch{};

private:
    StemBranchWindowModel model_;
};

}  // namespace orbel
