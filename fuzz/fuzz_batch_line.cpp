// One line of --batch input. For any line:
// - the output is one line: the line number, then either "error" and the
//   message, or the 36 captions of a whole reading, tab-separated;
// - a line that fails leaves the driver's records as they were;
// - a line that gives a reading gives the same one on a fresh driver: nothing
//   is left over from the line before.

#include "cli/report_tool.h"
#include "fuzz_support.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace rashi;

std::vector<std::string> Fields(std::string_view line) {
    std::vector<std::string> fields;
    for (std::size_t start = 0;;) {
        const auto tab = line.find('\t', start);
        fields.emplace_back(line.substr(start, tab - start));
        if (tab == std::string_view::npos) return fields;
        start = tab + 1;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    constexpr long kLineNumber = 12345;

    CalculationDriver driver;
    FUZZ_CHECK(!driver.Calculate(GreenwichEntries()));
    const RecordsSnapshot before(driver.records());
    bool failed = false;
    const std::string out = BatchLine(driver, line, kLineNumber, failed);

    FUZZ_CHECK(out.find_first_of("\r\n") == std::string::npos);
    const std::vector<std::string> fields = Fields(out);
    FUZZ_CHECK(fields[0] == std::to_string(kLineNumber));
    if (failed) {
        FUZZ_CHECK(fields.size() == 3 && fields[1] == "error" && !fields[2].empty());
        FUZZ_CHECK(RecordsSnapshot(driver.records()) == before);
        return 0;
    }
    const std::vector<std::string> captions(fields.begin() + 1, fields.end());
    CheckCaptions(captions);
    FUZZ_CHECK(captions == ReportLines(driver.report()));

    CalculationDriver fresh;
    bool freshFailed = true;
    FUZZ_CHECK(BatchLine(fresh, line, kLineNumber, freshFailed) == out && !freshFailed);
    FUZZ_CHECK(RecordsSnapshot(fresh.records()) == RecordsSnapshot(driver.records()));
    return 0;
}
