// The convert-and-display cycle: every value label derived from CurrentAJD,
// Convert, Now, Clear, Reset and the clicks on the value labels.
#include <algorithm>
#include <cmath>

#include "app/main_window_model.h"
#include "app/moon_texts.h"
#include "dates/date_entry.h"
#include "dates/date_text.h"
#include "dates/day_numbers.h"
#include "dates/pantheon_calendar.h"
#include "engine/chinese_calendar.h"
#include "engine/cycles.h"
#include "engine/moon_data.h"
#include "engine/quenta_module.h"

namespace orbel {

namespace {

constexpr std::string_view UnchangedTitle = "Convert date";

void EraseAll(std::string& text, std::string_view what) {
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at)) text.erase(at, what.size());
}

}  // namespace

std::string DeltaTText(double minutes) {
    if (minutes > 1440.0) return "More than 24 hours";
    return DurationStr(static_cast<int32_t>(std::lround(minutes)), true);
}

void MainWindowModel::DisplayDatesAndTimes() {
    if (state.Initializing) return;
    lblAstronomicalJulianDate[1].caption = DayCountStr(state.CurrentAJD, "AJD");
    DisplayWesternDates();
    DisplayChineseDates();
    DisplayPantheonDates();
    SetTheFocus();
}

void MainWindowModel::Recalculate(int16_t& intAutoLogValue) {
    DisplayDatesAndTimes();
    DisplayMoonData(CountryColour());
    DisplayDeltaT();
    links.AutoLog(intAutoLogValue);
    CmdSaveStateEnabled(true);
}

void MainWindowModel::DisplayWesternDates() {
    const double cjdl = AJDToCJDL(state.CurrentAJD);
    lblChronologicalJulianDateLondon[1].caption = DayCountStr(cjdl, "CJDL");
    EuroDate ce, jc;
    JDNToEuroDates(std::floor(cjdl), ce, jc);
    const std::string timeAndDay = " " + LondonTime(cjdl) + " " + DayOfWeekName(DayOfWeek(ce.jdn), false);
    lblCommonEraDate[1].caption = EuroDateToStr(ce) + " CE" + timeAndDay;
    lblCommonEraDate[1].toolTip = EuroDateLongForm(ce) + " (London).";
    lblJulianCalendarDate[1].caption = EuroDateToStr(jc) + " JC" + timeAndDay;
    lblJulianCalendarDate[1].toolTip = EuroDateLongForm(jc) + " (London).";
}

ChlDate MainWindowModel::DisplayedLunarDate() const {
    const CalendarSettings s = Settings();
    ChsDate chs;
    chs.valid = ChsSkipSolarDate;
    ChlDate chl;
    CJDateToChDates(ToReferenceCJD(state.CurrentAJD, s.referenceLongitude), s.epoch, chs, chl, s);
    return chl;
}

void MainWindowModel::DisplayChineseDates() {
    if (state.Initializing) return;
    const CalendarSettings s = Settings();
    const int country = std::clamp(Country(), 0, 2);
    const double cjdc = ToReferenceCJD(state.CurrentAJD, s.referenceLongitude);
    lblChronologicalJulianDateBeijing[0].caption =
        "Chronological JD " + std::to_string(s.referenceLongitude) + std::string(OrdinalSign) + " East";
    lblChronologicalJulianDateBeijing[1].caption = DayCountStr(cjdc, "CJDC");

    ChsDate chs;
    ChlDate chl;
    CJDateToChDates(cjdc, Epoch(), chs, chl, s);
    const std::string zoneTime = BeijingTime(cjdc, state.ZoneName);

    std::string solar = ChsDateShortStr(chs, true) + " " + zoneTime;
    // On the first day of a term the term code takes the room of the zone.
    if (chs.day == 1 && solar.size() >= 3) solar.erase(solar.size() - 3);
    lblChineseSolarDate[1].caption = solar;
    lblChineseSolarDate[1].toolTip = ChsDateLongStrForJdn(chs, {.dayNames = true, .stemBranch = state.IsChina}, country);

    lblChineseLunarDate[1].caption = ChlDateShortStr(chl, 0, "CHL", s, country) + " " + zoneTime;
    std::string lunarLong = ChlDateLongStrForJdn(
        chl, {.dayNames = true, .monthNames = true, .stemBranch = state.IsChina, .full = true}, s, country);
    EraseAll(lunarLong, "\r\n");
    lblChineseLunarDate[1].toolTip = lunarLong;
    DisplayFestivals();

    const int16_t day = DayPosition(static_cast<int32_t>(std::floor(cjdc)));
    imgDayStem.image = StemOfPosition(day);
    imgDayBranch.image = AnimalOfPosition(day) + 1;
    lblElementAnimalOfDay[0].caption = StemBranchStr(day);
    lblElementAnimalOfDay[1].caption = ElementAnimalOfPositionStr(day, country) + " day";

    if (!state.Repeating) links.UpdateKeep30th();

    imgYearStem.image = StemOfPosition(chl.position);
    imgYearBranch.image = AnimalOfPosition(chl.position) + 1;
    ShowYearElementAnimal();
    ShowMonthElementAnimal();
}

