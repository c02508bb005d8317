#include "views/calendar_page.h"

#include <QDir>
#include <QFont>
#include <QFontMetrics>
#include <QImageReader>
#include <QImageWriter>

#include <algorithm>

namespace orbel {
namespace {

const QColor kPageColour(250, 248, 240);
const QColor kCellColour(255, 255, 255);
const QColor kEmptyCellColour(226, 224, 216);
const QColor kGridColour(150, 150, 150);
const QColor kTextColour(20, 20, 20);
const QColor kTodayColour(0, 90, 200);
const QColor kFestivalColour(0, 110, 60);

QColor ToQColor(Rgb c) { return QColor(c.red, c.green, c.blue); }
QRect ToQRect(const PageRect& r) { return QRect(r.x, r.y, r.width, r.height); }
QString ToQString(const std::string& text) { return QString::fromStdString(text); }

// The largest pixel size, up to `maxPixels`, at which `sample` fits `width`.
QFont FittedFont(int maxPixels, const QString& sample, int width, bool bold) {
    QFont font;
    font.setBold(bold);
    font.setPixelSize(std::max(6, maxPixels));
    const int advance = QFontMetrics(font).horizontalAdvance(sample);
    if (advance > width && advance > 0)
        font.setPixelSize(std::max(6, static_cast<int>(static_cast<long long>(font.pixelSize()) * width / advance)));
    return font;
}

void PaintTitle(QPainter& painter, const CalendarPageGeometry& g, const CalendarMonthModel& model) {
    painter.fillRect(ToQRect(g.title), ToQColor(model.backColour));
    const QString title = ToQString(model.lblTitle);
    painter.setFont(FittedFont(g.title.height * 45 / 100, title, g.title.width * 95 / 100, true));
    painter.setPen(ToQColor(CalendarTitleColour));
    painter.drawText(ToQRect(g.title), Qt::AlignCenter, title);

    const QString line = ToQString(model.lblYearAndMonth);
    painter.setFont(FittedFont(g.yearAndMonth.height * 55 / 100, line, g.yearAndMonth.width, true));
    painter.setPen(ToQColor(CalendarHighlightColour));
    painter.drawText(ToQRect(g.yearAndMonth), Qt::AlignCenter, line);
}

void PaintHeadings(QPainter& painter, const CalendarPageGeometry& g, const CalendarMonthModel& model) {
    const QFont font = FittedFont(g.headings[0].height * 55 / 100, ToQString(std::string(LunadayHeading)),
                                  g.headings[0].width * 90 / 100, true);
    painter.setFont(font);
    painter.setPen(kTextColour);
    for (size_t column = 0; column < g.headings.size(); ++column) {
        painter.drawText(ToQRect(g.headings[column]), Qt::AlignCenter, ToQString(model.headings[column]).trimmed());
    }
}

void PaintCell(QPainter& painter, const CalendarPageGeometry& g, const CalendarMonthModel& model,
               const MoonDayPictures& moons, size_t c, const QFont& numeralFont, const QFont& textFont) {
    const CalendarCell& cell = model.cells[c];
    const QRect box = ToQRect(g.cells[c]);
    painter.fillRect(box, cell.day > 0 ? kCellColour : kEmptyCellColour);
    painter.setPen(kGridColour);
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    if (cell.day == 0) return;

    const QRect moon = ToQRect(g.moons[c]);
    const QImage& picture = moons.images[c];
    if (cell.moonVisible && !picture.isNull()) painter.drawImage(moon, picture);

    const int pad = std::max(2, box.width() / 20);
    painter.setPen(cell.weekend ? ToQColor(CalendarHighlightColour) : kTextColour);
    painter.setFont(numeralFont);
    painter.drawText(QRect(box.left() + pad, box.top() + pad, moon.left() - box.left() - pad, moon.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, ToQString(cell.numeral));
    painter.setFont(textFont);
    const int lineHeight = QFontMetrics(textFont).height();
    QRect line(box.left() + pad, moon.bottom() + 1 + pad, box.width() - 2 * pad, lineHeight);
    painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, ToQString(cell.ceText));
    if (!cell.panText.empty()) {
        line.translate(0, lineHeight);
        painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, ToQString(cell.panText));
    }
    if (!cell.festivalText.empty()) {
        // The name takes what is left of the cell, over two lines if it must.
        const QRect room(line.left(), line.bottom() + 1, line.width(), box.bottom() - pad - line.bottom());
        painter.setPen(kFestivalColour);
        painter.drawText(room, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, ToQString(cell.festivalText));
    }
    if (cell.today) {
        const int width = std::max(2, box.width() / 40);
        painter.setPen(QPen(kTodayColour, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(box).adjusted(width / 2.0, width / 2.0, -width / 2.0, -width / 2.0));
    }
}

}  // namespace

MoonDayPictures LoadMoonDayPictures(const QString& folder) {
    MoonDayPictures pictures;
    const QDir dir(folder);
    for (int i = 0; i < CalendarCellCount; ++i) {
        if (i == 7 || i == 23) continue;
        QImageReader reader(dir.filePath(QString::fromStdString(MoonDayPictureName(i))), "gif");
        pictures.images[static_cast<size_t>(i)] = reader.read();
    }
    pictures.images[7] = pictures.images[0];
    pictures.images[23] = pictures.images[0];
    return pictures;
}

void PaintCalendarPage(QPainter& painter, const CalendarPageGeometry& g, const CalendarMonthModel& model,
                       const MoonDayPictures& moons) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.fillRect(QRect(0, 0, g.width, g.height), kPageColour);
    PaintTitle(painter, g, model);
    PaintHeadings(painter, g, model);

    const QRect cell = ToQRect(g.cells[0]);
    const QRect moon = ToQRect(g.moons[0]);
    const int pad = std::max(2, cell.width() / 20);
    const QFont numeralFont = FittedFont(moon.height() * 70 / 100, QStringLiteral("30"),
                                         moon.left() - cell.left() - 2 * pad, true);
    // Below the Moon: three lines of text (CE, Pantheon, festival) in what
    // is left of the cell.
    const int textRoom = cell.bottom() - moon.bottom() - 2 * pad;
    const QFont textFont = FittedFont(textRoom * 30 / 100, QStringLiteral("4696-11-25 PAN"), cell.width() - 2 * pad,
                                      false);
    for (size_t c = 0; c < model.cells.size(); ++c) PaintCell(painter, g, model, moons, c, numeralFont, textFont);
    painter.restore();
}

QImage RenderCalendarPage(const CalendarMonthModel& model, const MoonDayPictures& moons, int width, int height) {
    QImage image(std::max(1, width), std::max(1, height), QImage::Format_RGB32);
    QPainter painter(&image);
    PaintCalendarPage(painter, ComputeCalendarPageGeometry(image.width(), image.height()), model, moons);
    painter.end();
    return image;
}

bool WriteCalendarPageBitmap(const CalendarMonthModel& model, const MoonDayPictures& moons, int width, int height,
                             const std::string& path) {
    QImageWriter writer(QString::fromStdString(path), "bmp");
    return writer.write(RenderCalendarPage(model, moons, width, height));
}

}  // namespace orbel
