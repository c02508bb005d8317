// Saving a window's image: the save dialog, the BMP written on the way, its
// conversion to PNG by pixelo and the messages that say where the image is.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include <string>

#include "support/scripted_user_port.h"
#include "services/image_conversion.h"
#include "tests/golden.h"
#include "views/image_saving.h"

using namespace orbel;

namespace {

class ImageSaving : public ::testing::Test {
protected:
    std::string Path(const char* name) const { return dir_.filePath(name).toStdString(); }

    // Saves a small picture as a window would, answering the dialog with
    // `chosen` (empty: cancelled).
    bool Save(const std::string& chosen, bool writable = true) {
        if (!chosen.empty()) port_.fileNames.push_back(chosen);
        return SaveWindowImage(
            port_,
            [this, writable](const std::string& bmp) {
                ++writes_;
                QImage image(40, 30, QImage::Format_RGB32);
                image.fill(qRgb(198, 0, 0));
                return writable && image.save(QString::fromStdString(bmp), "BMP");
            },
            "Save image of this calendar month as a PNG file", "lunar_month_2024-02-10.png", errorText_);
    }

    // One line for a save: its result, the bitmaps written, pixelo's text,
    // the folder's entries (a folder marked /), then the dialogs and messages.
    void Note(const std::string& step, bool saved) {
        const std::string folder = dir_.path().toStdString();
        if (const std::size_t at = errorText_.find(folder); at != std::string::npos)
            errorText_.replace(at, folder.size(), "<folder>");
        errorText_ = errorText_.substr(0, errorText_.find(": "));  // the system's reason varies
        transcript_ += step + ": " + (saved ? "saved" : "not saved") + ", bitmaps written " + std::to_string(writes_) +
                       ", error text \"" + errorText_ + "\"" + (port_.busy ? ", busy" : "") + ", folder:";
        for (const QFileInfo& entry : QDir(dir_.path()).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot))
            transcript_ += " " + entry.fileName().toStdString() + (entry.isDir() ? "/" : "");
        transcript_ += "\n" + orbel::testing::TakeMessages(port_, folder);
        writes_ = 0;
        errorText_.clear();
    }

    QTemporaryDir dir_;
    ScriptedUserPort port_;
    std::string errorText_, transcript_;
    int writes_ = 0;
};

}  // namespace

// The PNG is saved and the bitmap on the way deleted; a bitmap that cannot
// be written gives the error message; when pixelo cannot write the PNG the
// bitmap stays and is named; a bitmap of the user's beside the chosen name
// is left alone.
TEST_F(ImageSaving, Session) {
    Note("Dialog cancelled", Save(""));
    Note("Bitmap not writable", Save(Path("month.png"), false));
    Note("month.png", Save(Path("month.png")));
    const QImage png(dir_.filePath("month.png"), "PNG");
    EXPECT_EQ(png.size(), QSize(40, 30));
    EXPECT_EQ(png.pixel(5, 5), qRgb(198, 0, 0));

    // A folder where the PNG file should go: pixelo cannot write it, and a
    // folder is never deleted as a partial PNG.
    ASSERT_TRUE(QDir(dir_.path()).mkdir("folder.png"));
    Note("folder.png, a folder", Save(Path("folder.png")));
    EXPECT_EQ(QImage(dir_.filePath("folder.bmp"), "BMP").size(), QSize(40, 30));

    QFile mine(dir_.filePath("photo.bmp"));
    ASSERT_TRUE(mine.open(QIODevice::WriteOnly));
    mine.write("the user's own picture");
    mine.close();
    EXPECT_EQ(ImagePathsForChosenName(Path("photo")).bmp, Path("photo-2.bmp"));
    Note("photo, beside the user's photo.bmp", Save(Path("photo")));
    ASSERT_TRUE(mine.open(QIODevice::ReadOnly));
    EXPECT_EQ(mine.readAll(), "the user's own picture");
    EXPECT_EQ(ImagePathsForChosenName(Path("x.PNG")).bmp, Path("x.bmp"));
    orbel::testing::ExpectGolden("image_saving.txt", transcript_);
}

TEST(Pixelo, ErrorTextContract) {
    QTemporaryDir dir;
    const std::string notBmp = dir.filePath("plain.bmp").toStdString();
    QFile f(QString::fromStdString(notBmp));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("not a bitmap");
    f.close();
    char buffer[PixeloErrorBufferSize];
    const int length = convert_graphics_file_3(notBmp.c_str(), (notBmp + ".png").c_str(), buffer);
    const std::string text(buffer, static_cast<size_t>(length));
    EXPECT_TRUE(text.starts_with("Cannot read the BMP file " + notBmp)) << text;
    EXPECT_FALSE(QFile::exists(QString::fromStdString(notBmp + ".png")));
    // A text longer than the buffer is cut at its size.
    const std::string longName = std::string(300, 'x') + ".bmp";
    EXPECT_EQ(convert_graphics_file_3(longName.c_str(), "out.png", buffer), static_cast<int>(PixeloErrorBufferSize));
}
