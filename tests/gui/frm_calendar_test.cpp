// The calendar month view as a person meets it: opened from the main window
// (with the loading notice the first time only), stepped, closed, opened
// again and saved as a PNG image of exactly its page.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include "support/scripted_user_port.h"
#include "tests/temporary_settings.h"
#include "ui/program.h"

using namespace orbel;

namespace {

class EventCounter : public QObject {
public:
    int shows = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show) ++shows;
        return false;
    }
};

class CalendarWindow : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        const ProgramPaths paths{ORBEL_PROGRAM_FOLDER "/", (dir_.path() + "/orbel.usr").toStdString()};
        program_ = StartProgram(port_, paths, [] {});
        ASSERT_TRUE(program_);
        FrmMain& w = program_->window;
        w.txbDate->clear();
        QTest::keyClicks(w.txbDate, "2024-03-29 CE");  // in month 2 of 4721
        QTest::mouseClick(w.cmdCompute, Qt::LeftButton);
    }
    void Open() { QTest::mouseClick(program_->window.cmdDisplayCalendar, Qt::LeftButton); }

    // Counts highlight-coloured pixels of `image` inside `r`.
    static int HighlightPixels(const QImage& image, const PageRect& r) {
        int n = 0;
        for (int y = r.y; y < r.y + r.height; ++y)
            for (int x = r.x; x < r.x + r.width; ++x) n += image.pixel(x, y) == qRgb(198, 0, 0);
        return n;
    }

    orbel::testing::TemporarySettings settings_;
    QTemporaryDir dir_;
    ScriptedUserPort port_;
    std::unique_ptr<ProgramSession> program_;
};

}  // namespace

TEST_F(CalendarWindow, OpensWithTheNoticeTheFirstTimeOnlyAndSteps) {
    EventCounter notices;
    program_->nowLoadingWindow.installEventFilter(&notices);
    EXPECT_EQ(program_->window.cmdDisplayCalendar->text(), "Show lunar calendar month");
    program_->window.move(150, 90);  // the notice follows the main window
    Open();
    ASSERT_TRUE(program_->calendar);
    FrmCalendar& calendar = *program_->calendar;
    EXPECT_TRUE(calendar.isVisible());
    EXPECT_EQ(notices.shows, 1);
    EXPECT_FALSE(program_->nowLoadingWindow.isVisible());
    EXPECT_EQ(program_->nowLoadingWindow.windowTitle(), "One moment please");
    const QWidget* fraMove = program_->window.findChild<QWidget*>("fraMove");
    EXPECT_EQ(program_->nowLoadingWindow.pos(), fraMove->mapTo(&program_->window, QPoint(0, 0)) +
                                                     program_->window.geometry().topLeft());
    EXPECT_EQ(calendar.windowTitle(), program_->window.lblChineseLunarDate.value->text().section(' ', 0, 1));
    const int32_t start = calendar.model().lngCJDN;
    EXPECT_EQ(calendar.model().cells[0].ceText, "Sun Mar 10");

    // 30 days from 2024-03-10, 29 days from 2024-02-10 (the new year).
    QTest::mouseClick(calendar.cmdShowPreviousOrNext[1], Qt::LeftButton);
    EXPECT_EQ(calendar.model().lngCJDN, start + 30);
    QTest::mouseClick(calendar.cmdShowPreviousOrNext[0], Qt::LeftButton);
    QTest::mouseClick(calendar.cmdShowPreviousOrNext[0], Qt::LeftButton);
    EXPECT_EQ(calendar.model().lngCJDN, start - 29);
    EXPECT_EQ(calendar.model().cells[0].ceText, "Sat Feb 10");
    QTest::mouseClick(calendar.cmdClose, Qt::LeftButton);
    EXPECT_FALSE(calendar.isVisible());

    Open();  // the displayed month again, without the notice
    EXPECT_TRUE(calendar.isVisible());
    EXPECT_EQ(calendar.model().lngCJDN, start);
    EXPECT_EQ(notices.shows, 1);
}

// The saved PNG is the page at the window's size, its cells where the
// model's geometry puts them: the numerals of weekend days in the highlight
// colour, of other days not, and a Moon in every day cell.
TEST_F(CalendarWindow, SavesItsPageAsPngAtAnySize) {
    Open();
    FrmCalendar& calendar = *program_->calendar;
    for (const QSize size : {QSize(900, 680), QSize(1300, 760)}) {
        calendar.resize(size);
        QApplication::processEvents();
        const QString png = dir_.filePath(QStringLiteral("page%1.png").arg(size.width()));
        port_.fileNames.push_back(png.toStdString());
        QTest::mouseClick(calendar.cmdSaveCalendarImage, Qt::LeftButton);
        ASSERT_FALSE(port_.messages.empty());
        EXPECT_EQ(port_.messages.back().text, "The image has been saved in the PNG file\r\n" + png.toStdString());
        const QImage image(png, "PNG");
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), calendar.picBox->size());
        const CalendarPageGeometry g = ComputeCalendarPageGeometry(image.width(), image.height());
        for (size_t c = 0; c < g.cells.size(); ++c) {
            const CalendarCell& cell = calendar.model().cells[c];
            if (cell.day == 0) continue;
            EXPECT_EQ(HighlightPixels(image, g.cells[c]) > 0, cell.weekend) << cell.ceText;
            const PageRect& moon = g.moons[c];
            EXPECT_NE(image.pixel(moon.x + moon.width / 2, moon.y + moon.height / 2), qRgb(255, 255, 255)) << c;
        }
    }
    EXPECT_FALSE(QFile::exists(dir_.filePath("page900.bmp")));
}
