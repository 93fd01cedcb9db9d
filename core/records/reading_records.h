#pragma once
// The records one reading passes from engine to engine, held in one object
// that the calculation driver owns. Each engine reads the records of the
// engines before it and overwrites its own.

#include "core/zones/time_zones.h"
#include "core/records/birth_record.h"
#include "core/records/place_clock.h"
#include "core/records/language.h"
#include "core/records/dasha_records.h"

#include <array>
#include <string>
#include <vector>

namespace rashi {

inline constexpr int kReportRows = 9; // Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn, North Node, South Node

// The Moon engine's birth moment and result.
struct MoonEphemeris {
    double UniversalHours = 0;   // may lie below 0 or above 24
    double JulianCenturies = 0;  // T, from 2000 January 1.5
    double SiderealLongitude = 0;
    std::string MoonPositionText; // e.g. 19° 27' 44" Lib
};

// The planet engine's birth moment and ayanamsa.
struct PlanetChart {
    double UniversalHours = 0;
    double Centuries1900 = 0;    // T0, from JD 2415020.0
    double ChartAyanamsa = 0;    // negative degrees: what the bodies lose
    // Negative degrees: what longitudes of the true equinox (the ascendant)
    // lose, the ayanamsa with nutation. The program's own formula has one
    // value for both.
    double ApparentAyanamsa = 0;
};

// The position table: sidereal positions of the report bodies.
struct PositionTable {
    std::array<std::string, 9> TheoryPositionTexts; // by planet-theory index
    std::string NorthNodeText;
    std::string SouthNodeText;
    std::array<std::string, kReportRows> PlanetNames;
    std::array<std::string, kReportRows> PlanetNamesSanskrit;
    std::array<std::string, kReportRows> PlanetPositions; // e.g. "05 Ari 17"
    std::array<double, kReportRows> SiderealLongitudes{}; // degrees, the numbers behind PlanetPositions
};

// The ascendant (Lagna): the sidereal longitude rising in the east at the
// birth moment and place, with the same ayanamsa as the planets.
struct AscendantRecord {
    double LocalSiderealDegrees = 0; // local apparent sidereal time, 0..360
    double TrueObliquity = 0;        // degrees
    double TropicalLongitude = 0;    // of the equinox of date, 0..360
    double SiderealLongitude = 0;    // 0..360
    std::string PositionText;        // e.g. "12 Vir 05"
    bool SomeSignsNeverRise = false; // the birth place lies above 66.5° latitude
};

// The rule of sign aspects a reading uses. Ours is the default everywhere.
enum class AspectRuleChoice { Ours, Classical };

// The captions of the 36 result labels.
struct Report {
    std::array<std::string, kReportRows> lblPlanets;
    std::array<std::string, kReportRows> lblPlanets_Position;
    std::array<std::string, kReportRows> lblAspects;
    std::array<std::string, kReportRows> lblGrahas;

