// The pictures the build draws into the program's picture folder: the Moon
// pictures the main window repaints, the stem and branch characters and the
// icon. The files are read back as the program would read them.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>
#include <cmath>
#include <functional>

#include "engine/moon_data.h"
#include "tools/pictures/glyph_picture.h"

#ifndef ORBEL_PICTURE_FOLDER
#error "ORBEL_PICTURE_FOLDER must name the folder the build draws the pictures into"
#endif

namespace {

using orbel::OutsideMoonDisc;

QString PicturePath(const QString& name) { return QStringLiteral(ORBEL_PICTURE_FOLDER "/") + name; }

QImage Load(const QString& name) {
    QImage image(PicturePath(name));
    return image.isNull() ? image : image.convertToFormat(QImage::Format_ARGB32);
}

struct Country {
    const char* suffix;
    QRgb colour;
};
const Country kCountries[] = {
    {"", qRgb(192, 0, 0)},      // China
    {"_vn", qRgb(0, 128, 0)},   // Vietnam
    {"_jp", qRgb(64, 64, 224)}, // Japan
    {"_kr", qRgb(112, 48, 160)}, // Korea
};
const char* const kMoonBases[] = {"darkmoon", "1stquarter", "fullmoon", "lastquarter"};

// "Colour value 200": the Windows colour value 0x00BBGGRR = 200.
const QRgb kColourValue200 = qRgb(200, 0, 0);

int Luminance(QRgb c) { return (299 * qRed(c) + 587 * qGreen(c) + 114 * qBlue(c)) / 1000; }

// The pixels (x, y) of `image` for which `take` holds.
int Count(const QImage& image, const std::function<bool(int x, int y, QRgb c)>& take) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) count += take(x, y, image.pixel(x, y) | 0xFF000000u);
    return count;
}

// `image` with the pixels for which `take` holds painted `back`.
QImage Painted(QImage image, QRgb back, const std::function<bool(int x, int y, QRgb c)>& take) {
    Count(image, [&](int x, int y, QRgb c) {
        if (take(x, y, c)) image.setPixel(x, y, back);
        return false;
    });
    return image;
}

// The repaint the window makes between the principal phases, for a picture
// box twice the picture's size (w and h of the disc rule are the halves).
QImage PaintedOutsideDisc(const QImage& image, QRgb back) {
    return Painted(image, back, [&](int x, int y, QRgb) {
        return OutsideMoonDisc(x, y, 2 * image.width(), 2 * image.height());
    });
}

// Distance of pixel (x, y) from the disc's centre pixel (w / 2, h / 2 + 1).
double FromCentre(const QImage& image, int x, int y) {
    return std::hypot(x - image.width() / 2, y - (image.height() / 2 + 1));
}

// Inside the disc, short of its antialiased edge.
bool InsideDisc(const QImage& image, int x, int y) { return FromCentre(image, x, y) < image.width() / 2 - 2; }

// Mean luminance of the disc's left or right part, away from the rim and the
// terminator.
int SideLuminance(const QImage& image, bool right) {
    const int cx = image.width() / 2;
    long sum = 0;
    const int count = Count(image, [&](int x, int y, QRgb c) {
        if (std::abs(x - cx) < 3 || (x > cx) != right || FromCentre(image, x, y) > image.width() / 2 - 4) return false;
        sum += Luminance(c);
        return true;
    });
    return count ? int(sum / count) : -1;
}

