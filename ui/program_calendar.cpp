#include <QApplication>

#include "app/calendar_month_link.h"
#include "ui/program.h"
#include "views/calendar_month.h"

namespace orbel {

void OpenCalendarMonth(ProgramSession& session) { OpenCalendarMonth(session, session.model.state.CurrentAJD); }

void OpenCalendarMonth(ProgramSession& session, double moment) {
    FrmMain& main = session.window;
    if (!session.calendar) {
        const QWidget* moveFrame = main.findChild<QWidget*>("fraMove");
        const QPoint frame = moveFrame ? moveFrame->mapTo(&main, QPoint(0, 0)) : QPoint(0, 0);
        const QPoint window = main.geometry().topLeft();
        if (session.nowLoading.ShowIfImagesNotLoaded({window.x(), window.y()}, {frame.x(), frame.y()},
                                                     FrmMsgNowLoading::InnerWidth)) {
            session.nowLoadingWindow.Mirror(session.nowLoading);
            session.nowLoadingWindow.repaint();
            QApplication::processEvents();  // let the notice appear before the loading starts
        }
        session.calendar = std::make_unique<FrmCalendar>(session.model.port,
                                                         QString::fromStdString(session.model.PictureFolder()));
        session.calendar->setWindowIcon(main.windowIcon());
        session.calendar->model().mainWindow = [&model = session.model] { return CalendarMainWindowOf(model); };
        session.calendar->model().layout = StoredCalendarLayout();
        session.calendar->model().layoutChosen = StoreCalendarLayout;
        session.calendar->showMainWindow = [&main] {
            main.raise();
            main.activateWindow();
        };
        session.nowLoading.ImagesLoaded();
        session.nowLoadingWindow.Mirror(session.nowLoading);
    }
    FrmCalendar& calendar = *session.calendar;
    calendar.model().lngCJDN = LunarMonthStart(moment, session.model.Settings());
    calendar.Redraw();
    calendar.show();
    calendar.raise();
    calendar.activateWindow();
}

}  // namespace orbel
