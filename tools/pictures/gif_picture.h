#pragma once
// GIF files for the pictures Qt can read but not write, through giflib.
#include <QImage>
#include <QString>

namespace orbel::pictures {

// Writes `image` as a GIF file of at most 256 colours (giflib's median-cut
// quantizer chooses them); false with `error` set when it cannot.
bool WriteGifPicture(const QImage& image, const QString& path, QString& error);

}  // namespace orbel::pictures
