// .mtx bytes through the reader. For any bytes:
// - a birth the reader accepts lies inside its lines' ranges, and its entries
//   (when they fit) are read whole: positions inside their lists, one option
//   of each pair, coordinates within 180 and 90 degrees;
// - written again as a .mtx and read back, it is the same birth to the second
//   (six decimals of an hour are finer than a second);
// - the bytes taken as a birth of their own (date, clock, zone, coordinates in
//   seconds) and written as a .mtx read back as that birth, also with every
//   number printed through a double as other programs print them.

#include "core/imports/mtx_file.h"
#include "fuzz_imports.h"

#include <cstddef>
#include <cstdint>

using namespace rashi;
using namespace rashi::fuzz_imports;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return CheckReader(
        data, size, ParseMtxBirth, FormatMtxFile, [](const ImportedBirth& b) { return b; },
        [](ImportedBirth& b, const std::uint8_t*& d, std::size_t& n) {
            b.DaylightSeconds = Take(d, n, 2) * 3600;
            b.OffsetSeconds = Take(d, n, 28 * 3600 + 1) - 14 * 3600 + b.DaylightSeconds;
        });
}
