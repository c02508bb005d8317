// The stem and branch window, offscreen, with the pictures the build draws.
#include <gtest/gtest.h>

#include <QDir>
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

TEST(FrmStemBranchGui, OpensWithItsCaptionAndHeadings) {
    FrmStemBranch w(kPictures);
    w.show();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.windowTitle(), "Chinese stems and branches");
    EXPECT_EQ(w.lblStems->text(), "Stems");
    EXPECT_EQ(w.lblBranches->text(), "Branches");
}

TEST(FrmStemBranchGui, ShowsTheNumberedNamesWithAPictureEach) {
    ASSERT_TRUE(QFile::exists(kPictures + "stem1.png")) << "the build draws the pictures first";
    FrmStemBranch w(kPictures);
    w.show();
    const QStringList stems = {"jia", "yi", "bing", "ding", "wu", "ji", "geng", "xin", "ren", "gui"};
    const QStringList branches = {"zi", "chou", "yin", "mao", "chen", "si", "wu", "wei", "shen", "you", "xu", "hai"};
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(w.lblStemName[i]->text(), stems[i]);
        EXPECT_EQ(w.lblStemNumber[i]->text(), QString::number(i + 1));
        EXPECT_TRUE(w.lblStemName[i]->isVisible());
        EXPECT_TRUE(ShowsPicture(w.imgStem[i])) << "stem " << i + 1;
    }
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(w.lblBranchName[i]->text(), branches[i]);
        EXPECT_EQ(w.lblBranchNumber[i]->text(), QString::number(i + 1));
        EXPECT_TRUE(ShowsPicture(w.imgBranch[i])) << "branch " << i + 1;
    }
}

TEST(FrmStemBranchGui, EachRowShowsItsOwnPicture) {
    FrmStemBranch w(kPictures);
    // The picture beside "bing" is stem3.png, beside "hai" branch12.png,
    // scaled as the window scales them.
    auto scaled = [](const QString& file) {
        return QPixmap(kPictures + file)
            .scaled(FrmStemBranch::PictureSize, FrmStemBranch::PictureSize, Qt::KeepAspectRatio,
                    Qt::SmoothTransformation)
            .toImage();
    };
    EXPECT_EQ(w.imgStem[2]->pixmap().toImage(), scaled("stem3.png"));
    EXPECT_NE(w.imgStem[2]->pixmap().toImage(), scaled("stem4.png"));
    EXPECT_EQ(w.imgBranch[11]->pixmap().toImage(), scaled("branch12.png"));
    // The light characters stand on a dark ground.
    EXPECT_TRUE(w.imgStem[2]->autoFillBackground());
    EXPECT_EQ(w.imgStem[2]->palette().color(QPalette::Window), QColor(192, 0, 0));
    EXPECT_NE(w.imgBranch[11]->pixmap().toImage(), scaled("branch1.png"));
}

TEST(FrmStemBranchGui, WithoutPicturesTheNamesStillShow) {
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    FrmStemBranch w(empty.path() + "/");
    w.show();
    for (int i = 0; i < 10; ++i) {
        EXPECT_FALSE(ShowsPicture(w.imgStem[i]));
        EXPECT_FALSE(w.lblStemName[i]->text().isEmpty());
    }
    for (int i = 0; i < 12; ++i) {
        EXPECT_FALSE(ShowsPicture(w.imgBranch[i]));
        EXPECT_FALSE(w.lblBranchName[i]->text().isEmpty());
    }
    // Pictures copied in afterwards appear on the next refresh.
    ASSERT_TRUE(QFile::copy(kPictures + "branch5.png", empty.path() + "/branch5.png"));
    w.model().Refresh();
    w.Mirror();
    EXPECT_TRUE(ShowsPicture(w.imgBranch[4]));
    EXPECT_FALSE(ShowsPicture(w.imgBranch[5]));
}
