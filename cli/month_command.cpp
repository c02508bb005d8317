#include "cli/month_command.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "app/calendar_month_link.h"
#include "app/main_window_model.h"
#include "support/scripted_user_port.h"
#include "cli/convert_command.h"
#include "cli/settings_options.h"
#include "dates/date_entry.h"
#include "services/image_conversion.h"
#include "views/calendar_month.h"
#include "views/calendar_page.h"
#include "views/image_saving.h"

namespace orbel {
namespace {

constexpr const char* Usage =
    "usage: orbel-cli [--country vietnam|china|japan] [--longitude 100..145] [--epoch -2696|-2636] "
    "[--method true|mean]\n"
    "                 [--no-pan] [--png FILE] month [--] TEXT|now\n"
    "TEXT is typed into the Date box and converted (\"now\" presses Now); the page of its lunar month is printed:\n"
    "the title, the year-and-month line, then each day's numeral, CE date and Pantheon date, tab-separated\n";

// The page of the saved image, in pixels: the window's page at its first size.
constexpr int PageWidth = 900;
constexpr int PageHeight = 620;

bool TakesValue(std::string_view arg) { return cli::IsSettingsOption(arg) || arg == "--png"; }
bool IsFlag(std::string_view arg) { return arg == "--no-pan"; }

int Fail(const std::string& message) {
    std::fprintf(stderr, "orbel-cli: %s\n%s", message.c_str(), Usage);
    return 2;
}

void PrintMessages(const ScriptedUserPort& port) {
    for (const RecordedMessage& m : port.messages)
        if (!m.question) std::fprintf(stderr, "%s\n%s\n", m.title.c_str(), m.text.c_str());
}

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
        SaveCalendarImageTitle, errorText);
    const bool png = saved && errorText == PixeloNoError;
    if (!png) PrintMessages(port);
    return png;
}

}  // namespace

bool IsMonthCommand(int argc, char** argv) { return cli::CommandIs(argc, argv, {"month"}, TakesValue, IsFlag); }

int RunMonthCommand(int argc, char** argv) {
    cli::SettingsOptions settings;
    std::optional<std::string> png;
    bool showPan = true;
    bool commandSeen = false;
    std::optional<std::string> text;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (cli::EndsOptions(arg, optionsEnded)) continue;
        if (optionsEnded) {
            if (!(commandSeen && !text)) return Fail("unexpected argument '" + std::string(arg) + "'");
            text = std::string(arg);
            continue;
        }
        if (TakesValue(arg)) {
            if (i + 1 >= argc) return Fail("option " + std::string(arg) + " needs a value");
            const std::string_view value = argv[++i];
            std::string error;
            if (arg == "--png") {
                if (value.empty()) return Fail("--png needs a file name");
                png = std::string(value);
            } else if (!cli::ReadSettingsOption(arg, value, settings, error)) {
                return Fail(error);
            }
        } else if (arg == "--no-pan") {
            showPan = false;
        } else if (!commandSeen && arg == "month") {
            commandSeen = true;
        } else if (commandSeen && !text && (arg.size() < 2 || arg.substr(0, 2) != "--")) {
            text = std::string(arg);
        } else {
            return Fail("unexpected argument '" + std::string(arg) + "'");
        }
    }
    if (!commandSeen) return Fail("expected the command month");
    if (!text) return Fail("month needs the TEXT of a date");

    ScriptedUserPort port;
    MainWindowModel model(port);
    model.Load(std::to_string(settings.country));
    PrintMessages(port);
    port.messages.clear();
    ChooseSettings(model, settings);
    model.chkShowPAN.value = showPan;
    if (*text == "now") {
        model.cmdNow_Click();
    } else {
        model.SetDateText(*text);
        model.cmdCompute_Click();
    }
    PrintMessages(port);
    for (const RecordedMessage& m : port.messages)
        if (m.title == DateErrorTitle || m.title == "Date out of range") return 2;

    CalendarMonthModel month;
    month.mainWindow = [&model] { return CalendarMainWindowOf(model); };
    month.lngCJDN = LunarMonthStart(model.state.CurrentAJD, model.Settings());
    month.DrawMonth();
    const std::string out = CalendarMonthText(month);
    std::fwrite(out.data(), 1, out.size(), stdout);
    if (std::fflush(stdout) != 0) return 2;
    if (png && !SavePng(month, *png, argv[0])) return 2;
    return 0;
}

}  // namespace orbel
