#pragma once
// The chart in words, for those who cannot see it: where the chosen body
// stands, the signs it aspects and the bodies standing in them.

#include "core/records/reading_records.h"

#include <string>

namespace rashi {

// "Moon in Thula aspects Mesha, Kataka, Makara; Jupiter, Saturn, North Node
// and South Node stand there". Empty when no body (or no valid row) is chosen;
// a body whose sign is unknown is only named.
std::string DescribeChosenBody(const ReadingRecords& records, int body);

} // namespace rashi
