#pragma once
// The panel icon without a screen: what its picture, tool tip and menu show
// for today, when that changes, and the two preferences "Show in the panel"
// and "Start with the desktop". The Qt icon only mirrors this model and
// forwards its menu's choices.
//
// The day is compared with the clock on every tick of a short timer, so the
// icon changes at local midnight and after the computer wakes from sleep
// (a timer set to fire at midnight would fire late after a sleep).
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "support/colour.h"
#include "views/today.h"

namespace orbel {

// Texts of the icon's menu and of the preferences.
inline constexpr std::string_view OpenTodayText = "Open on today";
inline constexpr std::string_view OpenMonthText = "Lunar month of today";
inline constexpr std::string_view DayNumberPictureText = "Show the lunar day";
inline constexpr std::string_view MoonPictureText = "Show the Moon";
inline constexpr std::string_view QuitText = "Quit";
inline constexpr std::string_view ShowInPanelText = "Show in the panel";
inline constexpr std::string_view StartWithDesktopText = "Start with the desktop";
inline constexpr std::string_view NoPanelTitle = "Show in the panel";
inline constexpr std::string_view NoPanelText =
    "The desktop shows no panel for icons, so the program runs in its window. Today's date goes into the panel "
    "if one starts.";

// The settings-store values of the preferences (group ORBEL). "Start with the
// desktop" is the autostart entry itself.
inline constexpr std::string_view ShowInPanelValueName = "ShowInPanel";
inline constexpr std::string_view PanelPictureValueName = "PanelPicture";

// Milliseconds between two looks at the clock.
inline constexpr int TodayTickMilliseconds = 15000;

enum class PanelPicture { LunarDay, Moon };

struct PanelPreferences {
    bool showInPanel = false;
    bool startWithDesktop = false;
    PanelPicture picture = PanelPicture::LunarDay;
};

class TodayModel {
public:
    // `words` must outlive the model.
    TodayModel(const GlanceWords& words, std::function<TodaySettings()> settings,
               std::function<Rgb()> countryColour);

    // Computes today's picture and texts from the clock and the settings.
    void Refresh();
    // A tick of the timer: refreshes when the day or the settings changed
    // since the last refresh; true when it did.
    bool Tick();

    // Reads the preferences; "Start with the desktop" is on exactly when the
    // autostart entry is there, whatever wrote or removed it.
    void LoadPreferences();

    // The picture choice of the menu, saved at once.
    void ChoosePicture(PanelPicture picture);
    // The two preferences, saved at once. Switching "Start with the desktop"
    // writes or removes the autostart entry in `autostartFolder`; false when
    // that failed (the preference then keeps its old value).
    void SetShowInPanel(bool show);
    bool SetStartWithDesktop(bool start);

    std::function<LocalDay()> clock = LocalToday;  // the local day; tests set their own
    std::string autostartFolder;                   // where the entry goes
    std::string program;                           // the program the entry starts
    PanelPreferences preferences;

    // What the icon shows.
    TodayFacts facts;
    std::string dayNumber;  // the lunar day, "1" to "30"
    Rgb colour{};           // the country's colour behind the picture
    std::string toolTip;

private:
    const GlanceWords& words_;
    std::function<TodaySettings()> settings_;
    std::function<Rgb()> countryColour_;
};

}  // namespace orbel
