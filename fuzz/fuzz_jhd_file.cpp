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

using namespace rashi;
using namespace rashi::fuzz_imports;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return CheckReader(
        data, size, ParseJhdBirth, FormatJhdFile,
        [](ImportedBirth b) {
            b.OffsetSeconds = b.OffsetSeconds / 60 * 60; // the zone is written to the minute
            return b;
        },
        [](ImportedBirth& b, const std::uint8_t*& d, std::size_t& n) {
            b.OffsetSeconds = (Take(d, n, 30 * 60 + 1) - 15 * 60) * 60;
        });
}
