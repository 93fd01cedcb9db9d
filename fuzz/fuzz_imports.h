#pragma once
// What the harnesses of other programs' chart files check alike: the entries an
// import gives lie in the boxes' ranges, a birth read back is the same to the
// second, and numbers taken from the fuzzer's bytes.

#include "core/entries/entry_lists.h"
#include "core/entries/key_filters.h"
#include "core/imports/imported_birth.h"
#include "core/zones/time_zones.h"
#include "fuzz_support.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace rashi::fuzz_imports {

inline void CheckEntries(const Entries& e) {
    FUZZ_CHECK(e.MonthPosition >= 0 && e.MonthPosition < 12);
    FUZZ_CHECK(kDayList.contains(e.DatePosition));
    FUZZ_CHECK(kYearList.contains(e.YearPosition));
    FUZZ_CHECK(kHourList.contains(e.HourPosition));
    FUZZ_CHECK(kMinuteList.contains(e.MinutePosition));
    FUZZ_CHECK(e.ZoneRow >= 0 && e.ZoneRow < kTimeZoneCount);
    FUZZ_CHECK(std::stoi(e.LatDeg) <= 90 && std::stoi(e.LonDeg) <= 180);
    FUZZ_CHECK(std::stoi(e.LatMin) < 60 && std::stoi(e.LonMin) < 60);
    FUZZ_CHECK(e.North != e.South && e.East != e.West);
    FUZZ_CHECK(kLetterFilter.acceptsText(e.Name) && kLetterFilter.acceptsText(e.City));
}

inline void CheckSameBirth(const ImportedBirth& a, const ImportedBirth& b) {
    FUZZ_CHECK(a.Year == b.Year && a.Month == b.Month && a.Day == b.Day);
    FUZZ_CHECK(a.ClockSeconds == b.ClockSeconds);
    FUZZ_CHECK(a.OffsetSeconds == b.OffsetSeconds);
    FUZZ_CHECK(a.LatitudeSeconds == b.LatitudeSeconds && a.LongitudeSeconds == b.LongitudeSeconds);
}

inline std::int64_t Take(const std::uint8_t*& data, std::size_t& size, std::int64_t range) {
    std::uint64_t value = 0;
    for (int i = 0; i < 4 && size > 0; ++i, ++data, --size) value = value << 8 | *data;
    return static_cast<std::int64_t>(value % static_cast<std::uint64_t>(range));
}

// One reader's rules. `parse` reads bytes as a birth, `format` writes one; what
// `format` cannot hold exactly, `written` takes off first (a .jhd writes its zone
// to the minute). `zone` takes the birth's zone and daylight saving from the
// bytes, in the reader's range.
template <class Parse, class Format, class Written, class Zone>
int CheckReader(const std::uint8_t* data, std::size_t size, Parse parse, Format format, Written written, Zone zone) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::string problem;
    if (const auto birth = parse(bytes, "Fuzz", &problem)) {
        FUZZ_CHECK(birth->ClockSeconds >= 0 && birth->ClockSeconds <= 24 * 3600);
        FUZZ_CHECK(std::abs(birth->LatitudeSeconds) <= 90 * 3600 && std::abs(birth->LongitudeSeconds) <= 180 * 3600);
        if (const auto entries = EntriesFromImport(*birth, &problem)) CheckEntries(*entries);
        const ImportedBirth exact = written(*birth);
        const auto again = parse(format(exact), "Fuzz", &problem);
        FUZZ_CHECK(again);
        CheckSameBirth(exact, *again);
    } else {
        FUZZ_CHECK(!problem.empty());
    }

    ImportedBirth b;
    b.Year = 1901 + static_cast<int>(Take(data, size, 150));
    b.Month = 1 + static_cast<int>(Take(data, size, 12));
    b.Day = 1 + static_cast<int>(Take(data, size, 31));
    b.ClockSeconds = Take(data, size, 24 * 3600 + 1);
    zone(b, data, size);
    b.LatitudeSeconds = Take(data, size, 180 * 3600 + 1) - 90 * 3600;
    b.LongitudeSeconds = Take(data, size, 360 * 3600 + 1) - 180 * 3600;
    b.City = "Pune";
    b.Country = "India";
    const auto back = parse(format(b), "Fuzz", &problem);
    FUZZ_CHECK(back);
    CheckSameBirth(b, *back);
    return 0;
}

} // namespace rashi::fuzz_imports
