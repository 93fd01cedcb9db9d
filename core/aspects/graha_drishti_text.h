#pragma once
// The graha drishti in words: the report tool's lines and Copy Reading's.

#include "core/records/reading_records.h"
#include "core/words/reading_words.h"

#include <string>
#include <vector>

namespace rashi {

// "Mithuna ¼ (3rd, house 9), Kataka full (4th, house 10: Moon), …": a body's
// seven aspects in count order; the words' "none" for a body without a sign.
std::string GrahaAspectsText(const std::array<GrahaAspect, kGrahaCounts>& aspects, const ReadingWords& words);

// Virupas as the lines print them: one decimal, "42.5".
std::string VirupaText(double virupas);

// The heading, then three lines a body in report order (its aspects, its
// strengths on the bodies and houses, the bodies it joins by both aspects
// and by one only); nothing when the graha drishti was not computed.
std::vector<std::string> GrahaDrishtiLines(const ReadingRecords& records);

} // namespace rashi
