#pragma once
// Today in the desktop's panel: a system tray icon over TodayModel, whose
// picture is the lunar day on the country's colour or the Moon of the day,
// whose tool tip tells the day, and whose menu opens the program on today.
#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QObject>
#include <QPixmap>
#include <QSystemTrayIcon>
#include <QTimer>

#include "app/today_model.h"

namespace orbel {

struct ProgramSession;

// The icon's picture, `size` pixels square.
QPixmap TodayPicture(const TodayModel& model, int size);

class TodayPanel : public QObject {
    Q_OBJECT
public:
    // `session` and `words` must outlive the panel. The main window's two
    // preference boxes are wired to the model.
    TodayPanel(ProgramSession& session, const GlanceWords& words, std::string program);

    // Shows or hides the icon as the preference asks; `forced` (the program
    // was started in the panel) turns the preference on for this run. False
    // when the icon should show but the desktop has no panel for it yet (the
    // icon goes into a panel that starts later).
    bool ShowIfWanted(bool forced);

    // Tells the user, the first time in a run, that the desktop has no panel.
    void SayNoPanel();

    void Mirror();
    TodayModel& model() { return model_; }
    QSystemTrayIcon& icon() { return icon_; }

private:
    void NameIconWindow();
    void OpenOnToday();
    void OpenMonthOfToday();

    ProgramSession& session_;
    TodayModel model_;
    QSystemTrayIcon icon_;
    QMenu menu_;
    QAction* dayPicture_;
    QAction* moonPicture_;
    QTimer timer_;
    bool noPanelSaid_ = false;
};

}  // namespace orbel
