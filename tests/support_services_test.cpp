// File utilities, web links and the loading notice.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "support/file_utilities.h"
#include "support/now_loading_notice.h"
#include "support/web_link.h"

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
    QFile blocker(base.filePath("Corvane_Systems"));  // a file where the folder should be
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const std::string path = DataFilePathIn(base.path().toStdString(), "", "orbel.usr", "Corvane_Systems");
    EXPECT_EQ(path, base.path().toStdString() + "/Corvane_Systems/orbel.usr");
    QFile state(QString::fromStdString(path));
    EXPECT_FALSE(state.open(QIODevice::WriteOnly));
}

TEST(FileUtilities, IsDirectoryTrimsAndTellsFilesFromFolders) {
    QTemporaryDir base;
    const std::string folder = base.path().toStdString();
    EXPECT_TRUE(IsDirectory(folder));
    EXPECT_TRUE(IsDirectory("  " + folder + " \t"));
    EXPECT_FALSE(IsDirectory(folder + "/absent"));
    EXPECT_FALSE(IsDirectory(""));
    EXPECT_FALSE(IsDirectory("   "));
    QFile file(base.filePath("f"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_FALSE(IsDirectory(folder + "/f"));
}

TEST(FileUtilities, TheApplicationDataFolderIsTheGenericDataLocation) {
    QStandardPaths::setTestModeEnabled(true);
    const std::string appData = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString();
    EXPECT_EQ(SpecialFolderPath(AppDataFolder), appData);
    EXPECT_EQ(SpecialFolderPath(12345), "");
    const std::string statePath = DefaultStateFilePath();
    EXPECT_EQ(statePath, appData + "/Corvane_Systems/orbel.usr");
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

TEST(WebLink, HttpAddressesOpenAsHttps) {
    ScriptedLauncher launcher(LaunchSucceeded);
    std::vector<SupportMessage> shown;
    const MessageCallback show = [&](const SupportMessage& m) { shown.push_back(m); };
    EXPECT_TRUE(OpenWebPage("http://example.org/manual.html", launcher, show));
    EXPECT_TRUE(OpenWebPage("HTTP://example.org/", launcher, show));
    EXPECT_TRUE(OpenWebPage("https://example.org/?from=http://x", launcher, show));
    EXPECT_TRUE(OpenWebPage("file:///opt/orbel/README.md", launcher, show));
    EXPECT_EQ(launcher.addresses, (std::vector<std::string>{"https://example.org/manual.html", "https://example.org/",
                                                            "https://example.org/?from=http://x",
                                                            "file:///opt/orbel/README.md"}));
    EXPECT_TRUE(shown.empty());
}

TEST(WebLink, FailureMessages) {
    struct Case {
        int32_t result;
        std::string text;
    };
    const Case cases[] = {
        {31, "Error launching web browser, error code = 31.\r\n"
             "File extension 'html' is not associated with any application program."},
        {8, "Error launching web browser, error code = 8.\r\nOut of memory."},
        {2, "Error launching web browser, error code = 2.\r\nPlease try once more."},
        {0, "Error launching web browser, error code = 0."},
        {32, "Error launching web browser, error code = 32."},
        {-3, "Error launching web browser, error code =-3."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.result);
        ScriptedLauncher launcher(c.result);
        std::vector<SupportMessage> shown;
        EXPECT_FALSE(OpenWebPage("http://example.org/docs/manual.html?page=2", launcher,
                                 [&](const SupportMessage& m) { shown.push_back(m); }));
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].title, "Cannot launch web browser");
        EXPECT_TRUE(shown[0].exclamation);
        EXPECT_EQ(shown[0].text, c.text);
    }
}

TEST(WebLink, ExtensionOfTheLastPathPart) {
    EXPECT_EQ(AddressExtension("https://example.org/a.b/manual.html"), "html");
    EXPECT_EQ(AddressExtension("https://example.org/a.b/manual"), "");
    EXPECT_EQ(AddressExtension("https://example.org/page.php?x=1.5#s.t"), "php");
    EXPECT_EQ(AddressExtension("file:///opt/orbel/README.md"), "md");
}

// The labels open the HTML manual, which a desktop opens with its browser,
// and the build puts it beside the program with the picture it shows.
TEST(WebLink, LabelAddressesAreTheUserManualBesideTheProgram) {
    EXPECT_EQ(MakerSiteAddress("/opt/orbel/"), "file:///opt/orbel/manual.html");
    EXPECT_EQ(OnlineManualAddress("/opt/orbel"), "file:///opt/orbel/manual.html");
    QFile manual(QString(ORBEL_LIBRARY_FOLDER) + "/manual.html");
    ASSERT_TRUE(manual.open(QIODevice::ReadOnly));
    const QString page = QString::fromUtf8(manual.readAll());
    EXPECT_TRUE(page.contains("<img src=\"main-window.png\""));
    EXPECT_TRUE(QFileInfo(QString(ORBEL_LIBRARY_FOLDER) + "/main-window.png").isFile());
}

// --- Loading notice -----------------------------------------------------------------

TEST(NowLoadingNotice, ShownOverTheMoveControlsUntilTheImagesAreLoaded) {
    NowLoadingNotice notice;
    EXPECT_FALSE(notice.visible);
    EXPECT_TRUE(notice.ShowIfImagesNotLoaded({100, 50}, {12, 340}, 220));
    EXPECT_TRUE(notice.visible);
    EXPECT_EQ(notice.label1Width, 220);
    EXPECT_EQ(notice.position, (NoticePoint{112, 390}));
    // Closed without loading, it shows again where the main window now is.
    notice.visible = false;
    EXPECT_TRUE(notice.ShowIfImagesNotLoaded({-400, 700}, {12, 340}, 220));
    EXPECT_EQ(notice.position, (NoticePoint{-388, 1040}));
    notice.ImagesLoaded();
    EXPECT_FALSE(notice.visible);
    EXPECT_TRUE(notice.imagesLoaded());
    EXPECT_FALSE(notice.ShowIfImagesNotLoaded({0, 0}, {12, 340}, 220));
    EXPECT_FALSE(notice.visible);
}

}  // namespace
}  // namespace orbel
