// Every file the program writes goes through the checked writer: with the
// process's file-size limit lowered below the new file's size, each writer
// reports the failure, the file that was there keeps its bytes and no
// temporary file is left beside it.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <functional>
#include <random>

#include "app/saved_state_file.h"
#include "support/checked_writer.h"
#include "support/scripted_user_port.h"
#include "tests/file_size_limit.h"
#include "tests/golden.h"
#include "views/image_saving.h"
#include "views/log_window.h"

using namespace orbel;
using orbel::testing::FileSizeLimit;

namespace {

constexpr rlim_t LimitBytes = 64;
const std::string GoodFile = "the good file\n";

// A writer of the program; returns what it told its caller or the person.
using Writer = std::function<std::string(const std::string& path)>;

struct Case {
    const char* name;
    Writer write;
};

std::string LogSavedTo(const std::string& path) {
    ScriptedUserPort port;
    LogWindowModel log(port);
    DisplayedMoment moment;
    moment.ceText = "2024-02-10 CE 12:00 GMT Saturday";
    log.AddToLog(moment, LogPreferences{.ce = true}, "The Chinese Calendar: New Years, Dark Moons and Solar Terms");
    port.fileNames.push_back(path);
    log.cmdSaveLog_Click();
    return port.messages.empty() ? "" : port.messages.back().text;
}

// pixelo's PNG of a picture of noise, larger than the limit.
std::string PngConvertedTo(const std::string& path) {
    QImage noise(64, 64, QImage::Format_RGB32);
    std::mt19937 random(17);
    for (int y = 0; y < noise.height(); ++y)
        for (int x = 0; x < noise.width(); ++x) noise.setPixel(x, y, static_cast<QRgb>(random()));
    const std::string bmp = path + ".bmp";
    // The bitmap must exist before the limit is lowered.
    {
        FileSizeLimit none(RLIM_INFINITY);
        noise.save(QString::fromStdString(bmp), "BMP");
    }
    std::string error;
    ConvertImage(bmp, path, false, true, error);
    QFile::remove(QString::fromStdString(bmp));
    return error;
}

const Case Cases[] = {
    {"bytes", [](const std::string& p) { return WriteFileChecked(p, std::string(1000, 'x')).error; }},
    {"producer",
     [](const std::string& p) {
         return WriteFileChecked(p, [](const std::string& temporary, std::string& error) {
                    error = "a producer that cannot write " + std::to_string(QFile(QString::fromStdString(temporary)).size());
                    return false;
                }).error;
     }},
    {"state file", [](const std::string& p) { return WriteStateFile(p, SavedState{}).message; }},
    {"log", LogSavedTo},
    {"PNG image", PngConvertedTo},
};

}  // namespace

TEST(CheckedWriter, AFailedWriteLeavesThePreviousFileAndReportsWhy) {
    for (const Case& c : Cases) {
        QTemporaryDir dir;
        const std::string path = dir.filePath("file").toStdString();
        ASSERT_TRUE(WriteFileChecked(path, GoodFile).ok);
        std::string told;
        {
            FileSizeLimit limit(LimitBytes);
            told = c.write(path);
        }
        EXPECT_EQ(orbel::testing::FileText(path), GoodFile) << c.name;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                  QStringList{"file"})
            << c.name;
        const std::string reason = c.name == std::string("producer") ? "cannot write 0" : "File too large";
        EXPECT_NE(told.find(reason), std::string::npos) << c.name << ": " << told;
    }
}

TEST(CheckedWriter, WritesWholeFilesWithTheModeOfTheFileReplaced) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("file").toStdString();
    ASSERT_TRUE(WriteFileChecked(path, GoodFile).ok);
    namespace fs = std::filesystem;
    const fs::perms own = fs::perms::owner_read | fs::perms::owner_write;
    fs::permissions(path, own);
    const std::string big(1 << 20, 'y');
    EXPECT_TRUE(WriteFileChecked(path, big).ok);
    EXPECT_EQ(orbel::testing::FileText(path), big);
    EXPECT_EQ(fs::status(path).permissions(), own);
    // A folder in the way, and a folder that does not exist.
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
    EXPECT_EQ(WriteFileChecked(dir.filePath("folder").toStdString(), GoodFile).error, "Is a directory");
    EXPECT_EQ(WriteFileChecked(dir.filePath("none/file").toStdString(), GoodFile).error, "No such file or directory");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              (QStringList{"file", "folder"}));
}
