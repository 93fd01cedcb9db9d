// Time of one whole reading, of each engine alone, and of --batch; with the
// program's formulas and with the precise ephemeris.

#include "core/aspects/rashi_drishti.h"
#include "core/reading/calculation_driver.h"
#include "cli/report_tool.h"
#include "tests/core/fixtures.h"
#include "places/birth_zone.h"
#include "places/zone_clock.h"
#include "core/moon/moon_position.h"
#include "core/planets/planet_ayanamsa.h"
#include "core/planets/position_table.h"
#include "core/precise/precise_positions.h"
#include "core/precise/precise_reading.h"

#include <benchmark/benchmark.h>
#include <erfa.h>

#include <random>
#include <sstream>
#include <string_view>
#include <vector>

namespace {

using namespace rashi;

Entries Pune(int year) { return testing::PuneBirth(15, 8, year, 17, 45); }

// The whole reading in a language: Hindi must cost what English costs.
void WholeReading(benchmark::State& state, Language language) {
    CalculationDriver driver;
    driver.SetLanguage(language);
    int year = 1901;
    for (auto _ : state) {
        benchmark::DoNotOptimize(driver.Calculate(Pune(year)));
        benchmark::DoNotOptimize(driver.report().lblGrahas[8].data());
        year = year == 2050 ? 1901 : year + 1;
    }
}
BENCHMARK_CAPTURE(WholeReading, english, Language::English);
BENCHMARK_CAPTURE(WholeReading, hindi, Language::Hindi);

// The same reading with the Jaimini engines (houses, karakas, arudha padas
// and the navamsa with its 36 captions), beside WholeReading.
void JaiminiReading(benchmark::State& state) {
    CalculationDriver driver;
    driver.setWithJaimini(true);
    int year = 1901;
    for (auto _ : state) {
        benchmark::DoNotOptimize(driver.Calculate(Pune(year)));
        benchmark::DoNotOptimize(driver.records().jaimini.navamsa.report.lblGrahas[8].data());
        year = year == 2050 ? 1901 : year + 1;
    }
}
BENCHMARK(JaiminiReading);

// A precise reading is almost all series: ELP 2000-82B for the Moon, VSOP87
// for the Earth and seven planets, and the IAU 2000A nutation (eraNut00a,
// about 1,365 terms), nearly all in sin/cos; the texts share the rest. Births of changing dates cost more than one repeated
// date, whose series the branch predictor learns: PreciseReading changes the year.
void PreciseReading(benchmark::State& state) {
    CalculationDriver driver;
    driver.setEphemeris(Ephemeris::Precise);
    int year = 1901;
    for (auto _ : state) {
        benchmark::DoNotOptimize(driver.Calculate(Pune(year)));
        benchmark::DoNotOptimize(driver.report().lblGrahas[8].data());
        year = year == 2050 ? 1901 : year + 1;
    }
}
BENCHMARK(PreciseReading)->Unit(benchmark::kMillisecond);

// A reading with a named ayanamsa, beside the same with Lahiri: a fixed
// ayanamsa costs the precession at two dates, a star-fixed one the star's
// space motion, the Earth's velocity and the ecliptic of date once more.
template <Ephemeris kEphemeris>
void ReadingWithAyanamsa(benchmark::State& state) {
    static constexpr AyanamsaKind kKinds[] = {AyanamsaKind::Lahiri, AyanamsaKind::Raman, AyanamsaKind::TrueCitra};
    CalculationDriver driver;
    driver.setEphemeris(kEphemeris);
    driver.setAyanamsa(AyanamsaChoice{kKinds[state.range(0)]});
    int year = 1901;
    for (auto _ : state) {
        benchmark::DoNotOptimize(driver.Calculate(Pune(year)));
        benchmark::DoNotOptimize(driver.report().lblGrahas[8].data());
        year = year == 2050 ? 1901 : year + 1;
    }
    state.SetLabel(state.range(0) == 0 ? "lahiri" : state.range(0) == 1 ? "raman" : "true-citra");
}
BENCHMARK(ReadingWithAyanamsa<Ephemeris::Precise>)->Name("PreciseReadingWithAyanamsa")->DenseRange(0, 2);
BENCHMARK(ReadingWithAyanamsa<Ephemeris::Formulas>)->Name("ReadingWithAyanamsa")->DenseRange(0, 2);

// Readings of the births in turn, for as long as the benchmark runs.
void ReadInTurn(benchmark::State& state, CalculationDriver& driver, const std::vector<Entries>& births) {
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(driver.Calculate(births[next]));
        benchmark::DoNotOptimize(driver.records().window.chart.until.minutes);
        next = (next + 1) % births.size();
    }
}

