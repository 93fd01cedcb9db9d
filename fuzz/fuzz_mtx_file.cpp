// .mtx bytes through the reader. For any bytes:
// - a birth the reader accepts lies inside its lines' ranges, and its entries
//   (when they fit) are read whole: positions inside their lists, one option
//   of each pair, coordinates within 180 and 90 degrees;
// - written again as a .mtx and read back, it is the same birth to the second
//   (six decimals of an hour are finer than a second);
// - the bytes taken as a birth of their own (date, clock, zone, coordinates in
//   seconds) and written as a .mtx read back as that birth.

#include "core/imports/mtx_file.h"
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
