#pragma once
// The data window (frmData) without a screen: the year data and the lists of
// lunar new years and anniversaries, lunar month starts and leap months, and
// the lunar dates of Julian and CE new years. The Qt window mirrors these
// fields and forwards its events to the procedures named after them.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "support/controls.h"
#include "support/user_port.h"
#include "services/calendar_settings.h"
#include "services/chinese_records.h"
#include "views/displayed_moment.h"

namespace orbel {

// The caption of Stop, and of Close while a long list runs.
inline constexpr std::string_view DataStopCaption = "Stop";

// What the data window reads from the main window.
// List kinds, the values of ListKind.
inline constexpr int16_t ListLunarNewYearsKind = 1;
inline constexpr int16_t ListLeapMonthsKind = 2;
inline constexpr int16_t YearDataKind = 3;
inline constexpr int16_t ListJCCENewYearsKind = 5;
inline constexpr int16_t ListFestivalsKind = 6;

// The window text stops growing at this many characters.
inline constexpr size_t OutputCharacterLimit = 0xFC00;

// One day written by the lunar new-year and anniversary list.
struct ListedDay {
    ChlDate date;          // the lunar date listed (after any fall-back)
    int32_t anniversary;   // 0 for the displayed date itself
};

class DataWindowModel {
public:
    explicit DataWindowModel(UserPort& port);

    // --- Main window's view ------------------------------------------------------
    std::function<DisplayedMoment()> readMainWindow;
    // The main window's SetTheFocus, when this window hands the focus back.
    std::function<void()> focusMainWindow = [] {};
    // The date-string library's reader of CHL texts; true for a valid record.
    std::function<bool(std::string_view, ChlDate&)> parseChl;
    // Called where a long list repaints its text.
    std::function<void()> repaint = [] {};
    // The DTSTAMP of calendar files, "YYYYMMDDTHHMMSSZ"; the system clock by default.
    std::function<std::string()> calendarStamp;

    // --- Procedures ----------------------------------------------------------------
    void DisplayYearData();
    void SetWindowSize();
    void cmdList_Click();
    void CheckNumYears(int16_t kind);
    void ListLunarNewYears();
    void ListLeapMonths();
    void ListJCCENewYears();
    // The festivals of the main window's country for a number of lunar years
    // from the lunar year of its moment.
    void ListFestivals();
    // The number of months of the nian that begins on the lunar new year's
    // day `date` (its jdn set); fills termCounts with its solar terms per code.
    int NianCounts(const ChlDate& date);
    // The main window's list buttons: ListKind, then cmdList_Click.
    void ShowList(int16_t kind);
    // The lists window's calendar chosen from the main window ('G' or 'J').
    void ChooseCalendar(char letter);

    void cmdCopyToClipboard_Click();
    // The mouse button was released over the text (the selection may have changed).
    void txbText_MouseUp();
    void cmdStop_Click();
    void cmdClose_Click();
    // Closing by the window frame.
    void Form_QueryUnload();
    void optCE_Click();
    void optJC_Click();
    void chkIncludeMajorSolarTerms_Click();
    void chkIncludeMinorSolarTerms_Click();
    void chkDisplaySolarTermNames_Click();
    void chkLargeWindow_Click();
    // Enter (13) in the number of years runs the list again.
    void txbNumYears_KeyPress(int keyAscii);
    // Writes the listed days as an iCalendar file chosen with the save-file dialog.
    void cmdExport_Click();

    // --- State -----------------------------------------------------------------------
    UserPort& port;
    int16_t ListKind = 0;
    bool StopRequested = false;
    std::array<int16_t, 7> NumYearsByKind{};
    std::array<int, 24> termCounts{};  // of the nian last counted by NianCounts
    std::vector<ListedDay> listedDays;   // of the last lunar new-year or anniversary list
    bool newYearMode = false;            // that list was of lunar new years

    // Screen size, given by the view; the window size follows from it.
    int screenWidth = 1600, screenHeight = 1200;
    int width = 0, height = 0;

    std::string caption;
    bool visible = false;
    std::string focus;  // name of the control that should get the focus
    bool busy = false;  // the busy pointer over the text
    bool running = false;  // a list or the year data is being written

    TextBox txbText;
    int textGeneration = 0;  // counts the times txbText was emptied, so a view can append only what is new
    std::string txbTextSelection;  // the selected text, as the view reports it
    Button cmdCopyToClipboard, cmdClose, cmdStop, cmdList, cmdExport;
    TextBox txbNumYears, txbStart, txbEnd;
    Label lblYears, fraEuroCal;
    CheckBox chkIncludeMajorSolarTerms, chkIncludeMinorSolarTerms, chkDisplaySolarTermNames, chkLeapMonthsOnly,
        chkOmitInvalidDates, chkLargeWindow;
    OptionButton optCE, optJC;

private:
    DisplayedMoment Readings() const;
    void Append(std::string_view text);
    void ClearText();
    void FinishOutput();
    void ShowListRow(bool leapMonthsOnly, bool omitInvalid);
    // A long list shows its progress caption and turns Close into Stop.
    void SetListBusy(bool on, std::string_view yearsCaption = {});
    // One anniversary's line; false when the date did not exist and was
    // changed to be tried again. `main` is read once, as the list starts.
    bool AppendAnniversary(ChlDate& date, int index, int32_t startDay, const DisplayedMoment& main);
    // The month starts of one year; false when the year cannot be computed.
    bool AppendMonthStarts(int32_t year, bool leapOnly, const DisplayedMoment& main);
    std::string_view Cal() const { return optJC.value ? "JC" : "CE"; }
    char Letter() const { return optJC.value ? 'J' : 'G'; }
    size_t textCharacters_ = 0;  // characters (not bytes) in txbText
};

// The number of years a list of `kind` uses when none is given.
int16_t DefaultNumYears(int16_t kind, bool leapMonthsOnly);

}  // namespace orbel
