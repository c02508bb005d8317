#pragma once
// The main window without a screen: every control that matters to the
// program's behaviour, and the procedures of start-up, settings, date entry
// and the convert-and-display cycle. The Qt window mirrors these fields and
// forwards its events to the procedures named after them.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "dates/date_entry.h"
#include "support/controls.h"
#include "app/saved_state_file.h"
#include "app/main_window_state.h"
#include "support/user_port.h"
#include "services/calendar_settings.h"
#include "services/chinese_records.h"
#include "engine/moon_data.h"
#include "navigation/multiple_search.h"

namespace orbel {

// The notice of a conversion that changes nothing.
inline constexpr std::string_view DatesUnchangedText = "Calendar dates unchanged.";

// Calls from the main window into windows and stores built by later work
// (the log, the lists window, the saved-state file). Until they are
// connected each does nothing: no log line is written, no state is restored.
struct MainWindowLinks {
    // The log's AutoLog with the operation code (1 Now, 2 Convert, 3 Move,
    // 4 search, 5 one day).
    std::function<void(int16_t& operation)> AutoLog = [](int16_t&) {};
    // The text of the log; View log and Clear log are shown when it has any.
    std::function<std::string()> LogText = [] { return std::string(); };
    // Writes the country and the names choice to the settings store (Save
    // state and Quit).
    std::function<void(int country)> SaveCountry = [](int) {};
    std::function<void(int names)> SaveNames = [](int) {};
    // Writes the "As observed" tick to the settings store when it changes.
    std::function<void(bool asObserved)> SaveAsObserved = [](bool) {};
    // Ends the program (Quit, after the state is saved).
    std::function<void()> EndProgram = [] {};
    // The lists window's calendar choice, 'G' (CE) or 'J' (JC).
    std::function<void(char letter)> ChooseListsCalendar = [](char) {};
    // Keep-30th and keep-leap boxes of the move frame.
    std::function<void()> UpdateKeep30th = [] {};
    // The log's buttons: Add to log, View log, Clear log, Configure log; and
    // the log window hidden as the main window closes.
    std::function<void()> AddToLog = [] {};
    std::function<void()> ViewLog = [] {};
    std::function<void()> ClearLog = [] {};
    std::function<void()> ConfigureLog = [] {};
    std::function<void()> HideLog = [] {};
    // Asked before the program ends (unsaved log text): false keeps it running.
    std::function<bool()> MayEndProgram = [] { return true; };
    // Shows the searching label at once, while a search holds the thread.
    std::function<void()> RepaintSearching = [] {};
    // The data window: the year data, and the list of a kind (1 lunar new
    // years and anniversaries, 2 month starts, 5 Julian and CE new years).
    std::function<void()> DisplayYearData = [] {};
    std::function<void(int16_t kind)> ShowList = [](int16_t) {};
};

// The delta T label: a duration in whole minutes up to 1440, else
// "More than 24 hours".
std::string DeltaTText(double minutes);

class MainWindowModel {
public:
    explicit MainWindowModel(UserPort& port);

    // --- Start-up ----------------------------------------------------------------
    // The window's load event. `storedCountry` is the country value read from
    // the settings store ("0" .. "3"; anything else gives China), `storedNames`
    // the names value ("0" .. "5"; anything else gives English).
    void Load(std::string_view storedCountry, std::string_view storedNames = {});
    void Initialization();
    void InitializeState();
    void FillDropDowns();

    // --- Settings ----------------------------------------------------------------
    // The settings every engine call receives, as the lists hold them now.
    CalendarSettings Settings() const;
    int16_t Epoch() const;
    int Country() const;  // index of cboRefLong: 0 Vietnam, 1 China, 2 Japan, 3 Korea
    Rgb CountryColour() const;

    void cboRefLong_Click();
    void cboLongitude_Click();
    void cboEpoch_Click();
    void cboMethod_Click();
    // The names list: the words of the calendar terms (main_window_names.cpp).
    void cboNames_Click();
    void FillNamesList();
    void cboTimeZone_Click();
    void chkShowPAN_Click();
    void chkShowCJDs_Click();
    void chkAutoLog_Click();
    void chkAsObserved_Click();
    void optPlus_Click();
    void optMinus_Click();
    void optNext_Click();
    void optPrevious_Click();

    void SetCountryCaptions();
    void SetAnimalWords();
    void SetTargetAnimalWords();
    void ApplyCountryColours();

    void EnableDisableFunctions();
    void CmdSaveStateEnabled(bool enable);
    void SetTheFocus();
    void cmdMoveSetFocus();
    void SetMoveControlsEnabled(bool enable);
    void FocusSearch();

