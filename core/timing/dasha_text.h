#pragma once
// The timing as text: the nakshatra lines, the dashas' lines the report tool
// prints after the captions and the Jaimini lines, the periods running on a
// day and the birth-time window's line for the Moon's nakshatra.

#include "core/records/reading_records.h"
#include "core/words/reading_words.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace rashi {

// "1946-09-10 04:34" (UT, to the minute) or, with `iso`,
// "1946-09-10T04:34:03Z" (to the second); moments are UT seconds from 1970.
std::string UtcText(double second, bool iso = false);

// Noon UT of a civil date, or nothing when the date does not exist.
std::optional<double> NoonOfDate(int year, int month, int day);

// The day whose periods running at noon UT are asked for.
struct DashaDay {
    std::string date; // "2026-12-09"
    double second = 0; // its noon, UT seconds from 1970
};
// A day from "YYYY-MM-DD"; nothing for any other text or a date that does not exist.
std::optional<DashaDay> DashaDayFromText(const std::string& text);
// The day of a moment (UT).
DashaDay DashaDayOf(double second);

// "Shravana pada 2, lord Moon".
std::string NakshatraText(const NakshatraPlace& place, const ReadingWords& words = WordsOf(Language::English));
// The same for a report row beside its position, in the reading's language;
// empty without the nakshatras.
std::string NakshatraNote(const ReadingRecords& records, int row);

// "Sun: Shravana pada 2, lord Moon." for each report row, then the lagna's.
std::vector<std::string> NakshatraLines(const DashaRecord& dashas, const ReadingWords& words = WordsOf(Language::English));

// The names of the periods running at `second`, one a level, the top first.
std::vector<std::string_view> RunningNames(const DashaList& list, double second, int levels, bool signs,
                                           const ReadingWords& words = WordsOf(Language::English));

// The dashas' lines: each system asked for with its periods (the
// Vimshottari to the levels chosen, the chara dasha with its antardashas),
// how far the dates move with the birth time, and the periods running on `on`.
std::vector<std::string> DashaLines(const ReadingRecords& records, const DashaDay& on,
                                    const ReadingWords& words = WordsOf(Language::English));

// "The Moon's nakshatra (Pushya: Saturn's dasha first) holds from … to …
// (before: …; after: …)."; none when not computed.
std::vector<std::string> NakshatraWindowLines(const NakshatraWindowRecord& window,
                                              const ReadingWords& words = WordsOf(Language::English));

} // namespace rashi
