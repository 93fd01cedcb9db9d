#include "core/moon/birth_moment.h"

#include <algorithm>
#include <cmath>
#include <charconv>

namespace rashi {

int UtcOffsetSeconds(const BirthRecord& birth) {
    if (birth.ExactOffsetSeconds) return *birth.ExactOffsetSeconds;
    return -(birth.SignedZoneHours * 3600 + birth.SignedZoneMinutes * 60) + (birth.DaylightSaving ? 3600 : 0);
}

double ZoneOffsetHours(const BirthRecord& birth) { return -UtcOffsetSeconds(birth) / 3600.0; }

double UniversalHours(const BirthRecord& birth) {
    const double clock = birth.Hour + birth.Minute / 60.0 + birth.Second / 3600.0;
    return clock + ZoneOffsetHours(birth);
}

double JulianDayNumber(int month, int day, int year) {
    const double m = 12.0 * (year + 4800) + month - 3;
    const double r = m - 12 * std::floor(m / 12);
    double j = day + std::floor((365 * m + 2 * r + 7) / 12) + std::floor(m / 48) - 32083;
    if (j > 2299171) j += std::floor(m / 4800) - std::floor(m / 1200) + 38;
    return j;
}

double JulianCenturies(const BirthRecord& birth) {
    const double j = JulianDayNumber(birth.Month, birth.Day, birth.Year);
    return ((j - 2451545) + UniversalHours(birth) / 24 - 0.5) / 36525;
}

double AyanamsaCorrection(double T) {
    const double node = 125.044555 - 1934.1361849 * T + 0.0020762 * T * T;
    const double sun = 280.466449 + 36000.7698231 * T + 0.0003106 * T * T;
    const double nutation = 17.23 * std::sin(node * kDegToRad) + 1.27 * std::sin(sun * kDegToRad);
    return (nutation - T * (5025.64 + 1.11 * T) - 85886.27) / 3600;
}

std::string SignPositionText(double longitude) {
    const double a = std::fabs(longitude);
    if (!std::isfinite(a)) return {};
    double d = std::floor(a);
    const double f = a - d;
    const double mm = 60 * f;
    const double m = std::floor(mm);
    const double s = std::floor(60 * (mm - m));
    const int k = static_cast<int>(std::floor(d / 30));
    d = std::fmod(d, 30); // degrees within the sign; exact for whole numbers

    // d < 30 and m, s < 60 here, so they fit an int exactly.
    std::string text;
    text.reserve(20);
    const auto number = [&text](double value) {
        char digits[16];
        text.append(digits, std::to_chars(digits, digits + sizeof digits, static_cast<int>(value)).ptr);
    };
    number(d);
    text += "\u00B0 ";
    number(m);
    text += "' ";
    number(s);
    text += "\" ";
    if (k >= 0 && k < 12) text += SignAbbreviations.substr(3 * static_cast<std::size_t>(k), 3);
    return text;
}

} // namespace rashi
