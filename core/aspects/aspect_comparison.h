#pragma once
// The two aspects side by side: for each body, the bodies it joins by both
// the Rashi Drishti of a rule and the graha drishti, by the one, by the other.

#include "core/aspects/rashi_drishti.h"
#include "core/records/reading_records.h"

#include <array>

namespace rashi {

// The report rows standing in the signs of `signMask`, a bit each. Neither
// aspect reaches a body's own sign, so a body never joins itself.
unsigned BodiesInSigns(const std::array<int, kReportRows>& signs, unsigned signMask);

// From the bodies' signs (-1 for none), the rule of sign aspects and each
// body's signs of full graha drishti (a bit each); writes the three lists of
// `graha` (both, rashiOnly, grahaOnly).
void CompareAspects(const std::array<int, kReportRows>& signs, const AspectRule& rule,
                    const std::array<unsigned, kReportRows>& grahaSigns, GrahaDrishtiRecord& graha);

} // namespace rashi
