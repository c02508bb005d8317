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

TEST(StemBranchWindow, TheTenStemsInOrder) {
    StemBranchWindowModel m("/nowhere/");
    const char* stems[] = {"jia", "yi", "bing", "ding", "wu", "ji", "geng", "xin", "ren", "gui"};
    ASSERT_EQ(m.lblStemName.size(), 10u);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(m.lblStemName[i].caption, stems[i]) << "stem " << i + 1;
        EXPECT_EQ(m.lblStemNumber[i].caption, std::to_string(i + 1));
        EXPECT_EQ(m.imgStem[i].image, i + 1);
        EXPECT_EQ(m.imgStem[i].backColour, (Rgb{192, 0, 0}));  // light ink needs a dark ground
    }
}

TEST(StemBranchWindow, TheTwelveBranchesInOrder) {
    StemBranchWindowModel m("/nowhere/");
    const char* branches[] = {"zi", "chou", "yin", "mao", "chen", "si", "wu", "wei", "shen", "you", "xu", "hai"};
    ASSERT_EQ(m.lblBranchName.size(), 12u);
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(m.lblBranchName[i].caption, branches[i]) << "branch " << i + 1;
        EXPECT_EQ(m.lblBranchNumber[i].caption, std::to_string(i + 1));
        EXPECT_EQ(m.imgBranch[i].image, i + 1);
        EXPECT_EQ(m.imgBranch[i].backColour, (Rgb{192, 0, 0}));
    }
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
