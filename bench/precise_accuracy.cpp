// Errors of both ephemerides against reference rows read from standard input
// (scripts/precise-reference.js sample N): per body the largest and the RMS
// difference in arcminutes, and the share of readings whose nine signs all
// agree with the reference. scripts/measure-precise.sh runs it.

#include "core/reading/calculation_driver.h"
#include "core/precise/precise_reading.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>

namespace {

using namespace rashi;

constexpr const char* kBodies[kReportRows] = {"Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn",
                                              "North Node", "South Node"};

struct Tally {
    std::array<double, kReportRows> largest{}, sumOfSquares{};
    long long readings = 0, allSignsEqual = 0;

    void Add(const std::array<double, kReportRows>& ours, const std::array<double, kReportRows>& reference) {
        bool equal = true;
        for (int i = 0; i < kReportRows; ++i) {
            double difference = std::fabs(ours[i] - reference[i]);
            if (difference > 180) difference = 360 - difference;
            difference *= 60;
            largest[i] = std::max(largest[i], difference);
            sumOfSquares[i] += difference * difference;
            equal = equal && std::floor(ours[i] / 30) == std::floor(reference[i] / 30);
        }
        ++readings;
        allSignsEqual += equal;
    }

    void Print(const char* title) const {
        std::printf("%s, %lld readings\n%-11s %10s %10s\n", title, readings, "body", "max (')", "RMS (')");
        for (int i = 0; i < kReportRows; ++i)
            std::printf("%-11s %10.3f %10.3f\n", kBodies[i], largest[i], std::sqrt(sumOfSquares[i] / readings));
        std::printf("all nine signs equal: %.3f%%\n\n", 100.0 * allSignsEqual / readings);
    }
};

std::array<double, kReportRows> Longitudes(const int (&t)[5], Ephemeris ephemeris) {
    ReadingRecords records;
    BirthRecord& b = records.birth;
    b.Year = static_cast<std::int16_t>(t[0]);
    b.Month = static_cast<std::int16_t>(t[1]);
    b.Day = static_cast<std::int16_t>(t[2]);
    b.Hour = static_cast<std::int16_t>(t[3]);
    b.Minute = static_cast<std::int16_t>(t[4]);
    records.ephemeris = ephemeris;
    RunEngines(records);
    return records.positions.SiderealLongitudes;
}

} // namespace

int main() {
    Tally precise, formulas;
    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream fields(line);
        int t[5];
        std::array<double, kReportRows> reference{};
        for (int& v : t) fields >> v;
        for (double& v : reference) fields >> v;
        if (!fields) continue;
        precise.Add(Longitudes(t, Ephemeris::Precise), reference);
        formulas.Add(Longitudes(t, Ephemeris::Formulas), reference);
    }
    precise.Print("Precise positions (ERFA) against the reference");
    formulas.Print("The program's formulas against the reference");
}
