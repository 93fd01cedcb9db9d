#pragma once
// The report tool: readings without the window, for scripts and for checking.

#include "cli/batch.h"
#include "cli/report_json.h"
#include "core/reading/calculation_driver.h"
#include "core/timing/dasha_text.h"

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace rashi {

// Runs the tool; returns the exit status (0 done, 1 a batch line failed, 2
// wrong input, 3 the input could not be read or the output not written).
int RunReportTool(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);

// The 36 captions, one per line, in report order.
std::string ReportText(const Report& report);

// The 36 captions (the navamsa's with `navamsa`), the Jaimini lines with
// `jaimini` when they were computed, then the window's lines when it was,
// the nakshatras' with `nakshatras`, and the dashas' (with those running on `on`).
std::string ToolText(const ReadingRecords& records, bool navamsa = false, bool jaimini = false,
                     bool nakshatras = false, const DashaDay& on = {});

} // namespace rashi
