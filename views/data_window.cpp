// The data window's controls and the behaviour its four uses share: the
// year data, copying, Stop and Close, the calendar and solar-term choices,
// the window size and the calendar-file export of the anniversary list.
#include "views/data_window.h"

#include <algorithm>
#include <cmath>

#include "dates/date_string_library.h"
#include "engine/cycles.h"
#include "support/language.h"
#include "views/calendar_file.h"
#include "views/year_data.h"

namespace orbel {

namespace {

constexpr std::string_view CopyCaption = "Copy to clipboard";
constexpr std::string_view CloseCaption = "Close";
constexpr std::string_view YearDataCaption = "Dates, times and CJDs of dark moons and solar terms";
constexpr std::string_view ExportTitle = "Export to calendar file";
constexpr std::string_view CalendarFileFilter = "iCalendar file (*.ics)";

// The window's design size in pixels; "Large window" and the solar-term
// names take the larger shares of the screen.
constexpr int DesignWidth = 620;
constexpr int DesignHeight = 560;

size_t Utf8Length(std::string_view text) {
    return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

}  // namespace

int16_t DefaultNumYears(int16_t kind, bool leapMonthsOnly) {
    switch (kind) {
        case ListLeapMonthsKind: return leapMonthsOnly ? 30 : 3;
        case ListLunarNewYearsKind:
        case ListJCCENewYearsKind: return 20;
        case ListFestivalsKind: return 3;
        default: return 0;
    }
}

DataWindowModel::DataWindowModel(UserPort& userPort)
    : parseChl([](std::string_view text, ChlDate& r) { return ParseChlDateStr(text, r); }),
      calendarStamp([] { return CurrentCalendarStamp(); }),
      port(userPort) {
    cmdCopyToClipboard.caption = CopyCaption;
    cmdClose.caption = CloseCaption;
    cmdStop.caption = DataStopCaption;
    cmdList.caption = "List";
    cmdExport.caption = "Export to calendar file...";
    cmdExport.visible = false;
    lblYears.caption = ProgramText(TextYears);
    fraEuroCal.caption = "European calendar:";
    chkIncludeMajorSolarTerms.caption = "Include major solar terms (the Zs)";
    chkIncludeMinorSolarTerms.caption = "Include minor solar terms (the Js)";
    chkDisplaySolarTermNames.caption = "Display solar term names";
    chkLeapMonthsOnly.caption = "Leap months only";
    chkOmitInvalidDates.caption = "Omit invalid dates";
    chkLargeWindow.caption = "Large window";
    optCE.caption = "CE";
    optJC.caption = "JC";
    optCE.value = true;
    // Start-up's choice: major terms ticked, minor terms and names not.
    chkIncludeMajorSolarTerms.value = true;
    txbStart.visible = txbEnd.visible = false;
    SetWindowSize();
}

DisplayedMoment DataWindowModel::Readings() const {
    return readMainWindow ? readMainWindow() : DisplayedMoment{};
}

void DataWindowModel::ClearText() {
    txbText.text.clear();
    textCharacters_ = 0;
    ++textGeneration;
}

void DataWindowModel::Append(std::string_view text) {
    txbText.text.append(text);
    textCharacters_ += Utf8Length(text);
}

// The caret at the end of the text, the focus on Close.
void DataWindowModel::FinishOutput() {
    txbText.selStart = static_cast<int>(txbText.text.size());
    if (visible) focus = "cmdClose";
}

void DataWindowModel::SetWindowSize() {
    const bool wide = chkDisplaySolarTermNames.value && ListKind != ListJCCENewYearsKind;
    width = std::min(wide ? DesignWidth * 13 / 10 : DesignWidth, screenWidth);
    height = chkLargeWindow.value ? screenHeight * 85 / 100 : std::min(DesignHeight * 11 / 10, screenHeight * 6 / 10);
    height = std::max(height, std::min(DesignHeight, screenHeight));
}

// --- Year data -------------------------------------------------------------------

void DataWindowModel::DisplayYearData() {
    if (running) return;
    running = true;
    ListKind = YearDataKind;
    SetWindowSize();
    ClearText();
    cmdCopyToClipboard.caption = CopyCaption;
    for (Control* c : {&chkIncludeMajorSolarTerms, &chkIncludeMinorSolarTerms, &chkDisplaySolarTermNames})
        c->visible = true;
    for (Control* c : std::initializer_list<Control*>{&chkLeapMonthsOnly, &chkOmitInvalidDates, &txbStart, &txbEnd,
                                                      &cmdList, &txbNumYears, &lblYears, &cmdStop, &cmdExport})
        c->visible = false;
    caption = YearDataCaption;

    const DisplayedMoment main = Readings();
    YearDataRequest request;
    request.ajd = main.ajd;
    request.settings = main.settings;
    request.country = main.country;
    request.julian = optJC.value;
    request.majorTerms = chkIncludeMajorSolarTerms.value;
    request.minorTerms = chkIncludeMinorSolarTerms.value;
    request.termNames = chkDisplaySolarTermNames.value;
    Append(YearDataText(request));
    visible = true;
    FinishOutput();
    running = false;
}

// --- Lists -----------------------------------------------------------------------

void DataWindowModel::CheckNumYears(int16_t kind) {
    const size_t k = static_cast<size_t>(std::clamp<int16_t>(kind, 0, ListFestivalsKind));
    const int16_t fallback = DefaultNumYears(kind, chkLeapMonthsOnly.value);
    if (!txbNumYears.text.empty()) {
        std::string digits;
        for (char c : txbNumYears.text)
            if (c >= '0' && c <= '9') digits += c;
        txbNumYears.text = digits;
        // The count is a 16-bit number: larger ones are taken as its largest.
        long value = 0;
        for (char c : digits) value = std::min(value * 10 + (c - '0'), 32767L);
        NumYearsByKind[k] = static_cast<int16_t>(value);
    }
    if (NumYearsByKind[k] < 1) NumYearsByKind[k] = fallback;
    txbNumYears.text = std::to_string(NumYearsByKind[k]);
}

void DataWindowModel::ShowListRow(bool leapMonthsOnly, bool omitInvalid) {
    chkLeapMonthsOnly.visible = leapMonthsOnly;
    chkOmitInvalidDates.visible = omitInvalid;
}

void DataWindowModel::cmdList_Click() {
    if (running) return;
    CheckNumYears(ListKind);
    SetWindowSize();
    for (Control* c : std::initializer_list<Control*>{&chkIncludeMajorSolarTerms, &chkIncludeMinorSolarTerms,
                                                      &chkDisplaySolarTermNames, &txbStart, &txbEnd, &cmdStop,
                                                      &chkLeapMonthsOnly, &cmdExport})
        c->visible = false;
    cmdList.visible = txbNumYears.visible = lblYears.visible = true;
    ClearText();
    listedDays.clear();
    cmdCopyToClipboard.caption = CopyCaption;
    cmdClose.caption = CloseCaption;
    StopRequested = false;
    running = true;
    switch (ListKind) {
        case ListLunarNewYearsKind:
            caption = "Lunar new years & anniversaries";
            visible = true;
            ListLunarNewYears();
            break;
        case ListLeapMonthsKind:
            caption = "Lunar month starts & leap months";
            visible = true;
            ListLeapMonths();
            break;
        case ListJCCENewYearsKind:
            caption = "Julian and CE new years";
            visible = true;
            ListJCCENewYears();
            break;
        case ListFestivalsKind:
            caption = "Festivals";
            visible = true;
            ListFestivals();
            break;
        default: break;
    }
    running = false;
}

void DataWindowModel::ShowList(int16_t kind) {
    if (running) return;
    // Each list keeps its own number of years.
    if (kind != ListKind) txbNumYears.text.clear();
    ListKind = kind;
    cmdList_Click();
}

void DataWindowModel::txbNumYears_KeyPress(int keyAscii) {
    if (keyAscii == 13) cmdList_Click();
}

// --- Common behaviour ------------------------------------------------------------

void DataWindowModel::cmdCopyToClipboard_Click() {
    if (txbText.text.empty()) return;
    port.SetClipboardText(txbTextSelection.empty() ? txbText.text : txbTextSelection);
    cmdCopyToClipboard.caption = CopyCaption;
    focus = "cmdClose";
}

void DataWindowModel::txbText_MouseUp() {
    cmdCopyToClipboard.caption = ProgramText(txbTextSelection.empty() ? TextCopyAll : TextCopySelection);
}

void DataWindowModel::cmdStop_Click() { StopRequested = true; }

void DataWindowModel::cmdClose_Click() {
    StopRequested = true;
    if (cmdClose.caption == CloseCaption) {
        visible = false;
        txbNumYears.text.clear();
        focusMainWindow();
    } else {
        cmdClose.caption = CloseCaption;
        focus = "cmdClose";
    }
    busy = false;
    port.SetBusy(false);
    chkLargeWindow.value = false;
}

void DataWindowModel::Form_QueryUnload() {
    // The frame's close box also ends a running list; the window then goes.
    if (cmdClose.caption != CloseCaption) cmdClose_Click();
    cmdClose_Click();
}

void DataWindowModel::ChooseCalendar(char letter) {
    optCE.value = letter != 'J';
    optJC.value = letter == 'J';
}

void DataWindowModel::optCE_Click() {
    ChooseCalendar('G');
    if (ListKind == YearDataKind)
        DisplayYearData();
    else if (visible)
        focus = "cmdClose";
}

void DataWindowModel::optJC_Click() {
    ChooseCalendar('J');
    if (ListKind == YearDataKind)
        DisplayYearData();
    else if (visible)
        focus = "cmdClose";
}

void DataWindowModel::chkIncludeMajorSolarTerms_Click() { DisplayYearData(); }
void DataWindowModel::chkIncludeMinorSolarTerms_Click() { DisplayYearData(); }

void DataWindowModel::chkDisplaySolarTermNames_Click() { DisplayYearData(); }

void DataWindowModel::chkLargeWindow_Click() { SetWindowSize(); }

// --- Calendar file ---------------------------------------------------------------

void DataWindowModel::cmdExport_Click() {
    if (listedDays.empty() || running) return;
    const DisplayedMoment main = Readings();
    const int country = std::clamp(main.country, 0, 2);
    const std::string suggested = newYearMode ? "lunar_new_years.ics" : "lunar_anniversaries.ics";
    const std::string path = port.AskSaveFileName(ExportTitle, suggested, CalendarFileFilter);
    if (path.empty()) return;

    std::vector<CalendarEvent> events;
    const ChlDate& start = listedDays.front().date;
    const std::string startText = ChlDateShortStr(start, 0, "CHL", main.settings, country);
    for (const ListedDay& day : listedDays) {
        CalendarEvent e;
        e.jdn = day.date.jdn;
        const std::string lunar = ChlDateShortStr(day.date, 0, "CHL", main.settings, country);
        if (newYearMode) {
            e.summary = "Lunar New Year's Day " + lunar;
            e.uid = "newyear-" + std::to_string(main.settings.referenceLongitude) + "-" + std::to_string(e.jdn);
        } else {
            e.summary = "Lunar anniversary " + std::to_string(day.anniversary) + " of " + startText + ": " + lunar;
            e.uid = "anniversary-" + std::to_string(start.month) + (start.leap ? "L" : "") + "-" +
                    std::to_string(start.day) + "-" + std::to_string(main.settings.referenceLongitude) + "-" +
                    std::to_string(e.jdn);
        }
        e.uid += "@orbel.corvane-systems";
        events.push_back(std::move(e));
    }
    std::string error;
    if (!WriteFileAtomically(path, CalendarFileText(events, calendarStamp()), error))
        port.ShowMessage(ExportTitle, "The calendar file " + path + " could not be written: " + error + ".",
                         MessageIcon::Exclamation);
    focus = "cmdClose";
}

}  // namespace orbel
