// Draws the program's pictures into the program's picture folder at build
// time: the Moon pictures of every country, the Moon of every cell of the
// calendar month view, the stem and branch characters and the program icon;
// with ICON_FOLDER also the icon in the sizes of the desktops' icon theme,
// laid out as the theme is (48x48/apps/orbel.png ... scalable/apps/orbel.svg).
// Usage: make_pictures FOLDER [ICON_FOLDER]
// Runs under the offscreen platform; fails when no font has the characters.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QSaveFile>
#include <QString>
#include <cstdio>

#include "tools/pictures/gif_picture.h"
#include "tools/pictures/glyph_picture.h"
#include "tools/pictures/moon_picture.h"
#include "views/calendar_month.h"

using namespace orbel::pictures;

namespace {

bool Save(const QImage& image, const QDir& folder, const QString& name, const char* format) {
    // Write beside, then rename, so that an interrupted build never leaves a
    // truncated picture that looks up to date.
    const QString path = folder.filePath(name);
    const QString temporary = path + QStringLiteral(".part");
    QString error;
    bool written = false;
    if (qstrcmp(format, "gif") == 0) {  // Qt reads GIF but does not write it
        written = WriteGifPicture(image, temporary, error);
    } else {
        QImageWriter writer(temporary, format);
        written = writer.write(image);
        if (!written) error = writer.errorString();
    }
    if (!written) {
        std::fprintf(stderr, "make_pictures: cannot write %s: %s\n", qPrintable(temporary), qPrintable(error));
        return false;
    }
    QFile::remove(path);
    if (!QFile::rename(temporary, path)) {
        std::fprintf(stderr, "make_pictures: cannot rename %s to %s\n", qPrintable(temporary), qPrintable(path));
        return false;
    }
    return true;
}

bool SaveThemeIcons(const QFont& font, const QDir& themeFolder) {
    bool ok = true;
    for (const int side : kThemeIconSizes) {
        const QDir apps(themeFolder.filePath(QStringLiteral("%1x%1/apps").arg(side)));
        ok = QDir().mkpath(apps.path()) && Save(DrawProgramIcon(font, side), apps, QStringLiteral("orbel.png"), "png") &&
             ok;
    }
    const QDir scalable(themeFolder.filePath(QStringLiteral("scalable/apps")));
    QSaveFile svg(scalable.filePath(QStringLiteral("orbel.svg")));
    const QByteArray document = ProgramIconSvg(font);
    if (!QDir().mkpath(scalable.path()) || !svg.open(QIODevice::WriteOnly) ||
        svg.write(document) != document.size() || !svg.commit()) {
        std::fprintf(stderr, "make_pictures: cannot write %s: %s\n", qPrintable(svg.fileName()),
                     qPrintable(svg.errorString()));
        return false;
    }
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: make_pictures FOLDER [ICON_FOLDER]\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "make_pictures: cannot create %s\n", argv[1]);
        return 1;
    }

    bool ok = true;
    for (const MoonCountry& country : MoonCountries()) {
        for (const MoonPhasePicture phase : {MoonPhasePicture::DarkMoon, MoonPhasePicture::FirstQuarter,
                                             MoonPhasePicture::FullMoon, MoonPhasePicture::LastQuarter}) {
            const QString name = MoonPictureBaseName(phase) + country.suffix + QStringLiteral(".bmp");
            ok = Save(DrawMoonPicture(phase, country.colour), folder, name, "bmp") && ok;
        }
    }

    for (int cell = 0; cell < orbel::CalendarCellCount; ++cell) {
        const int day = orbel::CalendarCellDay(cell, 30);
        const double degrees = day > 0 ? MoonDayPhaseAngle(day) : 0.0;
        ok = Save(DrawMoonDayPicture(degrees, kMoonDayBackground), folder,
                  QString::fromStdString(orbel::MoonDayPictureName(cell)), "gif") && ok;
    }

    const std::optional<QFont> font = FindCjkFont();
    if (!font) {
        std::fprintf(stderr,
                     "make_pictures: no installed font has the stem and branch characters "
                     "(install fonts-wqy-microhei)\n");
        return 1;
    }
    for (int stem = 1; stem <= 10; ++stem) {
        ok = Save(DrawGlyphPicture(StemCharacter(stem), *font), folder, QStringLiteral("stem%1.png").arg(stem),
                  "png") && ok;
    }
    for (int branch = 1; branch <= 12; ++branch) {
        ok = Save(DrawGlyphPicture(BranchCharacter(branch), *font), folder,
                  QStringLiteral("branch%1.png").arg(branch), "png") && ok;
    }
    ok = Save(DrawProgramIcon(*font), folder, QStringLiteral("orbel.png"), "png") && ok;
    if (argc == 3) ok = SaveThemeIcons(*font, QDir(QString::fromLocal8Bit(argv[2]))) && ok;
    return ok ? 0 : 1;
}
