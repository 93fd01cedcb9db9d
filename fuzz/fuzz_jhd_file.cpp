// .jhd bytes through the reader. For any bytes:
// - a birth the reader accepts lies inside its lines' ranges, and its entries
//   (when they fit) are read whole: positions inside their lists, one option
//   of each pair, coordinates within 180 and 90 degrees;
// - written again as a .jhd and read back, it is the same birth to the second;
// - the bytes taken as a birth of their own (date, clock, zone, coordinates in
//   seconds) and written as a .jhd read back as that birth, also with every
//   number printed through a double as other programs print them.

#include "core/imports/jhd_file.h"
#include "fuzz_imports.h"

#include <cstddef>
#include <cstdint>

using namespace rashi;
using namespace rashi::fuzz_imports;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return CheckReader(
        data, size, ParseJhdBirth, FormatJhdFile, [](const ImportedBirth& b) { return b; },
        [](ImportedBirth& b, const std::uint8_t*& d, std::size_t& n) {
            // Any offset to the second within 15 hours: line 5 holds it to
            // the minute, lines 9 and 10 to the second.
            b.OffsetSeconds = Take(d, n, 30 * 3600 + 1) - 15 * 3600;
        });
}
