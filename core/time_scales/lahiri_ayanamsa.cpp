#include "core/time_scales/lahiri_ayanamsa.h"

#include <erfa.h>
#include <erfam.h>

namespace rashi {
namespace {

// The accumulated general precession in longitude p_A of IAU 2006, radians.
double GeneralPrecession(double tt1, double tt2) {
    double eps0, psia, oma, bpa, bqa, pia, bpia, epsa, chia, za, zetaa, thetaa, pa, gam, phi, psi;
    eraP06e(tt1, tt2, &eps0, &psia, &oma, &bpa, &bqa, &pia, &bpia, &epsa, &chia, &za, &zetaa, &thetaa, &pa, &gam,
            &phi, &psi);
    return pa;
}

} // namespace

double LahiriMeanAyanamsa(double tt1, double tt2) {
    static const double atEpoch = GeneralPrecession(kLahiriEpoch, 0);
    return kLahiriAtEpoch + (GeneralPrecession(tt1, tt2) - atEpoch) * ERFA_DR2D;
}

} // namespace rashi
