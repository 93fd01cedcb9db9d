#include "cli/tool_options.h"

#include "core/aspects/graha_drishti.h"
#include "core/ayanamsa/ayanamsa_names.h"
#include "core/entries/birth_choices.h"
#include "core/chart_files/visible_text.h"
#include "core/records/dasha_records.h"
#include "core/timing/dasha_text.h"
#include "core/timing/dasha_tree.h"

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
    "\"kqa\"), from another program's chart file (\".jhd\" or \".mtx\", in any letter\n"
    "case: the clock's seconds are kept, and an offset no zone row gives is taken\n"
    "exactly, as \"zone_note\" says), or from the birth options.\n";

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
    "positive), zone id, population and the alternate name the place was found by\n"
    "(\"Calcutta\" for Kolkata; empty when its own name found it), tab-separated, a\n"
    "place a line; a name mistyped lists the nearest names, yours among them.\n"
    "Atlas data: GeoNames (CC BY 4.0).\n\n"
    "--add-place \"Name, State, Country\" (or \"Name, Country\") with --lat, --lon and\n"
    "--zone-id keeps a place the atlas lacks among your own places\n"
    "($XDG_DATA_HOME/rashi-drishti/own-places.sqlite, shared with the window);\n"
    "--remove-place \"Name, State, Country\" takes it out. --place and --find-place\n"
    "find your places too (a whole name of yours first); --find-place shows \"own\"\n"
    "for their population.\n\n"
    "--rule classical uses the classical rule of sign aspects (a movable sign\n"
    "aspects the fixed signs but the one next to it, a fixed sign the movable signs\n"
    "but the one next to it, a dual sign the other duals) instead of ours (each sign\n"
    "aspects the other three of its quality); the reading and its files name it.\n"
    "--lang hi writes the reading, --pdf and --svg in Hindi (signs, bodies and\n"
    "sentences in Devanagari); --json and --batch stay in English for scripts.\n"
    "--pdf and --svg need no display; --json adds the ascendant, the nine sidereal\n"
    "longitudes in degrees and the rule.\n\n"
    "--precise takes the positions from the full theories (VSOP87, ELP 2000-82B)\n"
    "and the IAU's standard models (ERFA) with the Lahiri ayanamsa instead of the\n"
    "program's own formulas; the rule and the texts are the same. It works with\n"
    "--batch too. The formulas serve births from 1901 to 2050; one from 1600 to\n"
    "1900 or 2051 to 2400 takes the precise positions anyway, and says so.\n\n"
    "--calendar julian reads --date in the Julian calendar (England until 1752,\n"
    "Russia until 1918): the header says \"(Julian date)\" and --save keeps it.\n"
    "--nodes true shows the true (osculating) node of the precise positions\n"
    "instead of the mean one (the formulas have none: the reading then takes the\n"
    "precise positions, and says so); --save keeps it.\n\n"
    "--ayanamsa NAME takes that ayanamsa off the tropical longitudes instead of the\n"
    "program's own (its formulas' one, or Lahiri with --precise), with either\n"
    "ephemeris: lahiri, raman, krishnamurti, yukteshwar, fagan-bradley,\n"
    "usha-shashi, jn-bhasin, suryasiddhanta, aryabhata, ss-revati, ss-citra,\n"
    "true-citra, true-revati, true-pushya, true-mula (the true ones keep their star,\n"
    "Spica, zeta Piscium, delta Cancri, lambda Scorpii, at a fixed sidereal place),\n"
    "or custom:DEGREES,ARCSEC_PER_YEAR (its value at J2000.0 and its yearly rate,\n"
    "e.g. custom:23.85,50.29). It wins over a chart file's own; --json adds\n"
    "\"ayanamsa\" (its name and its value at the birth, in degrees), --save keeps it\n"
    "in the chart file, and --batch takes it for every line.\n\n"
    "--window adds two lines after the 36 captions: the first and last minute of\n"
    "the birth's clock with the same nine signs (the reading) and with\n"
    "the same ascendant's sign too (the chart), and what changes a minute beyond\n"
    "each, searching up to three days each way. With the place's zone (--place,\n"
    "--zone-id, a chart file's 18th line) each time is the place's clock as it\n"
    "ran, across a change of daylight saving; a time the clocks showed twice\n"
    "carries its offset (\"2010-11-07 01:24 UTC-5:00\"), which --time takes back.\n"
    "--json adds them as \"window\" and\n"
    "--batch as eight more columns (reading from, until, before, after, then the\n"
    "chart's).\n\n"
    "--jaimini adds lines after the 36 captions: the chara karakas (the bodies\n"
    "ranked by the degrees travelled in their signs, Rahu's counted backwards;\n"
    "--karakas 7 leaves Rahu out), the karakamsa (the Atmakaraka's navamsa sign),\n"
    "how the Atmakaraka and Amatyakaraka stand, the arudha padas AL, A2 .. A11, UL\n"
    "(--arudha-exceptions off counts without the 10th and 4th), and the houses\n"
    "each body aspects counted from the lagna. --navamsa prints the 36 captions of\n"
    "the navamsa (D9) chart instead of the birth chart's. With --window both add\n"
    "how long the karakas and the navamsa hold. --json always carries\n"
    "\"aspected_houses\", \"karakas\", \"karakamsa\", \"arudha_padas\" and\n"
    "\"navamsa\"; --batch --jaimini adds four columns (karakas, karakamsa, arudha\n"
    "padas, navamsa signs with its lagna first), and with --window four more.\n\n"
    "--graha-drishti adds lines after all the others: the signs each body aspects\n"
    "counted from its own (the 7th; Mars the 4th and 8th too, Jupiter the 5th and\n"
    "9th, Saturn the 3rd and 10th) in full or in part, with their houses and\n"
    "bodies, its strength in virupas (0 to 60) on the nine bodies and the twelve\n"
    "houses by the precise positions, and the bodies it joins by both aspects, by\n"
    "Rashi Drishti only and by graha drishti only. --node-aspects 5-9 gives the\n"
    "nodes the 5th and 9th in full besides the 7th. --json always carries\n"
    "\"graha_drishti\"; --batch --graha-drishti adds nine columns, the bodies each\n"
    "aspects in full.\n\n"
    "--dasha vimshottari,chara,drig (or all) adds lines after the others: the\n"
    "Vimshottari dasha from the precise Moon (its nakshatra, the balance at birth,\n"
    "the periods to --dasha-levels 1..5, default 2: maha, antar, pratyantar,\n"
    "sookshma, prana), the chara dasha by K.N. Rao's method (--chara-exaltation on\n"
    "adds a year for an exalted lord and takes one for a debilitated one) with its\n"
    "antardashas, the drig dasha, each sign with the signs it aspects, how far the\n"
    "dates move per minute of birth time and the periods running at noon UT on the\n"
    "--on day (default today). Dates are UT; --dasha-year sidereal (365.256363\n"
    "days, the default), julian, tropical, savana (360) or a number of days from\n"
    "300 to 400. --nakshatras adds each body's and the lagna's nakshatra, pada and\n"
    "lord. --json carries \"nakshatras\" and \"dashas\" (all three unless --dasha\n"
    "names some); with\n"
    "--window the Moon's nakshatra's first and last minute too. --batch --dasha\n"
    "adds the Moon's nakshatra, then the running mahadasha and antardasha of the\n"
    "Vimshottari and the chara dasha and the running drig period, of those asked.\n\n"
    "--batch reads charts from standard input, one per line, each 17 tab-separated\n"
    "fields in chart-file order (name, month, day, year, hour, minute, zone row,\n"
    "longitude degrees, longitude minutes, latitude degrees, latitude minutes,\n"
    "east, south, daylight saving, city, state, country), and writes one line per\n"
    "chart: its line number, a tab and the 36 captions separated by tabs, or the\n"
    "line number, a tab, \"error\", a tab and the message. An 18th field may give\n"
    "the zone id, as a chart file's 18th line does (empty for none), a 19th the\n"
    "date's calendar (julian or gregorian); --calendar and --nodes hold for every\n"
    "line, a line's calendar before --calendar.\n\n"
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
    app.add_option("--name", o.name, "the person's name (letters and spaces, at most 32767)")->group(birth)->type_name("TEXT");
    app.add_option("--date", o.date, "date of birth, years 1600 to 2400")->group(birth)->type_name("YYYY-MM-DD");
    app.add_option("--calendar", o.calendar, "the date's calendar: gregorian (default) or julian")
        ->group(birth)
        ->type_name("CALENDAR");
    app.add_option("--time", o.time,
                   "local clock time, hours 0 to 24; a time the clocks showed twice takes its offset after it, "
                   "as the window prints it (\"01:30 UTC-5:00\")")
        ->group(birth)
        ->type_name("HH:MM");
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
    app.add_option("--ayanamsa", o.ayanamsa, "the ayanamsa: lahiri, raman, ... (see below)")
        ->group(output)
        ->type_name("NAME");
    app.add_option("--nodes", o.nodes, "the lunar node: mean (default) or true")->group(output)->type_name("NODES");
    app.add_flag("--window", o.window, "how far the birth time can move with the same signs")->group(output);
    app.add_flag("--jaimini", o.jaimini, "add the karakas, the karakamsa, A1-A12 and the houses")->group(output);
    app.add_flag("--navamsa", o.navamsa, "the navamsa (D9) chart's reading instead of the birth chart's")->group(output);
    app.add_option("--karakas", o.karakas, "chara karakas: 8 (default, with Rahu) or 7")
        ->group(output)
        ->type_name("N")
        ->check(CLI::IsMember({"8", "7"}));
    app.add_option("--arudha-exceptions", o.arudhaExceptions, "the arudhas' two exceptions: on (default) or off")
        ->group(output)
        ->type_name("ON|OFF")
        ->check(CLI::IsMember({"on", "off"}));
    app.add_flag("--graha-drishti", o.grahaDrishti, "add the graha drishti and its strengths in virupas")->group(output);
    app.add_option("--node-aspects", o.nodeAspects, "the nodes' graha drishti: 7 (default) or 5-9")
        ->group(output)
        ->type_name("7|5-9");
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
    app.add_option("--dasha", o.dasha, "dashas after the reading: vimshottari, chara, drig or all (see below)")
        ->group(output)
        ->type_name("LIST");
    app.add_option("--dasha-levels", o.dashaLevelsText, "Vimshottari levels: 1 to 5 (default 2)")->group(output)->type_name("N");
    app.add_option("--dasha-year", o.dashaYear, "the dashas' year: sidereal (default), julian, tropical, savana or DAYS")
        ->group(output)
        ->type_name("YEAR");
    app.add_option("--chara-exaltation", o.charaExaltation, "the chara dasha's year for exaltation: off (default) or on")
        ->group(output)
        ->type_name("ON|OFF")
        ->check(CLI::IsMember({"on", "off"}));
    app.add_option("--on", o.on, "the periods running at noon UT that day (default today)")
        ->group(output)
        ->type_name("YYYY-MM-DD");
    app.add_flag("--nakshatras", o.nakshatras, "add each body's nakshatra, pada and lord")->group(output);
    app.add_option("--find-place", o.findPlace, "list up to 10 places of the atlas")->group(output)->type_name("TEXT");
    app.add_flag("--help", o.help, "show this text")->group(output);

    const std::string own = "Your places";
    app.add_option("--add-place", o.addPlace, "keep a place of your own (see below)")->group(own)->type_name("PLACE");
    app.add_option("--remove-place", o.removePlace, "remove a place of your own")->group(own)->type_name("PLACE");

    app.add_option("file", o.files, "a chart file")->type_name("FILE.kqa");
}


