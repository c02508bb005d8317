#include "cli/month_command.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>

#include <array>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "app/calendar_month_link.h"
#include "app/main_window_model.h"
#include "support/scripted_user_port.h"
#include "cli/main_window_session.h"
#include "cli/options.h"
#include "dates/date_entry.h"
#include "services/image_conversion.h"
#include "views/calendar_month.h"
#include "views/calendar_page.h"
#include "views/image_saving.h"

namespace orbel {
namespace {

constexpr const char* Usage =
    "usage: orbel-cli [--country vietnam|china|japan|korea] [--longitude 100..145] [--epoch -2696|-2636] "
    "[--method true|mean]\n"
    "                 [--names en|hans|hant|vi|ja|ko] [--observed]\n"
    "                 [--no-pan] [--weeks] [--png FILE] month [--] TEXT|now\n"
    "TEXT is typed into the Date box and converted (\"now\" presses Now); the page of its lunar month is printed:\n"
    "the title, the year-and-month line, then each day's numeral, CE date and Pantheon date, tab-separated;\n"
    "with --weeks the page's weeks layout: its days under their weekdays, Monday first, as a grid\n";

// The page of the saved image, in pixels (the window saves its page at the
// size it has on the screen).
constexpr int PageWidth = 900;
constexpr int PageHeight = 620;

struct MonthOptions {
    cli::SettingsOptions settings;
    std::optional<std::string> png;
    bool showPan = true;
    bool weeks = false;
};

using Row = cli::Option<MonthOptions>;

constexpr std::array<Row, 3> Options = {{
    {"--png", true,
     [](MonthOptions& o, std::string_view, std::string_view value, std::string& error) {
         if (value.empty()) return error = "--png needs a file name", false;
         o.png = std::string(value);
         return true;
     }},
    {"--no-pan", false,
     [](MonthOptions& o, std::string_view, std::string_view, std::string&) {
         o.showPan = false;
         return true;
     }},
    {"--weeks", false,
     [](MonthOptions& o, std::string_view, std::string_view, std::string&) {
         o.weeks = true;
         return true;
     }},
}};

constexpr cli::CommandWords Words{{"month"}, 1};

int Fail(const std::string& message) { return cli::UsageError(message, Usage); }

// Writes the page through the window's own saving: BMP, then PNG.
bool SavePng(const CalendarMonthModel& month, const std::string& path, const char* program) {
    // The page's texts need fonts, which need a GUI application; no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char* argv[] = {const_cast<char*>(program), nullptr};
    QGuiApplication app(argc, argv);
    const MoonDayPictures moons = LoadMoonDayPictures(QCoreApplication::applicationDirPath() + "/pictures/");
    ScriptedUserPort port;
    port.fileNames.push_back(path);
    std::string errorText;
    const bool saved = SaveWindowImage(
        port,
        [&](const std::string& bmp) { return WriteCalendarPageBitmap(month, moons, PageWidth, PageHeight, bmp); },
        SaveCalendarImageTitle, CalendarImageFileName(month), errorText);
    const bool png = saved && errorText == PixeloNoError;
    if (!png) cli::PrintMessages(port);
    return png;
}

}  // namespace

bool IsMonthCommand(int argc, char** argv) { return cli::CommandIs(argc, argv, Options, Words); }

int RunMonthCommand(int argc, char** argv) {
    MonthOptions options;
    cli::ParsedCommand parsed;
    std::string error;
    if (!cli::ParseCommandLine(argc, argv, Options, Words, options, parsed, error)) return Fail(error);
    if (parsed.operands.empty()) return Fail("month needs the TEXT of a date");

    ScriptedUserPort port;
    MainWindowModel model(port);
    model.Load(std::to_string(options.settings.country));
    cli::ReportMessages(port);
    cli::ChooseSettings(model, options.settings);
    model.chkShowPAN.value = options.showPan;
    cli::EnterDate(model, parsed.operands.front());
    cli::PrintMessages(port);
    if (cli::DateRefused(port)) return 2;

    CalendarMonthModel month;
    month.mainWindow = [&model] { return CalendarMainWindowOf(model); };
    month.lngCJDN = LunarMonthStart(model.state.CurrentAJD, model.Settings());
    month.layout = options.weeks ? CalendarLayout::Weeks : CalendarLayout::LunarDays;
    month.DrawMonth();
    if (cli::PrintOutput(options.weeks ? CalendarGridText(month) : CalendarMonthText(month)) != 0) return 2;
    if (options.png && !SavePng(month, *options.png, argv[0])) return 2;
    return 0;
}

}  // namespace orbel
