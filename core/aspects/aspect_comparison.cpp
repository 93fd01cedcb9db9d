#include "core/aspects/aspect_comparison.h"

namespace rashi {

unsigned BodiesInSigns(const std::array<int, kReportRows>& signs, unsigned signMask) {
    unsigned bodies = 0;
    for (int k = 0; k < kReportRows; ++k)
        if (signs[k] >= 0 && signs[k] < 12 && (signMask >> signs[k] & 1u)) bodies |= 1u << k;
    return bodies;
}

void CompareAspects(const std::array<int, kReportRows>& signs, const AspectRule& rule,
                    const std::array<unsigned, kReportRows>& grahaSigns, GrahaDrishtiRecord& graha) {
    for (int i = 0; i < kReportRows; ++i) {
        const unsigned rashiSigns = signs[i] >= 0 && signs[i] < 12 ? rule[signs[i]] : 0u;
        const unsigned byRashi = BodiesInSigns(signs, rashiSigns);
        const unsigned byGraha = BodiesInSigns(signs, grahaSigns[i]);
        graha.both[i] = byRashi & byGraha;
        graha.rashiOnly[i] = byRashi & ~byGraha;
        graha.grahaOnly[i] = byGraha & ~byRashi;
    }
}

} // namespace rashi
