#include "ui/frm_main.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QShortcut>
#include <QStyle>
#include <QStyleOption>
#include <QVBoxLayout>

#include <tuple>

#include "app/today_model.h"
#include "engine/moon_data.h"
#include "support/web_link.h"

#include "ui/choice_list.h"
#include "ui/mirror.h"
#include "ui/widget_maker.h"
#include "ui/window_layout.h"

namespace orbel {
namespace {

std::string S(const QString& text) { return text.toUtf8().toStdString(); }
QColor ToQColor(Rgb c) { return QColor(c.red, c.green, c.blue); }

// Labels are drawn on the window's country colour: the model's default black
// text would be unreadable there, so it is shown white.
QColor LabelTextColour(const Control& c) { return c.foreColour == Black ? QColor(Qt::white) : ToQColor(c.foreColour); }

void MirrorTextColour(const Control& c, QWidget* w) {
    const QColor colour = LabelTextColour(c);
    if (w->palette().color(QPalette::WindowText) == colour) return;
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, colour);
    w->setPalette(p);
}

}  // namespace

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    switch (event->button()) {
    case Qt::LeftButton: emit clicked(LeftButton); break;
    case Qt::RightButton: emit clicked(RightButton); break;
    case Qt::MiddleButton: emit clicked(MiddleButton); break;
    default: break;
    }
    QLabel::mouseReleaseEvent(event);
}

void ClickLabel::enterEvent(QEnterEvent* event) {
    emit hovered();
    QLabel::enterEvent(event);
}

// A label reached by Tab is clicked by Return or Space, as a left click.
void ClickLabel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space)
        emit clicked(LeftButton);
    else
        QLabel::keyPressEvent(event);
}

void ClickLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(this);
    QStyleOptionFocusRect frame;
    frame.initFrom(this);
    frame.rect = contentsRect();
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
}

FrmMain::FrmMain(MainWindowModel& model, QWidget* parent) : QWidget(parent), model_(model), move_(model) {
    setObjectName("frmMain");
    BuildWidgets();
    Connect();
    frmMultiple = new FrmMultipleElAn(model_.frmMultiple_El_An, this);
    frmMultiple->afterEvent = [this] { Mirror(); };
    // A search holds the thread: its progress label is painted at once.
    model_.links.RepaintSearching = [this] {
        Mirror();
        lblSearching->repaint();
    };
    ConnectMove();
    for (QWidget* w : std::initializer_list<QWidget*>{txbDate, cmdNow, cmdMove, cmdHelp, cmdPauseResume})
        w->installEventFilter(this);
    timer1_.setInterval(1000);
    connect(&timer1_, &QTimer::timeout, this, [this] { RestoreWebLabels(); });
    timer1_.start();
    RestoreWebLabels();
}

// The widgets are made first, in the order the focus moves through them, then
// laid out group by group.
void FrmMain::BuildWidgets() {
    setAutoFillBackground(true);
    WidgetMaker make(this, mirrors_);
    MakeSettingsAndEntryWidgets(make);
    MakeValueWidgets(make);
    MakeMoveAndSearchWidgets(make);
    MakeWindowButtons(make);
    mirrors_.push_back([this] {
        ShowMoonPicture();
        ShowStemBranchPictures();
    });
    LayOutWidgets();
}

QComboBox* FrmMain::MakeList(WidgetMaker& make, const char* name, ComboBox& m) {
    QComboBox* w = make.Combo(name, m);
    // A list opens below its box with at most ListRows rows and a scroll
    // bar; the style's own popup would show the 46 longitudes at once, as
    // tall as the screen.
    w->setMaxVisibleItems(ListRows);
    w->setStyleSheet("QComboBox { combobox-popup: 0; }");
    return w;
}

template <class Widget>
Widget* FrmMain::Coloured(Widget* w, const Control& m) {
    mirrors_.push_back([w, &m] { MirrorTextColour(m, w); });
    return w;
}

template <class Widget>
Widget* FrmMain::MakeLabel(WidgetMaker& make, const char* name, Label& m) {
    Widget* w = Coloured(make.Label<Widget>(name, m), m);
    w->setTextFormat(Qt::PlainText);
    return w;
}