    // --- Convert and display -------------------------------------------------------
    void DisplayDatesAndTimes();
    void Recalculate(int16_t& intAutoLogValue);
    void DisplayWesternDates();
    void DisplayChineseDates();
    void DisplayPantheonDates();
    void DisplayDeltaT();
    void DisplayMoonData(Rgb backColour);
    void HighlightInputCalendar();
    void GoToNow();
    void DateTextChanged();
    void FillEntryFromInputCalendar();
    void ShowYearElementAnimal();
    void ShowMonthElementAnimal();
    // The day's festivals of the country, in the names chosen; refreshes the
    // festival chooser first.
    void DisplayFestivals();
    void RefreshFestivalChoices();
    // The lunar date in the chosen words, under the Chinese dates.
    void DisplayLunarDateWords(const ChsDate& chs, const ChlDate& chl);

    void cmdCompute_Click();
    // Enter (13) in a non-empty date box converts.
    void txbDate_KeyPress(int keyAscii);
    void cmdNow_Click();
    void cmdClearDate_Click();
    void cmdReset_Click();
    // Value-label clicks; button 1 is the left button, 2 the right, 4 the middle.
    void lblCommonEraDate_Click(int button);
    void lblJulianCalendarDate_Click(int button);
    void lblChineseLunarDate_Click(int button);
    void lblChineseSolarDate_Click(int button);
    void lblAstronomicalJulianDate_Click(int button);
    void lblChronologicalJulianDateBeijing_Click(int button);
    void lblChronologicalJulianDateLondon_Click(int button);
    void lblPantheonCalendarGMT_Click(int button);
    void lblPantheonCalendarCCT_Click(int button);
    void lblPhaseOfMoon_Click();
    void lblAgeOfMoon_Click();
    void cboElement_Click();
    void cboAnimal_Click();
    // The data window's buttons.
    void cmdDisplayYearData_Click() { links.DisplayYearData(); }
    void cmdListLunarNewYears_Click() { links.ShowList(1); }
    void cmdListLeapMonths_Click() { links.ShowList(2); }
    void cmdListJulianCENewYears_Click() { links.ShowList(5); }
    void cmdListFestivals_Click() { links.ShowList(6); }

    // --- Event search ----------------------------------------------------------------
    void cmdSearch_Click();
    void cboTarget_Click();
    void cboFestival_Click();
    // The item text of element-animal target kind 0 day, 1 month, 2 year.
    std::string TargetItemText(int kind) const;

    // The folder of the program's pictures (Moon, stems and branches).
    std::string PictureFolder() const { return state.ProgramFolder + "pictures/"; }

    // Writes the date box as typing does, with its change event.
    void SetDateText(std::string_view text);

    // --- Saved state -----------------------------------------------------------------
    // The ticks of the log preferences window, by SavedLogTick, held here
    // until that window exists; SetDefaultLogPreferences gives their defaults.
    std::array<bool, SavedLogTickCount> logPreferenceTicks{};
    // Element and animal choices of the rows of the multiple element-animal
    // search, held here until that window exists.
    std::array<ElementAnimalChoice, SavedSearchRowCount> multipleSearchRows{};
    void SetDefaultLogPreferences();
    SavedState CaptureSavedState() const;
    void cmdSaveState_Click();
    // True when the whole state file was read and applied.
    bool RestoreState();
    void cmdRestoreState_Click();
    // Writes the country and the state, then ends the program.
    void cmdQuit_Click();
    // Closing the window by its frame: the log window is hidden, then Quit.
    void Form_QueryUnload();

    // --- Log -------------------------------------------------------------------------
    void cmdAddToLog_Click();
    void cmdViewLog_Click();
    void cmdClearLog_Click();
    void cmdLogPreferences_Click();

    // --- Date entry ----------------------------------------------------------------
    // The moment (AJD, GMT) of the date and time boxes, or 0 with `error` set
    // to an entry error 1..15.
    double ParseDate(std::string_view text, int16_t& error);
    // Minutes after midnight of the time text (written back with "." as
    // ":"), or -1.
    int16_t ParseTime(std::string_view text);
    void ShowDateError(int16_t code);
    // True (after a message) when the moment lies outside -3000..3000 CE.
    bool CheckDateRange(double ajd);

    // --- The window's state and controls -----------------------------------------
    UserPort& port;
    MainWindowLinks links;
    // The folder of the program and its files, ending in "/", given by the
    // program before Load; start-up copies it into the state.
    std::string programFolder;
    bool storedAsObserved = false;  // the settings store's "As observed", read before Load
    // The state file, given by the program before Load (start-up copies it).
    std::string stateFilePath;
    MainWindowState state;
    std::function<double()> clock;  // the present moment, AJD; the system clock by default
    // The date-string library's readers of CHL and CHS texts; true for a
    // valid record.
    std::function<bool(std::string_view, ChlDate&)> parseChl;
    std::function<bool(std::string_view, ChsDate&)> parseChs;
    // Why the readers cannot work (the library is missing), or empty.
    std::function<std::string()> parserError;

    std::string caption;  // window title
    bool visible = false;
    Rgb backColour{};
    std::string focus;  // name of the control that has the focus