void MainWindowModel::ShowYearElementAnimal() {
    for (Label& l : lblElementAnimalOfYear) l.visible = !chkShowCJDs.value;
    if (lblChineseLunarDate[1].caption.empty()) return;
    const ChlDate chl = DisplayedLunarDate();
    lblElementAnimalOfYear[1].caption = ElementAnimalOfPositionStr(chl.position, std::clamp(Country(), 0, 2)) + " year";
}

void MainWindowModel::ShowMonthElementAnimal() {
    for (Label& l : lblElementAnimalOfMonth) l.visible = !chkShowCJDs.value;
    if (lblChineseLunarDate[1].caption.empty()) return;
    const ChlDate chl = DisplayedLunarDate();
    lblElementAnimalOfMonth[1].caption =
        ElementAnimalOfPositionStr(MonthPosition(chl), std::clamp(Country(), 0, 2)) + " month";
}

void MainWindowModel::DisplayPantheonDates() {
    const PantheonLabel london = PanLondonLabel(state.CurrentAJD);
    lblPantheonCalendarGMT[1].caption = london.caption;
    lblPantheonCalendarGMT[1].toolTip = london.longText;
    const PantheonLabel local = PanReferenceLabel(state.CurrentAJD, state.ReferenceLongitude, state.ZoneName);
    lblPantheonCalendarCCT[1].caption = local.caption;
    lblPantheonCalendarCCT[1].toolTip = local.longText;
    // The note compares the Pantheon date with the lunar date shown.
    lblPantheonNote.caption.clear();
    ChlDate lunar;
    if (parseChl(lblChineseLunarDate[1].caption, lunar))
        lblPantheonNote.caption = PanChlComparisonNote(local.caption, lunar);
}

void MainWindowModel::DisplayMoonData(Rgb moonBackColour) {
    const MoonDisplay moon = ComputeMoonDisplay(state.CurrentAJD);
    lblAgeOfMoon.caption = moon.ageCaption;
    if (moon.PhaseFailed()) {
        port.ShowMessage(GetPhaseErrorTitle, GetPhaseErrorText(moon.phase), MessageIcon::Exclamation);
        return;
    }
    if (!moon.phaseView) return;
    lblPhaseOfMoon.caption = moon.phaseView->caption;
    picMoon.backColour = moonBackColour;
    moonPicture = MoonPictureFile(PictureFolder(), moon.phaseView->picture.kind, state.MoonImageSuffix);
    moonRepaint = moon.phaseView->picture.repaint;
    picMoon.visible = true;
}

void MainWindowModel::DisplayDeltaT() { lblDeltaT[1].caption = DeltaTText(DeltaTOfMoment(state.CurrentAJD)); }

void MainWindowModel::HighlightInputCalendar() {
    const int16_t row = state.InputCalendar;
    auto colour = [&](std::array<Label, 2>& pair, bool chosen) {
        pair[0].foreColour = chosen ? state.SelectedColour : state.UnselectedColour;
    };
    colour(lblPantheonCalendarGMT, row == CalendarPANGMT || row == CalendarPANCCT);
    colour(lblCommonEraDate, row == CalendarCE);
    colour(lblJulianCalendarDate, row == CalendarJC);
    colour(lblChineseLunarDate, row == CalendarCHL);
    colour(lblChineseSolarDate, row == CalendarCHS);
    colour(lblChronologicalJulianDateBeijing, row == CalendarCJDC);
    colour(lblAstronomicalJulianDate, row == CalendarAJD);
}

void MainWindowModel::GoToNow() {
    SetDateText("");
    txbTime.text.clear();
    cboTimeZone.listIndex = -1;
    cboElement.listIndex = BlankElementIndex;
    cboAnimal.listIndex = BlankAnimalIndex;
    state.CurrentAJD = clock();
    int16_t operation = 1;
    Recalculate(operation);
}

void MainWindowModel::cmdNow_Click() { GoToNow(); }

void MainWindowModel::cmdClearDate_Click() {
    SetDateText("");
    txbTime.text.clear();
    cboTimeZone.listIndex = -1;
    SetTheFocus();
}

