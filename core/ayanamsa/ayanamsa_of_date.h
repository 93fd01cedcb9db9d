#pragma once
// The value of a chosen ayanamsa at a date. Most are a value at an epoch
// carried to other dates by the general precession in longitude; the true
// ones follow their star (star_ayanamsa.h); the user's own is a value at
// J2000.0 and a yearly rate.

#include "core/records/ayanamsa_choice.h"

namespace rashi {

// The mean ayanamsa (without nutation in longitude) in degrees at a date of
// TT in two parts (their sum the Julian date). Mean longitudes (the mean
// node, the formulas' bodies) lose this; apparent longitudes lose this plus
// the nutation in longitude. The default is Lahiri here: it is what the
// precise positions take when no other is chosen.
double MeanAyanamsa(const AyanamsaChoice& choice, double tt1, double tt2);

struct AyanamsaOfDate {
    double mean = 0;     // degrees
    double nutation = 0; // Δψ, degrees (IAU 2000B: within a milliarcsecond of 2000A)
    double apparent() const { return mean + nutation; }
};

// The same at a Julian date of UT in two parts, ΔT by the precise
// positions' polynomials.
AyanamsaOfDate AyanamsaAtUniversalTime(const AyanamsaChoice& choice, double ut1, double ut2);

} // namespace rashi
