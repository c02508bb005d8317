#include "tools/pictures/gif_picture.h"

#include <QFile>

#include <gif_lib.h>

#include <memory>
#include <vector>

namespace orbel::pictures {
namespace {

constexpr int kColourCount = 256;  // a GIF colour table holds a power of two

struct GifCloser {
    void operator()(GifFileType* gif) const {
        int ignored = 0;
        EGifCloseFile(gif, &ignored);
    }
};

}  // namespace

bool WriteGifPicture(const QImage& image, const QString& path, QString& error) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    const int width = rgb.width();
    const int height = rgb.height();
    const size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
    std::vector<GifByteType> red(count), green(count), blue(count), indices(count);
    for (int y = 0; y < height; ++y) {
        const uchar* line = rgb.constScanLine(y);
        for (int x = 0; x < width; ++x) {
            const size_t i = static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x);
            red[i] = line[3 * x];
            green[i] = line[3 * x + 1];
            blue[i] = line[3 * x + 2];
        }
    }
    std::vector<GifColorType> colours(kColourCount);
    int colourCount = kColourCount;
    if (GifQuantizeBuffer(static_cast<unsigned>(width), static_cast<unsigned>(height), &colourCount, red.data(),
                          green.data(), blue.data(), indices.data(), colours.data()) == GIF_ERROR) {
        error = QStringLiteral("cannot choose the colours");
        return false;
    }
    std::unique_ptr<ColorMapObject, void (*)(ColorMapObject*)> map(GifMakeMapObject(kColourCount, colours.data()),
                                                                     GifFreeMapObject);
    int code = 0;
    std::unique_ptr<GifFileType, GifCloser> gif(EGifOpenFileName(path.toLocal8Bit().constData(), false, &code));
    if (!gif || !map) {
        error = QString::fromUtf8(GifErrorString(code));
        return false;
    }
    bool ok = EGifPutScreenDesc(gif.get(), width, height, 8, 0, map.get()) != GIF_ERROR &&
              EGifPutImageDesc(gif.get(), 0, 0, width, height, false, nullptr) != GIF_ERROR;
    for (int y = 0; ok && y < height; ++y)
        ok = EGifPutLine(gif.get(), indices.data() + static_cast<size_t>(y) * static_cast<size_t>(width), width) !=
             GIF_ERROR;
    const int writeError = gif->Error;
    GifFileType* file = gif.release();
    if (EGifCloseFile(file, &code) == GIF_ERROR) ok = false;
    if (!ok) error = QString::fromUtf8(GifErrorString(writeError != 0 ? writeError : code));
    // giflib creates the file readable by its owner only; pictures are for all.
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                                    QFileDevice::ReadOther);
    return ok;
}

}  // namespace orbel::pictures
