#include "tools/pictures/glyph_picture.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>

namespace orbel::pictures {
namespace {

const QString kStems = QStringLiteral("甲乙丙丁戊己庚辛壬癸");
const QString kBranches = QStringLiteral("子丑寅卯辰巳午未申酉戌亥");
const QString kIconCharacter = QStringLiteral("曆");

const QColor kGlyphInk(255, 250, 232);

bool CoversAll(const QFont& font) {
    const QRawFont raw = QRawFont::fromFont(font);
    if (!raw.isValid()) return false;
    for (const QChar c : kStems + kBranches + kIconCharacter) {
        if (!raw.supportsCharacter(c)) return false;
    }
    return true;
}

// The path of `text` drawn in `font`, moved so that its ink's bounding box is
// centred on `centre`. Centring the ink rather than the advance box keeps
// characters with little ink below or above the baseline in the middle.
QPainterPath CentredText(const QString& text, const QFont& font, QPointF centre) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF ink = path.boundingRect();
    path.translate(centre - ink.center());
    return path;
}

}  // namespace

QString StemCharacter(int stem) {
    return stem >= 1 && stem <= 10 ? QString(kStems[stem - 1]) : QString();
}

QString BranchCharacter(int branch) {
    return branch >= 1 && branch <= 12 ? QString(kBranches[branch - 1]) : QString();
}

QString ProgramIconCharacter() { return kIconCharacter; }

std::optional<QFont> FindCjkFont() {
    QFont preferred(QStringLiteral("WenQuanYi Micro Hei"));
    preferred.setStyleStrategy(QFont::NoFontMerging);
    if (CoversAll(preferred)) return preferred;
    for (const QString& family : QFontDatabase::families(QFontDatabase::SimplifiedChinese)) {
        QFont font(family);
        font.setStyleStrategy(QFont::NoFontMerging);
        if (CoversAll(font)) return font;
    }
    return std::nullopt;
}

QImage DrawGlyphPicture(const QString& character, const QFont& font) {
    QImage image(kGlyphPictureSize, kGlyphPictureSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QFont sized = font;
    sized.setPixelSize(kGlyphPictureSize * 5 / 6);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kGlyphInk);
    painter.drawPath(CentredText(character, sized, QPointF(kGlyphPictureSize / 2.0, kGlyphPictureSize / 2.0)));
    return image;
}

QImage DrawProgramIcon(const QFont& font) {
    constexpr double s = kProgramIconSize;
    QImage image(kProgramIconSize, kProgramIconSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    // Night sky.
    QLinearGradient sky(0, 0, s, s);
    sky.setColorAt(0.0, QColor(20, 30, 84));
    sky.setColorAt(1.0, QColor(66, 24, 78));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sky);
    const QRectF square(0.04 * s, 0.04 * s, 0.92 * s, 0.92 * s);
    painter.drawRoundedRect(square, 0.16 * s, 0.16 * s);

    // A crescent facing away from the character: a disc less the disc beside it.
    QPainterPath moon;
    const QPointF moonCentre(0.36 * s, 0.36 * s);
    moon.addEllipse(moonCentre, 0.24 * s, 0.24 * s);
    QPainterPath shadow;
    shadow.addEllipse(moonCentre + QPointF(0.10 * s, 0.07 * s), 0.22 * s, 0.22 * s);
    painter.setBrush(QColor(250, 222, 130));
    painter.drawPath(moon.subtracted(shadow));

    // The character, lower right, in the Moon's pale light.
    QFont sized = font;
    sized.setPixelSize(static_cast<int>(0.46 * s));
    painter.setBrush(QColor(255, 248, 230));
    painter.drawPath(CentredText(kIconCharacter, sized, QPointF(0.66 * s, 0.66 * s)));
    return image;
}

}  // namespace orbel::pictures
