#pragma once
// The Moon pictures of the main window: one per principal phase and country,
// drawn on the country's colour.
//
// Geometry. A picture is kMoonPictureWidth x kMoonPictureHeight pixels. The
// Moon's disc is centred on pixel (W / 2, H / 2 + 1) and every lit or dark
// pixel of the Moon lies within W / 2 of that centre, so painting everything
// outside that circle in the back colour (what the window does to the quarter
// and full pictures between the principal phases) leaves a clean disc. H is
// W + 2 so that the whole circle fits below the centre's one-pixel drop.
//
// The dark moon. Its background is not the country colour but the key colour
// of "colour value 200": a Windows colour value is 0x00BBGGRR, so 200 is
// RGB(200, 0, 0). The window repaints every pixel of exactly that colour in
// its back colour. The Moon is drawn antialiased over the country colour first
// and only the untouched background becomes the key colour, so after the
// repaint in the country colour the edge is smooth again.
#include <QColor>
#include <QImage>
#include <QString>

namespace orbel::pictures {

inline constexpr int kMoonPictureWidth = 64;
inline constexpr int kMoonPictureHeight = kMoonPictureWidth + 2;

// "Colour value 200" of the dark moon picture, as a Qt colour.
inline constexpr QRgb kDarkMoonKeyColour = 0xFFC80000;  // RGB(200, 0, 0)

enum class MoonPhasePicture { DarkMoon, FirstQuarter, FullMoon, LastQuarter };

// "darkmoon", "1stquarter", "fullmoon", "lastquarter"
QString MoonPictureBaseName(MoonPhasePicture phase);

struct MoonCountry {
    QString suffix;  // "", "_vn", "_jp"
    QRgb colour;     // the country's back colour
};
// China RGB(192,0,0), Vietnam RGB(0,128,0), Japan RGB(64,64,224).
const MoonCountry (&MoonCountries())[4];

// The picture of `phase` as seen from the northern hemisphere (waxing light on
// the right), on `background`, in QImage::Format_RGB32.
QImage DrawMoonPicture(MoonPhasePicture phase, QRgb background);

// The Moon of the calendar month view's pictures (MoonDayPictureName): the
// picture of cell N shows the Moon on the lunar day of that cell (cells
// without a day: the dark moon), on white, the colour of a day cell.
inline constexpr QRgb kMoonDayBackground = 0xFFFFFFFF;
// The phase angle (degrees, 0 dark moon, 180 full moon) at noon of lunar day
// `day` (1..30): the dark moon falls on average at noon of day 1, and the
// angle grows by 360 degrees in a mean synodic month of 29.530589 days.
double MoonDayPhaseAngle(int day);
// The Moon at phase angle `degrees`, lit on the right while waxing (below 180
// degrees) and on the left while waning; the terminator, the boundary of the
// lit part, is half an ellipse whose half-width is R |cos(angle)|.
QImage DrawMoonDayPicture(double degrees, QRgb background);

}  // namespace orbel::pictures