void MainWindowModel::cmdReset_Click() {
    state.InputCalendar = CalendarCHL;
    HighlightInputCalendar();
    chkShowPAN.value = true;
    chkShowCJDs.value = false;
    chkAutoLog.value = false;
    chkShowPAN_Click();
    chkShowCJDs_Click();
    optNext_Click();
    optPlus_Click();
    optMoveDirection[0].value = true;
    optMoveDirection[1].value = false;
    optMoveDirection[0].foreColour = state.SelectedColour;
    optMoveDirection[1].foreColour = state.UnselectedColour;
    chkRepeatedly.value = false;
    chkRepeatedly.foreColour = state.UnselectedColour;
    cboMoveStep.listIndex = DefaultMoveStep;
    cboRefreshPeriod.listIndex = DefaultRefreshPeriod;
    cboTarget.listIndex = DefaultTarget;
    if (cboFestival.ListCount() > 0) cboFestival.listIndex = 0;  // any festival
    SetDateText("");
    txbTime.text.clear();
    CmdSaveStateEnabled(true);
}

void MainWindowModel::SetDateText(std::string_view text) {
    // Writing the text the box already holds is no change: the element and
    // animal chosen for a "?" position must survive it.
    if (txbDate.text == text) return;
    txbDate.text = std::string(text);
    DateTextChanged();
}

bool MainWindowModel::IsElementAnimalTarget() const {
    return cboTarget.listIndex >= ElementAnimalDayTarget && cboTarget.listIndex <= ElementAnimalYearTarget;
}

void MainWindowModel::DateTextChanged() {
    for (Control* c : std::initializer_list<Control*>{&cboElement, &cboAnimal, &lblElement, &lblAnimal})
        c->enabled = true;
    const std::string& t = txbDate.text;
    const bool keep = (t.find("-?-") != std::string::npos && ToLower(t).find("chl") != std::string::npos) ||
                      IsElementAnimalTarget();
    if (keep) return;
    cboElement.listIndex = BlankElementIndex;
    cboAnimal.listIndex = BlankAnimalIndex;
}

void MainWindowModel::RefreshElementAnimalTarget() {
    const int target = cboTarget.listIndex;
    cboTarget.items[static_cast<size_t>(target)] = TargetItemText(target - ElementAnimalDayTarget);
}

void MainWindowModel::cboElement_Click() {
    if (IsElementAnimalTarget()) {
        RefreshElementAnimalTarget();
        focus = cmdSearch.enabled ? "cmdSearch" : "cmdNow";
    } else if (!state.Repeating && visible) {
        focus = cmdCompute.enabled ? "cmdCompute" : "cmdNow";
    }
}

void MainWindowModel::cboAnimal_Click() { cboElement_Click(); }

// --- Convert ------------------------------------------------------------------------------

void MainWindowModel::cmdCompute_Click() {
    const std::string rememberedCE = lblCommonEraDate[1].caption;
    txbPlusMinus.text = std::string(Trim(txbPlusMinus.text));
    int16_t error = 0;
    double ajd = 0.0;
    std::string plusMinus = txbPlusMinus.text;
    if (plusMinus.empty() || IsValidPlusMinus(plusMinus, false))
        ajd = ParseDate(txbDate.text, error);
    else
        error = DateErrorPlusMinus;
    if (error >= 1) {
        ShowDateError(error);
        SetTheFocus();
        return;
    }
    HighlightInputCalendar();
    if (!txbPlusMinus.text.empty()) {
        std::string days = txbPlusMinus.text;
        std::erase(days, '+');
        std::erase(days, ',');
        ajd += optMinus.value ? -LeadingNumber(days) : LeadingNumber(days);
    } else if (ajd == state.CurrentAJD) {
        port.ShowMessage(UnchangedTitle, DatesUnchangedText, MessageIcon::Exclamation);
        return;
    }
    if (CheckDateRange(ajd)) return;
    state.CurrentAJD = ajd;
    DisplayDatesAndTimes();
    if (lblCommonEraDate[1].caption != rememberedCE) {
        DisplayMoonData(CountryColour());
        DisplayDeltaT();
        int16_t operation = 2;
        links.AutoLog(operation);
        CmdSaveStateEnabled(true);
    } else {
        port.ShowMessage(UnchangedTitle, DatesUnchangedText, MessageIcon::Exclamation);
    }
}

void MainWindowModel::txbDate_KeyPress(int keyAscii) {
    if (keyAscii == 13 && !txbDate.text.empty()) cmdCompute_Click();
}

// --- Value labels ---------------------------------------------------------------------------

