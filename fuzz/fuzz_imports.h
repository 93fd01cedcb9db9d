#pragma once
// What the harnesses of other programs' chart files check alike: the entries an
// import gives lie in the boxes' ranges, a birth read back is the same to the
// second, also when its numbers were printed through floating point as other
// programs print them, and numbers taken from the fuzzer's bytes.

#include "core/entries/entry_lists.h"
#include "core/entries/key_filters.h"
#include "core/imports/import_numbers.h"
#include "core/imports/imported_birth.h"
#include "core/zones/time_zones.h"
#include "fuzz_support.h"

#include <cstddef>
#include <cstdint>
#include <cmath>
#include <cstdio>
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
    // What the letter boxes take (letters of any script, the marks of names
    // beside a letter), one space between words, within a box's length.
    for (const std::string* text : {&e.Name, &e.City, &e.State, &e.Country}) {
        FUZZ_CHECK(!text->empty() && text->front() != ' ' && text->back() != ' ' && text->find("  ") == std::string::npos);
        FUZZ_CHECK(kLetterFilter.acceptsText(*text) && BoxLength(*text) <= kLetterBoxLength);
    }
    FUZZ_CHECK(e.Second >= 0 && e.Second < 60 && (e.HourPosition < 24 || (e.MinutePosition == 0 && e.Second == 0)));
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
// The text with every decimal number printed again as a program printing a
// double with "%.15f" would: `nudge` of -1, 0 or 1 moves each value by the
// last bit of the double first, as arithmetic before the printing does.
inline std::string PrintedThroughDouble(std::string_view text, int nudge) {
    std::string out;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t end = std::min(text.find_first_of("\r\n", pos), text.size());
        const std::string line(text.substr(pos, end - pos));
        if (line.find('.') != std::string::npos && IsDecimalNumber(line)) {
            double value = std::strtod(line.c_str(), nullptr);
            if (nudge) value = std::nextafter(value, nudge * HUGE_VAL);
            char printed[64];
            std::snprintf(printed, sizeof printed, "%.15f", value);
            out += printed;
        } else {
            out += line;
        }
        const std::size_t next = std::min(text.find_first_not_of("\r\n", end), text.size());
        out += text.substr(end, next - end);
        pos = next;
    }
    return out;
}

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
    // The same file as a program printing doubles writes it.
    const int nudge = static_cast<int>(Take(data, size, 3)) - 1;
    const auto printed = parse(PrintedThroughDouble(format(b), nudge), "Fuzz", &problem);
    if (!printed) std::fprintf(stderr, "refused: %s\n%s", problem.c_str(), PrintedThroughDouble(format(b), nudge).c_str());
    FUZZ_CHECK(printed);
    CheckSameBirth(b, *printed);
    return 0;
}

} // namespace rashi::fuzz_imports
