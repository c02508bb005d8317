#include "cli/festivals_command.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "app/data_window_link.h"
#include "app/displayed_moment.h"
#include "app/main_window_model.h"
#include "cli/main_window_session.h"
#include "cli/options.h"
#include "engine/festivals.h"
#include "support/scripted_user_port.h"
#include "views/data_window.h"

namespace orbel {
namespace {

constexpr const char* Usage =
    "usage: orbel-cli [settings options] [--years N] [--country vietnam|china|japan|korea] festivals [--] TEXT|now\n"
    "settings options: --longitude 100..145, --epoch -2696|-2636, --method true|mean\n"
    "TEXT is typed into the Date box and converted (\"now\" presses Now); the festivals of the country\n"
    "are listed for N lunar years (3 unless given) from the lunar year of that moment\n";

constexpr std::array<std::string_view, FestivalCountryCount> CountryWords = {"vietnam", "china", "japan", "korea"};

struct Options {
    cli::SettingsOptions settings;
    std::optional<std::string> years;
    std::optional<int> country;
};

using Row = cli::Option<Options>;

bool ReadCountry(Options& o, std::string_view, std::string_view value, std::string& error) {
    for (size_t c = 0; c < CountryWords.size(); ++c) {
        if (CountryWords[c] != value) continue;
        o.country = static_cast<int>(c);
        o.settings.country = static_cast<int>(c);
        o.settings.countryLongitude = FestivalsOf(static_cast<int>(c)).meridian;
        return true;
    }
    error = "unknown country '" + std::string(value) + "'; the countries are vietnam, china, japan and korea";
    return false;
}

constexpr std::array<Row, 2> Table = {{
    {"--years", true,
     [](Options& o, std::string_view, std::string_view value, std::string& error) {
         if (!cli::ParseInteger(value)) return error = "--years needs a whole number", false;
         o.years = std::string(value);
         return true;
     }},
    {"--country", true, ReadCountry},
}};

constexpr cli::CommandWords Words{{"festivals"}, 1};

}  // namespace

bool IsFestivalsCommand(int argc, char** argv) { return cli::CommandIs(argc, argv, Table, Words); }

int RunFestivalsCommand(int argc, char** argv) {
    Options o;
    cli::ParsedCommand parsed;
    std::string error;
    if (!cli::ParseCommandLine(argc, argv, Table, Words, o, parsed, error)) return cli::UsageError(error, Usage);
    if (parsed.operands.size() != 1) return cli::UsageError("festivals needs the TEXT of a date", Usage);

    ScriptedUserPort port;
    MainWindowModel main(port);
    if (!cli::OpenMainWindowOn(main, port, o.settings, parsed.operands.back())) return 2;

    DataWindowModel data(port);
    ConnectDataWindow(main, data);
    // The festivals of the country asked for, whether or not the window's
    // country list offers it.
    if (o.country)
        data.readMainWindow = [&main, country = *o.country] {
            DisplayedMoment moment = DisplayedMomentOf(main);
            moment.country = country;
            return moment;
        };
    data.ListKind = ListFestivalsKind;
    data.txbNumYears.text = o.years.value_or("");
    data.cmdList_Click();
    std::string out = data.txbText.text;
    std::erase(out, '\r');
    const int status = cli::PrintOutput(out);
    return cli::ReportMessages(port) ? 2 : status;
}

}  // namespace orbel