void FrmMain::MakeSettingsAndEntryWidgets(WidgetMaker& make) {
    MainWindowModel& m = model_;
    cboRefLong = MakeList(make, "cboRefLong", m.cboRefLong);
    cboLongitude = MakeList(make, "cboLongitude", m.cboLongitude);
    txbCCT = make.LineEdit("txbCCT", m.txbCCT);
    txbCCT->setReadOnly(true);
    txbCCT->setMaximumWidth(60);
    cboEpoch = MakeList(make, "cboEpoch", m.cboEpoch);
    cboMethod = MakeList(make, "cboMethod", m.cboMethod);
    cboNames = MakeList(make, "cboNames", m.cboNames);
    chkShowPAN = Coloured(make.Check("chkShowPAN", m.chkShowPAN), m.chkShowPAN);
    chkShowCJDs = Coloured(make.Check("chkShowCJDs", m.chkShowCJDs), m.chkShowCJDs);
    chkAutoLog = Coloured(make.Check("chkAutoLog", m.chkAutoLog), m.chkAutoLog);
    chkAsObserved = Coloured(make.Check("chkAsObserved", m.chkAsObserved), m.chkAsObserved);
    chkShowInPanel = new QCheckBox(ToQString(ShowInPanelText), this);
    chkStartWithDesktop = new QCheckBox(ToQString(StartWithDesktopText), this);
    chkShowInPanel->setObjectName("chkShowInPanel");
    chkStartWithDesktop->setObjectName("chkStartWithDesktop");
    for (QCheckBox* box : {chkShowInPanel, chkStartWithDesktop}) box->setStyleSheet("color: white");

    txbDate = make.LineEdit("txbDate", m.txbDate);
    txbDate->setMinimumWidth(220);
    txbTime = make.LineEdit("txbTime", m.txbTime);
    txbTime->setMaximumWidth(70);
    cboTimeZone = MakeList(make, "cboTimeZone", m.cboTimeZone);
    txbPlusMinus = make.LineEdit("txbPlusMinus", m.txbPlusMinus);
    txbPlusMinus->setMaximumWidth(70);
    optPlus = Coloured(make.Option("optPlus", m.optPlus), m.optPlus);
    optMinus = Coloured(make.Option("optMinus", m.optMinus), m.optMinus);
    lblElement = MakeLabel<QLabel>(make, "lblElement", m.lblElement);
    cboElement = MakeList(make, "cboElement", m.cboElement);
    lblAnimal = MakeLabel<QLabel>(make, "lblAnimal", m.lblAnimal);
    cboAnimal = MakeList(make, "cboAnimal", m.cboAnimal);
    cmdCompute = make.Button("cmdCompute", m.cmdCompute);
    cmdNow = make.Button("cmdNow", m.cmdNow);
    cmdClearDate = make.Button("cmdClearDate", m.cmdClearDate);
    cmdReset = make.Button("cmdReset", m.cmdReset);
}

void FrmMain::MakeValueWidgets(WidgetMaker& make) {
    MainWindowModel& m = model_;
    auto pair = [this, &make](const char* name, std::array<Label, 2>& labels) {
        Pair p;
        p.caption = MakeLabel<QLabel>(make, name, labels[0]);
        p.value = MakeLabel<ClickLabel>(make, name, labels[1]);
        p.value->setCursor(Qt::PointingHandCursor);
        SizeLabelByRoom(p.value, 260);
        return p;
    };
    lblAstronomicalJulianDate = pair("lblAstronomicalJulianDate", m.lblAstronomicalJulianDate);
    lblChronologicalJulianDateLondon = pair("lblChronologicalJulianDateLondon", m.lblChronologicalJulianDateLondon);
    lblCommonEraDate = pair("lblCommonEraDate", m.lblCommonEraDate);
    lblJulianCalendarDate = pair("lblJulianCalendarDate", m.lblJulianCalendarDate);
    lblChronologicalJulianDateBeijing = pair("lblChronologicalJulianDateBeijing", m.lblChronologicalJulianDateBeijing);
    lblChineseSolarDate = pair("lblChineseSolarDate", m.lblChineseSolarDate);
    lblChineseLunarDate = pair("lblChineseLunarDate", m.lblChineseLunarDate);
    lblPantheonCalendarGMT = pair("lblPantheonCalendarGMT", m.lblPantheonCalendarGMT);
    lblPantheonCalendarCCT = pair("lblPantheonCalendarCCT", m.lblPantheonCalendarCCT);
    lblElementAnimalOfDay = pair("lblElementAnimalOfDay", m.lblElementAnimalOfDay);
    lblElementAnimalOfMonth = pair("lblElementAnimalOfMonth", m.lblElementAnimalOfMonth);
    lblElementAnimalOfYear = pair("lblElementAnimalOfYear", m.lblElementAnimalOfYear);
    lblDeltaT = pair("lblDeltaT", m.lblDeltaT);
    lblFestivals = pair("lblFestivals", m.lblFestivals);
    lblFestivals.value->setCursor(Qt::ArrowCursor);  // a name to read, nothing to copy back
    lblPantheonNote = MakeLabel<ClickLabel>(make, "lblPantheonNote", m.lblPantheonNote);
    lblPhaseOfMoon = MakeLabel<ClickLabel>(make, "lblPhaseOfMoon", m.lblPhaseOfMoon);
    lblAgeOfMoon = MakeLabel<ClickLabel>(make, "lblAgeOfMoon", m.lblAgeOfMoon);
    // Room for the longest texts of the range, so that the Moon stays put.
    for (QLabel* l : {static_cast<QLabel*>(lblPhaseOfMoon), static_cast<QLabel*>(lblAgeOfMoon)}) {
        SizeLabelByRoom(l, fontMetrics().horizontalAdvance("[-61825] 29 days, 23 hrs, 59 mins (100.0%)"));
        l->setAlignment(Qt::AlignCenter);
    }
    SizeLabelByRoom(lblPantheonNote, 0);
    picMoon = make.Picture<ClickLabel>("picMoon", m.picMoon);  // a ClickLabel that nothing listens to
    picMoon->setFixedSize(96, 99);
    imgDayStem = make.Picture<ClickLabel>("imgDayStem", m.imgDayStem);
    imgDayBranch = make.Picture<ClickLabel>("imgDayBranch", m.imgDayBranch);
    imgYearStem = make.Picture<ClickLabel>("imgYearStem", m.imgYearStem);
    imgYearBranch = make.Picture<ClickLabel>("imgYearBranch", m.imgYearBranch);
    lblYear = MakeLabel<QLabel>(make, "lblYear", m.lblYear);
    lblLunarDateWords = MakeLabel<QLabel>(make, "lblLunarDateWords", m.lblLunarDateWords);
}

