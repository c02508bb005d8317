// Calendar files of the anniversary list: folding and escaping, the file the
// export writes, and what happens when the dialog is cancelled or the file
// cannot be written.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "tests/data_window_fixture.h"
#include "tests/file_size_limit.h"
#include "views/calendar_file.h"

namespace orbel::testing {
namespace {

// Lines folded at 75 octets outside UTF-8 sequences; text values escaped.
TEST(CalendarFile, LinesAreFoldedAndTextsEscaped) {
    const std::string a75(75, 'a'), a74(74, 'a');
    const std::string sign = "\xC2\xBA";
    struct Case {
        std::string line, folded;
    } cases[] = {
        {"SUMMARY:x", "SUMMARY:x\r\n"},
        {a75, a75 + "\r\n"},
        {a75 + "b", a75 + "\r\n b\r\n"},
        {a75 + a74 + "c", a75 + "\r\n " + a74 + "\r\n c\r\n"},
        {a74 + sign, a74 + "\r\n " + sign + "\r\n"},  // the two octets stay together
    };
    for (const Case& c : cases) EXPECT_EQ(FoldLine(c.line), c.folded) << c.line;
    EXPECT_EQ(EscapeText("a,b;c\\d\r\ne\nf"), "a\\,b\\;c\\\\d\\ne\\nf");
}

TEST_F(DataWindowTest, ExportWritesTheListedAnniversaries) {
    QTemporaryDir dir;
    const std::string path = dir.path().toStdString() + "/anniversaries.ics";
    Show("2020-06-01 CE");
    List(ListLunarNewYearsKind, "4");
    EXPECT_TRUE(data->cmdExport.visible);

    data->cmdExport_Click();  // the dialog cancelled
    ASSERT_EQ(port.fileDialogs.size(), 1u);
    EXPECT_EQ(port.fileDialogs[0].suggestedPath, "lunar_anniversaries.ics");
    EXPECT_FALSE(std::filesystem::exists(path));

    port.fileNames.push_back(path);
    data->cmdExport_Click();
    ExpectWindowGolden("anniversaries_leap_month.ics", FileText(path));
    EXPECT_TRUE(port.messages.empty());

    // A disk too full for the new file: the failure is said, the old file stays.
    const std::string before = FileText(path);
    port.fileNames.push_back(path);
    {
        FileSizeLimit full(100);
        data->cmdExport_Click();
    }
    EXPECT_EQ(FileText(path), before);
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_EQ(port.messages[0].text, "The calendar file " + path + " could not be written: File too large.");
    port.messages.clear();

    port.fileNames.push_back(dir.path().toStdString() + "/no such folder/x.ics");
    data->cmdExport_Click();
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_EQ(port.messages[0].title, "Export to calendar file");
    EXPECT_NE(port.messages[0].text.find("could not be written"), std::string::npos);

    // Nothing to export from a list before 1 CE (its message: cli_transcript.txt): no dialog, no file.
    port.messages.clear();
    port.fileDialogs.clear();
    Show("-500-06-01 CE");
    List(ListLunarNewYearsKind, "4");
    data->cmdExport_Click();
    EXPECT_TRUE(port.fileDialogs.empty());
    EXPECT_EQ(port.messages.size(), 1u);

    // Other lists have nothing to export.
    List(ListLeapMonthsKind, "3");
    EXPECT_FALSE(data->cmdExport.visible);
}

}  // namespace
}  // namespace orbel::testing
