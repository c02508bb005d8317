#include "ui/today_panel.h"

#include <QActionGroup>
#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <cstdio>

#include "support/autostart_entry.h"
#include "support/qt_text.h"
#include "ui/program.h"

namespace orbel {
namespace {

QColor ToQColor(Rgb c) { return QColor(c.red, c.green, c.blue); }

// The lit part of a disc: the half towards the Sun, widened or narrowed by
// the half ellipse of the terminator, whose half width is r |1 - 2f|.
QPainterPath LitPart(QPointF centre, double r, double f, bool waxing) {
    const QRectF disc(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
    QPainterPath half;
    half.moveTo(centre);
    half.arcTo(disc, 90, waxing ? -180 : 180);  // from the top, through the lit side
    half.closeSubpath();
    QPainterPath terminator;
    terminator.addEllipse(centre, r * std::abs(1 - 2 * f), r);
    return f > 0.5 ? half.united(terminator) : half.subtracted(terminator);
}

}  // namespace

QPixmap TodayPicture(const TodayModel& model, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(ToQColor(model.colour));
    p.drawRoundedRect(QRectF(0, 0, size, size), size / 6.0, size / 6.0);
    if (model.preferences.picture == PanelPicture::Moon) {
        const QPointF centre(size / 2.0, size / 2.0);
        const double r = size * 0.42;
        p.setBrush(QColor(40, 40, 48));
        p.drawEllipse(centre, r, r);
        p.setBrush(QColor(250, 242, 208));
        p.drawPath(LitPart(centre, r, model.facts.moon.litFraction, model.facts.moon.waxing));
    } else {
        QFont font("DejaVu Sans");
        font.setBold(true);
        font.setPixelSize(static_cast<int>(size * (model.dayNumber.size() > 1 ? 0.62 : 0.78)));
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRect(0, 0, size, size), Qt::AlignCenter, ToQString(model.dayNumber));
    }
    return pixmap;
}

TodayPanel::TodayPanel(ProgramSession& session, const GlanceWords& words, std::string program)
    : session_(session),
      model_(words,
             [&m = session.model] { return TodaySettings{m.Settings(), m.Country(), m.state.ChosenNames}; },
             [&m = session.model] { return m.CountryColour(); }) {
    model_.autostartFolder = AutostartFolder();
    model_.program = std::move(program);
    model_.LoadPreferences();
    model_.Refresh();

    menu_.addAction(ToQString(OpenTodayText), this, &TodayPanel::OpenOnToday);
    menu_.addAction(ToQString(OpenMonthText), this, &TodayPanel::OpenMonthOfToday);
    menu_.addSeparator();
    dayPicture_ = menu_.addAction(ToQString(DayNumberPictureText), this, [this] {
        model_.ChoosePicture(PanelPicture::LunarDay);
        Mirror();
    });
    moonPicture_ = menu_.addAction(ToQString(MoonPictureText), this, [this] {
        model_.ChoosePicture(PanelPicture::Moon);
        Mirror();
    });
    auto* pictures = new QActionGroup(&menu_);  // one picture or the other
    for (QAction* choice : {dayPicture_, moonPicture_}) {
        choice->setCheckable(true);
        pictures->addAction(choice);
    }
    menu_.addSeparator();
    menu_.addAction(ToQString(QuitText), this, [this] {
        if (session_.window.moveModel().Running()) session_.window.moveModel().cmdStop_Click();
        session_.model.cmdQuit_Click();
        session_.window.Mirror();
    });
    icon_.setContextMenu(&menu_);
    connect(&icon_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger) OpenOnToday();
    });

    QCheckBox* show = session_.window.chkShowInPanel;
    QCheckBox* start = session_.window.chkStartWithDesktop;
    connect(show, &QCheckBox::clicked, this, [this](bool on) {
        model_.SetShowInPanel(on);
        if (!ShowIfWanted(false)) SayNoPanel();
        Mirror();
    });
    connect(start, &QCheckBox::clicked, this, [this](bool on) {
        if (!model_.SetStartWithDesktop(on))
            session_.model.port.ShowMessage(std::string(StartWithDesktopText),
                                            "Cannot change " + model_.autostartFolder + "/" +
                                                std::string(AutostartFileName) + ".",
                                            MessageIcon::Exclamation);
        Mirror();
    });

    timer_.setInterval(TodayTickMilliseconds);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (model_.Tick()) Mirror();
        NameIconWindow();  // the icon's window may be new: a panel started
    });
    Mirror();
}

bool TodayPanel::ShowIfWanted(bool forced) {
    if (forced) model_.preferences.showInPanel = true;  // started in the panel: shown there this run
    Mirror();
    if (!model_.preferences.showInPanel) {
        icon_.hide();
        timer_.stop();
        return true;
    }
    // Windows opened from the icon and closed again must not end the
    // program: only Quit does.
    QApplication::setQuitOnLastWindowClosed(false);
    model_.Tick();
    // Shown even without a panel: Qt embeds the icon when a panel starts.
    icon_.show();
    Mirror();
    timer_.start();
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void TodayPanel::SayNoPanel() {
    if (noPanelSaid_) return;
    noPanelSaid_ = true;
    std::fprintf(stderr, "orbel: %s\n", NoPanelText.data());  // for a start from a terminal or a session log
    session_.model.port.ShowMessage(std::string(NoPanelTitle), std::string(NoPanelText), MessageIcon::Exclamation);
}

void TodayPanel::Mirror() {
    QIcon picture;
    for (int size : {16, 22, 24, 32, 48, 64}) picture.addPixmap(TodayPicture(model_, size));
    icon_.setIcon(picture);
    icon_.setToolTip(ToQString(model_.toolTip));
    NameIconWindow();
    dayPicture_->setChecked(model_.preferences.picture == PanelPicture::LunarDay);
    moonPicture_->setChecked(model_.preferences.picture == PanelPicture::Moon);
    session_.window.chkShowInPanel->setChecked(model_.preferences.showInPanel);
    session_.window.chkStartWithDesktop->setChecked(model_.preferences.startWithDesktop);
}

void TodayPanel::NameIconWindow() {
    // An XEmbed tray icon is a window of its own: its name carries the tool
    // tip too, for tray hosts and screen readers that read window names.
    const QString name = ToQString(model_.toolTip).replace('\n', " — ");
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "QSystemTrayIconSys" && w->windowTitle() != name) w->setWindowTitle(name);
}

void TodayPanel::OpenOnToday() {
    FrmMain& window = session_.window;
    window.show();
    window.raise();
    window.activateWindow();
    if (!window.moveModel().Running()) session_.model.cmdNow_Click();
    window.Mirror();
}

void TodayPanel::OpenMonthOfToday() {
    model_.Tick();
    const LocalDay day = model_.facts.day;
    OpenCalendarMonth(session_, day.jdn - day.zoneMinutes / 1440.0);  // local noon, AJD
}

}  // namespace orbel
