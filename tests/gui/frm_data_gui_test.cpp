// The data window of the running program, driven through its widgets.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>

#include "tests/gui/program_run.h"

using namespace orbel;

namespace {

class DataWindowRun : public orbel::testing::ProgramRun {
protected:
    void SetUp() override {
        ProgramRun::SetUp();
        Convert("2020-05-01 CE");  // 79-37-04-09: every year has it
    }
    FrmData& Data() { return program->dataWindow; }
    int ListedLines() const { return program->dataWindow.txbText->toPlainText().count(" JDN "); }
};

TEST_F(DataWindowRun, EachButtonOpensItsList) {
    FrmMain& w = program->window;
    EXPECT_EQ(w.cmdListLunarNewYears->text(), "List lunar new years && anniversaries");
    EXPECT_EQ(w.cmdListLunarNewYears->toolTip(), "For lunar new years first search for the previous lunar new year.");
    struct Case {
        QPushButton* button;
        const char* caption;
        const char* firstLine;
    } cases[] = {
        {w.cmdDisplayYearData, "Dates, times and CJDs of dark moons and solar terms",
         "Dates, times and chronological Julian dates of dark moons"},
        {w.cmdListLunarNewYears, "Lunar new years & anniversaries", "Chinese Lunar Calendar anniversaries"},
        {w.cmdListLeapMonths, "Lunar month starts & leap months", "Starts of all months with corresponding date CE"},
        {w.cmdListJulianCENewYears, "Julian and CE new years",
         "Lunar calendar dates of New Years Day in the Common Era Calendar"},
    };
    for (const Case& c : cases) {
        c.button->click();
        EXPECT_TRUE(Data().isVisible()) << c.caption;
        EXPECT_EQ(Data().windowTitle(), c.caption);
        EXPECT_EQ(Data().txbText->toPlainText().section('\n', 0, 0), c.firstLine);
        EXPECT_TRUE(Data().txbText->isReadOnly());
    }
    // The number of years and Enter run the list again.
    Data().txbNumYears->setText("2");
    emit Data().txbNumYears->textEdited("2");
    emit Data().txbNumYears->returnPressed();
    EXPECT_EQ(Data().txbText->toPlainText().count("-01-01 CE = "), 2);
}

// The year data opens at its top; a tick keeps the month the reader had at
// the top of the box there.
TEST_F(DataWindowRun, TheTextOpensAtTheTopAndATickKeepsTheReadersPlace) {
    program->window.cmdDisplayYearData->click();
    QPlainTextEdit* text = Data().txbText;
    Data().resize(Data().width(), 300);  // a box shorter than the text
    QApplication::processEvents();
    QScrollBar* bar = text->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 20);
    EXPECT_EQ(bar->value(), 0);
    EXPECT_EQ(text->textCursor().position(), 0);
    const QString month = "LN 246 ";
    bar->setValue(text->toPlainText().left(text->toPlainText().indexOf(month)).count('\n'));
    QTest::mouseClick(Data().chkIncludeMinorSolarTerms, Qt::LeftButton);
    EXPECT_TRUE(text->document()->findBlockByLineNumber(bar->value()).text().contains(month))
        << bar->value();
    EXPECT_GT(bar->value(), 0);
}

TEST_F(DataWindowRun, CloseBecomesStopDuringALongListAndThenHidesTheWindow) {
    program->window.cmdListLunarNewYears->click();
    Data().txbNumYears->setText("100");
    emit Data().txbNumYears->textEdited("100");
    port->eventLoopRuns = 0;
    port->onProcessEvents = [this](int pass) {
        if (pass == 3) Data().cmdClose->click();
    };
    Data().cmdList->click();
    EXPECT_EQ(ListedLines(), 3) << "the list ends after the current year";
    EXPECT_TRUE(Data().isVisible());
    EXPECT_EQ(Data().cmdClose->text(), "Close");
    Data().cmdClose->click();
    EXPECT_FALSE(Data().isVisible());
}

TEST_F(DataWindowRun, CopyButtonCopiesTheSelectionOrAll) {
    program->window.cmdDisplayYearData->click();
    QPlainTextEdit* text = Data().txbText;
    QTextCursor c = text->textCursor();
    c.movePosition(QTextCursor::Start);
    c.movePosition(QTextCursor::Down, QTextCursor::KeepAnchor);
    c.movePosition(QTextCursor::EndOfWord, QTextCursor::KeepAnchor);
    text->setTextCursor(c);
    QTest::mouseRelease(text->viewport(), Qt::LeftButton);
    EXPECT_EQ(Data().cmdCopyToClipboard->text(), "Copy selected text to clipboard");
    Data().cmdCopyToClipboard->click();
    EXPECT_EQ(port->clipboard, "Dates, times and chronological Julian dates of dark moons\r\nand");
    c.clearSelection();
    text->setTextCursor(c);
    QTest::mouseRelease(text->viewport(), Qt::LeftButton);
    EXPECT_EQ(Data().cmdCopyToClipboard->text(), "Copy all text to clipboard");
    Data().cmdCopyToClipboard->click();
    EXPECT_EQ(port->clipboard, program->dataModel.txbText.text);
}

}  // namespace
