// The stem and branch window, offscreen, with the pictures the build draws.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "ui/frm_stem_branch.h"

#ifndef ORBEL_PICTURE_FOLDER
#error "ORBEL_PICTURE_FOLDER must name the folder the build draws the pictures into"
#endif

using namespace orbel;

namespace {

const QString kPictures = QStringLiteral(ORBEL_PICTURE_FOLDER "/");

bool ShowsPicture(const QLabel* w) { return !w->pixmap().isNull(); }

}  // namespace

// The window shows the model's captions and names, and in every row the
// picture of its own file.
TEST(FrmStemBranchGui, MirrorsTheCaptionsNamesAndPictures) {
    ASSERT_TRUE(QFile::exists(kPictures + "stem1.png")) << "the build draws the pictures first";
    FrmStemBranch w(kPictures);
    w.show();
    const StemBranchWindowModel& m = w.model();
    EXPECT_EQ(w.windowTitle().toStdString(), m.caption);
    EXPECT_EQ(w.lblStems->text().toStdString(), m.lblStems.caption);
    EXPECT_EQ(w.lblBranches->text().toStdString(), m.lblBranches.caption);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(w.lblStemName[i]->text().toStdString(), m.lblStemName[i].caption);
        EXPECT_EQ(w.lblStemNumber[i]->text().toStdString(), m.lblStemNumber[i].caption);
        EXPECT_TRUE(w.lblStemName[i]->isVisible());
        EXPECT_TRUE(ShowsPicture(w.imgStem[i])) << "stem " << i + 1;
    }
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(w.lblBranchName[i]->text().toStdString(), m.lblBranchName[i].caption);
        EXPECT_EQ(w.lblBranchNumber[i]->text().toStdString(), m.lblBranchNumber[i].caption);
        EXPECT_TRUE(ShowsPicture(w.imgBranch[i])) << "branch " << i + 1;
    }
    // The picture beside "bing" is stem3.png, beside "hai" branch12.png,
    // scaled as the window scales them; light characters on a dark ground.
    auto scaled = [](const QString& file) {
        return QPixmap(kPictures + file)
            .scaled(FrmStemBranch::PictureSize, FrmStemBranch::PictureSize, Qt::KeepAspectRatio,
                    Qt::SmoothTransformation)
            .toImage();
    };
    EXPECT_EQ(w.imgStem[2]->pixmap().toImage(), scaled("stem3.png"));
    EXPECT_NE(w.imgStem[2]->pixmap().toImage(), scaled("stem4.png"));
    EXPECT_EQ(w.imgBranch[11]->pixmap().toImage(), scaled("branch12.png"));
    EXPECT_TRUE(w.imgStem[2]->autoFillBackground());
    EXPECT_EQ(w.imgStem[2]->palette().color(QPalette::Window), QColor(192, 0, 0));
}

TEST(FrmStemBranchGui, WithoutPicturesTheNamesStillShow) {
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    FrmStemBranch w(empty.path() + "/");
    w.show();
    EXPECT_FALSE(ShowsPicture(w.imgStem[0]));
    EXPECT_TRUE(w.lblStemName[0]->isVisible());
    // Pictures copied in afterwards appear on the next refresh.
    ASSERT_TRUE(QFile::copy(kPictures + "branch5.png", empty.path() + "/branch5.png"));
    w.model().Refresh();
    w.Mirror();
    EXPECT_TRUE(ShowsPicture(w.imgBranch[4]));
    EXPECT_FALSE(ShowsPicture(w.imgBranch[5]));
}
