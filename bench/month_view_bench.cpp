// The calendar month view: one page drawn (the month's cells computed and
// the page painted at the window's first size) and that page written as a
// PNG file the way the window saves it (BMP, then pixelo's conversion).
// Target: under 50 ms each.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTemporaryDir>

#include "engine/chinese_calendar.h"
#include "views/calendar_month.h"
#include "views/calendar_page.h"
#include "views/image_saving.h"

namespace {

constexpr int kWidth = 900;
constexpr int kHeight = 620;

// Fonts need a GUI application; the benchmarks run without a screen.
const orbel::MoonDayPictures& Pictures() {
    static int argc = 1;
    static char name[] = "month_view_bench";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QGuiApplication(argc, argv);
    }();
    static const orbel::MoonDayPictures pictures =
        orbel::LoadMoonDayPictures(app->applicationDirPath() + "/pictures/");
    return pictures;
}

// A different month at every call, its year data already in the memo (as
// for the window, which opens on the month of the displayed date).
void BM_DrawMonthPage(benchmark::State& state) {
    const orbel::MoonDayPictures& pictures = Pictures();
    orbel::CalendarMonthModel month;
    month.lngCJDN = orbel::LunarMonthStart(2460400, orbel::CalendarSettings{});
    month.DrawMonth();
    for (auto _ : state) {
        month.cmdShowPreviousOrNext_Click(month.lngCJDN > 2470000 ? 0 : 1);
        benchmark::DoNotOptimize(orbel::RenderCalendarPage(month, pictures, kWidth, kHeight));
    }
}
BENCHMARK(BM_DrawMonthPage)->Unit(benchmark::kMillisecond);

void BM_WriteMonthPng(benchmark::State& state) {
    const orbel::MoonDayPictures& pictures = Pictures();
    orbel::CalendarMonthModel month;
    month.lngCJDN = orbel::LunarMonthStart(2460400, orbel::CalendarSettings{});
    month.DrawMonth();
    QTemporaryDir dir;
    const std::string bmp = dir.filePath("month.bmp").toStdString();
    const std::string png = dir.filePath("month.png").toStdString();
    for (auto _ : state) {
        std::string errorText;
        const bool written = orbel::WriteCalendarPageBitmap(month, pictures, kWidth, kHeight, bmp) &&
                             orbel::ConvertImage(bmp, png, true, true, errorText);
        if (!written) state.SkipWithError("the page was not written");
    }
}
BENCHMARK(BM_WriteMonthPng)->Unit(benchmark::kMillisecond);

}  // namespace
