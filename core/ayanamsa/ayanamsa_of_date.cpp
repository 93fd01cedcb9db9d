#include "core/ayanamsa/ayanamsa_of_date.h"

#include "core/ayanamsa/star_ayanamsa.h"
#include "core/time_scales/delta_t.h"
#include "core/time_scales/lahiri_ayanamsa.h"

#include <erfa.h>
#include <erfam.h>

#include <array>

namespace rashi {
namespace {

constexpr double kJ1900 = 2415020.0;
constexpr double kSuryaSiddhantaEpoch = 1903396.8128654; // 499 CE, the Sun at the equinox by the Surya Siddhanta
constexpr double kAryabhataEpoch = 1903396.7895321;      // 499 CE by Aryabhata

// An ayanamsa fixed at an epoch: its mean value there, in degrees.
// `newcomb`: the definition carried the epoch's value to J2000.0 with
// Newcomb's precession (5025.64" T + 1.11" T², T in centuries from 1900), as
// the tables of its school were computed; from J2000.0 on it moves with the
// modern precession like the others.
struct EpochAyanamsa {
    AyanamsaKind kind;
    double epoch; // JD(TT)
    double atEpoch;
    bool newcomb;
};

constexpr std::array<EpochAyanamsa, 11> kEpochAyanamsas = {{
    {AyanamsaKind::Lahiri, kLahiriEpoch, kLahiriAtEpoch, false},
    {AyanamsaKind::Raman, kJ1900, 360 - 338.98556, true},
    {AyanamsaKind::Krishnamurti, kJ1900, 360 - 337.636111, true},
    {AyanamsaKind::Yukteshwar, kJ1900, 360 - 338.917778, false},
    {AyanamsaKind::FaganBradley, 2433282.42345905, 24.042044444, true}, // SVP 335°57'28.64" in 1950
    {AyanamsaKind::UshaShashi, kJ1900, 360 - 341.33904, false},
    {AyanamsaKind::JnBhasin, kJ1900, 360 - 338.634444, false},
    {AyanamsaKind::SuryaSiddhanta, kSuryaSiddhantaEpoch, 0, false},
    {AyanamsaKind::Aryabhata, kAryabhataEpoch, 0, false},
    {AyanamsaKind::SuryaSiddhantaRevati, kSuryaSiddhantaEpoch, -0.79167046, false},
    {AyanamsaKind::SuryaSiddhantaCitra, kSuryaSiddhantaEpoch, 2.11070444, false},
}};

// The accumulated general precession in longitude p_A of IAU 2006, degrees.
double GeneralPrecession(double tt1, double tt2) {
    double eps0, psia, oma, bpa, bqa, pia, bpia, epsa, chia, za, zetaa, thetaa, pa, gam, phi, psi;
    eraP06e(tt1, tt2, &eps0, &psia, &oma, &bpa, &bqa, &pia, &bpia, &epsa, &chia, &za, &zetaa, &thetaa, &pa, &gam,
            &phi, &psi);
    return pa * ERFA_DR2D;
}

// Newcomb's general precession from an epoch to J2000.0, degrees.
double NewcombToJ2000(double epoch) {
    const auto accumulated = [](double T) { return (5025.64 * T + 1.11 * T * T) / 3600; };
    return accumulated((ERFA_DJ00 - kJ1900) / ERFA_DJC) - accumulated((epoch - kJ1900) / ERFA_DJC);
}

double EpochAyanamsaAt(const EpochAyanamsa& a, double tt1, double tt2) {
    if (a.newcomb) return a.atEpoch + NewcombToJ2000(a.epoch) + GeneralPrecession(tt1, tt2) - GeneralPrecession(ERFA_DJ00, 0);
    return a.atEpoch + GeneralPrecession(tt1, tt2) - GeneralPrecession(a.epoch, 0);
}

} // namespace

double MeanAyanamsa(const AyanamsaChoice& choice, double tt1, double tt2) {
    switch (choice.kind) {
    case AyanamsaKind::Default:
    case AyanamsaKind::Lahiri: return LahiriMeanAyanamsa(tt1, tt2);
    case AyanamsaKind::TrueCitra: return StarAyanamsa(AyanamsaStar::Spica, tt1, tt2);
    case AyanamsaKind::TrueRevati: return StarAyanamsa(AyanamsaStar::ZetaPiscium, tt1, tt2);
    case AyanamsaKind::TruePushya: return StarAyanamsa(AyanamsaStar::DeltaCancri, tt1, tt2);
    case AyanamsaKind::TrueMula: return StarAyanamsa(AyanamsaStar::LambdaScorpii, tt1, tt2);
    case AyanamsaKind::Custom: {
        const double years = ((tt1 - ERFA_DJ00) + tt2) / ERFA_DJY;
        return choice.degreesAtJ2000 + choice.arcsecondsPerYear * years / 3600;
    }
    default:
        for (const EpochAyanamsa& a : kEpochAyanamsas)
            if (a.kind == choice.kind) return EpochAyanamsaAt(a, tt1, tt2);
        return LahiriMeanAyanamsa(tt1, tt2);
    }
}

AyanamsaOfDate AyanamsaAtUniversalTime(const AyanamsaChoice& choice, double ut1, double ut2) {
    const double tt2 = ut2 + DeltaTSeconds(DecimalYear(ut1 + ut2)) / ERFA_DAYSEC;
    double dpsi = 0, deps = 0;
    eraNut00b(ut1, tt2, &dpsi, &deps);
    return {MeanAyanamsa(choice, ut1, tt2), dpsi * ERFA_DR2D};
}

} // namespace rashi
