#include "support/settings_store.h"

#include <QSettings>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "support/qt_text.h"

namespace orbel {
namespace {

constexpr std::string_view CrLf = "\r\n";

// Error numbers in the key-failure text, after the system codes they stand
// for: access denied, and a key path that names no place in the store.
constexpr int AccessDeniedNumber = 5;
constexpr int BadKeyPathNumber = 161;

struct StorePlace {
    QString organisation;
    QString group;  // "" for the organisation's own level, else "A/B"
};

// "Software\<organisation>[\<part>...]" with any number of backslashes
// between parts. A part holding "/" would become a nested group, so it names
// no place.
std::optional<StorePlace> PlaceOfKey(std::string_view fullKey) {
    std::vector<QString> parts;
    for (const QString& part : ToQString(fullKey).split(u'\\', Qt::SkipEmptyParts)) parts.push_back(part);
    if (parts.size() < 2 || parts[0].compare(u"Software", Qt::CaseInsensitive) != 0) return std::nullopt;
    StorePlace place{parts[1], {}};
    QStringList groups;
    for (size_t i = 1; i < parts.size(); ++i) {
        if (parts[i].contains(u'/')) return std::nullopt;
        if (i >= 2) groups.push_back(parts[i]);
    }
    place.group = groups.join(u'/');
    return place;
}

std::string StatusDescription(QSettings::Status status) {
    std::string text;
    switch (status) {
        case QSettings::NoError: text = OperationCompletedText; break;
        case QSettings::AccessError: text = "Access is denied."; break;
        case QSettings::FormatError: text = "The settings file is not in a valid format."; break;
    }
    return text.substr(0, 100);
}

bool ValidValueName(std::string_view name) {
    return !name.empty() && name.find('/') == std::string_view::npos && name.find('\\') == std::string_view::npos;
}

bool StatusIsSuccess(std::string_view status) { return !status.empty() && status.front() == '0'; }

}  // namespace

std::string WriteRegistryValue(RegistryRoot /*root*/, std::string_view fullKey, std::string_view name,
                               std::string_view value) {
    const std::optional<StorePlace> place = PlaceOfKey(fullKey);
    if (!place) return std::string(KeyFailureText) + " Error number " + std::to_string(BadKeyPathNumber);
    QSettings settings(QSettings::UserScope, place->organisation);
    if (!settings.isWritable() || settings.status() == QSettings::AccessError)
        return std::string(KeyFailureText) + " Error number " + std::to_string(AccessDeniedNumber);
    settings.beginGroup(place->group);
    const bool existed = !settings.allKeys().isEmpty();
    if (!ValidValueName(name)) return std::string(ValueNotWrittenStatus) + "  The value name is not valid.";
    settings.setValue(ToQString(name), ToQString(value));
    settings.endGroup();
    settings.sync();
    const QSettings::Status result = settings.status();
    // A value that did not reach the store is a failure whatever the key did.
    const std::string_view disposition =
        result != QSettings::NoError ? ValueNotWrittenStatus : existed ? KeyExistsStatus : KeyCreatedStatus;
    return std::string(disposition) + "  " + StatusDescription(result);
}

std::string ReadRegistryValue(RegistryRoot /*root*/, std::string_view fullKey, std::string_view name,
                              std::string& value) {
    value.clear();
    const std::optional<StorePlace> place = PlaceOfKey(fullKey);
    if (!place) return std::string(KeyNotFoundStatus);
    QSettings settings(QSettings::UserScope, place->organisation);
    settings.beginGroup(place->group);
    if (settings.allKeys().isEmpty()) return std::string(KeyNotFoundStatus);
    if (name.empty()) return std::string(NameNotSpecifiedStatus);
    const QString key = ToQString(name);
    if (!ValidValueName(name) || !settings.contains(key)) return std::string(NameNotFoundStatus);
    const QVariant stored = settings.value(key);
    // The settings file reads a text with commas back as a list.
    const QString text =
        stored.typeId() == QMetaType::QStringList ? stored.toStringList().join(u", ") : stored.toString();
    if (text.isEmpty()) return std::string(NameNotFoundStatus);
    value = text.toStdString();
    if (settings.status() == QSettings::NoError) return std::string(ReadOkStatus);
    if (!value.empty()) return std::string(ReadOkProbablyStatus);
    return "4 " + StatusDescription(settings.status());
}

bool SaveRegistryString(std::string_view key, std::string_view name, std::string_view value, bool showError,
                        const MessageCallback& show) {
    const std::string stored = value.empty() ? std::string(" ") : std::string(value);
    const std::string status =
        WriteRegistryValue(RegistryRoot::CurrentUser, std::string(RegistryBaseKey) + std::string(key), name, stored);
    const bool ok = StatusIsSuccess(status);
    if (!ok && showError && show) {
        std::string text = "Error saving to registry:";
        text += std::string(CrLf) + "strKey=" + std::string(key);
        text += std::string(CrLf) + "strName=" + std::string(name);
        text += std::string(CrLf) + "strValue=" + stored;
        show(SupportMessage{"", text, false});
    }
    return ok;
}

bool GetRegistryString(std::string_view key, std::string_view name, std::string& value, bool showError,
                       std::string_view defaultValue, const MessageCallback& show) {
    value.clear();
    const std::string status =
        ReadRegistryValue(RegistryRoot::CurrentUser, std::string(RegistryBaseKey) + std::string(key), name, value);
    if (StatusIsSuccess(status)) return true;
    if (showError && show) {
        std::string text = "Error restoring from registry:";
        text += std::string(CrLf) + "strKey=" + std::string(key);
        text += std::string(CrLf) + "strName=" + std::string(name);
        text += std::string(CrLf) + "strValue=" + value;
        text += std::string(CrLf) + "strDefaultValueOnError=" + std::string(defaultValue);
        show(SupportMessage{"", text, false});
    }
    value = defaultValue;
    return false;
}

bool SaveCountrySetting(int countryIndex) {
    return SaveRegistryString(OrbelRegistryKey, CountryValueName, std::to_string(countryIndex), false);
}

namespace {

// The stored one-digit index `name`, or `fallback` when it is missing or
// anything but "0" .. count - 1.
int StoredIndex(std::string_view name, int count, int fallback) {
    std::string text;
    GetRegistryString(OrbelRegistryKey, name, text, false, "");
    return text.size() == 1 && text[0] >= '0' && text[0] < '0' + count ? text[0] - '0' : fallback;
}

}  // namespace

int StoredCountryIndex() { return StoredIndex(CountryValueName, StoredCountryCount, 1); }

bool SaveNamesSetting(int namesIndex) {
    return SaveRegistryString(OrbelRegistryKey, NamesValueName, std::to_string(namesIndex), false);
}

int StoredNamesIndex() { return StoredIndex(NamesValueName, StoredNamesCount, 0); }

bool SaveAsObservedSetting(bool asObserved) {
    return SaveRegistryString(OrbelRegistryKey, AsObservedValueName, asObserved ? "1" : "0", false);
}

bool StoredAsObserved() {
    std::string text;
    GetRegistryString(OrbelRegistryKey, AsObservedValueName, text, false, "");
    return text == "1";
}

}  // namespace orbel
