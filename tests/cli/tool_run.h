#pragma once
// The report tool run in the test's own process: its exit status and what it
// wrote on standard output and standard error.

#include "cli/report_tool.h"

#include <initializer_list>
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

inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// Every field, empty ones too.
inline std::vector<std::string> Fields(const std::string& line, char separator = '\t') {
    std::vector<std::string> fields;
    for (std::size_t start = 0;;) {
        const auto end = line.find(separator, start);
        fields.push_back(line.substr(start, end - start));
        if (end == std::string::npos) return fields;
        start = end + 1;
    }
}

inline std::vector<std::string> With(std::vector<std::string> args, std::initializer_list<std::string> more) {
    args.insert(args.end(), more);
    return args;
}

// The sample chart, and a birth typed as options: Pune, 4 February 1962,
// 08:00 Indian Time (02:30 UT), seven bodies and Ketu in Makara.
inline const std::string kSample = std::string(RASHI_SAMPLE_DIR) + "/greenwich-2000.kqa";
inline const std::vector<std::string> kPune1962 = {"--name", "Ada", "--date", "1962-02-04", "--time", "08:00", "--zone", "34",
                                                   "--lat", "18:31N", "--lon", "73:51E", "--city", "Pune", "--state", "M",
                                                   "--country", "India"};

inline constexpr const char* kSignNames[] = {"Mesha", "Vrishabha", "Mithuna", "Kataka", "Simha", "Kanya",
                                             "Thula", "Vrischika", "Dhanus", "Makara", "Kumbha", "Meena"};

// A sign by its name, or by the abbreviation in a position text ("16 Sag 31"); -1 for none.
inline int SignOfName(const std::string& name) {
    for (int s = 0; s < 12; ++s)
        if (name == kSignNames[s]) return s;
    return -1;
}

inline int SignOfPositionText(const std::string& position) {
    constexpr const char* kAbbreviations[] = {"Ari", "Tau", "Gem", "Can", "Leo", "Vir",
                                              "Lib", "Sco", "Sag", "Cap", "Aqu", "Pis"};
    for (int s = 0; s < 12; ++s)
        if (position.size() >= 6 && position.substr(3, 3) == kAbbreviations[s]) return s;
    return -1;
}

} // namespace rashi::testing
