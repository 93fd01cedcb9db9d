// rashi-drishti-report: the reading of a chart without the window.

#include "cli/report_tool.h"

#include <csignal>
#include <iostream>

int main(int argc, char** argv) {
    // A reader that goes away (a closed pipe) is a failed write, reported
    // like any other, rather than a silent end.
    std::signal(SIGPIPE, SIG_IGN);
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    return rashi::RunReportTool(args, std::cin, std::cout, std::cerr);
}
