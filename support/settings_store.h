#pragma once
// Registry3: the per-user settings store. String values live under the
// maker's key, "Software\Corvane Systems", followed by a sub-key such as
// "\ORBEL". On this platform the store is QSettings in the user scope:
// organisation "Corvane Systems" (the key's second part), one group per
// further part of the key ("\ORBEL" is the group ORBEL), the value name as the
// key inside the group. On Linux that is ~/.config/Corvane Systems.conf.
//
// Every operation reports success as a flag or as a status text whose first
// character is "0" on success; none throws.
#include <string>
#include <string_view>

#include "support/support_message.h"

namespace orbel {

inline constexpr std::string_view RegistryBaseKey = "Software\\Corvane Systems";
inline constexpr std::string_view OrbelRegistryKey = "\\ORBEL";
inline constexpr std::string_view CountryValueName = "cboRefLong";
inline constexpr std::string_view NamesValueName = "cboNames";
inline constexpr std::string_view AsObservedValueName = "chkAsObserved";

// Status texts of WriteRegistryValue (the description of the value write
// follows after two blanks).
inline constexpr std::string_view KeyCreatedStatus = "0 New key created.";
inline constexpr std::string_view KeyExistsStatus = "0 Key already exists.";
inline constexpr std::string_view KeyAnomalyStatus = "0 Key anomaly.";
inline constexpr std::string_view KeyFailureText = "Unable to create (or find) key.";
// The key was opened but the value could not be stored: not a success, so it
// does not begin with "0".
inline constexpr std::string_view ValueNotWrittenStatus = "5 Unable to write value.";
inline constexpr std::string_view OperationCompletedText = "The operation completed successfully.";

// Status texts of ReadRegistryValue.
inline constexpr std::string_view KeyNotFoundStatus = "1 Key not found or is empty.";
inline constexpr std::string_view NameNotSpecifiedStatus = "2 Name not specified.";
inline constexpr std::string_view NameNotFoundStatus = "3 Name not found.";
inline constexpr std::string_view ReadOkStatus = "0 OK";
inline constexpr std::string_view ReadOkProbablyStatus = "0 OK probably";

// The current user's part of the store (HKEY_CURRENT_USER); the only root
// this program uses.
enum class RegistryRoot { CurrentUser };

// Creates or opens `fullKey` ("Software\<organisation>[\<group>...]") and sets
// the value `name` to `value`. Returns the status text.
std::string WriteRegistryValue(RegistryRoot root, std::string_view fullKey, std::string_view name,
                               std::string_view value);

// Reads the value `name` of `fullKey` into `value` (emptied first). Returns
// the status text.
std::string ReadRegistryValue(RegistryRoot root, std::string_view fullKey, std::string_view name,
                              std::string& value);

// Stores `value` (an empty text as a single blank) under the base key followed
// by `key`. True on success. On failure with `showError`, `show` receives the
// message "Error saving to registry:" with the key, name and value.
bool SaveRegistryString(std::string_view key, std::string_view name, std::string_view value, bool showError,
                        const MessageCallback& show = {});

// Reads the value under the base key followed by `key` into `value`. True on
// success; on failure `value` is `defaultValue` and, with `showError`, `show`
// receives "Error restoring from registry:" with the key, name, value read and
// default.
bool GetRegistryString(std::string_view key, std::string_view name, std::string& value, bool showError,
                       std::string_view defaultValue, const MessageCallback& show = {});

// The country setting of the main window: "\ORBEL", "cboRefLong".
// Writes the index as decimal text, silently; true on success.
bool SaveCountrySetting(int countryIndex);
// The stored country index 0 (Vietnam), 1 (China), 2 (Japan) or 3 (Korea);
// China (1) when the value is missing, unreadable or anything but "0" .. "3".
inline constexpr int StoredCountryCount = 4;
int StoredCountryIndex();

// The names setting of the main window, beside the country: "\ORBEL",
// "cboNames", the index of the names list as decimal text, written silently.
// The stored index 0 (English) .. 5, English when missing or anything else.
inline constexpr int StoredNamesCount = 6;
bool SaveNamesSetting(int namesIndex);
int StoredNamesIndex();
// The main window's "As observed" tick: "\ORBEL", "chkAsObserved", "1" or "0".
bool SaveAsObservedSetting(bool asObserved);
// True only when the stored value is "1".
bool StoredAsObserved();

}  // namespace orbel