// Every Moon picture of every country: an uncompressed 24-bit bitmap of one
// size, whose repaint circle about (w / 2, h / 2 + 1) with radius w / 2 fits
// inside, lit on the side its phase is (seen from the north the waxing Moon
// is lit on the right). Quarters and full Moons are clean discs on the
// country's colour: painting outside the disc changes nothing (no Moon is cut
// off) and there is no background inside. The dark Moon stands on colour
// value 200, which the window repaints in the country's colour: the key is
// everywhere outside the disc and nowhere in it, and once repainted no
// key-coloured halo is left.
TEST(MoonPictures, EveryCountryHasAllFourOfOneSizeLitByThePhase) {
    const QImage first = Load(QStringLiteral("fullmoon.bmp"));
    ASSERT_FALSE(first.isNull());
    EXPECT_GE(first.width(), 32);
    EXPECT_LE(first.height() / 2 + 1 + first.width() / 2, first.height());
    EXPECT_GE(first.height() / 2 + 1 - first.width() / 2, 0);
    const bool lit[][2] = {{false, false}, {false, true}, {true, true}, {true, false}};  // left, right
    for (const Country& country : kCountries) {
        for (int phase = 0; phase < 4; ++phase) {
            const QString name = QString::fromLatin1(kMoonBases[phase]) + country.suffix + ".bmp";
            SCOPED_TRACE(name.toStdString());
            QFile file(PicturePath(name));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            const QByteArray header = file.read(54);
            ASSERT_EQ(header.size(), 54);
            EXPECT_EQ(header.left(2), QByteArray("BM"));
            const auto u16 = [&](int at) { return uchar(header[at]) | uchar(header[at + 1]) << 8; };
            EXPECT_EQ(u16(28), 24) << "bits per pixel";
            EXPECT_EQ(u16(30), 0) << "compression";
            const QImage original = Load(name);
            ASSERT_FALSE(original.isNull());
            EXPECT_EQ(original.size(), first.size());
            for (const bool right : {false, true}) {
                const int luminance = SideLuminance(original, right);
                if (lit[phase][right]) EXPECT_GT(luminance, 170) << (right ? "right" : "left");
                else EXPECT_LT(luminance, 80) << (right ? "right" : "left");
            }
            const QRgb key = phase == 0 ? kColourValue200 : country.colour;
            EXPECT_EQ(Count(original, [&](int x, int y, QRgb c) { return InsideDisc(original, x, y) && c == key; }), 0)
                << "the Moon itself would be repainted";
            EXPECT_EQ(PaintedOutsideDisc(original, key), original);
            if (phase != 0) continue;

            const QImage image =
                Painted(original, country.colour, [](int, int, QRgb c) { return c == kColourValue200; });
            EXPECT_EQ(PaintedOutsideDisc(image, country.colour), image);
            // The antialiased edge blends into the country colour, not the
            // key's red: an edge pixel lies between the country colour and
            // the Moon's dark grey in every channel.
            const QRgb inner = image.pixel(image.width() / 2, image.height() / 2 + 1 - image.width() / 4);
            const auto between = [](int v, int a, int b) {
                return v >= std::min(a, b) - 48 && v <= std::max(a, b) + 48;
            };
            EXPECT_EQ(Count(image,
                            [&](int x, int y, QRgb c) {
                                return FromCentre(image, x, y) >= image.width() / 2 - 2.5 &&
                                       (!between(qRed(c), qRed(inner), qRed(country.colour)) ||
                                        !between(qGreen(c), qGreen(inner), qGreen(country.colour)) ||
                                        !between(qBlue(c), qBlue(inner), qBlue(country.colour)));
                            }),
                      0);
        }
    }
}

// The stem and branch pictures.

QString StemBranchName(int i) {
    return i <= 10 ? QStringLiteral("stem%1.png").arg(i) : QStringLiteral("branch%1.png").arg(i - 10);
}

bool Inked(QRgb c) { return qAlpha(c) > 128; }

QRect InkBox(const QImage& image, int& inked) {
    QRect box;
    inked = Count(image, [&](int x, int y, QRgb) {
        if (Inked(image.pixel(x, y))) box |= QRect(x, y, 1, 1);
        return Inked(image.pixel(x, y));
    });
    return box;
}

// Renders `text` our own way (drawText, not the generator's outlines) and
// scores how well `image`'s ink overlaps it: the share of the union that both
// cover.
double Overlap(const QImage& image, const QString& text, const QFont& font) {
    QImage probe(image.size(), QImage::Format_ARGB32);
    probe.fill(Qt::transparent);
    {
        QPainter painter(&probe);
        QFont sized = font;
        sized.setPixelSize(image.height() * 5 / 6);
        painter.setFont(sized);
        painter.setPen(Qt::white);
        painter.drawText(probe.rect(), Qt::AlignCenter, text);
    }
    // Compare ink after aligning the two ink boxes' centres.
    int inkA = 0, inkB = 0;
    const QRect boxA = InkBox(image, inkA), boxB = InkBox(probe, inkB);
    const QPoint shift = boxA.center() - boxB.center();
    int both = 0;
    const int either = Count(image, [&](int x, int y, QRgb) {
        const QPoint q = QPoint(x, y) - shift;
        const bool a = Inked(image.pixel(x, y)), b = probe.rect().contains(q) && Inked(probe.pixel(q));
        both += a && b;
        return a || b;
    });
    return either ? double(both) / either : 0.0;
}

QGuiApplication* GuiApplication() {
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return app;
    if (QCoreApplication::instance()) return nullptr;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "orbel_tests";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    return &app;
}

