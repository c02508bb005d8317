#include "services/image_conversion.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>

#include <algorithm>
#include <cstring>
#include <string>

namespace orbel {
namespace {

int Report(const std::string& text, char* errorText) {
    const std::size_t length = std::min(text.size(), PixeloErrorBufferSize);
    std::memcpy(errorText, text.data(), length);
    if (length < PixeloErrorBufferSize) errorText[length] = '\0';
    return static_cast<int>(length);
}

}  // namespace

int convert_graphics_file_3(const char* source, const char* target, char* errorText) {
    if (source == nullptr || target == nullptr) return Report("No file name given", errorText);
    // The format is named, so that a file that is not a BMP is refused
    // whatever its contents would let a guessing reader make of it.
    QImageReader reader(QString::fromUtf8(source), "bmp");
    const QImage image = reader.read();
    if (image.isNull())
        return Report("Cannot read the BMP file " + std::string(source) + ": " + reader.errorString().toStdString(),
                      errorText);
    // Every write is checked, the last buffered bytes included: a full disk
    // or a file-size limit may first show when the file is flushed.
    QFile file(QString::fromUtf8(target));
    QImageWriter writer(&file, "png");
    const bool written = file.open(QIODevice::WriteOnly) && writer.write(image) && file.flush();
    const QString reason = file.error() != QFileDevice::NoError ? file.errorString() : writer.errorString();
    file.close();
    if (!written || file.error() != QFileDevice::NoError)
        return Report("Cannot write the PNG file " + std::string(target) + ": " +
                          (written ? file.errorString() : reason).toStdString(),
                      errorText);
    return Report(PixeloNoError, errorText);
}

}  // namespace orbel
