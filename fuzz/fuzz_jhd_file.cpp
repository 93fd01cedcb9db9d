// .jhd bytes through the reader. For any bytes:
// - a birth the reader accepts lies inside its lines' ranges, and its entries
//   (when they fit) are read whole: positions inside their lists, one option
//   of each pair, coordinates within 180 and 90 degrees;
// - written again as a .jhd and read back, it is the same birth to the second;
// - the bytes taken as a birth of their own (date, clock, zone, coordinates in
//   seconds) and written as a .jhd read back as that birth.

#include "core/imports/jhd_file.h"
#include "fuzz_imports.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace rashi;
using namespace rashi::fuzz_imports;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::string problem;
    if (const auto birth = ParseJhdBirth(bytes, "Fuzz", &problem)) {
        FUZZ_CHECK(birth->ClockSeconds >= 0 && birth->ClockSeconds <= 24 * 3600);
        FUZZ_CHECK(std::abs(birth->LatitudeSeconds) <= 90 * 3600 && std::abs(birth->LongitudeSeconds) <= 180 * 3600);
        if (const auto entries = EntriesFromImport(*birth, &problem)) CheckEntries(*entries);
        // The zone is written to the minute: a birth whose zone has seconds comes back to the minute.
        ImportedBirth minute = *birth;
        minute.OffsetSeconds = minute.OffsetSeconds / 60 * 60;
        const auto again = ParseJhdBirth(FormatJhdFile(minute), "Fuzz", &problem);
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
    b.OffsetSeconds = (Take(data, size, 30 * 60 + 1) - 15 * 60) * 60;
    b.LatitudeSeconds = Take(data, size, 180 * 3600 + 1) - 90 * 3600;
    b.LongitudeSeconds = Take(data, size, 360 * 3600 + 1) - 180 * 3600;
    b.City = "Pune";
    b.Country = "India";
    const auto back = ParseJhdBirth(FormatJhdFile(b), "Fuzz", &problem);
    FUZZ_CHECK(back);
    CheckSameBirth(b, *back);
    return 0;
}