std::array<Label, 2>* MainWindowModel::ValueLabelOf(int16_t calendar) {
    switch (calendar) {
    case CalendarCE: return &lblCommonEraDate;
    case CalendarJC: return &lblJulianCalendarDate;
    case CalendarCHL: return &lblChineseLunarDate;
    case CalendarCHS: return &lblChineseSolarDate;
    case CalendarAJD: return &lblAstronomicalJulianDate;
    case CalendarCJDC: return &lblChronologicalJulianDateBeijing;
    case CalendarCJDL: return &lblChronologicalJulianDateLondon;
    case CalendarPANGMT: return &lblPantheonCalendarGMT;
    case CalendarPANCCT: return &lblPantheonCalendarCCT;
    default: return nullptr;
    }
}

int MainWindowModel::ElementIndexInText(std::string_view text) const {
    const std::string lower = ToLower(text);
    for (size_t i = 0; i < ElementNameList.size(); ++i)
        if (lower.find(ElementNameList[i]) != std::string::npos) return static_cast<int>(i);
    return -1;
}

int MainWindowModel::AnimalIndexInText(std::string_view text) const {
    const std::string lower = ToLower(text);
    for (size_t i = 0; i < AnimalNames.size(); ++i)
        if (lower.find(ToLower(AnimalNames[i])) != std::string::npos) return static_cast<int>(i);
    return -1;
}

void MainWindowModel::ValueLabelClick(int16_t calendar, int button, bool copyToClipboard) {
    std::array<Label, 2>* pair = ValueLabelOf(calendar);
    if (pair == nullptr) return;
    const std::string value = (*pair)[1].caption;
    if (copyToClipboard) port.SetClipboardText(value);
    state.InputCalendar = calendar;
    if (button == 1) {
        const bool dayCount = calendar == CalendarAJD || calendar == CalendarCJDC || calendar == CalendarCJDL;
        if (dayCount) {
            SetDateText(value);
            txbTime.text.clear();
            cboTimeZone.listIndex = -1;
            cboElement.listIndex = BlankElementIndex;
            cboAnimal.listIndex = BlankAnimalIndex;
        } else {
            const std::string code(state.CalendarTable[static_cast<size_t>(calendar)].code);
            const size_t at = ToUpper(value).find(code);
            SetDateText(at == std::string::npos ? value : value.substr(0, at + code.size()));
            const size_t colon = value.find(':');
            txbTime.text = colon == std::string::npos ? std::string() : value.substr(colon >= 2 ? colon - 2 : 0, 5);
            const bool gmt = calendar == CalendarCE || calendar == CalendarJC || calendar == CalendarPANGMT;
            cboTimeZone.listIndex = gmt ? 0 : 1;
            if (calendar == CalendarCHL || calendar == CalendarCHS) {
                const int element = ElementIndexInText(value);
                if (element >= 0) cboElement.listIndex = element;
                const int animal = AnimalIndexInText(value);
                cboAnimal.listIndex = animal >= 0 ? animal : BlankAnimalIndex;
            } else {
                cboElement.listIndex = BlankElementIndex;
                cboAnimal.listIndex = BlankAnimalIndex;
            }
            if (calendar == CalendarCE) links.ChooseListsCalendar('G');
            if (calendar == CalendarJC) links.ChooseListsCalendar('J');
        }
    }
    HighlightInputCalendar();
    SetTheFocus();
}

void MainWindowModel::FillEntryFromInputCalendar() {
    // Taking the displayed date for a conversion leaves the clipboard alone.
    ValueLabelClick(state.InputCalendar, 1, false);
}

void MainWindowModel::lblCommonEraDate_Click(int button) { ValueLabelClick(CalendarCE, button, true); }
void MainWindowModel::lblJulianCalendarDate_Click(int button) { ValueLabelClick(CalendarJC, button, true); }
void MainWindowModel::lblChineseLunarDate_Click(int button) { ValueLabelClick(CalendarCHL, button, true); }
void MainWindowModel::lblChineseSolarDate_Click(int button) { ValueLabelClick(CalendarCHS, button, true); }
void MainWindowModel::lblAstronomicalJulianDate_Click(int button) { ValueLabelClick(CalendarAJD, button, true); }
void MainWindowModel::lblChronologicalJulianDateBeijing_Click(int button) {
    ValueLabelClick(CalendarCJDC, button, true);
}
void MainWindowModel::lblChronologicalJulianDateLondon_Click(int button) {
    ValueLabelClick(CalendarCJDL, button, true);
}
void MainWindowModel::lblPantheonCalendarGMT_Click(int button) { ValueLabelClick(CalendarPANGMT, button, true); }
void MainWindowModel::lblPantheonCalendarCCT_Click(int button) { ValueLabelClick(CalendarPANCCT, button, true); }
void MainWindowModel::lblPhaseOfMoon_Click() { port.SetClipboardText(lblPhaseOfMoon.caption); }
void MainWindowModel::lblAgeOfMoon_Click() { port.SetClipboardText(lblAgeOfMoon.caption); }

}  // namespace orbel
