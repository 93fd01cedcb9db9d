// The precise positions' errors against reference rows read from standard
// input, one moment a line (scripts/measure-precise.sh writes them):
//   year month day hour minute second east-longitude north-latitude
//   Sun Moon Mercury Venus Mars Jupiter Saturn mean-node true-node ascendant ΔT
// all sidereal degrees, UT, the reference's ΔT in seconds. Prints per band of
// years the largest error of each in arcseconds, with the program's ΔT and
// then with the reference's.

#include "core/precise/precise_positions.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>

namespace {

using namespace rashi;

constexpr int kColumns = 10;
constexpr const char* kNames[kColumns] = {"Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn",
                                          "mean node", "true node", "ascendant"};

struct Band {
    const char* name;
    int first1, last1, first2, last2;
    std::array<double, kColumns> worst{};
    std::array<double, kColumns> worstSameTime{};
    double worstDeltaT = 0;
    int moments = 0;
    bool Holds(int year) const { return (year >= first1 && year <= last1) || (year >= first2 && year <= last2); }
};

double Arcseconds(double a, double b) {
    double d = std::fabs(a - b);
    if (d > 180) d = 360 - d;
    return d * 3600;
}

std::array<double, kColumns> Ours(const PreciseFrame& frame, double east, double north) {
    const PreciseSky mean = PrecisePositions(frame, NodeKind::Mean);
    const PreciseSky osculating = PrecisePositions(frame, NodeKind::True);
    return {mean.sidereal[PreciseSun],     mean.sidereal[PreciseMoon],    mean.sidereal[PreciseMercury],
            mean.sidereal[PreciseVenus],   mean.sidereal[PreciseMars],    mean.sidereal[PreciseJupiter],
            mean.sidereal[PreciseSaturn],  mean.sidereal[PreciseNode],    osculating.sidereal[PreciseNode],
            PreciseAscendant(frame, east, north)};
}

void PrintTable(const char* title, const Band* bands, int count, bool sameTime) {
    std::printf("%s\n%-22s %7s", title, "largest error (\")", "moments");
    for (const char* name : kNames) std::printf(" %9s", name);
    std::printf(" %9s\n", sameTime ? "" : "ΔT (s)");
    for (int b = 0; b < count; ++b) {
        std::printf("%-22s %7d", bands[b].name, bands[b].moments);
        for (double w : sameTime ? bands[b].worstSameTime : bands[b].worst) std::printf(" %9.3f", w);
        if (!sameTime) std::printf(" %9.1f", bands[b].worstDeltaT);
        std::printf("\n");
    }
}

} // namespace

int main() {
    Band bands[] = {{"1901-2050", 1901, 2050, 1901, 2050},
                    {"1800-1900, 2051-2150", 1800, 1900, 2051, 2150},
                    {"1600-1799, 2151-2400", 1600, 1799, 2151, 2400}};
    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream fields(line);
        int year, month, day, hour, minute, second;
        double east, north;
        std::array<double, kColumns> reference{};
        fields >> year >> month >> day >> hour >> minute >> second >> east >> north;
        for (double& v : reference) fields >> v;
        double referenceDeltaT = 0;
        fields >> referenceDeltaT;
        if (!fields) continue;

        const int seconds = hour * 3600 + minute * 60 + second;
        const PreciseFrame frame = FrameAtUniversalSeconds(year, month, day, seconds);
        const PreciseFrame sameTime = FrameAtJulianDate(frame.ut1, frame.ut2, referenceDeltaT);
        const std::array<double, kColumns> ours = Ours(frame, east, north), ourSameTime = Ours(sameTime, east, north);
        for (Band& band : bands) {
            if (!band.Holds(year)) continue;
            for (int i = 0; i < kColumns; ++i) {
                band.worst[i] = std::max(band.worst[i], Arcseconds(ours[i], reference[i]));
                band.worstSameTime[i] = std::max(band.worstSameTime[i], Arcseconds(ourSameTime[i], reference[i]));
            }
            band.worstDeltaT = std::max(band.worstDeltaT, std::fabs(frame.deltaT - referenceDeltaT));
            ++band.moments;
        }
    }
    PrintTable("Against the reference, the program's ΔT (last column: largest ΔT difference)", bands, 3, false);
    PrintTable("Against the reference at the reference's ΔT", bands, 3, true);
}
