#pragma once
// The main window: a thin Qt view over MainWindowModel. Every widget mirrors
// one control of the model; every event sets the control's value in the model,
// calls the procedure named after it, and mirrors the model again.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <vector>

#include "app/main_window_model.h"
#include "ui/frm_multiple_el_an.h"
#include "app/move_model.h"

class QGridLayout;
class QGroupBox;
class QVBoxLayout;

namespace orbel {

class WidgetMaker;

// A label that reports mouse clicks, by the button numbers the models take,
// and hovering, as the value labels and web labels need.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    static constexpr int LeftButton = 1, RightButton = 2, MiddleButton = 4;
signals:
    void clicked(int button);
    void hovered();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

class FrmMain : public QWidget {
    Q_OBJECT
public:
    // `model` must outlive the window; Load() is the model's to call.
    explicit FrmMain(MainWindowModel& model, QWidget* parent = nullptr);

    // Makes every widget show what its control in the model holds.
    void Mirror();

    MainWindowModel& model() { return model_; }
    // The move controls' model; its repeated move runs inside Move's click.
    MoveModel& moveModel() { return move_; }

    // Rows an open drop-down list shows before it scrolls.
    static constexpr int ListRows = 15;

    // Opens a web address; the program gives it (tests leave it empty).
    std::function<void(const std::string& address)> openAddress;

    // The widgets, for tests and for the later windows.
    QComboBox *cboRefLong, *cboLongitude, *cboTimeZone, *cboEpoch, *cboMethod, *cboNames, *cboElement, *cboAnimal,
        *cboMoveStep, *cboRefreshPeriod, *cboTarget;
    QLineEdit *txbCCT, *txbDate, *txbTime, *txbPlusMinus;
    QCheckBox *chkShowPAN, *chkShowCJDs, *chkAutoLog, *chkAsObserved, *chkRepeatedly, *chkKeep30th, *chkKeepLeap;
    // The panel icon's preferences, wired by the icon (TodayPanel).
    QCheckBox *chkShowInPanel, *chkStartWithDesktop;
    QRadioButton *optPlus, *optMinus, *optNext, *optPrevious, *optForward, *optBack;
    QPushButton *cmdCompute, *cmdNow, *cmdClearDate, *cmdReset, *cmdMove, *cmdMoveOneDay, *cmdSearch, *cmdStop,
        *cmdPauseResume, *cmdSaveState, *cmdRestoreState, *cmdAddToLog, *cmdViewLog, *cmdClearLog,
        *cmdLogPreferences, *cmdCalendarExport, *cmdHelp, *cmdQuit, *cmdDisplayYearData, *cmdListLunarNewYears, *cmdListLeapMonths,
        *cmdListJulianCENewYears, *cmdDisplayCalendar;
    ClickLabel *lblPhaseOfMoon, *lblAgeOfMoon, *lblPantheonNote, *lblCorvaneSystems, *lblOnlineDocumentation;
    QLabel *lblElement, *lblAnimal, *picMoon, *lblYear, *lblRefreshPeriod, *lblSearching, *lblLunarDateWords;
    QComboBox* cboFestival;  // the festival of target "Festival"
    QLabel* lblFestival;
    QPushButton* cmdListFestivals;
    FrmMultipleElAn* frmMultiple;  // opened by Search for its two targets
    // Stop, Pause/Resume and the refresh period, shown while a repeated move runs.
    QWidget* fraStopPauseResume;
    ClickLabel *imgDayStem, *imgDayBranch, *imgYearStem, *imgYearBranch;
    // Value label pairs by the model's names: [0] caption, [1] value.
    struct Pair {
        QLabel* caption;
        ClickLabel* value;
    };
    Pair lblAstronomicalJulianDate, lblChronologicalJulianDateLondon, lblCommonEraDate, lblJulianCalendarDate,
        lblChronologicalJulianDateBeijing, lblChineseSolarDate, lblChineseLunarDate, lblPantheonCalendarGMT,
        lblPantheonCalendarCCT, lblElementAnimalOfDay, lblElementAnimalOfMonth, lblElementAnimalOfYear, lblDeltaT;
    Pair lblFestivals;  // the day's festivals

signals:
    void helpRequested();
    // A stem or branch picture was clicked: show the table of their names.
    void stemBranchRequested();
    // An event was handled and the window mirrored: the other windows may
    // mirror the models it changed.
    void acted();
    // Show lunar calendar month: open the month of the displayed date.
    void calendarRequested();
    // Export to calendar: open the window of calendar files.
    void calendarExportRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildWidgets();
    void MakeSettingsAndEntryWidgets(WidgetMaker& make);
    void MakeValueWidgets(WidgetMaker& make);
    void MakeMoveAndSearchWidgets(WidgetMaker& make);
    void MakeWindowButtons(WidgetMaker& make);
    QComboBox* MakeList(WidgetMaker& make, const char* name, ComboBox& m);
    template <class Widget>
    Widget* MakeLabel(WidgetMaker& make, const char* name, Label& m);
    // Mirrors the control's text colour into the widget as well.
    template <class Widget>
    Widget* Coloured(Widget* w, const Control& m);
    QLabel* Caption(const QString& text);
    void LayOutWidgets();
    QGroupBox* SettingsGroup();
    QGroupBox* EntryGroup();
    QGroupBox* ValuesGroup();
    QVBoxLayout* MoonColumn();
    QGroupBox* MoveGroup();
    void StopPauseResumeFrame();
    QGroupBox* SearchGroup();
    QGridLayout* WindowButtonsLayout();
    void Connect();
    void ConnectLists();
    void ConnectTicks();
    void ConnectEntryTexts();
    void ConnectButtons();
    void ConnectValueLabels();
    void ConnectWebLabels();
    // Runs a model procedure after a user event, then mirrors the model.
    void Act(const std::function<void()>& procedure);
    void ShowMoonPicture();
    void ShowStemBranchPictures();
    void RestoreWebLabels();

    void ConnectMove();
    // A list stepped through while closed keeps the focus: the focus its
    // procedure asks for is given only when the list is closed by a choice.
    void KeepFocusOnSteppedList(QComboBox* w);

    MainWindowModel& model_;
    MoveModel move_;
    QTimer timer1_;
    QTimer clock_;  // paces the repeated move as the model's Clock says
    // One mirror function per widget, filled as the widgets are made.
    std::vector<std::function<void()>> mirrors_;
    bool mirroring_ = false;
    // The groups in the order a reader takes them; Tab follows it.
    std::vector<QWidget*> readingSections_;
    bool pinned_ = false;  // size and places fixed at the first show
};

}  // namespace orbel
