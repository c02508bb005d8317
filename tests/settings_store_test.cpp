#include "support/settings_store.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/temporary_settings.h"

namespace orbel {
namespace {

using testing::TemporarySettings;

const std::string OrbelFullKey = "Software\\Corvane Systems\\ORBEL";

struct RecordedMessages {
    std::vector<SupportMessage> messages;
    MessageCallback Callback() {
        return [this](const SupportMessage& m) { messages.push_back(m); };
    }
};

TEST(SettingsStore, WriteReportsNewKeyThenExistingKey) {
    TemporarySettings settings;
    EXPECT_EQ(WriteRegistryValue(RegistryRoot::CurrentUser, OrbelFullKey, "cboRefLong", "2"),
              "0 New key created.  The operation completed successfully.");
    EXPECT_EQ(WriteRegistryValue(RegistryRoot::CurrentUser, OrbelFullKey, "cboRefLong", "0"),
              "0 Key already exists.  The operation completed successfully.");
    std::string value;
    EXPECT_EQ(ReadRegistryValue(RegistryRoot::CurrentUser, OrbelFullKey, "cboRefLong", value), "0 OK");
    EXPECT_EQ(value, "0");
    // Kept in the maker's own settings file, group ORBEL.
    EXPECT_NE(settings.StoreFileText().find("[ORBEL]"), std::string::npos);
    EXPECT_NE(settings.StoreFileText().find("cboRefLong=0"), std::string::npos);
}

TEST(SettingsStore, ReadStatusesForMissingKeyNameAndValue) {
    TemporarySettings settings;
    std::string value = "stale";
    EXPECT_EQ(ReadRegistryValue(RegistryRoot::CurrentUser, OrbelFullKey, "cboRefLong", value),
              "1 Key not found or is empty.");
    EXPECT_EQ(value, "");
    EXPECT_EQ(ReadRegistryValue(RegistryRoot::CurrentUser, "", "cboRefLong", value), "1 Key not found or is empty.");
    EXPECT_EQ(ReadRegistryValue(RegistryRoot::CurrentUser, "Hardware\\Corvane Systems\\ORBEL", "x", value),
              "1 Key not found or is empty.");

    WriteRegistryValue(RegistryRoot::CurrentUser, OrbelFullKey, "other", "1");
    EXPECT_EQ(ReadRegistryValue(RegistryRoot::CurrentUser, OrbelFullKey, "", value), "2 Name not specified.");
    EXPECT_EQ(ReadRegistryValue(RegistryRoot::CurrentUser, OrbelFullKey, "cboRefLong", value), "3 Name not found.");
    // A value that exists but is empty counts as missing.
    WriteRegistryValue(RegistryRoot::CurrentUser, OrbelFullKey, "cboRefLong", "");
    EXPECT_EQ(ReadRegistryValue(RegistryRoot::CurrentUser, OrbelFullKey, "cboRefLong", value), "3 Name not found.");
}

// Saved under the maker's base key, read back through it and through the
// full key; an empty text is stored as one blank.
TEST(SettingsStore, TextsComeBackUnchangedUnderTheMakersBaseKey) {
    TemporarySettings settings;
    for (const std::string text : {"a, b, c", "120º East", " leading and trailing ", "back\\slash", "=;#[x]", ""}) {
        const std::string back = text.empty() ? " " : text;
        SCOPED_TRACE(text);
        ASSERT_TRUE(SaveRegistryString("\\ORBEL", "note", text, false));
        std::string value = "stale";
        ASSERT_TRUE(GetRegistryString("\\ORBEL", "note", value, true, "default"));
        EXPECT_EQ(value, back);
        EXPECT_EQ(ReadRegistryValue(RegistryRoot::CurrentUser, OrbelFullKey, "note", value), "0 OK");
        EXPECT_EQ(value, back);
    }
}

TEST(SettingsStore, FirstRunReadGivesTheDefaultQuietlyOrWithTheMessage) {
    TemporarySettings settings;
    RecordedMessages recorded;
    std::string value = "stale";
    EXPECT_FALSE(GetRegistryString("\\ORBEL", "cboRefLong", value, false, "", recorded.Callback()));
    EXPECT_EQ(value, "");
    EXPECT_TRUE(recorded.messages.empty());

    EXPECT_FALSE(GetRegistryString("\\ORBEL", "cboRefLong", value, true, "1", recorded.Callback()));
    EXPECT_EQ(value, "1");
    ASSERT_EQ(recorded.messages.size(), 1u);
    EXPECT_EQ(recorded.messages[0].title, "");
    EXPECT_FALSE(recorded.messages[0].exclamation);
    EXPECT_EQ(recorded.messages[0].text,
              "Error restoring from registry:\r\nstrKey=\\ORBEL\r\nstrName=cboRefLong\r\nstrValue=\r\n"
              "strDefaultValueOnError=1");
}

TEST(SettingsStore, AStoreThatCannotBeWrittenFailsAndExplainsWhenAsked) {
    TemporarySettings settings;
    settings.MakeUnwritable();
    const std::string status = WriteRegistryValue(RegistryRoot::CurrentUser, OrbelFullKey, "cboRefLong", "1");
    EXPECT_NE(status.find("Unable to create (or find) key."), std::string::npos) << status;
    EXPECT_NE(status.front(), '0');

    RecordedMessages recorded;
    EXPECT_FALSE(SaveRegistryString("\\ORBEL", "cboRefLong", "1", false, recorded.Callback()));
    EXPECT_TRUE(recorded.messages.empty());
    EXPECT_FALSE(SaveRegistryString("\\ORBEL", "cboRefLong", "1", true, recorded.Callback()));
    ASSERT_EQ(recorded.messages.size(), 1u);
    EXPECT_EQ(recorded.messages[0].text, "Error saving to registry:\r\nstrKey=\\ORBEL\r\nstrName=cboRefLong\r\nstrValue=1");
    EXPECT_FALSE(SaveCountrySetting(0));
    EXPECT_EQ(StoredCountryIndex(), 1);
}

TEST(SettingsStore, KeyPathsThatNameNoPlaceFail) {
    TemporarySettings settings;
    for (const auto& [key, name] : std::initializer_list<std::pair<std::string, std::string>>{
             {"", "n"}, {"Software", "n"}, {"Corvane Systems\\ORBEL", "n"}, {"Software\\Corvane Systems\\A/B", "n"},
             {OrbelFullKey, "a/b"}, {OrbelFullKey, ""}}) {
        const std::string status = WriteRegistryValue(RegistryRoot::CurrentUser, key, name, "v");
        EXPECT_NE(status.front(), '0') << key << " " << name << ": " << status;
    }
}

TEST(SettingsStore, CountryAndNamesSettingsRoundTripAndFallBack) {
    TemporarySettings settings;
    EXPECT_EQ(StoredCountryIndex(), 1);  // first run
    EXPECT_EQ(StoredNamesIndex(), 0);
    for (int country : {0, 1, 2, 3}) {
        ASSERT_TRUE(SaveCountrySetting(country));
        ASSERT_TRUE(SaveNamesSetting(country + 2));
        EXPECT_EQ(StoredCountryIndex(), country);
        EXPECT_EQ(StoredNamesIndex(), country + 2);
    }
    for (const std::string text : {"4", "", "-1", "01", "2 ", "Japan"}) {
        SCOPED_TRACE(text);
        ASSERT_TRUE(SaveRegistryString("\\ORBEL", "cboRefLong", text, false));
        ASSERT_TRUE(SaveRegistryString("\\ORBEL", "cboNames", text == "4" ? "6" : text, false));
        EXPECT_EQ(StoredCountryIndex(), 1);
        EXPECT_EQ(StoredNamesIndex(), 0);
    }
}

}  // namespace
}  // namespace orbel
