#pragma once
// What the harnesses share: FUZZ_CHECK, the check of a whole reading, and the
// reading a driver holds before it gets the fuzzed one. A broken rule prints
// itself and aborts, so libFuzzer keeps the input as a finding, exactly as for
// a sanitizer report.

#include "core/aspects/rashi_drishti.h"
#include "core/records/entries.h"
#include "core/entries/entry_lists.h"
#include "core/records/reading_records.h"
#include "tests/core/fixtures.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#define FUZZ_CHECK(condition)                                                                        \
    do {                                                                                             \
        if (!(condition)) {                                                                          \
            std::fprintf(stderr, "%s:%d: rule broken: %s\n", __FILE__, __LINE__, #condition);       \
            std::abort();                                                                            \
        }                                                                                            \
    } while (false)

namespace rashi {

// A whole reading: 36 captions, four per body (name, position, aspected signs,
// bodies in them), every position in a sign and so three signs aspected. An
// engine that failed part-way would leave a row short.
inline void CheckCaptions(const std::vector<std::string>& captions) {
    FUZZ_CHECK(captions.size() == 4 * kReportRows);
    for (std::size_t row = 0; row < captions.size(); row += 4) {
        FUZZ_CHECK(captions[row].find(" / ") != std::string::npos);
        FUZZ_CHECK(SignOfPosition(captions[row + 1]) >= 0);
        FUZZ_CHECK(captions[row + 2].find(" with .") == std::string::npos);
        FUZZ_CHECK(captions[row + 3].rfind("Planet ", 0) == 0);
    }
}

// The worked example (Greenwich, 1 January 2000, noon).
inline Entries GreenwichEntries() { return testing::GreenwichNoon(); }

// What a reading leaves in the records, for comparing before and after.
struct RecordsSnapshot {
    BirthRecord birth;
    Report report;
    double ayanamsa;
    std::string moon;
    Panel front;

    explicit RecordsSnapshot(const ReadingRecords& r)
        : birth(r.birth), report(r.report), ayanamsa(r.chart.ChartAyanamsa), moon(r.moon.MoonPositionText),
          front(r.front) {}
    bool operator==(const RecordsSnapshot&) const = default;
};

} // namespace rashi
