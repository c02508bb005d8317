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
#include "views/image_saving.h"

using namespace orbel;

namespace {

class ImageSaving : public ::testing::Test {
protected:
    std::string Path(const char* name) const { return dir_.filePath(name).toStdString(); }
    bool Exists(const char* name) const { return QFile::exists(dir_.filePath(name)); }

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
            "Save image of this calendar month as a PNG file", errorText_);
    }

    QTemporaryDir dir_;
    ScriptedUserPort port_;
    std::string errorText_;
    int writes_ = 0;
};

}  // namespace

TEST_F(ImageSaving, PngSavedAndTheBitmapOnTheWayDeleted) {
    ASSERT_TRUE(Save(Path("month.png")));
    EXPECT_FALSE(Exists("month.bmp"));
    const QImage png(dir_.filePath("month.png"), "PNG");
    EXPECT_EQ(png.size(), QSize(40, 30));
    EXPECT_EQ(png.pixel(5, 5), qRgb(198, 0, 0));
    EXPECT_EQ(errorText_, "No Error");
    ASSERT_EQ(port_.fileDialogs.size(), 1u);
    EXPECT_EQ(port_.fileDialogs[0].title, "Save image of this calendar month as a PNG file");
    ASSERT_EQ(port_.messages.size(), 1u);
    EXPECT_EQ(port_.messages[0].title, "Save image");
    EXPECT_EQ(port_.messages[0].text, "The image has been saved in the PNG file\r\n" + Path("month.png"));
    EXPECT_FALSE(port_.busy);
}

TEST_F(ImageSaving, FailedConversionKeepsTheBitmapAndNamesIt) {
    // A folder where the PNG file should go: pixelo cannot write it.
    ASSERT_TRUE(QDir(dir_.path()).mkdir("month.png"));
    ASSERT_TRUE(Save(Path("month.png")));
    EXPECT_TRUE(QImage(dir_.filePath("month.bmp"), "BMP").size() == QSize(40, 30));
    EXPECT_TRUE(QFileInfo(dir_.filePath("month.png")).isDir()) << "a folder is never deleted as a partial PNG";
    EXPECT_NE(errorText_, "No Error");
    ASSERT_EQ(port_.messages.size(), 1u);
    EXPECT_EQ(port_.messages[0].text,
              "Save error.  The image has been saved instead in the BMP file\r\n" + Path("month.bmp"));
}

TEST_F(ImageSaving, CancelledDialogSavesNothing) {
    EXPECT_FALSE(Save(""));
    EXPECT_EQ(writes_, 0);
    EXPECT_TRUE(port_.messages.empty());
    EXPECT_TRUE(QDir(dir_.path()).isEmpty());
}

TEST_F(ImageSaving, UnwritableBitmapGivesTheErrorMessageAndLeavesNoFile) {
    EXPECT_FALSE(Save(Path("month.png"), false));
    ASSERT_EQ(port_.messages.size(), 1u);
    EXPECT_EQ(port_.messages[0].text, "Error when attempting to save image.  Please try again.");
    EXPECT_TRUE(QDir(dir_.path()).isEmpty());
}

TEST_F(ImageSaving, NameWithoutPngEndingAndAnExistingBitmapOfTheUser) {
    QFile mine(dir_.filePath("photo.bmp"));
    ASSERT_TRUE(mine.open(QIODevice::WriteOnly));
    mine.write("the user's own picture");
    mine.close();
    const ImagePaths paths = ImagePathsForChosenName(Path("photo"));
    EXPECT_EQ(paths.png, Path("photo.png"));
    EXPECT_EQ(paths.bmp, Path("photo-2.bmp"));
    ASSERT_TRUE(Save(Path("photo")));
    EXPECT_TRUE(Exists("photo.png"));
    EXPECT_FALSE(Exists("photo-2.bmp"));
    ASSERT_TRUE(mine.open(QIODevice::ReadOnly));
    EXPECT_EQ(mine.readAll(), "the user's own picture");
    EXPECT_EQ(ImagePathsForChosenName(Path("x.PNG")).bmp, Path("x.bmp"));
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
