// File utilities and web links (the loading notice is checked on the real
// windows in gui/frm_calendar_test.cpp).
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <fstream>
#include <string>
#include <vector>

#include "support/file_utilities.h"
#include "support/web_link.h"
#include "tests/golden.h"

namespace orbel {
namespace {

// --- Folders and files ------------------------------------------------------------

// Under the base folder, else under the ready drive.
TEST(FileUtilities, DataFilePathCreatesTheMakersFolder) {
    QTemporaryDir base, drive;
    const std::string path = DataFilePathIn(base.path().toStdString(), "/unused", "orbel.usr", "Corvane_Systems");
    EXPECT_EQ(path, base.path().toStdString() + "/Corvane_Systems/orbel.usr");
    EXPECT_TRUE(QFileInfo(base.filePath("Corvane_Systems")).isDir());
    // Again, with the folder there and a base that ends with a separator.
    EXPECT_EQ(DataFilePathIn(base.path().toStdString() + "/", "", "orbel.usr", "Corvane_Systems"), path);
    EXPECT_EQ(DataFilePathIn("", drive.path().toStdString(), "orbel.usr", "Corvane_Systems"),
              drive.path().toStdString() + "/Corvane_Systems/orbel.usr");
    EXPECT_TRUE(QFileInfo(drive.filePath("Corvane_Systems")).isDir());
    EXPECT_EQ(DataFilePathIn("", "C:", "orbel.usr", "Corvane_Systems").substr(0, 19), "C:/Corvane_Systems/");
    QDir().rmpath("C:/Corvane_Systems");  // made in the working folder
    EXPECT_TRUE(IsDirectory(FirstReadyDrive()));
}

TEST(FileUtilities, AFolderThatCannotBeMadeLeavesThePathForTheCallerToFail) {
    QTemporaryDir base;
    std::ofstream(base.filePath("Corvane_Systems").toStdString()) << "";  // a file where the folder should be
    const std::string path = DataFilePathIn(base.path().toStdString(), "", "orbel.usr", "Corvane_Systems");
    EXPECT_EQ(path, base.path().toStdString() + "/Corvane_Systems/orbel.usr");
}

TEST(FileUtilities, IsDirectoryTrimsAndTellsFilesFromFolders) {
    QTemporaryDir base;
    const std::string folder = base.path().toStdString();
    EXPECT_TRUE(IsDirectory(folder));
    EXPECT_TRUE(IsDirectory("  " + folder + " \t"));
    EXPECT_FALSE(IsDirectory(folder + "/absent"));
    EXPECT_FALSE(IsDirectory(""));
    EXPECT_FALSE(IsDirectory("   "));
    std::ofstream(base.filePath("f").toStdString()) << "";
    EXPECT_FALSE(IsDirectory(folder + "/f"));
}

TEST(FileUtilities, TheApplicationDataFolderIsTheGenericDataLocation) {
    QStandardPaths::setTestModeEnabled(true);
    const std::string appData = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString();
    EXPECT_EQ(SpecialFolderPath(AppDataFolder), appData);
    EXPECT_EQ(SpecialFolderPath(12345), "");
    EXPECT_EQ(DefaultStateFilePath(), appData + "/Corvane_Systems/orbel.usr");
    EXPECT_TRUE(IsDirectory(appData + "/Corvane_Systems"));
    QDir(QString::fromStdString(appData + "/Corvane_Systems")).removeRecursively();
    QStandardPaths::setTestModeEnabled(false);
}

// --- Web links ----------------------------------------------------------------------

class ScriptedLauncher : public WebPageLauncher {
public:
    explicit ScriptedLauncher(int32_t result) : result_(result) {}
    int32_t Launch(const std::string& address) override {
        addresses.push_back(address);
        return result_;
    }
    std::vector<std::string> addresses;

private:
    int32_t result_;
};

TEST(WebLink, Cases) {
    using Args = const std::vector<std::string>&;
    orbel::testing::ExpectCaseTable(
        "web_link_cases.txt",
        {{"OpenWebPage",
          [](Args a) {
              ScriptedLauncher launcher(std::stoi(a[1]));
              std::string shown;
              const bool opened = OpenWebPage(a[0], launcher, [&](const SupportMessage& m) {
                  shown += " [" + m.title + "]" + (m.exclamation ? "! " : " ") + m.text;
              });
              for (std::size_t at; (at = shown.find("\r\n")) != std::string::npos;) shown.replace(at, 2, "|");
              std::string result;
              for (const std::string& address : launcher.addresses) result += "launched " + address;
              return result + (opened == shown.empty() ? "" : " (opened and shown disagree)") +
                     (opened ? "" : ", not opened:" + shown);
          }},
         {"AddressExtension", [](Args a) { return AddressExtension(a[0]); }},
         {"MakerSiteAddress", [](Args a) { return MakerSiteAddress(a[0]); }},
         {"OnlineManualAddress", [](Args a) { return OnlineManualAddress(a[0]); }}});
}

}  // namespace
}  // namespace orbel
