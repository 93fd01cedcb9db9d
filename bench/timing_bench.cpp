// The cost of the timing: the nakshatras and the three dashas on records
// whose positions (and precise degrees) are computed, each engine alone, and
// whole readings with and without them.

#include "core/reading/calculation_driver.h"
#include "core/timing/chara_dasha.h"
#include "core/timing/drig_dasha.h"
#include "core/timing/nakshatras.h"
#include "core/timing/vimshottari.h"
#include "tests/core/fixtures.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

using namespace rashi;

DashaChoices Choices(unsigned systems, int levels) {
    DashaChoices choices;
    choices.systems = systems;
    choices.levels = levels;
    return choices;
}

// Readings of 150 births, their precise degrees computed, to run the timing on.
std::vector<ReadingRecords> Readings() {
    std::vector<ReadingRecords> readings;
    CalculationDriver driver;
    driver.SetDashaChoices(Choices(0, 1));
    DashaChoices nakshatrasOnly;
    nakshatrasOnly.nakshatras = true;
    driver.SetDashaChoices(nakshatrasOnly);
    for (int year = 1901; year <= 2050; ++year) {
        (void)driver.Calculate(testing::PuneBirth(15, 8, year, 17, 45));
        readings.push_back(driver.records());
    }
    return readings;
}

// The nakshatras and all three dashas, the Vimshottari to three levels (729
// periods at the third): what asking for them adds to a reading.
void TimingOnTopOfPositions(benchmark::State& state) {
    std::vector<ReadingRecords> readings = Readings();
    for (ReadingRecords& r : readings) r.dashaChoices = Choices(dasha::All, static_cast<int>(state.range(0)));
    std::size_t i = 0;
    for (auto _ : state) {
        ReadingRecords& r = readings[i];
        RunDashaEngines(r);
        benchmark::DoNotOptimize(r.dashas.vimshottari.periods.data());
        i = (i + 1) % readings.size();
    }
}
BENCHMARK(TimingOnTopOfPositions)->Arg(1)->Arg(2)->Arg(3)->Arg(5);

template <void (*Engine)(ReadingRecords&)>
void OneEngine(benchmark::State& state) {
    std::vector<ReadingRecords> readings = Readings();
    for (ReadingRecords& r : readings) {
        r.dashaChoices = Choices(dasha::All, 3);
        RunDashaEngines(r);
    }
    std::size_t i = 0;
    for (auto _ : state) {
        Engine(readings[i]);
        benchmark::DoNotOptimize(readings[i].dashas);
        i = (i + 1) % readings.size();
    }
}
BENCHMARK_TEMPLATE(OneEngine, ComputeNakshatras);
BENCHMARK_TEMPLATE(OneEngine, ComputeVimshottari);
BENCHMARK_TEMPLATE(OneEngine, ComputeCharaDasha);
BENCHMARK_TEMPLATE(OneEngine, ComputeDrigDasha);

// Whole readings: without the timing (what a reading costs today), and with
// it (the formulas' reading then also measures the precise degrees once).
void WholeReading(benchmark::State& state) {
    CalculationDriver driver;
    driver.setEphemeris(state.range(1) ? Ephemeris::Precise : Ephemeris::Formulas);
    driver.SetDashaChoices(Choices(state.range(0) ? dasha::All : 0u, 3));
    int year = 1901;
    for (auto _ : state) {
        benchmark::DoNotOptimize(driver.Calculate(testing::PuneBirth(15, 8, year, 17, 45)));
        benchmark::DoNotOptimize(driver.records().dashas.drig.periods.data());
        year = year == 2050 ? 1901 : year + 1;
    }
}
BENCHMARK(WholeReading)->ArgNames({"dashas", "precise"})->Args({0, 0})->Args({1, 0})->Args({0, 1})->Args({1, 1});

} // namespace

BENCHMARK_MAIN();
