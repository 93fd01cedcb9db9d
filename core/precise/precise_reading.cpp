#include "core/precise/precise_reading.h"

#include "core/ayanamsa/ayanamsa_of_date.h"
#include "core/records/angles.h"
#include "core/moon/birth_moment.h"
#include "core/moon/moon_position.h"
#include "core/planets/planet_theory.h"
#include "core/planets/position_table.h"
#include "core/precise/precise_positions.h"

namespace rashi {
namespace {

// Where each planet-theory index finds its body; -1 for none.
constexpr std::array<int, kTheoryBodies> kTheorySources = {
    PreciseMercury, PreciseVenus, PreciseSun, PreciseMars, PreciseJupiter, PreciseSaturn, PreciseUranus,
    PreciseNeptune, -1,
};

} // namespace

PreciseFrame FrameOfBirth(const BirthRecord& birth) {
    // The clock's date and its seconds (an imported chart's own among them)
    // less the offset, to the second: a local mean time's seconds move the
    // ascendant by minutes of arc.
    const CivilMoment local = ShiftMoment({birth.Year, birth.Month, birth.Day, birth.Hour, birth.Minute}, 0);
    const int seconds = local.hour * 3600 + local.minute * 60 + birth.Second - UtcOffsetSeconds(birth);
    PreciseFrame frame = FrameAtUniversalSeconds(local.year, local.month, local.day, seconds);
    if (birth.Ayanamsa.named()) {
        frame.meanAyanamsa = MeanAyanamsa(birth.Ayanamsa, frame.tt1, frame.tt2);
        frame.trueAyanamsa = frame.meanAyanamsa + frame.nutationLongitude;
    }
    return frame;
}

double AscendantInFrame(const PreciseFrame& frame, const BirthRecord& birth) {
    const double east = (birth.LonDegrees + birth.LonMinutes / 60.0) * (birth.LonEast ? 1 : -1);
    const double north = (birth.LatDegrees + birth.LatMinutes / 60.0) * (birth.LatSouth ? -1 : 1);
    return PreciseAscendant(frame, east, north);
}

std::array<double, kReportRows> PreciseReportLongitudes(const PreciseSky& sky) {
    const double north = sky.sidereal[PreciseNode];
    return {sky.sidereal[PreciseSun], sky.sidereal[PreciseMoon], sky.sidereal[PreciseMercury],
            sky.sidereal[PreciseVenus], sky.sidereal[PreciseMars], sky.sidereal[PreciseJupiter],
            sky.sidereal[PreciseSaturn], north, NormalizedDegrees(north + 180)};
}

double PreciseBirthAscendant(const BirthRecord& birth) { return AscendantInFrame(FrameOfBirth(birth), birth); }

void ComputePrecisePositions(ReadingRecords& records) {
    const PreciseFrame frame = FrameOfBirth(records.birth);
    const PreciseSky sky = PrecisePositions(frame, records.birth.Nodes);
    records.chart.ChartAyanamsa = -frame.trueAyanamsa;
    records.chart.ApparentAyanamsa = -frame.trueAyanamsa;

    MoonEphemeris& moon = records.moon;
    moon.UniversalHours = UniversalHours(records.birth);
    moon.JulianCenturies = JulianCenturies(records.birth);
    moon.SiderealLongitude = sky.sidereal[PreciseMoon];
    moon.MoonPositionText = SignPositionText(moon.SiderealLongitude);

    PositionTable& table = records.positions;
    for (int p = 0; p < kTheoryBodies; ++p)
        table.TheoryPositionTexts[p] = kTheorySources[p] < 0 ? std::string() : SignPositionText(sky.sidereal[kTheorySources[p]]);
    const double north = sky.sidereal[PreciseNode];
    const double south = NormalizedDegrees(north + 180);
    table.NorthNodeText = SignPositionText(north);
    table.SouthNodeText = SignPositionText(south);

    records.ascendant.SiderealLongitude = AscendantInFrame(frame, records.birth);
    records.ascendant.PositionText = ShortPositionText(SignPositionText(records.ascendant.SiderealLongitude));

    FillReportRows(table, moon, PreciseReportLongitudes(sky));
}

void EnsurePreciseDegrees(ReadingRecords& records) {
    DegreesRecord& degrees = records.degrees;
    if (degrees.computed) return;
    if (records.ephemeris == Ephemeris::Precise) {
        degrees.longitudes = records.positions.SiderealLongitudes;
        degrees.ascendant = records.ascendant.SiderealLongitude;
    } else {
        const PreciseFrame frame = FrameOfBirth(records.birth);
        degrees.longitudes = PreciseReportLongitudes(PrecisePositions(frame, records.birth.Nodes));
        degrees.ascendant = AscendantInFrame(frame, records.birth);
    }
    degrees.computed = true;
}

} // namespace rashi