// --dasha, --dasha-levels, --dasha-year and --on into their values.
void ParseTimingOptions(ToolOptions& o) {
    if (o.dasha) {
        constexpr std::pair<std::string_view, unsigned> kNames[] = {
            {"vimshottari", dasha::Vimshottari}, {"chara", dasha::Chara}, {"drig", dasha::Drig}, {"all", dasha::All}};
        const std::string_view list = *o.dasha;
        for (std::size_t start = 0, comma = 0; comma != std::string_view::npos; start = comma + 1) {
            comma = list.find(',', start);
            const std::string_view name = list.substr(start, comma - start);
            const auto known = std::find_if(std::begin(kNames), std::end(kNames), [&](const auto& n) { return n.first == name; });
            if (known == std::end(kNames))
                throw InputError("Unknown dasha \"" + VisibleText(std::string(name)) +
                                 "\"; give vimshottari, chara, drig or all, comma-separated");
            o.dashas |= known->second;
        }
    }
    if (o.dashaLevelsText) {
        const std::string& t = *o.dashaLevelsText;
        if (t.size() != 1 || t[0] < '1' || t[0] > '5') throw InputError("--dasha-levels takes 1 to 5");
        o.dashaLevels = t[0] - '0';
    }
    if (o.dashaYear) {
        const auto days = YearDaysFromText(*o.dashaYear);
        if (!days) throw InputError("--dasha-year takes sidereal, julian, tropical, savana or a number of days from 300 to 400");
        o.dashaYearDays = *days;
    }
    if (!o.on.empty() && !DashaDayFromText(o.on)) throw InputError("--on takes a real date, YYYY-MM-DD");
}

} // namespace

bool ToolOptions::hasBirthOptions() const {
    return name || date || calendar || time || zone || lat || lon || city || state || country || dst || place || zoneId;
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
    if (options.ayanamsa && !ParseAyanamsa(*options.ayanamsa))
        throw InputError(AyanamsaRefusal(*options.ayanamsa, QuotedLine(*options.ayanamsa)));
    if (!NodeAspectsFromKey(options.nodeAspects))
        throw InputError("--node-aspects takes 7 or 5-9, not \"" + VisibleText(options.nodeAspects) + "\"");
    ParseTimingOptions(options);
    if (options.calendar && !ParseCalendar(*options.calendar))
        throw InputError("Unknown calendar \"" + VisibleText(*options.calendar) + "\"; give one of " +
                         std::string(kCalendarChoices));
    if (options.nodes && !ParseNodes(*options.nodes))
        throw InputError("Unknown nodes \"" + VisibleText(*options.nodes) + "\"; give one of " + std::string(kNodesChoices));
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
