#include "tools/pictures/glyph_picture.h"

#include <algorithm>

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

const QColor kSkyTop(20, 30, 84);     // night blue, upper left
const QColor kSkyBottom(66, 24, 78);  // night purple, lower right
const QColor kMoonGold(250, 222, 130);
const QColor kCharacterLight(255, 248, 230);

// The icon's three shapes on a square of `side` pixels.
struct IconShapes {
    QRectF square;  // the night sky, with rounded corners
    double cornerRadius;
    QPainterPath crescent, character;
};

IconShapes IconShapesAt(const QFont& font, double side) {
    const double s = side;
    // A crescent facing away from the character: a disc less the disc beside it.
    QPainterPath moon;
    const QPointF moonCentre(0.36 * s, 0.36 * s);
    moon.addEllipse(moonCentre, 0.24 * s, 0.24 * s);
    QPainterPath shadow;
    shadow.addEllipse(moonCentre + QPointF(0.10 * s, 0.07 * s), 0.22 * s, 0.22 * s);
    // The character, lower right, in the Moon's pale light.
    QFont sized = font;
    sized.setPixelSize(std::max(1, static_cast<int>(0.46 * s)));
    return {QRectF(0.04 * s, 0.04 * s, 0.92 * s, 0.92 * s), 0.16 * s, moon.subtracted(shadow),
            CentredText(kIconCharacter, sized, QPointF(0.66 * s, 0.66 * s))};
}

// One filled <path>: its moves, lines and cubic curves in user units.
QByteArray SvgPath(const QPainterPath& path, const QColor& fill) {
    QByteArray d;
    const auto point = [&d](double x, double y) {
        d += QByteArray::number(x, 'f', 2) + ' ' + QByteArray::number(y, 'f', 2) + ' ';
    };
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) {
            d += "M ";
        } else if (e.isLineTo()) {
            d += "L ";
        } else if (e.isCurveTo()) {
            d += "C ";  // followed by its two CurveToData elements
        }
        point(e.x, e.y);
    }
    const char* rule = path.fillRule() == Qt::OddEvenFill ? "evenodd" : "nonzero";
    return "<path fill=\"" + fill.name().toLatin1() + "\" fill-rule=\"" + rule + "\" d=\"" + d.trimmed() +
           "\"/>\n";
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

QImage DrawProgramIcon(const QFont& font, int side) {
    const IconShapes icon = IconShapesAt(font, side);
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, side, side);
    sky.setColorAt(0.0, kSkyTop);
    sky.setColorAt(1.0, kSkyBottom);
    painter.setPen(Qt::NoPen);
    painter.setBrush(sky);
    painter.drawRoundedRect(icon.square, icon.cornerRadius, icon.cornerRadius);
    painter.setBrush(kMoonGold);
    painter.drawPath(icon.crescent);
    painter.setBrush(kCharacterLight);
    painter.drawPath(icon.character);
    return image;
}

QByteArray ProgramIconSvg(const QFont& font) {
    constexpr int s = kProgramIconSize;
    const IconShapes icon = IconShapesAt(font, s);
    const auto number = [](double v) { return QByteArray::number(v, 'f', 2); };
    QByteArray svg;
    svg += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + QByteArray::number(s) + "\" height=\"" +
           QByteArray::number(s) + "\" viewBox=\"0 0 " + QByteArray::number(s) + " " + QByteArray::number(s) + "\">\n";
    svg += "<defs><linearGradient id=\"sky\" gradientUnits=\"userSpaceOnUse\" x1=\"0\" y1=\"0\" x2=\"" +
           QByteArray::number(s) + "\" y2=\"" + QByteArray::number(s) + "\"><stop offset=\"0\" stop-color=\"" +
           kSkyTop.name().toLatin1() + "\"/><stop offset=\"1\" stop-color=\"" + kSkyBottom.name().toLatin1() +
           "\"/></linearGradient></defs>\n";
    svg += "<rect x=\"" + number(icon.square.x()) + "\" y=\"" + number(icon.square.y()) + "\" width=\"" +
           number(icon.square.width()) + "\" height=\"" + number(icon.square.height()) + "\" rx=\"" +
           number(icon.cornerRadius) + "\" fill=\"url(#sky)\"/>\n";
    svg += SvgPath(icon.crescent, kMoonGold);
    svg += SvgPath(icon.character, kCharacterLight);
    svg += "</svg>\n";
    return svg;
}

}  // namespace orbel::pictures
