#pragma once
// The pictures of the ten heavenly stems and twelve earthly branches, shown
// by the stem-branch window and, for China, beside the day and the year in
// the main window; and the program's icon. All need a font with CJK glyphs,
// so a QGuiApplication must exist before any of these are called.
#include <QByteArray>
#include <QFont>
#include <QImage>
#include <QString>
#include <optional>

namespace orbel::pictures {

inline constexpr int kGlyphPictureSize = 48;   // pixels, square
inline constexpr int kProgramIconSize = 256;   // pixels, square
// The sizes the desktops' icon theme looks for, besides kProgramIconSize.
inline constexpr int kThemeIconSizes[] = {48, 128, 256};  // pixels, square

// Stem number 1 to 10: 甲乙丙丁戊己庚辛壬癸; branch number 1 to 12:
// 子丑寅卯辰巳午未申酉戌亥.
QString StemCharacter(int stem);
QString BranchCharacter(int branch);

// A font that has a glyph for every stem and branch character and for the
// icon's character: WenQuanYi Micro Hei when installed, else the first
// Simplified Chinese family that covers them all. Empty when there is none.
std::optional<QFont> FindCjkFont();

// The character in a light ink, centred on a transparent square
// (QImage::Format_ARGB32), so that it sits on whatever colour is behind it.
QImage DrawGlyphPicture(const QString& character, const QFont& font);

// The icon: a crescent Moon over a night-blue rounded square, with the
// character 曆 (calendar) beside it; transparent outside the square. Drawn
// afresh at each size rather than scaled, so that small icons stay sharp.
QImage DrawProgramIcon(const QFont& font, int side = kProgramIconSize);

// The same icon as an SVG document of kProgramIconSize units, for the
// scalable icons of the desktops. The character is written as its outline,
// so the document needs no font.
QByteArray ProgramIconSvg(const QFont& font);

// The character the icon carries.
QString ProgramIconCharacter();

}  // namespace orbel::pictures