    // Settings
    ComboBox cboRefLong, cboLongitude, cboTimeZone, cboEpoch, cboMethod, cboNames;
    TextBox txbCCT;
    CheckBox chkShowPAN, chkShowCJDs, chkAutoLog;
    CheckBox chkAsObserved;  // China's calendar as observed; enabled for China only
    // Date entry
    TextBox txbDate, txbTime, txbPlusMinus;
    OptionButton optPlus, optMinus;
    ComboBox cboElement, cboAnimal;
    Label lblElement, lblAnimal;  // captions of the element and animal lists
    Button cmdCompute, cmdNow, cmdClearDate, cmdReset;
    // Move and search
    ComboBox cboMoveStep, cboRefreshPeriod, cboTarget;
    ComboBox cboFestival;  // "any", then the country's festivals: the choice of target "Festival"
    Label lblFestival;     // its caption
    std::array<OptionButton, 2> optMoveDirection;  // 0 forward, 1 back
    CheckBox chkRepeatedly, chkKeep30th, chkKeepLeap;
    OptionButton optNext, optPrevious;
    Button cmdMove, cmdMoveOneDay, cmdSearch, cmdStop, cmdPauseResume;
    Label lblSearching;  // progress of a search
    MultipleElementAnimalWindow frmMultiple_El_An{port};
    Control fraMove, fraConvert, fraSearch, fraStopPauseResume;
    Label lblRefreshPeriod;  // caption of the refresh period list
    // Other buttons
    Button cmdSaveState, cmdRestoreState, cmdAddToLog, cmdViewLog, cmdClearLog, cmdLogPreferences, cmdHelp, cmdQuit;
    Button cmdDisplayYearData, cmdListLunarNewYears, cmdListLeapMonths, cmdListJulianCENewYears, cmdDisplayCalendar;
    Button cmdListFestivals;
    // Value labels: index 0 the caption, index 1 the value.
    std::array<Label, 2> lblAstronomicalJulianDate, lblChronologicalJulianDateLondon, lblCommonEraDate,
        lblJulianCalendarDate, lblChronologicalJulianDateBeijing, lblChineseSolarDate, lblChineseLunarDate,
        lblPantheonCalendarGMT, lblPantheonCalendarCCT, lblElementAnimalOfDay, lblElementAnimalOfMonth,
        lblElementAnimalOfYear, lblDeltaT, lblFestivals;
    Label lblPantheonNote;  // the comparison of the Pantheon and lunar dates
    // The lunar date in the chosen words, with the year's animal as its tip;
    // shown for every choice but English.
    Label lblLunarDateWords;
    Label lblPhaseOfMoon, lblAgeOfMoon;
    Picture picMoon;
    std::string moonPicture;  // file name of the Moon picture shown
    MoonRepaint moonRepaint = MoonRepaint::None;  // how the window repaints it
    // Stem and branch pictures of the day and the year (stem 1..10, branch 1..12).
    Picture imgDayStem, imgDayBranch, imgYearStem, imgYearBranch;
    Label lblYear;
    Label lblCorvaneSystems, lblOnlineDocumentation;
    // The animal words in force (entries 3, 7 and 11 follow the country).
    std::array<std::string, 12> AnimalNames;

private:
    void SetControlCaptions();
    void ClearValueLabels();
    void HideUntilShown();
    int ElementIndexInText(std::string_view text) const;
    int AnimalIndexInText(std::string_view text) const;
    // A value-label click: copy, choose the calendar, and with the left
    // button fill the entry boxes.
    void ValueLabelClick(int16_t calendar, int button, bool copyToClipboard);
    std::array<Label, 2>* ValueLabelOf(int16_t calendar);
    void SetZoneSelection(int index);
    // The meridian, its zone name, the zone box and the zone list's second
    // item, all from one index of the longitude list.
    void SetLongitudeIndex(int index);
    void SetOptionColours(OptionButton& chosen, OptionButton& other);
    void RefreshElementAnimalTarget();
    bool IsElementAnimalTarget() const;
    ChlDate DisplayedLunarDate() const;
    void ShowSearching(const std::string& text);
    void ConnectMultipleSearch();
    void ShowFoundMoment(double ajd, bool lunarCalendar);
    int festivalChoicesCountry_ = -1;  // whose festivals cboFestival lists
    // The status to report for a text the date-string library could not
    // read: its own failure, when it could not be loaded, comes first.
    int16_t ParserFailure(int16_t code);
    // The steps of ParseDate: the tidied date box; the calendar code that
    // ends the text (or, asked, the calendar in force); the day number of a
    // European, lunar or solar date; the moment of a day count.
    std::string TidyDateEntry(std::string_view text);
    int16_t FindCalendarCode(std::string& s, bool blanks, size_t& at, std::string& code);
    int16_t EuroDayNumber(const std::string& code, const std::string& d, int32_t& jdn);
    int16_t LunarDayNumber(std::string d, int32_t& jdn);
    std::string WithChosenElementAnimal(const std::string& d) const;
    int16_t AcceptDay(int32_t day, int16_t calendar, int zoneIfNone, int32_t& jdn);
    int16_t SolarDayNumber(std::string d, int32_t& jdn);
    double DayCountMoment(const std::string& code, const std::string& d, int16_t& error);
};

}  // namespace orbel
