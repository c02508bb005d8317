// The calendar month view as a person meets it: opened from the main window
// (with the loading notice the first time only), stepped, closed, opened
// again and saved as a PNG image of exactly its page.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>

#include "tests/gui/program_run.h"

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

class CalendarWindow : public orbel::testing::ProgramRun {
protected:
    void SetUp() override {
        ProgramRun::SetUp();
        Convert("2024-03-29 CE");  // in month 2 of 4721
    }
    void Open() { QTest::mouseClick(Main().cmdDisplayCalendar, Qt::LeftButton); }

    // Counts highlight-coloured pixels of `image` inside `r`.
    static int HighlightPixels(const QImage& image, const PageRect& r) {
        int n = 0;
        for (int y = r.y; y < r.y + r.height; ++y)
            for (int x = r.x; x < r.x + r.width; ++x) n += image.pixel(x, y) == qRgb(198, 0, 0);
        return n;
    }
};

}  // namespace

TEST_F(CalendarWindow, OpensWithTheNoticeTheFirstTimeOnlyAndSteps) {
    EventCounter notices;
    program->nowLoadingWindow.installEventFilter(&notices);
    EXPECT_EQ(program->window.cmdDisplayCalendar->text(), "Show lunar calendar month");
    program->window.move(150, 90);  // the notice follows the main window
    Open();
    ASSERT_TRUE(program->calendar);
    FrmCalendar& calendar = *program->calendar;
    EXPECT_TRUE(calendar.isVisible());
    EXPECT_EQ(notices.shows, 1);
    EXPECT_FALSE(program->nowLoadingWindow.isVisible());
    EXPECT_EQ(program->nowLoadingWindow.windowTitle(), "One moment please");
    const QWidget* fraMove = program->window.findChild<QWidget*>("fraMove");
    EXPECT_EQ(program->nowLoadingWindow.pos(), fraMove->mapTo(&program->window, QPoint(0, 0)) +
                                                     program->window.geometry().topLeft());
    EXPECT_EQ(calendar.windowTitle(), program->window.lblChineseLunarDate.value->text().section(' ', 0, 1));
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

// The saved PNG is the page at the window's size, in the layout chosen, its
// cells where the model's geometry puts them: the numerals of weekend days in
// the highlight colour, of other days not, and a Moon in every day cell. The
// layout chosen is kept for the next run.
TEST_F(CalendarWindow, SavesItsPageAsPngAtAnySizeInEitherLayout) {
    Open();
    FrmCalendar& calendar = *program->calendar;
    EXPECT_TRUE(calendar.optLayout[0]->isChecked());
    for (const QSize size : {QSize(900, 680), QSize(1300, 760)}) {
        calendar.resize(size);
        if (size.width() > 900) QTest::mouseClick(calendar.optLayout[1], Qt::LeftButton);
        QApplication::processEvents();
        const QString png = dir.filePath(QStringLiteral("page%1.png").arg(size.width()));
        port->fileNames.push_back(png.toStdString());
        QTest::mouseClick(calendar.cmdSaveCalendarImage, Qt::LeftButton);
        ASSERT_FALSE(port->messages.empty());
        EXPECT_EQ(port->messages.back().text, "The image has been saved in the PNG file\r\n" + png.toStdString());
        EXPECT_TRUE(port->fileDialogs.back().suggestedPath.ends_with("/lunar_month_2024-03-10.png"));
        const QImage image(png, "PNG");
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), calendar.picBox->size());
        const CalendarPageGeometry g =
            ComputeCalendarPageGeometry(image.width(), image.height(), calendar.model().rows, calendar.model().columns);
        for (size_t c = 0; c < g.cells.size(); ++c) {
            const CalendarCell& cell = calendar.model().cells[c];
            if (cell.day == 0) continue;
            EXPECT_EQ(HighlightPixels(image, g.cells[c]) > 0, cell.weekend) << cell.ceText;
            const PageRect& moon = g.moons[c];
            EXPECT_NE(image.pixel(moon.x + moon.width / 2, moon.y + moon.height / 2), qRgb(255, 255, 255)) << c;
        }
    }
    EXPECT_FALSE(QFile::exists(dir.filePath("page900.bmp")));
    EXPECT_EQ(calendar.model().columns, 7);
    EXPECT_EQ(StoredCalendarLayout(), CalendarLayout::Weeks);
}