void FrmMain::MakeMoveAndSearchWidgets(WidgetMaker& make) {
    MainWindowModel& m = model_;
    cboMoveStep = MakeList(make, "cboMoveStep", m.cboMoveStep);
    optForward = Coloured(make.Option("optForward", m.optMoveDirection[0]), m.optMoveDirection[0]);
    optBack = Coloured(make.Option("optBack", m.optMoveDirection[1]), m.optMoveDirection[1]);
    chkRepeatedly = Coloured(make.Check("chkRepeatedly", m.chkRepeatedly), m.chkRepeatedly);
    cboRefreshPeriod = MakeList(make, "cboRefreshPeriod", m.cboRefreshPeriod);
    chkKeep30th = Coloured(make.Check("chkKeep30th", m.chkKeep30th), m.chkKeep30th);
    chkKeepLeap = Coloured(make.Check("chkKeepLeap", m.chkKeepLeap), m.chkKeepLeap);
    cmdMove = make.Button("cmdMove", m.cmdMove);
    cmdMoveOneDay = make.Button("cmdMoveOneDay", m.cmdMoveOneDay);
    cmdStop = make.Button("cmdStop", m.cmdStop);
    cmdPauseResume = make.Button("cmdPauseResume", m.cmdPauseResume);
    lblRefreshPeriod = MakeLabel<QLabel>(make, "lblRefreshPeriod", m.lblRefreshPeriod);
    cboTarget = MakeList(make, "cboTarget", m.cboTarget);
    lblFestival = MakeLabel<QLabel>(make, "lblFestival", m.lblFestival);
    cboFestival = MakeList(make, "cboFestival", m.cboFestival);
    optNext = Coloured(make.Option("optNext", m.optNext), m.optNext);
    optPrevious = Coloured(make.Option("optPrevious", m.optPrevious), m.optPrevious);
    cmdSearch = make.Button("cmdSearch", m.cmdSearch);
    lblSearching = MakeLabel<QLabel>(make, "lblSearching", m.lblSearching);
    SizeLabelByRoom(lblSearching, 0);
}

void FrmMain::MakeWindowButtons(WidgetMaker& make) {
    MainWindowModel& m = model_;
    cmdSaveState = make.Button("cmdSaveState", m.cmdSaveState);
    cmdRestoreState = make.Button("cmdRestoreState", m.cmdRestoreState);
    cmdAddToLog = make.Button("cmdAddToLog", m.cmdAddToLog);
    cmdViewLog = make.Button("cmdViewLog", m.cmdViewLog);
    cmdClearLog = make.Button("cmdClearLog", m.cmdClearLog);
    cmdLogPreferences = make.Button("cmdLogPreferences", m.cmdLogPreferences);
    cmdCalendarExport = new QPushButton(QStringLiteral("Export to calendar..."), this);
    cmdCalendarExport->setObjectName("cmdCalendarExport");
    cmdDisplayYearData = make.Button("cmdDisplayYearData", m.cmdDisplayYearData);
    cmdListLunarNewYears = make.Button("cmdListLunarNewYears", m.cmdListLunarNewYears);
    cmdListLeapMonths = make.Button("cmdListLeapMonths", m.cmdListLeapMonths);
    cmdListJulianCENewYears = make.Button("cmdListJulianCENewYears", m.cmdListJulianCENewYears);
    cmdDisplayCalendar = make.Button("cmdDisplayCalendar", m.cmdDisplayCalendar);
    cmdListFestivals = make.Button("cmdListFestivals", m.cmdListFestivals);
    cmdHelp = make.Button("cmdHelp", m.cmdHelp);
    cmdQuit = make.Button("cmdQuit", m.cmdQuit);
    lblCorvaneSystems = MakeLabel<ClickLabel>(make, "lblCorvaneSystems", m.lblCorvaneSystems);
    lblOnlineDocumentation = MakeLabel<ClickLabel>(make, "lblOnlineDocumentation", m.lblOnlineDocumentation);
}

QLabel* FrmMain::Caption(const QString& text) {
    auto* l = new QLabel(text, this);
    l->setStyleSheet("color: white;");
    return l;
}

