#include "tools/pictures/moon_picture.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace orbel::pictures {
namespace {

// The disc in painter coordinates, where pixel (x, y) covers [x, x + 1) x
// [y, y + 1): its centre pixel's middle, and a radius one pixel short of W / 2
// so that antialiased edge pixels stay inside the repaint circle.
constexpr double kCentreX = kMoonPictureWidth / 2 + 0.5;
constexpr double kCentreY = kMoonPictureHeight / 2 + 1 + 0.5;
constexpr double kRadius = kMoonPictureWidth / 2 - 1.0;

const QColor kDarkSide(46, 48, 60);
const QColor kDarkSideMare(36, 38, 50);
const QColor kRim(84, 88, 104);
const QColor kLitCentre(255, 252, 236);
const QColor kLitLimb(226, 220, 196);
const QColor kLitMare(176, 172, 158);

// The larger maria and the ray crater Tycho, in units of the radius from the
// disc's centre (y downwards), with their half-axes: enough for the face to
// be known at a glance.
struct Patch {
    double x, y, rx, ry;
};
constexpr Patch kMaria[] = {
    {-0.34, -0.36, 0.27, 0.22},  // Imbrium
    {0.12, -0.40, 0.16, 0.15},   // Serenitatis
    {0.30, -0.08, 0.20, 0.17},   // Tranquillitatis
    {0.68, -0.30, 0.10, 0.09},   // Crisium
    {-0.62, 0.05, 0.22, 0.40},   // Procellarum
    {-0.20, 0.42, 0.18, 0.13},   // Nubium
    {0.55, 0.18, 0.12, 0.14},    // Fecunditatis
    {0.05, 0.10, 0.12, 0.10},    // Medii and Vaporum
};

QPainterPath Disc() {
    QPainterPath path;
    path.addEllipse(QPointF(kCentreX, kCentreY), kRadius, kRadius);
    return path;
}

// The lit half at a quarter: the right half waxing, the left half waning.
QPainterPath LitHalf(bool right) {
    QPainterPath path;
    const QRectF box(kCentreX - kRadius, kCentreY - kRadius, 2 * kRadius, 2 * kRadius);
    path.moveTo(kCentreX, kCentreY);
    path.arcTo(box, right ? -90.0 : 90.0, 180.0);
    path.closeSubpath();
    return path;
}

void PaintMaria(QPainter& painter, const QColor& colour) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    for (const Patch& p : kMaria) {
        painter.drawEllipse(QPointF(kCentreX + p.x * kRadius, kCentreY + p.y * kRadius), p.rx * kRadius,
                            p.ry * kRadius);
    }
}

void PaintLitPart(QPainter& painter, const QPainterPath& lit) {
    painter.save();
    painter.setClipPath(lit);
    QRadialGradient light(QPointF(kCentreX - 0.2 * kRadius, kCentreY - 0.2 * kRadius), 1.25 * kRadius);
    light.setColorAt(0.0, kLitCentre);
    light.setColorAt(1.0, kLitLimb);
    painter.setPen(Qt::NoPen);
    painter.setBrush(light);
    painter.drawPath(Disc());
    PaintMaria(painter, kLitMare);
    // Tycho: a bright spot in the southern highlands.
    painter.setBrush(QColor(255, 255, 250));
    painter.drawEllipse(QPointF(kCentreX - 0.12 * kRadius, kCentreY + 0.72 * kRadius), 0.05 * kRadius,
                        0.05 * kRadius);
    painter.restore();
}

void PaintDarkDisc(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(kDarkSide);
    painter.drawPath(Disc());
    painter.save();
    painter.setClipPath(Disc());
    PaintMaria(painter, kDarkSideMare);
    painter.restore();
    // A faint rim keeps the unlit limb visible on any back colour; the pen's
    // outer edge lies on the radius.
    painter.setPen(QPen(kRim, 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(kCentreX, kCentreY), kRadius - 0.5, kRadius - 0.5);
}

// The lit part at phase angle `degrees`: the bright limb on one side, the
// terminator ellipse back on the other, both from the north pole (top) to
// the south pole.
QPainterPath LitPart(double degrees) {
    const bool waxing = degrees <= 180.0;
    const double side = waxing ? 1.0 : -1.0;  // the lit limb: right while waxing
    const double halfWidth = kRadius * std::cos((waxing ? degrees : 360.0 - degrees) * M_PI / 180.0);
    constexpr int kSteps = 64;
    QPainterPath path;
    for (int i = 0; i <= kSteps; ++i) {  // limb, top to bottom
        const double u = M_PI * i / kSteps;
        const QPointF p(kCentreX + side * kRadius * std::sin(u), kCentreY - kRadius * std::cos(u));
        if (i == 0)
            path.moveTo(p);
        else
            path.lineTo(p);
    }
    for (int i = kSteps; i >= 0; --i) {  // terminator, bottom to top
        const double u = M_PI * i / kSteps;
        path.lineTo(kCentreX + side * halfWidth * std::sin(u), kCentreY - kRadius * std::cos(u));
    }
    path.closeSubpath();
    return path;
}

}  // namespace

double MoonDayPhaseAngle(int day) { return std::fmod(360.0 * (day - 1) / 29.530589, 360.0); }

QImage DrawMoonDayPicture(double degrees, QRgb background) {
    QImage image(kMoonPictureWidth, kMoonPictureHeight, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintDarkDisc(painter);
    // Below a degree the lit sliver is thinner than a pixel's hundredth.
    if (degrees > 1.0 && degrees < 359.0) PaintLitPart(painter, LitPart(degrees));
    painter.end();
    return image;
}

QString MoonPictureBaseName(MoonPhasePicture phase) {
    switch (phase) {
        case MoonPhasePicture::DarkMoon: return QStringLiteral("darkmoon");
        case MoonPhasePicture::FirstQuarter: return QStringLiteral("1stquarter");
        case MoonPhasePicture::FullMoon: return QStringLiteral("fullmoon");
        case MoonPhasePicture::LastQuarter: return QStringLiteral("lastquarter");
    }
    return {};
}

const MoonCountry (&MoonCountries())[4] {
    static const MoonCountry countries[4] = {
        {QString(), qRgb(192, 0, 0)},
        {QStringLiteral("_vn"), qRgb(0, 128, 0)},
        {QStringLiteral("_jp"), qRgb(64, 64, 224)},
        {QStringLiteral("_kr"), qRgb(112, 48, 160)},
    };
    return countries;
}

QImage DrawMoonPicture(MoonPhasePicture phase, QRgb background) {
    QImage image(kMoonPictureWidth, kMoonPictureHeight, QImage::Format_RGB32);
    image.fill(background);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        PaintDarkDisc(painter);
        switch (phase) {
            case MoonPhasePicture::DarkMoon: break;
            case MoonPhasePicture::FirstQuarter: PaintLitPart(painter, LitHalf(true)); break;
            case MoonPhasePicture::FullMoon: PaintLitPart(painter, Disc()); break;
            case MoonPhasePicture::LastQuarter: PaintLitPart(painter, LitHalf(false)); break;
        }
    }
    if (phase == MoonPhasePicture::DarkMoon) {
        const QRgb back = qRgb(qRed(background), qGreen(background), qBlue(background));
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                if (line[x] == back) line[x] = kDarkMoonKeyColour;
            }
        }
    }
    return image;
}

}  // namespace orbel::pictures
