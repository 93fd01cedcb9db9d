#include "core/timing/vimshottari.h"

#include "core/jaimini/chart_signs.h"
#include "core/time_window/moment_positions.h"
#include "core/timing/dasha_tree.h"
#include "core/timing/nakshatras.h"

#include <algorithm>

namespace rashi {
namespace {

// The nine lords from `first` in the cycle's order, and their shares of a period.
struct Cycle {
    std::array<int, 9> keys;
    std::array<double, 9> shares;
};

const std::array<Cycle, 9>& Cycles() {
    static const std::array<Cycle, 9> cycles = [] {
        std::array<Cycle, 9> all{};
        for (int first = 0; first < 9; ++first)
            for (int k = 0; k < 9; ++k) {
                const int lord = (first + k) % 9;
                all[first].keys[k] = lord;
                all[first].shares[k] = static_cast<double>(kVimshottariYears[lord]) / kVimshottariCycleYears;
            }
        return all;
    }();
    return cycles;
}

} // namespace

double BuildVimshottari(double moonLongitude, double birthSecond, int levels, double yearDays, DashaList& list) {
    levels = std::clamp(levels, 1, kMostVimshottariLevels);
    list.periods.clear();
    const NakshatraPlace moon = NakshatraOf(moonLongitude);
    if (moon.index < 0) {
        list.top = 0;
        return 0;
    }
    const double year = yearDays * kSecondsPerDay;
    const int firstYears = kVimshottariYears[moon.lord];
    double at = birthSecond - moon.travelled * firstYears * year;
    for (int k = 0; k < 9; ++k) {
        DashaPeriod p;
        p.key = (moon.lord + k) % 9;
        p.years = kVimshottariYears[p.key];
        p.start = at;
        at += p.years * year;
        p.end = at;
        list.periods.push_back(p);
    }
    list.top = 9;
    // Level by level: each level's periods follow the one above.
    int levelFirst = 0, levelCount = 9;
    for (int level = 2; level <= levels; ++level) {
        const int next = static_cast<int>(list.periods.size());
        for (int i = levelFirst; i < levelFirst + levelCount; ++i) {
            const Cycle& cycle = Cycles()[list.periods[static_cast<std::size_t>(i)].key];
            AppendParts(list, i, cycle.keys.data(), cycle.shares.data(), 9);
        }
        levelFirst = next;
        levelCount *= 9;
    }
    return (1 - moon.travelled) * firstYears;
}

double VimshottariShiftDays(const ReadingRecords& records) {
    MomentPositions positions(records.birth, Ephemeris::Precise);
    double travel = positions.Bodies(1)[row::Moon] - positions.Bodies(-1)[row::Moon];
    if (travel < -180) travel += 360;
    const NakshatraPlace moon = NakshatraOf(records.dashas.moonLongitude);
    if (moon.index < 0) return 0;
    const double firstDays = kVimshottariYears[moon.lord] * records.dashas.choices.yearDays;
    return 1.0 / 1440 - firstDays * (travel / 2) / kNakshatraDegrees;
}

void ComputeVimshottari(ReadingRecords& records) {
    DashaRecord& d = records.dashas;
    d.balanceYears = BuildVimshottari(d.moonLongitude, d.birthSecond, records.dashaChoices.levels,
                                      records.dashaChoices.yearDays, d.vimshottari);
}

} // namespace rashi