// Settings and entry on top, the calendars in the middle with the Moon beside
// them, move and search below, the other windows' buttons last.
void FrmMain::LayOutWidgets() {
    QGroupBox* settings = SettingsGroup();
    QGroupBox* entry = EntryGroup();
    QGroupBox* values = ValuesGroup();
    QGroupBox* move = MoveGroup();
    StopPauseResumeFrame();
    QGroupBox* search = SearchGroup();
    QGridLayout* others = WindowButtonsLayout();

    auto* web = new QHBoxLayout;
    web->addWidget(lblCorvaneSystems);
    web->addStretch();
    web->addWidget(lblOnlineDocumentation);

    for (QGroupBox* g : {settings, entry, values, move, search}) g->setStyleSheet("QGroupBox { color: white; }");
    auto* top = new QHBoxLayout;
    top->addWidget(settings);
    top->addWidget(entry, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(move, 1);
    bottom->addWidget(fraStopPauseResume);
    bottom->addWidget(search);
    for (auto [group, frame] : {std::pair{move, &model_.fraMove}, std::pair{entry, &model_.fraConvert},
                                std::pair{search, &model_.fraSearch}})
        mirrors_.push_back([group, frame] {
            if (group->isEnabled() != frame->enabled) group->setEnabled(frame->enabled);
        });
    readingSections_ = {settings, entry, values, move, fraStopPauseResume, search};
    auto* all = new QVBoxLayout(this);
    all->addLayout(top);
    all->addWidget(values, 1);
    all->addLayout(bottom);
    all->addLayout(others);
    all->addLayout(web);
}

QGroupBox* FrmMain::SettingsGroup() {
    auto* settings = new QGroupBox(tr("Settings"), this);
    auto* sg = new QGridLayout(settings);
    sg->addWidget(Caption(tr("Country:")), 0, 0);
    sg->addWidget(cboRefLong, 0, 1);
    sg->addWidget(Caption(tr("Longitude (East):")), 0, 2);
    sg->addWidget(cboLongitude, 0, 3);
    sg->addWidget(txbCCT, 0, 4);
    sg->addWidget(Caption(tr("Epoch:")), 1, 0);
    sg->addWidget(cboEpoch, 1, 1);
    sg->addWidget(Caption(tr("Solar terms:")), 1, 2);
    sg->addWidget(cboMethod, 1, 3, 1, 2);
    sg->addWidget(chkShowPAN, 2, 0, 1, 2);
    sg->addWidget(chkShowCJDs, 2, 2, 1, 2);
    sg->addWidget(chkAutoLog, 2, 4);
    sg->addWidget(Caption(tr("Names:")), 3, 0);
    sg->addWidget(cboNames, 3, 1);
    sg->addWidget(chkAsObserved, 3, 2, 1, 3);
    sg->addWidget(chkShowInPanel, 4, 0, 1, 2);
    sg->addWidget(chkStartWithDesktop, 4, 2, 1, 3);
    return settings;
}

QGroupBox* FrmMain::EntryGroup() {
    auto* entry = new QGroupBox(tr("Date and time"), this);
    auto* eg = new QGridLayout(entry);
    eg->addWidget(Caption(tr("Date:")), 0, 0);
    eg->addWidget(txbDate, 0, 1, 1, 3);
    eg->addWidget(Caption(tr("Time:")), 1, 0);
    eg->addWidget(txbTime, 1, 1);
    eg->addWidget(cboTimeZone, 1, 2);
    eg->addWidget(Caption(tr("Days:")), 2, 0);
    eg->addWidget(txbPlusMinus, 2, 1);
    eg->addWidget(optPlus, 2, 2);
    eg->addWidget(optMinus, 2, 3);
    eg->addWidget(lblElement, 3, 0);
    eg->addWidget(cboElement, 3, 1);
    eg->addWidget(lblAnimal, 3, 2);
    eg->addWidget(cboAnimal, 3, 3);
    auto* entryButtons = new QHBoxLayout;
    for (QPushButton* b : {cmdCompute, cmdNow, cmdClearDate, cmdReset}) entryButtons->addWidget(b);
    eg->addLayout(entryButtons, 4, 0, 1, 4);
    return entry;
}

QGroupBox* FrmMain::ValuesGroup() {
    auto* values = new QGroupBox(tr("The moment in every calendar"), this);
    auto* vg = new QGridLayout(values);
    // Show chronological JDs swaps the month and year names for the two
    // chronological JDs: each pair shares its row with the one it replaces,
    // and every row has the same height whether its caption is empty or not,
    // so the window keeps its rows and its size either way.
    const int rowHeight = fontMetrics().height() + style()->pixelMetric(QStyle::PM_LayoutVerticalSpacing);
    vg->setVerticalSpacing(0);
    int row = 0;
    for (const std::vector<Pair>& cell :
         std::initializer_list<std::vector<Pair>>{{lblCommonEraDate}, {lblJulianCalendarDate}, {lblChineseLunarDate},
                                                  {lblChineseSolarDate}, {}, {lblFestivals}, {lblElementAnimalOfDay},
                                                  {lblElementAnimalOfMonth, lblChronologicalJulianDateLondon},
                                                  {lblElementAnimalOfYear, lblChronologicalJulianDateBeijing},
                                                  {lblPantheonCalendarGMT}, {lblPantheonCalendarCCT},
                                                  {lblAstronomicalJulianDate}, {lblDeltaT}}) {
        for (const Pair& p : cell) {
            vg->addWidget(p.caption, row, 0);
            vg->addWidget(p.value, row, 1);
        }
        // The row without a pair holds the lunar date in the chosen words,
        // whose room stays while English hides it.
        if (cell.empty()) vg->addWidget(lblLunarDateWords, row, 1);
        vg->setRowMinimumHeight(row, rowHeight);
        ++row;
    }
    vg->addWidget(lblPantheonNote, row, 0, 1, 2);
    vg->setRowMinimumHeight(row++, rowHeight);
    vg->addLayout(MoonColumn(), 0, 2, row, 1);
    vg->setColumnStretch(1, 1);
    return values;
}

// The Moon's picture, phase and age above the stem and branch pictures.
QVBoxLayout* FrmMain::MoonColumn() {
    auto* moon = new QVBoxLayout;
    moon->addWidget(picMoon, 0, Qt::AlignHCenter);
    moon->addWidget(lblPhaseOfMoon);
    moon->addWidget(lblAgeOfMoon);
    auto* pictures = new QGridLayout;
    pictures->addWidget(imgYearStem, 0, 0);
    pictures->addWidget(imgYearBranch, 0, 1);
    pictures->addWidget(imgDayStem, 1, 0);
    pictures->addWidget(imgDayBranch, 1, 1);
    pictures->addWidget(lblYear, 2, 0, 1, 2);
    auto* centred = new QHBoxLayout;  // the pictures side by side under the Moon
    centred->addStretch();
    centred->addLayout(pictures);
    centred->addStretch();
    moon->addLayout(centred);
    moon->addStretch();
    return moon;
}

QGroupBox* FrmMain::MoveGroup() {
    auto* move = new QGroupBox(tr("Move"), this);
    move->setObjectName("fraMove");
    auto* mg = new QGridLayout(move);
    mg->addWidget(cboMoveStep, 0, 0, 1, 2);
    mg->addWidget(optForward, 0, 2);
    mg->addWidget(optBack, 0, 3);
    mg->addWidget(chkRepeatedly, 1, 0);
    mg->addWidget(chkKeep30th, 1, 1);
    mg->addWidget(chkKeepLeap, 1, 2);
    mg->addWidget(cmdMove, 2, 0);
    mg->addWidget(cmdMoveOneDay, 2, 1);
    return move;
}

// Outside the move frame, which is disabled while a repeated move runs.
void FrmMain::StopPauseResumeFrame() {
    fraStopPauseResume = new QWidget(this);
    fraStopPauseResume->setObjectName("fraStopPauseResume");
    auto* stopLayout = new QGridLayout(fraStopPauseResume);
    stopLayout->addWidget(cmdStop, 0, 0);
    stopLayout->addWidget(cmdPauseResume, 0, 1);
    stopLayout->addWidget(lblRefreshPeriod, 1, 0);
    stopLayout->addWidget(cboRefreshPeriod, 1, 1);
    mirrors_.push_back([this] { MirrorControl(model_.fraStopPauseResume, fraStopPauseResume); });
}

QGroupBox* FrmMain::SearchGroup() {
    auto* search = new QGroupBox(tr("Search"), this);
    auto* searchLayout = new QGridLayout(search);
    searchLayout->addWidget(cboTarget, 0, 0, 1, 2);
    // The festival chooser shares one row with its caption and is no wider
    // than the target list, so the frame keeps its width for any names.
    auto* festival = new QHBoxLayout;
    festival->addWidget(lblFestival);
    festival->addWidget(cboFestival, 1);
    cboFestival->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cboFestival->setMinimumContentsLength(12);
    searchLayout->addLayout(festival, 1, 0, 1, 2);
    searchLayout->addWidget(optNext, 2, 0);
    searchLayout->addWidget(optPrevious, 2, 1);
    searchLayout->addWidget(cmdSearch, 3, 0, 1, 2);
    searchLayout->addWidget(lblSearching, 4, 0, 1, 2);
    return search;
}

// The buttons that open the other windows. The data window's four carry long
// captions: two a row.
QGridLayout* FrmMain::WindowButtonsLayout() {
    auto* others = new QGridLayout;
    others->addWidget(cmdDisplayYearData, 0, 0, 1, 3);
    others->addWidget(cmdListLunarNewYears, 0, 3, 1, 3);
    others->addWidget(cmdListLeapMonths, 1, 0, 1, 3);
    others->addWidget(cmdListJulianCENewYears, 1, 3, 1, 3);
    int column = 0;
    for (QPushButton* b : {cmdListFestivals, cmdDisplayCalendar, cmdAddToLog, cmdViewLog, cmdClearLog, cmdLogPreferences})
        others->addWidget(b, 2, column++);
    column = 0;
    for (QPushButton* b : {cmdSaveState, cmdRestoreState, cmdCalendarExport, cmdHelp, cmdQuit})
        others->addWidget(b, 3, column++);
    return others;
}

void FrmMain::Act(const std::function<void()>& procedure) {
    if (mirroring_) return;  // a widget changed because the model did
    procedure();
    Mirror();
    emit acted();
}

void FrmMain::Connect() {
    ConnectLists();
    ConnectTicks();
    ConnectEntryTexts();
    ConnectButtons();
    ConnectValueLabels();
    ConnectWebLabels();
}

// A choice in a list sets the control's index and calls its procedure.
void FrmMain::ConnectLists() {
    MainWindowModel& m = model_;
    auto onList = [this](QComboBox* w, ComboBox& control, void (MainWindowModel::*handler)()) {
        connect(w, &QComboBox::activated, this, [this, w, &control, handler](int index) {
            Act([this, w, &control, handler, index] {
                control.listIndex = index;
                (model_.*handler)();
                KeepFocusOnSteppedList(w);
            });
        });
    };
    onList(cboRefLong, m.cboRefLong, &MainWindowModel::cboRefLong_Click);
    onList(cboLongitude, m.cboLongitude, &MainWindowModel::cboLongitude_Click);
    onList(cboEpoch, m.cboEpoch, &MainWindowModel::cboEpoch_Click);
    onList(cboMethod, m.cboMethod, &MainWindowModel::cboMethod_Click);
    onList(cboNames, m.cboNames, &MainWindowModel::cboNames_Click);
    onList(cboTimeZone, m.cboTimeZone, &MainWindowModel::cboTimeZone_Click);
    onList(cboElement, m.cboElement, &MainWindowModel::cboElement_Click);
    onList(cboAnimal, m.cboAnimal, &MainWindowModel::cboAnimal_Click);
    onList(cboTarget, m.cboTarget, &MainWindowModel::cboTarget_Click);
    onList(cboFestival, m.cboFestival, &MainWindowModel::cboFestival_Click);
}

// Check boxes and option buttons set their ticks; of a pair of option
// buttons, the one clicked is chosen and the other not.
void FrmMain::ConnectTicks() {
    MainWindowModel& m = model_;
    auto onCheck = [this](QCheckBox* w, CheckBox& control, void (MainWindowModel::*handler)()) {
        connect(w, &QCheckBox::clicked, this, [this, &control, handler](bool checked) {
            Act([this, &control, handler, checked] {
                control.value = checked;
                if (handler) (model_.*handler)();
            });
        });
    };
    onCheck(chkShowPAN, m.chkShowPAN, &MainWindowModel::chkShowPAN_Click);
    onCheck(chkShowCJDs, m.chkShowCJDs, &MainWindowModel::chkShowCJDs_Click);
    onCheck(chkAutoLog, m.chkAutoLog, &MainWindowModel::chkAutoLog_Click);
    onCheck(chkAsObserved, m.chkAsObserved, &MainWindowModel::chkAsObserved_Click);

    auto onOption = [this](QRadioButton* w, OptionButton& chosen, OptionButton& other, void (MainWindowModel::*handler)()) {
        connect(w, &QRadioButton::clicked, this, [this, &chosen, &other, handler] {
            Act([this, &chosen, &other, handler] {
                chosen.value = true;
                other.value = false;
                if (handler) (model_.*handler)();
            });
        });
    };
    onOption(optPlus, m.optPlus, m.optMinus, &MainWindowModel::optPlus_Click);
    onOption(optMinus, m.optMinus, m.optPlus, &MainWindowModel::optMinus_Click);
    onOption(optNext, m.optNext, m.optPrevious, &MainWindowModel::optNext_Click);
    onOption(optPrevious, m.optPrevious, m.optNext, &MainWindowModel::optPrevious_Click);
}

void FrmMain::ConnectEntryTexts() {
    MainWindowModel& m = model_;
    auto onText = [this](QLineEdit* w, TextBox& control) {
        connect(w, &QLineEdit::textEdited, this, [this, &control](const QString& text) {
            Act([&control, text] { control.text = S(text); });
        });
    };
    connect(txbDate, &QLineEdit::textEdited, this,
            [this](const QString& text) { Act([this, text] { model_.SetDateText(S(text)); }); });
    connect(txbDate, &QLineEdit::returnPressed, this, [this] { Act([this] { model_.txbDate_KeyPress(13); }); });
    onText(txbTime, m.txbTime);
    onText(txbPlusMinus, m.txbPlusMinus);
}

void FrmMain::ConnectButtons() {
    auto onButton = [this](QPushButton* w, void (MainWindowModel::*handler)()) {
        connect(w, &QPushButton::clicked, this, [this, handler] { Act([this, handler] { (model_.*handler)(); }); });
    };
    onButton(cmdCompute, &MainWindowModel::cmdCompute_Click);
    onButton(cmdNow, &MainWindowModel::cmdNow_Click);
    onButton(cmdClearDate, &MainWindowModel::cmdClearDate_Click);
    onButton(cmdReset, &MainWindowModel::cmdReset_Click);
    onButton(cmdSaveState, &MainWindowModel::cmdSaveState_Click);
    onButton(cmdRestoreState, &MainWindowModel::cmdRestoreState_Click);
    onButton(cmdQuit, &MainWindowModel::cmdQuit_Click);
    onButton(cmdAddToLog, &MainWindowModel::cmdAddToLog_Click);
    onButton(cmdViewLog, &MainWindowModel::cmdViewLog_Click);
    onButton(cmdClearLog, &MainWindowModel::cmdClearLog_Click);
    onButton(cmdLogPreferences, &MainWindowModel::cmdLogPreferences_Click);
    onButton(cmdSearch, &MainWindowModel::cmdSearch_Click);
    onButton(cmdDisplayYearData, &MainWindowModel::cmdDisplayYearData_Click);
    onButton(cmdListLunarNewYears, &MainWindowModel::cmdListLunarNewYears_Click);
    onButton(cmdListLeapMonths, &MainWindowModel::cmdListLeapMonths_Click);
    onButton(cmdListJulianCENewYears, &MainWindowModel::cmdListJulianCENewYears_Click);
    onButton(cmdListFestivals, &MainWindowModel::cmdListFestivals_Click);
    connect(cmdHelp, &QPushButton::clicked, this, [this] { emit helpRequested(); });
    connect(cmdDisplayCalendar, &QPushButton::clicked, this, [this] { emit calendarRequested(); });
    connect(cmdCalendarExport, &QPushButton::clicked, this, [this] { emit calendarExportRequested(); });
}

// A value label clicked with a mouse button calls its procedure with the
// button; the pictures open the stem and branch window.
void FrmMain::ConnectValueLabels() {
    auto onValue = [this](ClickLabel* w, void (MainWindowModel::*handler)(int)) {
        w->setFocusPolicy(Qt::TabFocus);  // Tab reaches it; Return or Space clicks it
        connect(w, &ClickLabel::clicked, this, [this, handler](int b) { Act([this, handler, b] { (model_.*handler)(b); }); });
    };
    onValue(lblCommonEraDate.value, &MainWindowModel::lblCommonEraDate_Click);
    onValue(lblJulianCalendarDate.value, &MainWindowModel::lblJulianCalendarDate_Click);
    onValue(lblChineseLunarDate.value, &MainWindowModel::lblChineseLunarDate_Click);
    onValue(lblChineseSolarDate.value, &MainWindowModel::lblChineseSolarDate_Click);
    onValue(lblAstronomicalJulianDate.value, &MainWindowModel::lblAstronomicalJulianDate_Click);
    onValue(lblChronologicalJulianDateBeijing.value, &MainWindowModel::lblChronologicalJulianDateBeijing_Click);
    onValue(lblChronologicalJulianDateLondon.value, &MainWindowModel::lblChronologicalJulianDateLondon_Click);
    onValue(lblPantheonCalendarGMT.value, &MainWindowModel::lblPantheonCalendarGMT_Click);
    onValue(lblPantheonCalendarCCT.value, &MainWindowModel::lblPantheonCalendarCCT_Click);
    for (ClickLabel* w : {imgDayStem, imgDayBranch, imgYearStem, imgYearBranch}) {
        w->setCursor(Qt::PointingHandCursor);
        connect(w, &ClickLabel::clicked, this, [this] { emit stemBranchRequested(); });
    }
    connect(lblPhaseOfMoon, &ClickLabel::clicked, this, [this] { Act([this] { model_.lblPhaseOfMoon_Click(); }); });
    connect(lblAgeOfMoon, &ClickLabel::clicked, this, [this] { Act([this] { model_.lblAgeOfMoon_Click(); }); });
}

// The web labels turn blue and underlined under the mouse; Timer1 restores them.
void FrmMain::ConnectWebLabels() {
    for (ClickLabel* w : {lblCorvaneSystems, lblOnlineDocumentation}) {
        w->setCursor(Qt::PointingHandCursor);
        connect(w, &ClickLabel::hovered, this, [w] { w->setStyleSheet("color: rgb(0,0,255); text-decoration: underline;"); });
    }
    connect(lblCorvaneSystems, &ClickLabel::clicked, this, [this] {
        if (openAddress) openAddress(MakerSiteAddress(model_.state.ProgramFolder));
    });
    connect(lblOnlineDocumentation, &ClickLabel::clicked, this, [this] {
        if (openAddress) openAddress(OnlineManualAddress(model_.state.ProgramFolder));
    });
}

// The move controls forward to the move model. While a repeated move runs,
// the window shows each step and runs the model's Clock before it processes
// its events.
void FrmMain::ConnectMove() {
    MainWindowModel& m = model_;
    auto onButton = [this](QPushButton* w, void (MoveModel::*handler)()) {
        connect(w, &QPushButton::clicked, this, [this, handler] { Act([this, handler] { (move_.*handler)(); }); });
    };
    onButton(cmdMove, &MoveModel::cmdMove_Click);
    onButton(cmdMoveOneDay, &MoveModel::cmdMoveOneDay_Click);
    onButton(cmdStop, &MoveModel::cmdStop_Click);
    onButton(cmdPauseResume, &MoveModel::cmdPauseResume_Click);
    auto onList = [this](QComboBox* w, ComboBox& control, void (MoveModel::*handler)()) {
        connect(w, &QComboBox::activated, this, [this, w, &control, handler](int index) {
            Act([this, w, &control, handler, index] {
                control.listIndex = index;
                (move_.*handler)();
                KeepFocusOnSteppedList(w);
            });
        });
    };
    onList(cboMoveStep, m.cboMoveStep, &MoveModel::cboMoveStep_Click);
    onList(cboRefreshPeriod, m.cboRefreshPeriod, &MoveModel::cboRefreshPeriod_Click);
    auto onCheck = [this](QCheckBox* w, CheckBox& control, void (MoveModel::*handler)()) {
        connect(w, &QCheckBox::clicked, this, [this, &control, handler](bool checked) {
            Act([this, &control, handler, checked] {
                control.value = checked;
                (move_.*handler)();
            });
        });
    };
    onCheck(chkRepeatedly, m.chkRepeatedly, &MoveModel::chkRepeatedly_Click);
    onCheck(chkKeep30th, m.chkKeep30th, &MoveModel::chkKeep30th_Click);
    onCheck(chkKeepLeap, m.chkKeepLeap, &MoveModel::chkKeepLeap_Click);
    for (auto [w, index] : {std::pair{optForward, 0}, std::pair{optBack, 1}})
        connect(w, &QRadioButton::clicked, this,
                [this, index] { Act([this, index] { move_.optMoveDirection_Click(index); }); });

    connect(&clock_, &QTimer::timeout, this, [this] { Act([this] { move_.Clock_Timer(); }); });
    mirrors_.push_back([this] {
        if (!move_.Clock.enabled) {
            clock_.stop();
            return;
        }
        if (clock_.interval() != move_.Clock.interval) clock_.setInterval(move_.Clock.interval);
        if (!clock_.isActive()) clock_.start();
    });
    move_.BeforeEvents = [this] { Mirror(); };
    // Quit stays enabled during a repeated move: the program can end only
    // once the move's loop has returned to the event loop.
    connect(cmdQuit, &QPushButton::clicked, this, [this] {
        if (move_.Running()) move_.cmdStop_Click();
    });
    // Escape stops a repeated move, as Stop does.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] {
        if (move_.Running()) Act([this] { move_.cmdStop_Click(); });
    });
}

