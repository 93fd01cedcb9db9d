#pragma once
// The 71 named time zones offered on the input panel. A zone's offset is what
// is added to the local clock to give Universal Time: west of Greenwich is
// positive, east negative. The number at the end of each text is for the
// reader only and is never parsed.

#include <array>
#include <cstdint>
#include <string_view>

namespace rashi {

inline constexpr int kTimeZoneCount = 71;

struct ReferenceTables {
    std::array<std::string_view, kTimeZoneCount> TimeZoneList{};
    std::array<std::int16_t, kTimeZoneCount> TimeZoneHours{};
    std::array<std::int16_t, kTimeZoneCount> TimeZoneMinutes{};

    bool operator==(const ReferenceTables&) const = default;
};

// Writes all 71 rows; every call writes the same contents.
void LoadReferenceTables(ReferenceTables& tables);

// The rows as constants, for callers that only need to read them.
const ReferenceTables& TimeZones();

} // namespace rashi
