#pragma once
// The calendar month page as a picture: one painting routine for the window
// and for the saved image, so the image is exactly the page the window
// shows, at any size. Needs QtGui only (and a QGuiApplication for the fonts).
#include <QImage>
#include <QPainter>
#include <QString>

#include <array>
#include <string>

#include "views/calendar_month.h"

namespace orbel {

// The Moon picture of every cell, imgMoon elements 0 to 31. Element i shows
// the file "day<i>.gif" of the picture folder, but elements 7 and 23 (cells
// that never hold a day) keep the picture of element 0. A missing file
// leaves its element empty and its cells without a Moon.
struct MoonDayPictures {
    std::array<QImage, CalendarCellCount> images;
};
MoonDayPictures LoadMoonDayPictures(const QString& folder);

// Paints the page of `model` into the rectangle (0, 0, geometry.width,
// geometry.height) of `painter`; the geometry is that of the model's grid
// (its rows and columns).
void PaintCalendarPage(QPainter& painter, const CalendarPageGeometry& geometry, const CalendarMonthModel& model,
                       const MoonDayPictures& moons);

// The page as an image of the given size.
QImage RenderCalendarPage(const CalendarMonthModel& model, const MoonDayPictures& moons, int width, int height);

// Writes the page as a BMP file; false when it cannot be written.
bool WriteCalendarPageBitmap(const CalendarMonthModel& model, const MoonDayPictures& moons, int width, int height,
                             const std::string& path);

}  // namespace orbel
