#include "core/time_window/moment_positions.h"

#include "core/ascendant/ascendant.h"
#include "core/moon/birth_moment.h"
#include "core/moon/moon_position.h"
#include "core/planets/planet_ayanamsa.h"
#include "core/planets/planet_theory.h"
#include "core/planets/position_table.h"
#include "core/precise/precise_reading.h"
#include "core/records/angles.h"

#include <algorithm>
#include <cmath>

namespace rashi {

int SignOfLongitude(double longitude) {
    // As the position text takes it: whole degrees of |x|, thirty to a sign.
    const double a = std::fabs(longitude);
    if (!std::isfinite(a)) return -1;
    const double k = std::floor(std::floor(a) / 30);
    return k >= 0 && k < 12 ? static_cast<int>(k) : -1;
}

MomentPositions::MomentPositions(const BirthRecord& birth, Ephemeris ephemeris) : birth_(birth), ephemeris_(ephemeris) {}

BirthRecord MomentPositions::Shifted(int minutes) const {
    if (minutes == 0) return birth_;
    BirthRecord b = birth_;
    const CivilMoment local = ShiftMoment({b.Year, b.Month, b.Day, b.Hour, b.Minute}, minutes);
    b.Year = static_cast<std::int16_t>(local.year);
    b.Month = static_cast<std::int16_t>(local.month);
    b.Day = static_cast<std::int16_t>(local.day);
    b.Hour = static_cast<std::int16_t>(local.hour);
    b.Minute = static_cast<std::int16_t>(local.minute);
    return b;
}

const PreciseFrame& MomentPositions::Frame(int minutes) {
    if (!haveFrame_ || frameMinutes_ != minutes) {
        frame_ = FrameOfBirth(Shifted(minutes));
        frameMinutes_ = minutes;
        haveFrame_ = true;
    }
    return frame_;
}

std::array<double, kReportRows> MomentPositions::ExactBodies(int minutes) {
    ++seriesEvaluations_;
    return PreciseReportLongitudes(PrecisePositions(Frame(minutes), birth_.Nodes));
}

namespace {

// The interpolation of the last birth asked for: the readings' several
// searches around one birth share its samples.
std::shared_ptr<InterpolatedLongitudes<kReportRows>> SeriesOf(const BirthRecord& birth) {
    thread_local BirthRecord last;
    thread_local std::shared_ptr<InterpolatedLongitudes<kReportRows>> series;
    if (!series || !(last == birth)) {
        last = birth;
        series = std::make_shared<InterpolatedLongitudes<kReportRows>>(
            [birth](int minutes) { return MomentPositions(birth, Ephemeris::Precise).ExactBodies(minutes); });
    }
    return series;
}

} // namespace

int MomentPositions::seriesEvaluations() const { return seriesEvaluations_ + (series_ ? series_->evaluations() : 0); }

std::array<double, kReportRows> MomentPositions::Bodies(int minutes) {
    ++evaluations_;
    if (ephemeris_ == Ephemeris::Precise) {
        if (minutes == 0) return ExactBodies(0);
        if (!series_) series_ = SeriesOf(birth_);
        std::array<double, kReportRows> bodies = series_->At(minutes);
        // Mercury .. Saturn in report order.
        constexpr PreciseBody kPlanets[] = {PreciseMercury, PreciseVenus, PreciseMars, PreciseJupiter, PreciseSaturn};
        for (int row = 2; row <= 6; ++row)
            if (std::fabs(std::remainder(bodies[row] - bodies[0], 360.0)) < kNearSun)
                bodies[row] = PrecisePlanetLongitude(Frame(minutes), kPlanets[row - 2]);
        for (double& longitude : bodies) {
            longitude = NormalizedDegrees(longitude);
            const double within = std::fmod(longitude, 30.0);
            if (std::min(within, 30 - within) < kEdgeMargin) return ExactBodies(minutes);
        }
        return bodies;
    }
    const BirthRecord b = Shifted(minutes);
    const PlanetChart chart = ChartOfBirth(b);
    const double moon = MoonSiderealLongitude(JulianCenturies(b), b.Ayanamsa, chart.ChartAyanamsa);
    const CivilMoment ut = PlanetMoment(b);
    const double d = DayNumber(ut.year, ut.month, ut.day, ut.hour, ut.minute);
    return ReportRowLongitudes(TheorySiderealLongitudes(d, chart.ChartAyanamsa), moon,
                               NorthNodeLongitude(d, chart.ChartAyanamsa));
}

double MomentPositions::Ascendant(int minutes) {
    ++evaluations_;
    if (ephemeris_ == Ephemeris::Precise) return AscendantInFrame(Frame(minutes), Shifted(minutes));
    const BirthRecord b = Shifted(minutes);
    const PlanetChart chart = ChartOfBirth(b);
    return AscendantAt(b, chart.UniversalHours, AscendantAyanamsa(b, chart)).SiderealLongitude;
}

} // namespace rashi
