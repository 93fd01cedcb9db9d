#include "core/planets/position_table.h"

#include "core/time_scales/civil_calendar.h"

#include "core/records/trim.h"
#include "core/moon/birth_moment.h"
#include "core/planets/planet_theory.h"

#include <array>
#include <cmath>

namespace rashi {
namespace {

// The report rows and where each takes its position.
struct ReportBody {
    const char* english;
    const char* sanskrit;
    int theoryIndex; // -1: Moon, -2: North Node, -3: South Node
};

constexpr std::array<ReportBody, kReportRows> kReportBodies = {{
    {"Sun", "Surya", Earth},
    {"Moon", "Chandra", -1},
    {"Mercury", "Budha", Mercury},
    {"Venus", "Shukra", Venus},
    {"Mars", "Mangala", Mars},
    {"Jupiter", "Guru", Jupiter},
    {"Saturn", "Shani", Saturn},
    {"North Node", "Rahu", -2},
    {"South Node", "Ketu", -3},
}};

// The ayanamsa is negative degrees; a user's own may be positive (a
// sidereal zodiac ahead of the tropical one) and is added as it is.
double Sidereal(double tropical, double ayanamsa) {
    double lambda = tropical + ayanamsa;
    while (lambda < 0) lambda += 360;
    while (lambda >= 360) lambda -= 360;
    return lambda;
}

} // namespace

long long MinutesOfMoment(const CivilMoment& moment) {
    return DaysFromCivil(moment.year, moment.month, moment.day) * 1440 + moment.hour * 60LL + moment.minute;
}

CivilMoment ShiftMoment(const CivilMoment& local, int minutes) {
    const long long total =
        DaysFromCivil(local.year, local.month, local.day) * 1440 + local.hour * 60LL + local.minute + minutes;
    long long days = total / 1440;
    long long rest = total % 1440;
    if (rest < 0) {
        rest += 1440;
        --days;
    }
    CivilMoment ut{};
    const CivilDate date = CivilFromDays(days);
    ut.year = date.year;
    ut.month = date.month;
    ut.day = date.day;
    ut.hour = static_cast<int>(rest / 60);
    ut.minute = static_cast<int>(rest % 60);
    return ut;
}

CivilMoment PlanetMoment(const BirthRecord& birth) {
    // To the nearest minute: the planets move too slowly for the seconds of a
    // local mean time to show.
    const int offset = -static_cast<int>(std::lround(UtcOffsetSeconds(birth) / 60.0));
    return ShiftMoment({birth.Year, birth.Month, birth.Day, birth.Hour, birth.Minute}, offset);
}

double PrecessionSinceJ2000(double d) {
    const double T = d / 36525;
    return (5029.0966 * T + 1.11113 * T * T) / 3600;
}

std::string ShortPositionText(std::string_view text) {
    constexpr std::string_view kDegreeSign = "\u00B0";
    const std::string_view t = TrimSpaces(text);
    const auto degreeMark = t.find(kDegreeSign);
    const std::string_view deg = TrimSpaces(t.substr(0, degreeMark));
    std::string_view min;
    if (degreeMark != std::string_view::npos) {
        const auto start = degreeMark + kDegreeSign.size();
        const auto minuteMark = t.find('\'', start);
        min = TrimSpaces(t.substr(start, minuteMark == std::string_view::npos ? std::string_view::npos : minuteMark - start));
    }
    const std::string_view abbr = TrimSpaces(text.substr(text.size() >= 3 ? text.size() - 3 : 0));

    std::string out;
    out.reserve(9);
    if (deg.size() <= 1) out += '0';
    out.append(deg).append(" ").append(abbr).append(" ");
    if (min.size() <= 1) out += '0';
    out.append(min);
    return out;
}

void FillReportRows(PositionTable& table, const MoonEphemeris& moon, const std::array<double, kReportRows>& longitudes) {
    for (int i = 0; i < kReportRows; ++i) {
        table.PlanetNames[i] = kReportBodies[i].english;
        table.PlanetNamesSanskrit[i] = kReportBodies[i].sanskrit;
        const int source = kReportBodies[i].theoryIndex;
        const std::string& text = source >= 0 ? table.TheoryPositionTexts[source]
                                  : source == -1 ? moon.MoonPositionText
                                  : source == -2 ? table.NorthNodeText
                                                 : table.SouthNodeText;
        table.PlanetPositions[i] = ShortPositionText(text);
    }
    table.SiderealLongitudes = longitudes;
}

std::array<double, kTheoryBodies> TheorySiderealLongitudes(double d, double ayanamsa) {
    // The element table is of J2000; bring each longitude to the equinox of
    // date before taking off the ayanamsa of date.
    const double precession = PrecessionSinceJ2000(d);
    const auto longitudes = GeocentricLongitudes(d);
    std::array<double, kTheoryBodies> sidereal{};
    for (int p = 0; p < kTheoryBodies; ++p) sidereal[p] = Sidereal(longitudes[p] + precession, ayanamsa);
    return sidereal;
}

double NorthNodeLongitude(double d, double ayanamsa) {
    // Mean lunar node (already of date).
    double north = ReduceRadians((125.1228 - 0.0529538083 * d) * DegToRad);
    north = north * (180 / 3.1416);
    north = north - 1;
    north = north + ayanamsa;
    while (north < 0) north += 360;
    while (north >= 360) north -= 360;
    return north;
}

double SouthNodeLongitude(double north) {
    double south = north + 180;
    while (south >= 360) south -= 360;
    return south;
}

std::array<double, kReportRows> ReportRowLongitudes(const std::array<double, kTheoryBodies>& sidereal, double moon,
                                                    double north) {
    std::array<double, kReportRows> rows{};
    for (int i = 0; i < kReportRows; ++i) {
        const int source = kReportBodies[i].theoryIndex;
        rows[i] = source >= 0 ? sidereal[source] : source == -1 ? moon : source == -2 ? north : SouthNodeLongitude(north);
    }
    return rows;
}

void BuildPositionTable(ReadingRecords& records) {
    PositionTable& table = records.positions;
    const CivilMoment ut = PlanetMoment(records.birth);
    const double d = DayNumber(ut.year, ut.month, ut.day, ut.hour, ut.minute);
    const double ayanamsa = records.chart.ChartAyanamsa;

    const auto sidereal = TheorySiderealLongitudes(d, ayanamsa);
    for (int p = 0; p < kTheoryBodies; ++p) table.TheoryPositionTexts[p] = SignPositionText(sidereal[p]);
    const double north = NorthNodeLongitude(d, ayanamsa);
    table.NorthNodeText = SignPositionText(north);
    table.SouthNodeText = SignPositionText(SouthNodeLongitude(north));
    FillReportRows(table, records.moon, ReportRowLongitudes(sidereal, records.moon.SiderealLongitude, north));
}

} // namespace rashi
