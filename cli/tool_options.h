#pragma once
// The report tool's command line: what was asked for, as given.

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace rashi {

// A refusal of the input: the message the user sees last on standard error.
struct InputError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct ToolOptions {
    // The birth, as typed after each option; unset when not given.
    std::optional<std::string> name, date, time, zone, lat, lon, city, state, country;
    bool dst = false;
    std::optional<std::string> place;   // an atlas search: city, state, country, coordinates and zone
    std::optional<std::string> zoneId;  // the tz database zone of the birth
    std::optional<std::string> findPlace;
    std::optional<std::string> addPlace;    // "Name, State, Country" into the user's places, with --lat, --lon, --zone-id
    std::optional<std::string> removePlace; // "Name, State, Country" out of them
    std::optional<std::string> save;
    bool json = false;
    bool precise = false;
    bool window = false;                 // the window of clock time in which the signs stay
    std::optional<std::string> ayanamsa; // a key of core/ayanamsa/ayanamsa_names.h, checked when parsed
    std::optional<std::string> calendar; // the date's calendar: julian or gregorian, checked when parsed
    std::optional<std::string> nodes;    // the lunar node: true or mean, checked when parsed
    bool jaimini = false;                // the karakas, the karakamsa, the arudha padas and the houses after the captions
    bool navamsa = false;                // the navamsa's reading instead of the birth chart's
    std::string karakas = "8";           // the karaka scheme: 8 (with Rahu) or 7
    std::string arudhaExceptions = "on"; // the arudhas' two exceptions: on or off
    bool grahaDrishti = false;           // the graha drishti and its strengths after the captions
    std::string nodeAspects = "7";       // the nodes' graha drishti: 7 or 5-9, checked when parsed
    std::string rule = "ours";           // the rule of sign aspects: ours or classical
    std::string lang = "en";             // the language of the text, --pdf and --svg: en or hi
    std::string chart = "south";         // the diagram's style in --pdf and --svg: south or north
    std::optional<std::string> pdf;      // one A4 page: header, diagram, reading
    std::optional<std::string> svg;      // the diagram alone
    // The timing: --dasha's systems (core/records/dasha_records.h's bits),
    // --dasha-levels, --dasha-year's days, --chara-exaltation, --on's day
    // ("YYYY-MM-DD", checked when parsed; empty for today) and --nakshatras.
    std::optional<std::string> dasha, dashaLevelsText, dashaYear; // as given
    unsigned dashas = 0;
    int dashaLevels = 2;
    double dashaYearDays = 365.256363;
    std::string charaExaltation = "off";
    std::string on;
    bool nakshatras = false;
    bool batch = false;
    bool help = false;
    std::vector<std::string> files;

    // True when any part of the birth was given as an option.
    bool hasBirthOptions() const;
};

// Parses the arguments (without the program's name). Throws InputError with
// the message for the user.
ToolOptions ParseToolOptions(const std::vector<std::string>& args);

// The usage text of --help.
std::string ToolHelp();

} // namespace rashi