    bool operator==(const Report&) const = default;
};

// The window of clock time around the birth in which the signs stay.
// Body indexes 0..8 are the report rows; kAscendantBody is the ascendant.
inline constexpr int kAscendantBody = kReportRows;

// One body's change of sign one minute beyond an edge of a window.
struct SignChange {
    int body = 0;
    int fromSign = 0; // 0 (Mesha) .. 11 (Meena); -1 for none
    int toSign = 0;
    bool operator==(const SignChange&) const = default;
};

// Why a window ends where it does.
enum class WindowLimit {
    Change,   // a sign changes one minute beyond
    Search,   // three days from the birth: nothing changes in between
    Years,    // the first or last minute of the years the program offers
};

// One end of a window: the last minute (as minutes from the birth and as
// local clock time) with the birth's signs, and what differs one minute beyond.
struct WindowEdge {
    int minutes = 0;            // from the birth, in Universal Time; negative before it
    int year = 0, month = 0, day = 0, hour = 0, minute = 0; // the place's clock then
    WindowLimit limit = WindowLimit::Change;
    std::vector<SignChange> changes;  // empty unless limit is Change
    std::vector<int> changedLines;    // report rows whose aspect or graha line differs beyond
    int offsetSeconds = 0;      // the clock's offset east of Greenwich at the edge
    bool repeated = false;      // the clock showed the edge's time twice (it went back over it)
    bool operator==(const WindowEdge&) const = default;
};

struct HoldingWindow {
    WindowEdge from;  // the first minute
    WindowEdge until; // the last minute
    bool operator==(const HoldingWindow&) const = default;
};

struct TimeWindowRecord {
    bool computed = false;  // false when the reading was run without the window
    HoldingWindow reading;  // the nine signs stay
    HoldingWindow chart;    // the nine signs and the ascendant's sign stay
    int ascendantSign = -1; // at the birth
};

// The birth's local calendar day cut into the chart's slices: each run of
// minutes with one ascendant sign, and the minutes where a body changes sign.
// Minutes count the time elapsed since the day's first clock minute (00:00,
// or the first that existed), so a day whose clocks changed lasts 23 or 25
// hours; its clock runs say what the clock read.
struct DaySlice {
    int first = 0, last = 0;  // minutes of the day, both in the slice
    int ascendantSign = -1;
    std::string differs;      // from the given chart: "lagna Simha instead of Kanya; the Moon in Mithuna"
    bool operator==(const DaySlice&) const = default;
};

// A body's change of sign within the day: `minute` is the first with `toSign`.
struct DayMark {
    int minute = 0;
    int body = 0;             // a report row
    int fromSign = 0, toSign = 0;
    bool operator==(const DayMark&) const = default;
};

// From elapsed minute `from` on, the clock read `clockMinute` minutes past
// the day's 00:00, at `offsetSeconds` east of Greenwich.
struct DayClockRun {
    int from = 0;
    int clockMinute = 0;
    int offsetSeconds = 0;
    bool operator==(const DayClockRun&) const = default;
};

struct DaySlicesRecord {
    bool computed = false;    // false when the reading was run without it
    int year = 0, month = 0, day = 0; // the birth's local date
    int length = 1440;        // the day's minutes: 1380 or 1500 on a day the clocks changed
    std::vector<DayClockRun> clock{DayClockRun{}}; // in order, the first from minute 0
    int birthMinute = 0;      // the given time, minutes of the day
    int firstMinute = 0, lastMinute = 1439; // the day's minutes within the program's years
    std::vector<DaySlice> slices;
    std::vector<DayMark> marks;
};

// The Jaimini reading: the houses each body aspects counted from the lagna,
// the chara karakas, the arudha padas, the navamsa chart and its reading, and
// how long the karakas and the navamsa hold when the birth time moves.
inline constexpr int kMaxKarakas = 8;

// The two choices of the Jaimini reading, set before a reading runs.
struct JaiminiChoices {
    int karakaScheme = 8;         // 8: Sun to Saturn and Rahu; 7: without Rahu
    bool arudhaExceptions = true; // the 10th when the count lands on the house, the 4th when on its 7th
    bool operator==(const JaiminiChoices&) const = default;
};

// The three houses (1..12, counted from the lagna's sign as house 1) of the
// signs each report row aspects, in the order of the caption's signs
// (Mesha first); 0 where the body's sign is not known.
using AspectedHouses = std::array<std::array<int, 3>, kReportRows>;

struct KarakaRecord {
    int scheme = 8;
    std::vector<int> order;                 // report rows, the Atmakaraka first
    std::array<int, kReportRows> karakaOf{}; // the rank (0 = AK) of each report row, -1 for none
    int karakamsa = -1;                     // the navamsa sign of the Atmakaraka
    std::array<double, kReportRows> degrees{}; // what each row has travelled in its sign, as ranked
};

// How the Atmakaraka and the Amatyakaraka stand, by Jaimini's own (the
// classical) rule whatever rule the captions use.
enum class AtmaAmatya { Unknown, SameSign, Mutual, Neither };

struct NavamsaRecord {
    int lagna = -1;                     // the ascendant's navamsa sign
    std::array<int, kReportRows> signs{}; // each report row's navamsa sign
    PositionTable positions;            // nine times each longitude, as the birth chart's table
    Report report;                      // the 36 captions of the navamsa signs
    AspectedHouses houses;              // counted from the navamsa lagna
};

struct JaiminiRecord {
    bool computed = false;  // false when the reading was run without it
    JaiminiChoices choices; // the choices it was computed with
    int lagna = -1;         // the ascendant's sign
    std::array<int, kReportRows> signs{}; // each body's sign as its position names it, -1 for none
    AspectedHouses houses;
    KarakaRecord karakas;
    std::array<int, 12> arudhaPadas{}; // the sign of A1 (the arudha lagna) .. A12 (the upapada)
    NavamsaRecord navamsa;
    bool navamsaShown = false; // records made to show the navamsa chart (NavamsaView)
    AscendantRecord birthAscendant; // there: the birth's, which the header keeps
};

// How far the birth time can move with the same order of karakas and the same
// navamsa signs (the nine bodies' and the lagna's).
struct JaiminiWindowRecord {
    bool computed = false;
    int scheme = 8;
    std::vector<int> karakaOrder;   // at the birth, the Atmakaraka first
    int navamsaLagna = -1;          // at the birth
    HoldingWindow karakas;
    std::vector<int> karakasBefore; // the order one minute before the window, when it changes there
    std::vector<int> karakasAfter;  // the order one minute after it
    HoldingWindow navamsa;          // its edges' changes name navamsa signs
};

// The bodies' and the lagna's sidereal longitudes from the precise ephemeris,
// whatever ephemeris the captions use: what anything measured in degrees
// reads (the karakas, the navamsa, the nakshatras, the dashas, the aspects'
// strengths). Written on demand, once per reading.
struct DegreesRecord {
    bool computed = false;
    std::array<double, kReportRows> longitudes{}; // report order, [0, 360)
    double ascendant = 0;                          // [0, 360)
};

// Parashara's graha drishti: the signs each body aspects, its strength in
// virupas (sphuta drishti) on the bodies and the houses, and how it stands
// beside the Rashi Drishti of the rule in force. Its signs are the
// captions' signs; its strengths read records.degrees.
enum class NodeAspects { Seventh, FifthNinth }; // the nodes aspect the 7th only, or the 5th and 9th as well

inline constexpr int kGrahaCounts = 7;                 // the 3rd, 4th, 5th, 7th, 8th, 9th and 10th from a body
inline constexpr int kSphutaPoints = kReportRows + 12; // the nine bodies, then houses 1 to 12

// A sign a body aspects, fully or in part.
struct GrahaAspect {
    int count = 0;       // the sign's place counted from the body's sign as 1st
    int sign = -1;       // -1 when the body's sign is unknown
    int house = 0;       // from the lagna's sign, 1..12; 0 when it is unknown
    int quarters = 0;    // its strength: 1 (a quarter) .. 4 (full)
    unsigned bodies = 0; // report rows standing there, a bit each
};

struct GrahaDrishtiRecord {
    bool computed = false;
    NodeAspects nodes = NodeAspects::Seventh;
    std::array<std::array<GrahaAspect, kGrahaCounts>, kReportRows> aspects{}; // in count order
    std::array<std::array<double, kSphutaPoints>, kReportRows> sphuta{};       // virupas, 0..60
    // Report rows a body joins, a bit each: by both aspects, by the Rashi
    // Drishti only, by the graha drishti (its full aspects) only.
    std::array<unsigned, kReportRows> both{}, rashiOnly{}, grahaOnly{};
};

// How far the birth time can move with the Moon in the same nakshatra.
struct NakshatraWindowRecord {
    bool computed = false;
    int nakshatra = -1;
    HoldingWindow moon; // its edges' changes name nakshatras (0..26), not signs
};

enum class Panel { Input, Results };

// Where the positions come from: the program's own formulas (the default) or
// the precise ephemeris of core/precise.
enum class Ephemeris { Formulas, Precise };

struct ReadingRecords {
    ReferenceTables tables;
    BirthRecord birth;
    PlaceClockRecord clock;  // the place's clock around the birth, when the driver was handed one
    PlanetChart chart;
    MoonEphemeris moon;
    PositionTable positions;
    AscendantRecord ascendant;
    AspectRuleChoice rule = AspectRuleChoice::Ours;
    Report report;
    TimeWindowRecord window; // written only when the window is asked for
    DaySlicesRecord day;     // written only when the day's slices are asked for
    JaiminiChoices jaiminiChoices; // chosen before the reading
    JaiminiRecord jaimini;         // written only when the Jaimini reading is asked for
    JaiminiWindowRecord jaiminiWindow; // written only when both it and the window are asked for
    DegreesRecord degrees;             // written only when an engine that reads degrees is asked for
    NodeAspects nodeAspects = NodeAspects::Seventh; // chosen before the reading
    GrahaDrishtiRecord grahaDrishti;   // written only when the graha drishti is asked for
    DashaChoices dashaChoices;         // chosen before the reading
    DashaRecord dashas;                // written only when a dasha is asked for
    NakshatraWindowRecord nakshatraWindow; // written only when both a dasha and the window are asked for
    Panel front = Panel::Input; // the panel a reading leaves in front
    Ephemeris ephemeris = Ephemeris::Formulas; // chosen before the reading; Precise outside the formulas' years
    bool preciseByDate = false; // the formulas were chosen but the birth lies outside their years
    bool preciseByNodes = false; // the formulas were chosen but they have no true node
    Language language = Language::English;     // of the captions and texts; chosen before the reading
};

} // namespace rashi
