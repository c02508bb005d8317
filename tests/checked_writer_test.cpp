// Every file the program writes goes through the checked writer: with the
// process's file-size limit below the new file's size, each writer reports
// the failure, the file that was there keeps its bytes and no temporary file
// is left beside it. (The calendar file: calendar_file_test; the log's and a
// missing folder: log_test; a folder in the way: image_saving_test.)
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <functional>
#include <random>

#include "app/saved_state_file.h"
#include "support/checked_writer.h"
#include "tests/file_size_limit.h"
#include "tests/golden.h"
#include "views/image_saving.h"

using namespace orbel;
using orbel::testing::FileText;

namespace {

const std::string GoodFile = "the good file\n";

QStringList Entries(const QTemporaryDir& dir) {
    return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

// A picture of noise, whose PNG is larger than the limit, as a bitmap.
std::string NoiseBitmap(const QTemporaryDir& dir) {
    QImage noise(64, 64, QImage::Format_RGB32);
    std::mt19937 random(17);
    for (int i = 0; i < 64 * 64; ++i) noise.setPixel(i % 64, i / 64, static_cast<QRgb>(random()));
    const QString bmp = dir.filePath("noise.bmp");
    noise.save(bmp, "BMP");
    return bmp.toStdString();
}

}  // namespace

TEST(CheckedWriter, AFailedWriteLeavesThePreviousFileAndReportsWhy) {
    QTemporaryDir pictures;
    const std::string bitmap = NoiseBitmap(pictures);
    const std::pair<const char*, std::function<std::string(const std::string&)>> writers[] = {
        {"bytes", [](const std::string& p) { return WriteFileChecked(p, std::string(1000, 'x')).error; }},
        {"state file", [](const std::string& p) { return WriteStateFile(p, SavedState{}).message; }},
        {"PNG image", [&](const std::string& p) {
             std::string error;
             ConvertImage(bitmap, p, false, true, error);
             return error;
         }},
    };
    for (const auto& [name, write] : writers) {
        QTemporaryDir dir;
        const std::string path = dir.filePath("file").toStdString();
        ASSERT_TRUE(WriteFileChecked(path, GoodFile).ok);
        std::string told;
        {
            orbel::testing::FileSizeLimit limit(64);
            told = write(path);
        }
        EXPECT_EQ(FileText(path), GoodFile) << name;
        EXPECT_EQ(Entries(dir), QStringList{"file"}) << name;
        EXPECT_NE(told.find("File too large"), std::string::npos) << name << ": " << told;
    }
}
