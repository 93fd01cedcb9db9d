#include "cli/tool_options.h"

#include "core/chart_files/visible_text.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <string_view>

namespace rashi {
namespace {

constexpr std::string_view kUsage =
    "Usage: rashi-drishti-report [--json] FILE.kqa|FILE.jhd|FILE.mtx\n"
    "       rashi-drishti-report [--json] [--save FILE.kqa] BIRTH OPTIONS\n"
    "       rashi-drishti-report --batch < CHARTS\n\n"
    "Prints the Rashi Drishti (sign aspect) reading of one birth: for each of the\n"
    "nine bodies (Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn, North Node,\n"
    "South Node) four lines: its names, its sidereal position, the three signs it\n"
    "aspects, and the bodies standing in them -- 36 lines in all.\n\n"
    "The birth comes from a chart file saved by the program (its name must end in\n"
    "\"kqa\"), from another program's chart file (\".jhd\" or \".mtx\"), or from the\n"
    "birth options.\n";

constexpr std::string_view kFooter =
    "--json prints the birth record, the ayanamsa, the Moon's position text, the\n"
    "nine positions and the 36 captions, and which ephemeris gave them: one object,\n"
    "its keys lower_snake_case, \"schema_version\" 1 (docs/report.schema.json).\n\n"
    "--place \"Pune, Maharashtra, India\" (or just \"Pune\": the most populous match)\n"
    "fills the city, state, country, coordinates and the exact zone of that place at\n"
    "the birth's date and time, with the zone row and daylight-saving box that give\n"
    "it; options given beside it win, and --zone or --dst drop the exact zone.\n"
    "--zone-id uses a zone of the tz database for the birth's own offset, daylight\n"
    "saving and war time included; it must name a place (Asia/Kolkata, or an old\n"
    "name such as Asia/Calcutta), not localtime or Etc/... --find-place prints\n"
    "name, state, country, latitude and longitude (decimal degrees, north and east\n"
    "positive), zone id and population, tab-separated, a place a line. Atlas data:\n"
    "GeoNames (CC BY 4.0).\n\n"
    "--rule classical uses the classical rule of sign aspects (a movable sign\n"
    "aspects the fixed signs but the one next to it, a fixed sign the movable signs\n"
    "but the one next to it, a dual sign the other duals) instead of ours (each sign\n"
    "aspects the other three of its quality); the reading and its files name it.\n"
    "--lang hi writes the reading, --pdf and --svg in Hindi (signs, bodies and\n"
    "sentences in Devanagari); --json and --batch stay in English for scripts.\n"
    "--pdf and --svg need no display; --json adds the ascendant, the nine sidereal\n"
    "longitudes in degrees and the rule.\n\n"
    "--precise takes the positions from the IAU's standard models (ERFA) with the\n"
    "Lahiri ayanamsa instead of the program's own formulas; the rule and the texts\n"
    "are the same. It works with --batch too.\n\n"
    "--window adds two lines after the 36 captions: the first and last minute of\n"
    "the birth's clock (same zone) with the same nine signs (the reading) and with\n"
    "the same ascendant's sign too (the chart), and what changes a minute beyond\n"
    "each, searching up to three days each way; --json adds them as \"window\" and\n"
    "--batch as eight more columns (reading from, until, before, after, then the\n"
    "chart's).\n\n"
    "--batch reads charts from standard input, one per line, each 17 tab-separated\n"
    "fields in chart-file order (name, month, day, year, hour, minute, zone row,\n"
    "longitude degrees, longitude minutes, latitude degrees, latitude minutes,\n"
    "east, south, daylight saving, city, state, country), and writes one line per\n"
    "chart: its line number, a tab and the 36 captions separated by tabs, or the\n"
    "line number, a tab, \"error\", a tab and the message. An 18th field may give\n"
    "the zone id, as a chart file's 18th line does.\n\n"
    "Exit status: 0 when a reading was printed, 1 when a --batch line failed, 2 on\n"
    "wrong input, whose message is the last line of standard error, 3 when the\n"
    "input could not be read or the output could not be written.";

// The help: our usage and description first, then the option groups.
class HelpLayout : public CLI::Formatter {
public:
    std::string make_description(const CLI::App*) const override { return {}; }
    std::string make_usage(const CLI::App*, std::string) const override { return std::string(kUsage) + "\n"; }
    std::string make_positionals(const CLI::App*) const override { return {}; }
};

// The app with every option bound to `options`.
void Describe(CLI::App& app, ToolOptions& o) {
    app.formatter(std::make_shared<HelpLayout>());
    app.footer(std::string(kFooter));
    app.set_help_flag();
    app.allow_extras();
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    app.get_formatter()->column_width(26);
    app.get_formatter()->label("REQUIRED", "");

    const std::string birth = "Birth";
    app.add_option("--name", o.name, "the person's name (letters and spaces)")->group(birth)->type_name("TEXT");
    app.add_option("--date", o.date, "date of birth, years 1901 to 2050")->group(birth)->type_name("YYYY-MM-DD");
    app.add_option("--time", o.time, "local clock time, hours 0 to 24")->group(birth)->type_name("HH:MM");
    app.add_option("--zone", o.zone, "time-zone row 0 to 70, as listed in the program")->group(birth)->type_name("ROW");
    app.add_flag("--dst", o.dst, "daylight saving was in force")->group(birth);
    app.add_option("--lat", o.lat, "latitude, e.g. 18:31N")->group(birth)->type_name("DEG:MIN{N|S}");
    app.add_option("--lon", o.lon, "longitude, e.g. 73:51E")->group(birth)->type_name("DEG:MIN{E|W}");
    app.add_option("--city", o.city, "the place (letters and spaces)")->group(birth)->type_name("TEXT");
    app.add_option("--state", o.state, "the state or province (letters and spaces)")->group(birth)->type_name("TEXT");
    app.add_option("--country", o.country, "the country (letters and spaces)")->group(birth)->type_name("TEXT");
    app.add_option("--place", o.place, "the place from the atlas (see below)")->group(birth)->type_name("PLACE");
    app.add_option("--zone-id", o.zoneId, "the exact zone, e.g. Asia/Kolkata")->group(birth)->type_name("ID");

    const std::string output = "Output";
    app.add_flag("--json", o.json, "print the reading as one JSON object")->group(output);
    app.add_option("--save", o.save, "also write the birth as a chart file (\".kqa\" added)")
        ->group(output)
        ->type_name("FILE");
    app.add_flag("--batch", o.batch, "read charts from standard input (see below)")->group(output);
    app.add_flag("--precise", o.precise, "positions from the precise ephemeris (ERFA)")->group(output);
    app.add_flag("--window", o.window, "how far the birth time can move with the same signs")->group(output);
    app.add_option("--rule", o.rule, "the rule of sign aspects: ours (default) or classical")
        ->group(output)
        ->type_name("RULE")
        ->check(CLI::IsMember({"ours", "classical"}));
    app.add_option("--lang", o.lang, "the reading's language: en (default) or hi (Hindi)")
        ->group(output)
        ->type_name("LANG")
        ->check(CLI::IsMember({"en", "hi"}));
    app.add_option("--pdf", o.pdf, "also write the reading as one A4 page of PDF")->group(output)->type_name("FILE");
    app.add_option("--svg", o.svg, "also write the chart diagram as an SVG picture")->group(output)->type_name("FILE");
    app.add_option("--chart", o.chart, "the diagram's style: south (default) or north")
        ->group(output)
        ->type_name("STYLE")
        ->check(CLI::IsMember({"south", "north"}));
    app.add_option("--find-place", o.findPlace, "list up to 10 places of the atlas")->group(output)->type_name("TEXT");
    app.add_flag("--help", o.help, "show this text")->group(output);

    app.add_option("file", o.files, "a chart file")->type_name("FILE.kqa");
}


} // namespace

bool ToolOptions::hasBirthOptions() const {
    return name || date || time || zone || lat || lon || city || state || country || dst || place || zoneId;
}

ToolOptions ParseToolOptions(const std::vector<std::string>& args) {
    ToolOptions options;
    CLI::App app("rashi-drishti-report", "rashi-drishti-report");
    Describe(app, options);
    // CLI11 would read "--json=1" as true; a flag takes no value at all.
    for (const std::string& arg : args) {
        if (arg == "--") break;
        const std::string name = arg.substr(0, arg.find('='));
        if (!arg.starts_with("--") || name.size() == arg.size()) continue;
        const CLI::Option* option = app.get_option_no_throw(name);
        if (option && option->get_expected_max() == 0) throw InputError(name + " takes no value");
    }
    try {
        app.parse(std::vector<std::string>(args.rbegin(), args.rend()));
    } catch (const CLI::ArgumentMismatch& error) {
        // "--name: 1 required TEXT missing": the option's name comes first.
        const std::string what = error.what();
        throw InputError(what.substr(0, what.find(':')) + " needs a value");
    } catch (const CLI::ParseError& error) {
        throw InputError(std::string(error.what()) + "; see --help");
    }
    for (const std::string& extra : app.remaining())
        if (extra.starts_with("-"))
            throw InputError("Unknown option " + VisibleText(extra.substr(0, extra.find('='))) + "; see --help");
    // Whatever else is left over names files.
    for (const std::string& extra : app.remaining()) options.files.push_back(extra);
    return options;
}

std::string ToolHelp() {
    ToolOptions unused;
    CLI::App app("rashi-drishti-report", "rashi-drishti-report");
    Describe(app, unused);
    return app.help();
}

} // namespace rashi
