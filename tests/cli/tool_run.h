#pragma once
// The report tool run in the test's own process: its exit status and what it
// wrote on standard output and standard error.

#include "cli/report_tool.h"

#include <sstream>
#include <string>
#include <vector>

namespace rashi::testing {

struct ToolRun {
    int status;
    std::string out;
    std::string err;
};

inline ToolRun Tool(const std::vector<std::string>& args, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunReportTool(args, in, out, err);
    return {status, out.str(), err.str()};
}

} // namespace rashi::testing
