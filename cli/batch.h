#pragma once
// --batch: many charts from standard input, one reading a line.

#include "core/entries/birth_choices.h"
#include "core/reading/calculation_driver.h"
#include "core/timing/dasha_text.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

namespace rashi {

// The longest input line taken: a chart file's most, on one line. A longer
// line is refused in place without being held in memory.
std::size_t MaxBatchLineBytes();

// One line of output (without its line end) for one input line of 17
// tab-separated fields, 18 with a zone id (empty for none), 19 with the
// date's calendar ("julian" or "gregorian"; empty for `calendar`, else
// Gregorian). `failed` is set when the line gives no reading.
// With the dashas computed, their columns (RunBatch) with the periods running on `on`.
std::string BatchLine(CalculationDriver& driver, std::string_view line, long lineNumber, bool& failed,
                      const DashaDay& on = {}, std::optional<Calendar> calendar = std::nullopt);

// "Cannot write the output: No space left on device": what failed, and why
// when the system said so (errno, 0 for nothing).
std::string FailureText(std::string_view what, int error);

// Reads lines until the end of `in`, writes one line each to `out`. Returns
// the exit status: 0 all read, 1 a line failed, 3 the input could not be read
// or the output not written (the reason then goes to `err`). With `window`,
// each reading line ends with eight more columns: the reading's from, until,
// before and after, then the chart's. With `jaimini`, four more: the karakas
// ("AK Moon, AmK Saturn, …"), the karakamsa, the arudha padas A1 .. A12 and
// the navamsa signs (the lagna's, then the nine bodies'), comma-separated;
// with both, four more after those: the karakas' and the navamsa's from and
// until. With `grahaDrishti`, nine more: the bodies each body aspects in full
// by graha drishti with those node aspects, comma-separated ("-" for none).
// With `dashas`' systems, the Moon's nakshatra, then the running mahadasha and
// antardasha of the Vimshottari and the chara dasha and the running drig
// period, of the systems asked, on `on`. `nodes` and `calendar` hold for
// every line (a line's 19th field before `calendar`).
int RunBatch(std::istream& in, std::ostream& out, std::ostream& err, Ephemeris ephemeris = Ephemeris::Formulas,
             AspectRuleChoice rule = AspectRuleChoice::Ours, bool window = false,
             std::optional<AyanamsaChoice> ayanamsa = std::nullopt,
             std::optional<JaiminiChoices> jaimini = std::nullopt,
             std::optional<NodeAspects> grahaDrishti = std::nullopt, const DashaChoices& dashas = {},
             const DashaDay& on = {}, std::optional<NodeKind> nodes = std::nullopt,
             std::optional<Calendar> calendar = std::nullopt);

} // namespace rashi
