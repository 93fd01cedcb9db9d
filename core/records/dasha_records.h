#pragma once
// The records of a reading's timing: the nakshatras and the dashas.

#include <array>
#include <vector>

namespace rashi {

// The timing of a reading: the nakshatras and the dashas, chosen before it runs.
namespace dasha {
enum : unsigned { Vimshottari = 1, Chara = 2, Drig = 4, All = 7 };
}
inline constexpr double kSiderealYearDays = 365.256363;

struct DashaChoices {
    unsigned systems = 0;                // dasha:: bits
    bool nakshatras = false;             // the nakshatras without a dasha (every dasha has them)
    int levels = 2;                      // Vimshottari: 1 (mahadashas) .. 5 (prana)
    double yearDays = kSiderealYearDays; // the year of every dasha
    bool charaExaltation = false;        // the chara dasha's +1 for an exalted lord, -1 for a debilitated one
    bool operator==(const DashaChoices&) const = default;
    bool any() const { return systems != 0 || nakshatras; }
};

struct NakshatraPlace {
    int index = -1;       // 0 (Ashwini) .. 26 (Revati)
    int pada = 0;         // 1..4
    int lord = -1;        // a Vimshottari lord: 0 (Ketu) .. 8 (Mercury), the cycle's order
    double travelled = 0; // the fraction of the nakshatra behind the body, [0, 1)
    bool operator==(const NakshatraPlace&) const = default;
};

// One period: a Vimshottari lord or a sign (0 Mesha .. 11 Meena), its years
// (the signs' dashas), its cycle and its moments (UT seconds from
// 1970-01-01). Its sub-periods are `count` periods from index `first` of the
// same list; the top level comes first.
struct DashaPeriod {
    int key = -1;
    int years = 0;
    int cycle = 1;
    double start = 0, end = 0;
    int first = 0, count = 0;
    bool operator==(const DashaPeriod&) const = default;
};

struct DashaList {
    std::vector<DashaPeriod> periods;
    int top = 0; // the top level's periods, periods[0 .. top)
};

struct DashaRecord {
    bool computed = false;
    DashaChoices choices;
    std::array<NakshatraPlace, 9> nakshatras{}; // the nine report rows, report order
    NakshatraPlace lagnaNakshatra;
    double moonLongitude = 0;   // the precise Moon the Vimshottari counts from
    double birthSecond = 0;     // UT seconds from 1970-01-01
    double balanceYears = 0;    // of the first mahadasha at the birth
    int lagna = -1;             // the chara and drig dashas' signs, by the precise degrees
    std::array<int, 9> signs{};        // of the report rows
    DashaList vimshottari, chara, drig;
};

} // namespace rashi
