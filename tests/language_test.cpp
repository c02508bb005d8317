#include "support/language.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>
#include <string>

#include "tests/golden.h"

namespace orbel {
namespace {

// The message of every status the text loader gives, one a line, its line
// breaks shown as \r and \n.
TEST(Language, LoadMessagesByStatus) {
    std::string text;
    for (const int status : {0, -1, -2, -3, -4, -5, -6, -7, -8, -9, -500, -501, -1000, -1001, -1500, -1523}) {
        text += std::to_string(status) + ": " +
                testing::OneLine(ProgramTextLoadMessage(status, "/opt/orbel/orbel.dat")) + "\n";
    }
    testing::ExpectGolden("program_text_messages.txt", text);
}

TEST(Language, ProgramTextPathJoinsWithOneSeparator) {
    EXPECT_EQ(ProgramTextPath("/opt/orbel", "orbel.dat"), "/opt/orbel/orbel.dat");
    EXPECT_EQ(ProgramTextPath("/opt/orbel/", "orbel.dat"), "/opt/orbel/orbel.dat");
    EXPECT_EQ(ProgramTextPath("C:\\Orbel\\", "orbel.dat"), "C:\\Orbel\\orbel.dat");
    EXPECT_EQ(ProgramTextPath("", "orbel.dat"), "orbel.dat");
}

// A missing file is named by its path; faults beyond line 500 keep their line.
TEST(Language, LoadMessagesNameThePathAndTheLine) {
    QTemporaryDir dir;
    EXPECT_EQ(LoadProgramText(dir.path().toStdString()),
              "Cannot open file containing program text.\r\n" + dir.path().toStdString() + "/orbel.dat");
    std::string contents;
    for (int i = 0; i < 700; ++i) contents += ";\n";
    std::ofstream(dir.filePath("late.dat").toStdString()) << contents << "8\n";
    EXPECT_EQ(LoadProgramText(dir.path().toStdString(), "late.dat"), "Missing string at line 701.");
    std::ofstream(dir.filePath("dup.dat").toStdString()) << "1 a\n" << std::string(21, '\n') << "1 b\n";
    EXPECT_EQ(LoadProgramText(dir.path().toStdString() + "/", "dup.dat"), "Duplicate in program text at line 23.");
}

TEST(Language, ProgramTextByNumberAndLanguage) {
    QTemporaryDir dir;
    const std::string longest(1024, 'q');
    std::ofstream(dir.filePath("t.dat").toStdString()) << "1 Title\n5 ~\n6 " << longest << "\n[2] Second\n1 Titre\n";
    ASSERT_EQ(LoadProgramText(dir.path().toStdString(), "t.dat"), std::nullopt);
    EXPECT_EQ(ProgramText(1), "Title");
    EXPECT_EQ(ProgramText(1, 2), "Titre");
    EXPECT_EQ(ProgramText(6, 2), longest);  // whole, from the first language
    EXPECT_EQ(ProgramText(5), "");          // "~"
    EXPECT_EQ(ProgramText(4), "");          // missing
}

}  // namespace
}  // namespace orbel
