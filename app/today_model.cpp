#include "app/today_model.h"

#include "support/autostart_entry.h"
#include "support/settings_store.h"

namespace orbel {
namespace {

bool StoredFlag(std::string_view name) {
    std::string text;
    GetRegistryString(OrbelRegistryKey, name, text, false, "0");
    return text == "1";
}

void StoreFlag(std::string_view name, bool on) { SaveRegistryString(OrbelRegistryKey, name, on ? "1" : "0", false); }

}  // namespace

TodayModel::TodayModel(const GlanceWords& words, std::function<TodaySettings()> settings,
                       std::function<Rgb()> countryColour)
    : words_(words), settings_(std::move(settings)), countryColour_(std::move(countryColour)) {}

void TodayModel::Refresh() {
    facts = ComputeToday(clock(), settings_(), words_);
    dayNumber = facts.chl.valid ? std::to_string(facts.chl.day) : std::string();
    colour = countryColour_();
    toolTip = TodayToolTip(facts);
}

bool TodayModel::Tick() {
    if (clock() == facts.day && settings_() == facts.settings && countryColour_() == colour) return false;
    Refresh();
    return true;
}

void TodayModel::LoadPreferences() {
    std::string picture;
    GetRegistryString(OrbelRegistryKey, PanelPictureValueName, picture, false, "day");
    preferences = {StoredFlag(ShowInPanelValueName), AutostartEntryExists(autostartFolder),
                   picture == "moon" ? PanelPicture::Moon : PanelPicture::LunarDay};
}

void TodayModel::ChoosePicture(PanelPicture picture) {
    preferences.picture = picture;
    SaveRegistryString(OrbelRegistryKey, PanelPictureValueName, picture == PanelPicture::Moon ? "moon" : "day", false);
}

void TodayModel::SetShowInPanel(bool show) {
    preferences.showInPanel = show;
    StoreFlag(ShowInPanelValueName, show);
}

bool TodayModel::SetStartWithDesktop(bool start) {
    const bool done = start ? WriteAutostartEntry(autostartFolder, program) : RemoveAutostartEntry(autostartFolder);
    if (!done) return false;
    preferences.startWithDesktop = start;
    return true;
}

}  // namespace orbel
