// rashi-drishti-report: the reading of a chart without the window.

#include "cli/report_tool.h"

#include <iostream>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    return rashi::RunReportTool(args, std::cin, std::cout, std::cerr);
}
