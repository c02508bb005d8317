// The stem and branch window without a screen: captions, the numbered names
// of the table, and which picture file each picture box shows.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <string>

#include "app/stem_branch_window.h"
#include "engine/cycles.h"
#include "tests/golden.h"

using namespace orbel;

namespace {

// Each row: its number, its name, the picture it shows and the dark ground
// the light ink needs; the caption and headings first.
TEST(StemBranchWindow, CaptionsAndTheTenStemsAndTwelveBranchesInOrder) {
    StemBranchWindowModel m("/nowhere/");
    const auto row = [](const Label& number, const Label& name, const Picture& picture) {
        return number.caption + " " + name.caption + " picture " + std::to_string(picture.image) +
               (picture.backColour == Rgb{192, 0, 0} ? "\n" : " on another ground\n");
    };
    std::string text = m.caption + "\n" + m.lblStems.caption + "\n";
    for (size_t i = 0; i < m.imgStem.size(); ++i) text += row(m.lblStemNumber[i], m.lblStemName[i], m.imgStem[i]);
    text += m.lblBranches.caption + "\n";
    for (size_t i = 0; i < m.imgBranch.size(); ++i)
        text += row(m.lblBranchNumber[i], m.lblBranchName[i], m.imgBranch[i]);
    orbel::testing::ExpectGolden("stem_branch_window.txt", text);
}

// The window's names are the ones the cycle's texts are built from.
TEST(StemBranchWindow, NamesAgreeWithTheStemBranchTextsOfTheCycle) {
    StemBranchWindowModel m("/nowhere/");
    for (int position = 1; position <= 60; ++position) {
        const std::string& stem = m.lblStemName[StemOfPosition(position) - 1].caption;
        const std::string& branch = m.lblBranchName[AnimalOfPosition(position)].caption;
        EXPECT_EQ(StemBranchStr(position), stem + "-" + branch) << "position " << position;
    }
}

// A picture is shown only when its file (stemN.png, branchN.png) exists; the
// names stay whatever the pictures do, and Refresh finds pictures drawn later.
TEST(StemBranchWindow, APictureIsShownOnlyWhenItsFileExists) {
    QTemporaryDir folder;
    const auto touch = [&folder](const char* name) { QFile(folder.filePath(name)).open(QIODevice::WriteOnly); };
    touch("stem3.png");
    touch("branch12.png");
    touch("stem11.png");  // no such stem: never asked for
    StemBranchWindowModel m(folder.path().toStdString() + "/");
    EXPECT_EQ(m.StemPicturePath(2), folder.filePath("stem3.png").toStdString());
    for (int i = 0; i < 10; ++i) EXPECT_EQ(m.imgStem[i].visible, i == 2) << "stem " << i + 1;
    for (int i = 0; i < 12; ++i) EXPECT_EQ(m.imgBranch[i].visible, i == 11) << "branch " << i + 1;
    for (const Label& l : m.lblStemName) EXPECT_TRUE(l.visible);
    for (const Label& l : m.lblBranchName) EXPECT_TRUE(l.visible);
    touch("stem1.png");
    QDir(folder.path()).mkdir("branch1.png");  // a folder is no picture
    m.Refresh();
    EXPECT_TRUE(m.imgStem[0].visible);
    EXPECT_FALSE(m.imgBranch[0].visible);
}

}  // namespace
