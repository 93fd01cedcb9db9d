// What the graha drishti adds to a reading: the engine alone on a reading's
// records, and whole readings with it beside the same without.

#include "core/aspects/graha_drishti.h"
#include "core/precise/precise_reading.h"
#include "core/reading/calculation_driver.h"
#include "tests/core/fixtures.h"

#include <benchmark/benchmark.h>

namespace {

using namespace rashi;

Entries Pune(int year) { return testing::PuneBirth(15, 8, year, 17, 45); }

// The engine on the records of one reading whose degrees are current: the
// signs and houses, the 9 x 21 strengths and the side-by-side lists.
void GrahaDrishtiEngine(benchmark::State& state) {
    CalculationDriver driver;
    driver.setWithGrahaDrishti(true);
    (void)driver.Calculate(Pune(1962));
    ReadingRecords records = driver.records();
    for (auto _ : state) {
        ComputeGrahaDrishti(records);
        benchmark::DoNotOptimize(records.grahaDrishti.sphuta[8][20]);
    }
}
BENCHMARK(GrahaDrishtiEngine);

// Whole readings, with the graha drishti (`with`) and without: the difference
// is its cost on top of a reading. Precise readings have their degrees already;
// the Jaimini reading has filled them for its own engines.
void Reading(benchmark::State& state, Ephemeris ephemeris, bool jaimini, bool with) {
    CalculationDriver driver;
    driver.setEphemeris(ephemeris);
    driver.setWithJaimini(jaimini);
    driver.setWithGrahaDrishti(with);
    int year = 1901;
    for (auto _ : state) {
        benchmark::DoNotOptimize(driver.Calculate(Pune(year)));
        benchmark::DoNotOptimize(driver.records().grahaDrishti.sphuta[8][20]);
        year = year == 2050 ? 1901 : year + 1;
    }
}
BENCHMARK_CAPTURE(Reading, precise, Ephemeris::Precise, false, false);
BENCHMARK_CAPTURE(Reading, precise_with_graha_drishti, Ephemeris::Precise, false, true);
BENCHMARK_CAPTURE(Reading, jaimini, Ephemeris::Formulas, true, false);
BENCHMARK_CAPTURE(Reading, jaimini_with_graha_drishti, Ephemeris::Formulas, true, true);
// The formulas' reading has no precise degrees of its own: with the graha
// drishti it computes them once (one precise frame), which is most of this.
BENCHMARK_CAPTURE(Reading, formulas, Ephemeris::Formulas, false, false);
BENCHMARK_CAPTURE(Reading, formulas_with_graha_drishti, Ephemeris::Formulas, false, true);

} // namespace

BENCHMARK_MAIN();