void FrmMain::KeepFocusOnSteppedList(QComboBox* w) {
    if (const auto* list = dynamic_cast<const ChoiceList*>(w); list && list->ChangingInPlace()) model_.focus.clear();
}

// Laid out once on screen, the window is pinned: what a repeated move or a
// search hides or shows keeps its room, so that nothing, Stop least of all,
// moves under the pointer, and the window keeps the size its contents ask for.
void FrmMain::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (pinned_) return;
    pinned_ = true;
    KeepRoomOfHiddenControls(this);
    FixSizeToContents(this);
    SetReadingTabOrder(this, readingSections_);
}

// Timer1: the web labels back to white, not underlined, with their tool tips.
void FrmMain::RestoreWebLabels() {
    for (ClickLabel* w : {lblCorvaneSystems, lblOnlineDocumentation})
        w->setStyleSheet("color: white; text-decoration: none;");
    const std::string& folder = model_.state.ProgramFolder;
    lblCorvaneSystems->setToolTip(ToQString(std::string(MakerSiteToolTip) + " " + MakerSiteAddress(folder)));
    lblOnlineDocumentation->setToolTip(ToQString(std::string(OnlineManualToolTip) + " " + OnlineManualAddress(folder)));
}

void FrmMain::Mirror() {
    mirroring_ = true;
    setWindowTitle(ToQString(model_.caption));
    QPalette p = palette();
    p.setColor(QPalette::Window, ToQColor(model_.backColour));
    setPalette(p);
    for (const auto& mirror : mirrors_) mirror();
    frmMultiple->Mirror();
    // Web labels keep their own look between Timer1 ticks.
    lblCorvaneSystems->setText(ToQString(model_.lblCorvaneSystems.caption));
    lblOnlineDocumentation->setText(ToQString(model_.lblOnlineDocumentation.caption));
    RestoreWebLabels();
    // A focus the model asked for is given once; typing elsewhere afterwards
    // must not be pulled back to it at every keystroke.
    QWidget* asked = model_.focus.empty() ? nullptr : findChild<QWidget*>(ToQString(model_.focus));  // "" would match any child
    if (QWidget* w = asked; w && isVisible()) {
        w->setFocus();
        if (auto* edit = qobject_cast<QLineEdit*>(w)) edit->setCursorPosition(edit->text().size());
        model_.focus.clear();
    }
    mirroring_ = false;
}