// Twenty-two squares of light ink on transparency, whole, not cut at an
// edge, and roughly centred. Each file's best match among all 22 characters
// is its own, so no two files look alike (a font without the glyphs draws
// the same empty box for each).
TEST(StemBranchPictures, TwentyTwoSquaresEachShowingItsOwnCharacter) {
    ASSERT_NE(GuiApplication(), nullptr) << "another kind of Qt application runs in this process";
    const std::optional<QFont> font = orbel::pictures::FindCjkFont();
    ASSERT_TRUE(font.has_value()) << "no font with the stem and branch characters";
    for (int i = 1; i <= 22; ++i) {
        SCOPED_TRACE(StemBranchName(i).toStdString());
        const QImage image = Load(StemBranchName(i));
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.width(), image.height());
        EXPECT_GE(image.width(), 24);
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
        int inked = 0;
        const QRect box = InkBox(image, inked);
        EXPECT_TRUE(QRect(1, 1, image.width() - 2, image.height() - 2).contains(box));
        EXPECT_NEAR(box.center().x(), image.width() / 2, image.width() / 8);
        EXPECT_NEAR(box.center().y(), image.height() / 2, image.height() / 8);
        const QRgb c = image.pixel(box.center());
        if (qAlpha(c) == 255) {
            EXPECT_GT(Luminance(c), 200);
        }
        int best = 0;
        double bestScore = -1.0;
        for (int j = 1; j <= 22; ++j) {
            const QString character =
                j <= 10 ? orbel::pictures::StemCharacter(j) : orbel::pictures::BranchCharacter(j - 10);
            const double score = Overlap(image, character, *font);
            if (score > bestScore) bestScore = score, best = j;
        }
        EXPECT_EQ(best, i) << "looks most like " << StemBranchName(best).toStdString();
        EXPECT_GT(bestScore, 0.6);
    }
}

TEST(ProgramIcon, A256SquareWithTransparentCornersMoonAndCharacter) {
    const QImage icon = Load(QStringLiteral("orbel.png"));
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.size(), QSize(256, 256));
    for (const QPoint corner : {QPoint(0, 0), QPoint(255, 0), QPoint(0, 255), QPoint(255, 255)})
        EXPECT_EQ(qAlpha(icon.pixel(corner)), 0);
    EXPECT_EQ(qAlpha(icon.pixel(128, 128)), 255);
    const auto opaque = [&](int x, int y) { return qAlpha(icon.pixel(x, y)) == 255; };
    // The Moon in gold, the character in white in the lower right.
    EXPECT_GT(Count(icon, [&](int x, int y, QRgb c) {
                  return opaque(x, y) && qRed(c) > 220 && qGreen(c) > 190 && qBlue(c) < 170;
              }),
              256 * 256 / 50);
    EXPECT_GT(Count(icon, [&](int x, int y, QRgb c) {
                  return opaque(x, y) && qRed(c) > 230 && qGreen(c) > 230 && qBlue(c) > 210 && x > 128 && y > 128;
              }),
              256 * 256 / 50);
}

// The calendar month view's Moons: picture N shows the lunar day of cell N
// (1..7, 8..22, then 23..30; cells 7 and 23 hold no day and show the dark
// moon). The lit share of the disc follows (1 - cos a) / 2 for the phase
// angle a at noon of that day, lit on the right while waxing and on the left
// while waning.
TEST(MoonDayPictures, ThirtyTwoGifsLitByTheDayOfTheirCell) {
    for (int n = 0; n < 32; ++n) {
        const QString name = QStringLiteral("day%1.gif").arg(n);
        SCOPED_TRACE(name.toStdString());
        const QImage image = Load(name);
        ASSERT_FALSE(image.isNull());
        ASSERT_EQ(image.size(), QSize(64, 66));
        const int day = n < 7 ? n + 1 : n == 7 || n == 23 ? 0 : n < 23 ? n : n - 1;
        const double angle = day == 0 ? 0.0 : 2 * M_PI * (day - 1) / 29.530589;
        double litX = 0;
        const int disc = Count(image, [&](int x, int y, QRgb) { return FromCentre(image, x, y) <= 30; });
        const int lit = Count(image, [&](int x, int y, QRgb c) {
            const bool on = FromCentre(image, x, y) <= 30 && Luminance(c) > 120;
            if (on) litX += x - image.width() / 2;
            return on;
        });
        EXPECT_NEAR(static_cast<double>(lit) / disc, (1 - std::cos(angle)) / 2, 0.06);
        if (lit > disc / 20 && lit < disc * 19 / 20) {
            EXPECT_EQ(litX > 0, angle < M_PI) << "lit on the wrong side";
        }
    }
}

}  // namespace
