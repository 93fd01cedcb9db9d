// .mtx bytes through the reader. For any bytes:
// - a birth the reader accepts lies inside its lines' ranges, and its entries
//   (when they fit) are read whole: positions inside their lists, one option
//   of each pair, coordinates within 180 and 90 degrees;
// - written again as a .mtx and read back, it is the same birth to the second
//   (six decimals of an hour are finer than a second);
// - the bytes taken as a birth of their own (date, clock, zone, coordinates in
//   seconds) and written as a .mtx read back as that birth.

#include "core/imports/mtx_file.h"
#include "core/chart/key_filters.h"
#include "fuzz_support.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using namespace rashi;

void CheckEntries(const Entries& e) {
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

void CheckSameBirth(const ImportedBirth& a, const ImportedBirth& b) {
    FUZZ_CHECK(a.Year == b.Year && a.Month == b.Month && a.Day == b.Day);
    FUZZ_CHECK(a.ClockSeconds == b.ClockSeconds);
    FUZZ_CHECK(a.OffsetSeconds == b.OffsetSeconds);
    FUZZ_CHECK(a.LatitudeSeconds == b.LatitudeSeconds && a.LongitudeSeconds == b.LongitudeSeconds);
}

std::int64_t Take(const std::uint8_t*& data, std::size_t& size, std::int64_t range) {
    std::uint64_t value = 0;
    for (int i = 0; i < 4 && size > 0; ++i, ++data, --size) value = value << 8 | *data;
    return static_cast<std::int64_t>(value % static_cast<std::uint64_t>(range));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::string problem;
    if (const auto birth = ParseMtxBirth(bytes, "Fuzz", &problem)) {
        FUZZ_CHECK(birth->ClockSeconds >= 0 && birth->ClockSeconds <= 24 * 3600);
        FUZZ_CHECK(std::abs(birth->LatitudeSeconds) <= 90 * 3600 && std::abs(birth->LongitudeSeconds) <= 180 * 3600);
        if (const auto entries = EntriesFromImport(*birth, &problem)) CheckEntries(*entries);
        const ImportedBirth minute = *birth;
        const auto again = ParseMtxBirth(FormatMtxFile(minute), "Fuzz", &problem);
        FUZZ_CHECK(again);
        CheckSameBirth(minute, *again);
    } else {
        FUZZ_CHECK(!problem.empty());
    }

    ImportedBirth b;
    b.Year = 1901 + static_cast<int>(Take(data, size, 150));
    b.Month = 1 + static_cast<int>(Take(data, size, 12));
    b.Day = 1 + static_cast<int>(Take(data, size, 31));
    b.ClockSeconds = Take(data, size, 24 * 3600 + 1);
    b.DaylightSeconds = Take(data, size, 2) * 3600;
    b.OffsetSeconds = Take(data, size, 28 * 3600 + 1) - 14 * 3600 + b.DaylightSeconds;
    b.LatitudeSeconds = Take(data, size, 180 * 3600 + 1) - 90 * 3600;
    b.LongitudeSeconds = Take(data, size, 360 * 3600 + 1) - 180 * 3600;
    b.City = "Pune";
    b.Country = "India";
    const auto back = ParseMtxBirth(FormatMtxFile(b), "Fuzz", &problem);
    FUZZ_CHECK(back);
    CheckSameBirth(b, *back);
    return 0;
}