// The reading with its window (how far the birth time can move), beside the
// plain reading above: births across the years and latitudes up to 60°, so
// that the Moon, the planets and the ascendant all end windows.
// With `kDay`, also the birth's day in the chart's slices, as the results panel asks.
// With `kJaimini`, also how long the karakas and the navamsa hold.
template <Ephemeris kEphemeris, bool kDay = false, bool kJaimini = false>
void ReadingWithWindow(benchmark::State& state) {
    CalculationDriver driver;
    driver.setEphemeris(kEphemeris);
    driver.setWithWindow(true);
    driver.setWithDay(kDay);
    driver.setWithJaimini(kJaimini);
    std::mt19937 random(17);
    std::vector<Entries> births;
    for (int i = 0; i < 64; ++i) {
        const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
        Entries e = testing::PuneBirth(pick(1, 28), pick(1, 12), pick(1901, 2050), pick(0, 23), pick(0, 59));
        e.LatDeg = std::to_string(pick(0, 60));
        births.push_back(e);
    }
    ReadInTurn(state, driver, births);
}
BENCHMARK(ReadingWithWindow<Ephemeris::Formulas>)->Name("ReadingWithWindow/formulas")->Unit(benchmark::kMicrosecond);
BENCHMARK(ReadingWithWindow<Ephemeris::Precise>)->Name("ReadingWithWindow/precise")->Unit(benchmark::kMillisecond);
BENCHMARK(ReadingWithWindow<Ephemeris::Formulas, true>)->Name("ReadingWithWindowAndDay/formulas")->Unit(benchmark::kMicrosecond);
BENCHMARK(ReadingWithWindow<Ephemeris::Precise, true>)->Name("ReadingWithWindowAndDay/precise")->Unit(benchmark::kMillisecond);
BENCHMARK(ReadingWithWindow<Ephemeris::Formulas, false, true>)->Name("ReadingWithJaiminiWindow/formulas")->Unit(benchmark::kMicrosecond);
BENCHMARK(ReadingWithWindow<Ephemeris::Precise, false, true>)->Name("ReadingWithJaiminiWindow/precise")->Unit(benchmark::kMillisecond);

// The same on London's clock (its zone id and the tz database's offsets
// around each birth), births in the weeks of its spring and autumn changes.
// Without the clock, the same births at their own offsets throughout.
template <bool kClock>
void ReadingWithWindowOnTheClock(benchmark::State& state) {
    CalculationDriver driver;
    driver.setWithWindow(true);
    driver.setWithDay(true);
    if (kClock) driver.setZoneClock(&places::TheZoneClock());
    std::mt19937 random(17);
    std::vector<Entries> births;
    for (int i = 0; i < 64; ++i) {
        const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
        const int year = pick(1972, 2050);
        const bool spring = pick(0, 1) == 1;
        Entries e = testing::GreenwichNoon();
        e.YearPosition = year - 1901;
        e.MonthPosition = spring ? 2 : 9;
        e.DatePosition = pick(24, 30);
        e.HourPosition = pick(3, 23);
        e.MinutePosition = pick(0, 59);
        e.ZoneId = "Europe/London";
        places::ApplyZone(e, places::RepeatedTime::First);
        births.push_back(e);
    }
    ReadInTurn(state, driver, births);
}
BENCHMARK(ReadingWithWindowOnTheClock<true>)->Name("ReadingWithWindowAndDay/formulas/London's clock")->Unit(benchmark::kMicrosecond);
BENCHMARK(ReadingWithWindowOnTheClock<false>)->Name("ReadingWithWindowAndDay/formulas/London, no clock")->Unit(benchmark::kMicrosecond);

ReadingRecords FilledRecords() {
    CalculationDriver driver;
    driver.Calculate(Pune(1977));
    return driver.records();
}

