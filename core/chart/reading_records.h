#pragma once
// The records one reading passes from engine to engine, held in one object
// that the calculation driver owns. Each engine reads the records of the
// engines before it and overwrites its own.

#include "core/zones/time_zones.h"
#include "core/chart/birth_record.h"

#include <array>
#include <string>

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
    double ChartAyanamsa = 0;    // negative degrees
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

enum class Panel { Input, Results };

// Where the positions come from: the program's own formulas (the default) or
// the precise ephemeris of core/precise.
enum class Ephemeris { Formulas, Precise };

struct ReadingRecords {
    ReferenceTables tables;
    BirthRecord birth;
    PlanetChart chart;
    MoonEphemeris moon;
    PositionTable positions;
    AscendantRecord ascendant;
    AspectRuleChoice rule = AspectRuleChoice::Ours;
    Report report;
    Panel front = Panel::Input; // the panel a reading leaves in front
    Ephemeris ephemeris = Ephemeris::Formulas; // chosen before the reading
};

} // namespace rashi
