#pragma once
// frmCalendar: a thin Qt view over CalendarMonthModel. The page (picBox)
// is painted by PaintCalendarPage, the routine that also draws the saved
// image; the buttons stand in a row below it.
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include <array>
#include <functional>

#include "support/user_port.h"
#include "views/calendar_month.h"
#include "views/calendar_page.h"

namespace orbel {

// picBox: the page, drawn at whatever size the window gives it.
class CalendarPageBox : public QWidget {
public:
    CalendarPageBox(const CalendarMonthModel& model, const MoonDayPictures& moons, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const CalendarMonthModel& model_;
    const MoonDayPictures& moons_;
};

class FrmCalendar : public QWidget {
    Q_OBJECT
public:
    // Loads the Moon pictures from `pictureFolder` (ending in "/").
    FrmCalendar(UserPort& port, const QString& pictureFolder, QWidget* parent = nullptr);

    CalendarMonthModel& model() { return model_; }
    // Draws the month from lngCJDN and mirrors it.
    void Redraw();
    void Mirror();

    // Brings the main window back (cmdClose).
    std::function<void()> showMainWindow = [] {};

    CalendarPageBox* picBox;
    std::array<QPushButton*, 2> cmdShowPreviousOrNext{};
    QPushButton *cmdSaveCalendarImage, *cmdClose;
    std::array<QRadioButton*, 2> optLayout{};  // "Lunar days", "Weeks"

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void cmdSaveCalendarImage_Click();
    void cmdClose_Click();

    UserPort& port_;
    CalendarMonthModel model_;
    MoonDayPictures moons_;
};

}  // namespace orbel