template <void (*Engine)(ReadingRecords&)>
void OneEngine(benchmark::State& state) {
    ReadingRecords records = FilledRecords();
    for (auto _ : state) {
        Engine(records);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(OneEngine<SetUpChart>)->Name("SetUpChart");
BENCHMARK(OneEngine<ComputeMoonPosition>)->Name("ComputeMoonPosition");
BENCHMARK(OneEngine<BuildPositionTable>)->Name("BuildPositionTable");
void Evaluate(ReadingRecords& r) { EvaluateRashiDrishti(r); }
BENCHMARK(OneEngine<Evaluate>)->Name("EvaluateRashiDrishti");
void EvaluateInHindi(ReadingRecords& r) {
    r.language = Language::Hindi;
    EvaluateRashiDrishti(r);
}
BENCHMARK(OneEngine<EvaluateInHindi>)->Name("EvaluateRashiDrishti/hindi");
BENCHMARK(OneEngine<ComputePrecisePositions>)->Name("ComputePrecisePositions");
// The Jaimini engines together (houses, karakas, arudha padas, the navamsa
// with its captions): what JaiminiReading adds to WholeReading.
BENCHMARK(OneEngine<RunJaiminiEngines>)->Name("JaiminiEngines");

// The precise engine's parts: the frame (ΔT, precession-nutation, ayanamsa),
// the bodies, and the ascendant on a frame.
void PreciseFrameOnly(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(FrameAtUniversalTime(1977, 8, 15, 12, 15));
}
BENCHMARK(PreciseFrameOnly);

void PreciseBodiesOnly(benchmark::State& state) {
    const PreciseFrame frame = FrameAtUniversalTime(1977, 8, 15, 12, 15);
    for (auto _ : state) benchmark::DoNotOptimize(PrecisePositions(frame));
}
BENCHMARK(PreciseBodiesOnly);

// What the bodies cost from ERFA's compact theories (eraEpv00, eraPlan94,
// eraMoon98), which the precise positions took before the full ones: beside
// PreciseBodiesOnly for comparison in the same run.
void ErfaCompactTheoriesOnly(benchmark::State& state) {
    const PreciseFrame frame = FrameAtUniversalTime(1977, 8, 15, 12, 15);
    for (auto _ : state) {
        double pvh[2][3], pvb[2][3], pv[2][3];
        eraEpv00(frame.tt1, frame.tt2, pvh, pvb);
        for (int planet : {1, 2, 4, 5, 6, 7, 8}) eraPlan94(frame.tt1, frame.tt2, planet, pv);
        eraMoon98(frame.tt1, frame.tt2, pv);
        benchmark::DoNotOptimize(pv);
    }
}
BENCHMARK(ErfaCompactTheoriesOnly);

// A birth outside the formulas' years: the precise positions serve.
void ReadingIn1850(benchmark::State& state) {
    CalculationDriver driver;
    for (auto _ : state) benchmark::DoNotOptimize(driver.Calculate(Pune(1850)));
}
BENCHMARK(ReadingIn1850)->Unit(benchmark::kMillisecond);

void PreciseAscendantOnly(benchmark::State& state) {
    const PreciseFrame frame = FrameAtUniversalTime(1977, 8, 15, 12, 15);
    for (auto _ : state) benchmark::DoNotOptimize(PreciseAscendant(frame, 73.85, 18.52));
}
BENCHMARK(PreciseAscendantOnly);

void Validate(benchmark::State& state) {
    const Entries e = Pune(1977);
    for (auto _ : state) benchmark::DoNotOptimize(ValidateInput(e));
}
BENCHMARK(Validate);

// 100,000 random charts in the --batch input format.
std::string BatchInput(int charts) {
    std::mt19937 random(42);
    const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    std::string input;
    for (int i = 0; i < charts; ++i) {
        const int month = pick(1, 12);
        const int day = pick(1, month == 2 ? 28 : 30);
        input += "Chart\t" + std::to_string(month) + '\t' + std::to_string(day) + '\t' + std::to_string(pick(1901, 2050)) +
                 '\t' + std::to_string(pick(0, 24)) + '\t' + std::to_string(pick(0, 59)) + '\t' +
                 std::to_string(pick(0, 70)) + '\t' + std::to_string(pick(0, 180)) + '\t' + std::to_string(pick(0, 59)) +
                 '\t' + std::to_string(pick(0, 90)) + '\t' + std::to_string(pick(0, 59)) + '\t' +
                 (pick(0, 1) ? "True" : "False") + '\t' + (pick(0, 1) ? "True" : "False") + '\t' +
                 (pick(0, 1) ? "True" : "False") + "\tPune\tMaharashtra\tIndia\n";
    }
    return input;
}

// Takes everything and keeps nothing, as /dev/null does.
struct NullDevice : std::streambuf {
    int_type overflow(int_type c) override { return traits_type::not_eof(c); }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

// The whole tool on random charts: 100,000 with the formulas (0), 20,000 with --precise (1).
void Batch(benchmark::State& state) {
    const bool precise = state.range(0) != 0;
    const int charts = precise ? 1000 : 100000;
    const std::string input = BatchInput(charts);
    std::vector<std::string> args{"--batch"};
    if (precise) args.push_back("--precise");
    for (auto _ : state) {
        // Output goes nowhere, as to /dev/null: the figure is the tool's own work.
        std::istringstream in(input);
        NullDevice nowhere;
        std::ostream out(&nowhere);
        std::ostream err(&nowhere);
        if (RunReportTool(args, in, out, err) > 1) state.SkipWithError("the tool failed");
    }
    state.SetItemsProcessed(state.iterations() * charts);
}
BENCHMARK(Batch)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