void FrmMain::ShowMoonPicture() {
    QImage image;
    if (model_.picMoon.visible && !model_.moonPicture.empty()) image.load(ToQString(model_.moonPicture));
    if (image.isNull()) {
        picMoon->clear();
        return;
    }
    image = image.convertToFormat(QImage::Format_RGB32);
    // The dark Moon's background is the colour value 200 (RGB(200, 0, 0));
    // the other pictures are cut to their disc. OutsideMoonDisc halves the
    // size it is given: twice the picture's size puts its circle where the
    // pictures draw the disc, about (32, 34) with a radius of 32 pixels.
    const QRgb key = qRgb(200, 0, 0);
    const QRgb back = ToQColor(model_.picMoon.backColour).rgb();
    const int w = image.width(), h = image.height();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if ((model_.moonRepaint == MoonRepaint::Colour200ToBack && image.pixel(x, y) == key) ||
                (model_.moonRepaint == MoonRepaint::OutsideCircle && OutsideMoonDisc(x, y, 2 * w, 2 * h)))
                image.setPixel(x, y, back);
    picMoon->setPixmap(QPixmap::fromImage(image.scaled(picMoon->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void FrmMain::ShowStemBranchPictures() {
    const QString folder = ToQString(model_.PictureFolder());
    for (auto [w, m, kind] : {std::tuple{imgDayStem, &model_.imgDayStem, "stem"}, std::tuple{imgDayBranch, &model_.imgDayBranch, "branch"},
                              std::tuple{imgYearStem, &model_.imgYearStem, "stem"}, std::tuple{imgYearBranch, &model_.imgYearBranch, "branch"}}) {
        if (m->image <= 0) {
            w->clear();
            continue;
        }
        const QPixmap picture(folder + QStringLiteral("%1%2.png").arg(kind).arg(m->image));
        if (picture.isNull())
            w->clear();
        else
            w->setPixmap(picture.scaled(36, 36, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
}

// F1 released in the date box, on Now, on Move or on Help opens Help; on the
// pause button only while it offers to resume.
bool FrmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1 &&
        (watched != cmdPauseResume || cmdPauseResume->text() == "Resume"))
        emit helpRequested();
    return QWidget::eventFilter(watched, event);
}

// Closing the window hides the log window and is Quit: the state is saved
// and the program ends.
void FrmMain::closeEvent(QCloseEvent* event) {
    event->ignore();
    Act([this] {
        if (move_.Running()) move_.cmdStop_Click();
        model_.Form_QueryUnload();
    });
}

}  // namespace orbel
