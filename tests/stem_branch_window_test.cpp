// The stem and branch window without a screen: captions, the numbered names
// of the table, and which picture file each picture box shows.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/stem_branch_window.h"
#include "engine/cycles.h"

using namespace orbel;

namespace {

// A fresh folder of the test's own, removed afterwards.
struct TemporaryFolder {
    std::filesystem::path path;
    TemporaryFolder() {
        path = std::filesystem::temp_directory_path() /
               ("orbel_stem_branch_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
    }
    ~TemporaryFolder() { std::filesystem::remove_all(path); }
    std::string Folder() const { return path.string() + "/"; }
    void Touch(const std::string& name) const { std::ofstream(path / name) << "x"; }
};

}  // namespace

TEST(StemBranchWindow, CaptionAndHeadings) {
    StemBranchWindowModel m("/nowhere/");
    EXPECT_EQ(m.caption, "Chinese stems and branches");
    EXPECT_EQ(m.lblStems.caption, "Stems");
    EXPECT_EQ(m.lblBranches.caption, "Branches");
}

// Each row: its number, its name, the picture it shows and the dark ground
// the light ink needs.
TEST(StemBranchWindow, TheTenStemsAndTwelveBranchesInOrder) {
    StemBranchWindowModel m("/nowhere/");
    ASSERT_EQ(m.lblStemName.size(), 10u);
    ASSERT_EQ(m.lblBranchName.size(), 12u);
    const auto row = [](const Label& number, const Label& name, const Picture& picture) {
        return number.caption + " " + name.caption + " picture " + std::to_string(picture.image) +
               (picture.backColour == Rgb{192, 0, 0} ? "; " : " on another ground; ");
    };
    std::string stems, branches;
    for (int i = 0; i < 10; ++i) stems += row(m.lblStemNumber[i], m.lblStemName[i], m.imgStem[i]);
    for (int i = 0; i < 12; ++i) branches += row(m.lblBranchNumber[i], m.lblBranchName[i], m.imgBranch[i]);
    EXPECT_EQ(stems, "1 jia picture 1; 2 yi picture 2; 3 bing picture 3; 4 ding picture 4; 5 wu picture 5; "
                     "6 ji picture 6; 7 geng picture 7; 8 xin picture 8; 9 ren picture 9; 10 gui picture 10; ");
    EXPECT_EQ(branches, "1 zi picture 1; 2 chou picture 2; 3 yin picture 3; 4 mao picture 4; 5 chen picture 5; "
                        "6 si picture 6; 7 wu picture 7; 8 wei picture 8; 9 shen picture 9; 10 you picture 10; "
                        "11 xu picture 11; 12 hai picture 12; ");
}

TEST(StemBranchWindow, NamesAgreeWithTheStemBranchTextsOfTheCycle) {
    // The window's names are the ones the cycle's texts are built from:
    // position 57 is geng-shen, stem 7 and branch 9.
    StemBranchWindowModel m("/nowhere/");
    for (int position = 1; position <= 60; ++position) {
        const int stem = StemOfPosition(position);
        const int branch = AnimalOfPosition(position) + 1;
        EXPECT_EQ(StemBranchStr(position),
                  m.lblStemName[stem - 1].caption + "-" + m.lblBranchName[branch - 1].caption)
            << "position " << position;
    }
}

TEST(StemBranchWindow, PictureFilesAreNamedByNumberInTheFolder) {
    EXPECT_EQ(StemPictureFile("/p/", 1), "/p/stem1.png");
    EXPECT_EQ(StemPictureFile("/p/", 10), "/p/stem10.png");
    EXPECT_EQ(BranchPictureFile("/p/", 12), "/p/branch12.png");
    StemBranchWindowModel m("/pictures/");
    EXPECT_EQ(m.StemPicturePath(0), "/pictures/stem1.png");
    EXPECT_EQ(m.StemPicturePath(9), "/pictures/stem10.png");
    EXPECT_EQ(m.BranchPicturePath(0), "/pictures/branch1.png");
    EXPECT_EQ(m.BranchPicturePath(11), "/pictures/branch12.png");
}

TEST(StemBranchWindow, APictureIsShownOnlyWhenItsFileExists) {
    TemporaryFolder folder;
    folder.Touch("stem3.png");
    folder.Touch("branch12.png");
    folder.Touch("stem11.png");  // no such stem: never asked for
    StemBranchWindowModel m(folder.Folder());
    for (int i = 0; i < 10; ++i) EXPECT_EQ(m.imgStem[i].visible, i == 2) << "stem " << i + 1;
    for (int i = 0; i < 12; ++i) EXPECT_EQ(m.imgBranch[i].visible, i == 11) << "branch " << i + 1;
    // The names stay whatever the pictures do.
    for (const Label& l : m.lblStemName) EXPECT_TRUE(l.visible);
    for (const Label& l : m.lblBranchName) EXPECT_TRUE(l.visible);
}

TEST(StemBranchWindow, RefreshFindsPicturesDrawnLater) {
    TemporaryFolder folder;
    StemBranchWindowModel m(folder.Folder());
    EXPECT_FALSE(m.imgStem[0].visible);
    folder.Touch("stem1.png");
    std::filesystem::create_directory(folder.path / "branch1.png");  // a folder is no picture
    m.Refresh();
    EXPECT_TRUE(m.imgStem[0].visible);
    EXPECT_FALSE(m.imgBranch[0].visible);
}
