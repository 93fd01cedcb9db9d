#pragma once
// The report tool: readings without the window, for scripts and for checking.

#include "core/chart/calculation_driver.h"

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace rashi {

// Runs the tool; returns the exit status (0 done, 1 a batch line failed, 2 wrong input).
int RunReportTool(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);

// The 36 captions, one per line, in report order.
std::string ReportText(const Report& report);

// The reading as one JSON object.
std::string ReportJson(const ReadingRecords& records);

// One line of --batch output (without its line end) for one input line of 17
// tab-separated fields. `failed` is set when the line gives no reading.
std::string BatchLine(CalculationDriver& driver, std::string_view line, long lineNumber, bool& failed);

// The usage text of --help.
std::string_view ReportToolHelp();

} // namespace rashi
