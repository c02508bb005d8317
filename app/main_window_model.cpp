// Start-up, settings and the small shared procedures of the main window.
#include "app/main_window_model.h"

#include <algorithm>

#include "app/observed_setting.h"
#include "app/program_version.h"
#include "dates/date_entry.h"
#include "dates/date_string_library.h"
#include "dates/date_text.h"
#include "dates/day_numbers.h"
#include "engine/cycles.h"
#include "engine/sol_eq.h"

namespace orbel {

namespace {

// Followed by the program's version.
constexpr std::string_view WindowTitlePrefix = "The Chinese Calendar: New Years, Dark Moons and Solar Terms V.";

// The masculine ordinal sign U+00BA, which the caption writes after the
// longitude in place of a degree sign.

std::vector<std::string> Texts(auto const& views) {
    return std::vector<std::string>(views.begin(), views.end());
}

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

}  // namespace

MainWindowModel::MainWindowModel(UserPort& userPort)
    : port(userPort),
      clock([] { return NowAJD(); }),
      parseChl([](std::string_view text, ChlDate& r) { return ParseChlDateStr(text, r); }),
      parseChs([](std::string_view text, ChsDate& r) { return ParseChsDateStr(text, r); }),
      parserError([] {
          const DateStringLibrary& library = ProgramDateStringLibrary();
          return library.Bound() ? std::string() : DateStringLibraryError(library);
      }) {
    const auto& china = AnimalNameList(CountryChina);
    std::copy(china.begin(), china.end(), AnimalNames.begin());
}

// --- Start-up ------------------------------------------------------------------------

void MainWindowModel::Load(std::string_view storedCountry, std::string_view storedNames) {
    caption = std::string(WindowTitlePrefix) + std::string(ProgramVersion);
    cboRefLong.SetItems(CountryItems());
    cboRefLong.listIndex = CountryFromStoredText(storedCountry);
    FillNamesList();
    cboNames.listIndex = static_cast<int>(NamesFromStoredText(storedNames));
    Initialization();
    picMoon.visible = false;
    visible = true;
    state.Initializing = true;
    state.InputCalendar = CalendarCHL;
    cmdClearLog.visible = false;
    const bool restored = RestoreState();
    if (!restored) cmdReset_Click();
    DisplayDeltaT();
    SetTheFocus();
    chkShowPAN_Click();
    state.Initializing = false;
    if (restored) {
        DisplayDatesAndTimes();
        DisplayDeltaT();
        CmdSaveStateEnabled(false);
    } else {
        GoToNow();
    }
    SetCountryCaptions();
    state.InputCalendar = CalendarCHL;
    HighlightInputCalendar();
    DateTextChanged();
    SetTheFocus();
    state.Ready = true;
    picMoon.visible = true;
    cboRefLong_Click();
}

void MainWindowModel::InitializeState() {
    state = MainWindowState{};
    state.ProgramFolder = programFolder;
    state.StateFilePath = stateFilePath;
    state.LongitudeLabels = LongitudeLabels();
    state.AsObserved = storedAsObserved;
    chkAsObserved.value = storedAsObserved;
    optNext.value = true;
    optPrevious.value = false;
    optPlus.value = true;
    optMinus.value = false;
    optMoveDirection[0].value = true;
    optMoveDirection[1].value = false;
    chkRepeatedly.value = false;
}

void MainWindowModel::Initialization() {
    InitializeState();
    SetDefaultLogPreferences();
    SetControlCaptions();
    FillDropDowns();
    ClearValueLabels();
    HideUntilShown();
    ApplyCountryColours();
}

// The captions and tips that never change.
void MainWindowModel::SetControlCaptions() {
    optPlus.caption = "plus";
    optMinus.caption = "minus";
    optNext.caption = "next";
    optPrevious.caption = "previous";
    optMoveDirection[0].caption = "forward";
    optMoveDirection[1].caption = "back";
    chkRepeatedly.caption = "repeatedly";
    chkKeep30th.caption = "keep 30th";
    chkKeepLeap.caption = "keep leap";
    chkShowPAN.caption = "Show Pantheon Calendar";
    chkShowCJDs.caption = "Show chronological JDs";
    chkAutoLog.caption = "Auto log";
    chkAsObserved.caption = std::string(AsObservedCaption);
    chkAsObserved.toolTip = std::string(AsObservedTip);
    cmdCompute.caption = "Convert";
    cmdNow.caption = "Now";
    cmdMove.caption = "Move";
    cmdMoveOneDay.caption = "one day";
    cmdStop.caption = "Stop";
    cmdPauseResume.caption = "Pause";
    lblRefreshPeriod.caption = "Refresh period (in seconds):";
    cmdClearDate.caption = "Clear";
    cmdReset.caption = "Reset";
    cmdSearch.caption = "Search";
    cmdSaveState.caption = "Save state";
    cmdRestoreState.caption = "Restore state";
    cmdAddToLog.caption = "Add to log";
    cmdViewLog.caption = "View log";
    cmdClearLog.caption = "Clear log";
    cmdLogPreferences.caption = "Configure log";
    cmdDisplayYearData.caption = "Dates/times/CJDs of dark moons & solar terms";
    cmdListLunarNewYears.caption = "List lunar new years & anniversaries";
    cmdListLunarNewYears.toolTip = "For lunar new years first search for the previous lunar new year.";
    cmdListLeapMonths.caption = "List lunar month starts & leap months";
    cmdListJulianCENewYears.caption = "List Julian & Common Era new years";
    cmdDisplayCalendar.caption = "Show lunar calendar month";
    cmdListFestivals.caption = "List festivals";
    lblFestivals[0].caption = "Festivals:";
    lblFestival.caption = "Festival:";
    cmdHelp.caption = "Help";
    cmdQuit.caption = "Quit";
    lblCorvaneSystems.caption = "Corvane Systems";
    lblOnlineDocumentation.caption = "Online user manual";
    lblElement.caption = "Element:";
    lblAnimal.caption = "Animal:";
    lblAstronomicalJulianDate[0].caption = "Astronomical JD:";
    lblChronologicalJulianDateLondon[0].caption = "Chronological JD London:";
    lblCommonEraDate[0].caption = "Common Era (Gregorian):";
    lblJulianCalendarDate[0].caption = "Julian Calendar:";
    lblPantheonCalendarGMT[0].caption = "Pantheon Calendar (GMT):";
    lblPantheonCalendarCCT[0].caption = "Pantheon Calendar (zone):";
    lblDeltaT[0].caption = "Delta T:";
}

// No moment is shown before the first conversion.
void MainWindowModel::ClearValueLabels() {
    for (auto* pair : {&lblAstronomicalJulianDate, &lblChronologicalJulianDateLondon, &lblCommonEraDate,
                       &lblJulianCalendarDate, &lblChronologicalJulianDateBeijing, &lblChineseSolarDate,
                       &lblChineseLunarDate, &lblPantheonCalendarGMT, &lblPantheonCalendarCCT,
                       &lblElementAnimalOfDay, &lblElementAnimalOfMonth, &lblElementAnimalOfYear, &lblDeltaT,
                       &lblFestivals}) {
        (*pair)[1].caption.clear();
        (*pair)[1].toolTip.clear();
    }
    lblElementAnimalOfDay[0].caption.clear();
    lblPantheonNote.caption.clear();
    lblPhaseOfMoon.caption.clear();
    lblAgeOfMoon.caption.clear();
}

// What only some moments, settings or a running move or search show.
void MainWindowModel::HideUntilShown() {
    for (Picture* p : {&imgDayStem, &imgDayBranch, &imgYearStem, &imgYearBranch}) p->visible = false;
    lblElementAnimalOfDay[0].visible = false;
    lblYear.visible = false;
    chkKeep30th.visible = false;
    chkKeepLeap.visible = false;
    fraStopPauseResume.visible = false;
    lblSearching.caption.clear();
    lblSearching.visible = false;
}

void MainWindowModel::FillDropDowns() {
    if (cboRefLong.items.empty()) {
        cboRefLong.SetItems(CountryItems());
        cboRefLong.listIndex = CountryChina;
    }
    cboLongitude.SetItems(LongitudeItems());
    cboTimeZone.SetItems({"GMT", state.ZoneName});
    cboTimeZone.listIndex = -1;
    cboEpoch.SetItems(Texts(EpochItems));
    cboEpoch.listIndex = 0;
    cboEpoch_Click();
    cboMethod.SetItems(Texts(MethodItems));
    cboMethod.listIndex = 0;
    cboMoveStep.SetItems(Texts(MoveStepItems));
    cboMoveStep.listIndex = DefaultMoveStep;
    cboRefreshPeriod.SetItems(Texts(RefreshPeriodItems));
    cboRefreshPeriod.listIndex = DefaultRefreshPeriod;
    cboTarget.SetItems(Texts(TargetItems));
    cboTarget.itemData[0] = 2;  // the phase searched for: full moon
    cboTarget.itemData[1] = 0;  // dark moon
    cboTarget.listIndex = DefaultTarget;
    std::vector<std::string> elements(ElementNameList.begin(), ElementNameList.end());
    elements.emplace_back();
    cboElement.SetItems(std::move(elements));
    cboElement.listIndex = BlankElementIndex;
    std::vector<std::string> animals(AnimalNames.begin(), AnimalNames.end());
    animals.emplace_back();
    cboAnimal.SetItems(std::move(animals));
    cboAnimal.listIndex = BlankAnimalIndex;
    // The longitude of the country; the country handler itself waits for Ready.
    const int country = KnownCountry(Country());
    cboLongitude.listIndex = Countries[static_cast<size_t>(country)].longitudeIndex;
    cboLongitude_Click();
    state.IsChina = country == CountryChina;
    state.MoonImageSuffix = std::string(Countries[static_cast<size_t>(country)].moonSuffix);
    SetAnimalWords();
    FillNamesList();
    cboNames_Click();
}

// --- Settings --------------------------------------------------------------------------

CalendarSettings MainWindowModel::Settings() const {
    CalendarSettings s;
    s.referenceLongitude = state.ReferenceLongitude;
    s.epoch = Epoch();
    s.method = cboMethod.listIndex == 1 ? MeanSunMethod : TrueSunMethod;
    s.asObserved = state.AsObserved && state.IsChina;
    return s;
}

int16_t MainWindowModel::Epoch() const { return state.EpochYear; }

int MainWindowModel::Country() const { return cboRefLong.listIndex; }

Rgb MainWindowModel::CountryColour() const {
    const int c = Country();
    return Countries[static_cast<size_t>(KnownCountry(c))].colour;
}

void MainWindowModel::cboRefLong_Click() {
    if (!state.Ready) return;
    const int country = KnownCountry(Country());
    const CountryInfo& info = Countries[static_cast<size_t>(country)];
    cboLongitude.listIndex = info.longitudeIndex;
    cboLongitude_Click();
    state.MoonImageSuffix = std::string(info.moonSuffix);
    cboMoveStep.items[14] = "PAN month (" + std::string(info.zone) + ")";
    cboMoveStep.items[15] = "PAN year (" + std::string(info.zone) + ")";
    state.IsChina = country == CountryChina;
    chkAsObserved.enabled = state.IsChina;
    SetCountryCaptions();
    SetTargetAnimalWords();
    DisplayDatesAndTimes();
    ApplyCountryColours();
}

void MainWindowModel::SetLongitudeIndex(int index) {
    index = std::clamp(index, 0, 45);
    cboLongitude.listIndex = index;
    state.ReferenceLongitude = static_cast<int16_t>(100 + index);
    state.ZoneName = state.LongitudeLabels[static_cast<size_t>(index)];
    txbCCT.text = state.ZoneName;
    if (cboTimeZone.items.size() < 2) cboTimeZone.SetItems({"GMT", ""});
    cboTimeZone.items[1] = state.ZoneName;
    cboTimeZone.listIndex = -1;
}

void MainWindowModel::cboLongitude_Click() {
    SetLongitudeIndex(cboLongitude.listIndex);
    txbDate.text.clear();
    txbTime.text.clear();
    if (!state.Ready) return;
    DisplayChineseDates();
    // The reference-zone Pantheon date and its time hang on the meridian too.
    DisplayPantheonDates();
    CmdSaveStateEnabled(true);
    SetTheFocus();
}

void MainWindowModel::cboEpoch_Click() {
    state.EpochYear = static_cast<int16_t>(LeadingNumber(cboEpoch.Text()));
    if (!state.Ready) return;
    DisplayChineseDates();
    CmdSaveStateEnabled(true);
    SetTheFocus();
}

void MainWindowModel::cboMethod_Click() {
    if (!state.Ready) return;
    DisplayChineseDates();
    CmdSaveStateEnabled(true);
    SetTheFocus();
}

void MainWindowModel::cboTimeZone_Click() { SetTheFocus(); }

void MainWindowModel::chkShowPAN_Click() {
    for (auto* pair : {&lblPantheonCalendarGMT, &lblPantheonCalendarCCT})
        for (Label& l : *pair) l.visible = chkShowPAN.value;
    lblPantheonNote.visible = chkShowPAN.value;
    if (!state.Initializing) CmdSaveStateEnabled(true);
    SetTheFocus();
}

void MainWindowModel::chkShowCJDs_Click() {
    const bool show = chkShowCJDs.value;
    for (auto* pair : {&lblChronologicalJulianDateBeijing, &lblChronologicalJulianDateLondon})
        for (Label& l : *pair) l.visible = show;
    if (show) {
        for (auto* pair : {&lblElementAnimalOfMonth, &lblElementAnimalOfYear})
            for (Label& l : *pair) l.visible = false;
    } else {
        ShowYearElementAnimal();
        ShowMonthElementAnimal();
    }
    lblChronologicalJulianDateBeijing[0].caption =
        "Chronological JD " + std::to_string(state.ReferenceLongitude) + std::string(OrdinalSign) + " East";
    if (!state.Initializing) CmdSaveStateEnabled(true);
    SetTheFocus();
}

void MainWindowModel::chkAutoLog_Click() {
    if (!state.Initializing) CmdSaveStateEnabled(true);
    SetTheFocus();
}

void MainWindowModel::SetOptionColours(OptionButton& chosen, OptionButton& other) {
    chosen.value = true;
    other.value = false;
    chosen.foreColour = state.SelectedColour;
    other.foreColour = state.UnselectedColour;
}

void MainWindowModel::optPlus_Click() {
    SetOptionColours(optPlus, optMinus);
    if (visible) SetTheFocus();
}

void MainWindowModel::optMinus_Click() {
    SetOptionColours(optMinus, optPlus);
    if (visible) SetTheFocus();
}

void MainWindowModel::optNext_Click() {
    SetOptionColours(optNext, optPrevious);
    if (frmMultiple_El_An.visible) frmMultiple_El_An.ShowDirection();
    if (!visible) return;
    CmdSaveStateEnabled(true);
    FocusSearch();
}

void MainWindowModel::optPrevious_Click() {
    SetOptionColours(optPrevious, optNext);
    if (frmMultiple_El_An.visible) frmMultiple_El_An.ShowDirection();
    if (!visible) return;
    CmdSaveStateEnabled(true);
    FocusSearch();
}

void MainWindowModel::SetCountryCaptions() {
    const int c = KnownCountry(Country());
    const std::string adjective(CountryAdjective(c));
    lblChineseSolarDate[0].caption = adjective + " Solar";
    lblChineseLunarDate[0].caption = adjective + " Lunar";
    for (Picture* p : {&imgDayStem, &imgDayBranch, &imgYearStem, &imgYearBranch}) p->visible = state.IsChina;
    lblElementAnimalOfDay[0].visible = state.IsChina;
    lblYear.visible = false;
    SetAnimalWords();
}

void MainWindowModel::SetAnimalWords() {
    const auto& words = AnimalNameList(KnownCountry(Country()));
    for (size_t i : {size_t{3}, size_t{7}, size_t{11}}) {
        AnimalNames[i] = std::string(words[i]);
        if (cboAnimal.items.size() > i) cboAnimal.items[i] = AnimalNames[i];
    }
}

void MainWindowModel::SetTargetAnimalWords() {
    struct Swap {
        std::string_view from, to;
    };
    std::array<Swap, 3> swaps;
    switch (Country()) {
    case CountryVietnam: swaps = {{{"rabbit", "cat"}, {"sheep", "goat"}, {"boar", "pig"}}}; break;
    case CountryJapan: swaps = {{{"cat", "rabbit"}, {"goat", "sheep"}, {"pig", "boar"}}}; break;
    default: swaps = {{{"cat", "rabbit"}, {"goat", "sheep"}, {"boar", "pig"}}}; break;
    }
    for (std::string& item : cboTarget.items)
        for (const Swap& s : swaps) ReplaceAll(item, s.from, s.to);
}

void MainWindowModel::ApplyCountryColours() {
    const Rgb colour = CountryColour();
    backColour = colour;
    for (Control* c : std::initializer_list<Control*>{
             &cboRefLong, &cboLongitude, &cboTimeZone, &cboEpoch, &cboMethod, &txbCCT, &chkShowPAN, &chkShowCJDs,
             &chkAutoLog, &chkAsObserved, &optPlus, &optMinus, &lblElement, &lblAnimal, &cboMoveStep, &cboRefreshPeriod, &cboTarget,
             &optMoveDirection[0], &optMoveDirection[1], &chkRepeatedly, &chkKeep30th, &chkKeepLeap, &optNext,
             &optPrevious, &fraMove, &fraConvert, &fraSearch, &fraStopPauseResume, &lblPantheonNote,
             &lblPhaseOfMoon, &lblAgeOfMoon, &picMoon, &imgDayStem, &imgDayBranch, &imgYearStem, &imgYearBranch,
             &lblYear, &lblCorvaneSystems, &lblOnlineDocumentation})
        c->backColour = colour;
    for (auto* pair : {&lblAstronomicalJulianDate, &lblChronologicalJulianDateLondon, &lblCommonEraDate,
                       &lblJulianCalendarDate, &lblChronologicalJulianDateBeijing, &lblChineseSolarDate,
                       &lblChineseLunarDate, &lblPantheonCalendarGMT, &lblPantheonCalendarCCT,
                       &lblElementAnimalOfDay, &lblElementAnimalOfMonth, &lblElementAnimalOfYear, &lblDeltaT})
        for (Label& l : *pair) l.backColour = colour;
    if (state.Ready) DisplayMoonData(colour);
}

void MainWindowModel::EnableDisableFunctions() {
    for (Control* c : std::initializer_list<Control*>{&cmdMove, &cmdMoveOneDay, &cmdSearch, &txbPlusMinus, &txbTime,
                                                      &cboTimeZone, &cmdAddToLog, &cmdLogPreferences, &chkAutoLog})
        c->enabled = true;
    cmdMoveSetFocus();
}

void MainWindowModel::CmdSaveStateEnabled(bool enable) {
    cmdSaveState.enabled = enable && !state.Repeating;
    cmdRestoreState.enabled = cmdSaveState.enabled;
}

void MainWindowModel::SetTheFocus() {
    if (visible) {
        if (txbDate.enabled && !txbDate.text.empty()) {
            focus = "txbDate";
            txbDate.selStart = static_cast<int>(txbDate.text.size());
        } else if (cmdNow.enabled && cmdNow.visible) {
            focus = "cmdNow";
        }
    }
    cmdViewLog.visible = !links.LogText().empty();
    cmdClearLog.visible = cmdViewLog.visible;
    cmdViewLog.enabled = !state.Repeating;
    cmdClearLog.enabled = !state.Repeating;
}

void MainWindowModel::cmdMoveSetFocus() {
    if (cmdMove.visible && cmdMove.enabled) focus = "cmdMove";
}

void MainWindowModel::SetMoveControlsEnabled(bool enable) {
    for (Control* c : std::initializer_list<Control*>{&fraMove, &cmdMove, &cmdMoveOneDay, &fraConvert, &fraSearch,
                                                      &cmdAddToLog, &cmdLogPreferences, &cmdViewLog, &cmdHelp,
                                                      &cmdSaveState, &cmdRestoreState})
        c->enabled = enable;
    if (cmdClearLog.visible) cmdClearLog.enabled = enable;
    cmdQuit.enabled = true;
    if (enable) EnableDisableFunctions();
}

void MainWindowModel::FocusSearch() { focus = cmdSearch.enabled ? "cmdSearch" : "cmdQuit"; }

}  // namespace orbel
