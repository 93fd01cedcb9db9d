// The atlas: loading it, searching it per keystroke, and the zone of a birth
// moment. `places_bench --memory` prints what the loaded atlas costs in
// resident memory instead of timing anything.

#include "places/atlas.h"
#include "places/zone_moment.h"

#include <benchmark/benchmark.h>

#include <QFile>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

namespace {

using namespace rashi::places;

QByteArray AtlasBytes() {
    QFile file(Atlas::DefaultPath());
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

const Atlas& LoadedAtlas() {
    static const Atlas atlas = *Atlas::LoadDefault();
    return atlas;
}

void LoadFromBytes(benchmark::State& state) {
    const QByteArray bytes = AtlasBytes();
    for (auto _ : state) benchmark::DoNotOptimize(Atlas::FromBytes(bytes));
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(LoadFromBytes)->Unit(benchmark::kMillisecond);

void LoadFromFile(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(Atlas::LoadDefault());
}
BENCHMARK(LoadFromFile)->Unit(benchmark::kMillisecond);

// What the City box asks for as each letter is typed, from the second on.
const char* const kKeystrokes[] = {"Mu", "Mum", "Sp", "Spr", "Spri", "Sprin", "Spring", "Sa", "San", "San ", "San F"};

void SearchPerKeystroke(benchmark::State& state) {
    const Atlas& atlas = LoadedAtlas();
    const QString typed = QString::fromLatin1(kKeystrokes[state.range(0)]);
    for (auto _ : state) benchmark::DoNotOptimize(atlas.Search(typed, 10));
    state.SetLabel(std::string("\"") + kKeystrokes[state.range(0)] + "\"");
}
BENCHMARK(SearchPerKeystroke)->DenseRange(0, std::size(kKeystrokes) - 1)->Unit(benchmark::kMicrosecond);

void SearchNarrowed(benchmark::State& state) {
    const Atlas& atlas = LoadedAtlas();
    for (auto _ : state) benchmark::DoNotOptimize(atlas.Search(u"Springfield, Illinois, United States", 10));
}
BENCHMARK(SearchNarrowed)->Unit(benchmark::kMicrosecond);

void ZoneOfABirth(benchmark::State& state) {
    for (auto _ : state) {
        const ZoneMoment m = ZoneAtMoment(u"Asia/Kolkata", QDate(1942, 9, 1), QTime(12, 0));
        benchmark::DoNotOptimize(ExplainZone(m));
    }
}
BENCHMARK(ZoneOfABirth)->Unit(benchmark::kMicrosecond);

// A zone with daylight saving every year since long ago, on a day that did
// not exist and one that happened twice.
void ZoneOfABirthOnChangeDays(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(ZoneAtMoment(u"America/New_York", QDate(2021, 3, 14), QTime(2, 30)));
        benchmark::DoNotOptimize(ZoneAtMoment(u"America/New_York", QDate(2021, 11, 7), QTime(1, 30)));
    }
}
BENCHMARK(ZoneOfABirthOnChangeDays)->Unit(benchmark::kMicrosecond);

long ResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    }
    return -1;
}

int PrintMemory() {
    const long before = ResidentKilobytes();
    QString error;
    const std::optional<Atlas> atlas = Atlas::LoadDefault(&error);
    if (!atlas) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    const long after = ResidentKilobytes();
    std::printf("atlas %s: %d places, %d names\n", qPrintable(Atlas::DefaultPath()), atlas->PlaceCount(), atlas->NameCount());
    std::printf("resident before load %ld KiB, after %ld KiB, atlas costs %ld KiB\n", before, after, after - before);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--memory") == 0) return PrintMemory();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
