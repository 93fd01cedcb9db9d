#include "core/aspects/chart_description.h"

#include "core/aspects/rashi_drishti.h"

#include <vector>

namespace rashi {

namespace {

// "A", "A and B", "A, B and C".
std::string JoinNames(const std::vector<std::string>& names)
{
    std::string out;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0)
            out += i + 1 == names.size() ? " and " : ", ";
        out += names[i];
    }
    return out;
}

} // namespace

std::string DescribeChosenBody(const ReadingRecords& records, int body)
{
    if (body < 0 || body >= kReportRows)
        return {};
    const std::string& name = records.positions.PlanetNames[body];
    const int sign = SignOfPosition(records.positions.PlanetPositions[body]);
    if (sign < 0 || sign >= 12)
        return name;
    const unsigned aspected = RuleTable(records.rule)[sign];
    std::string sentence = name + " in " + std::string(kSigns[sign].sanskrit) + " aspects ";
    std::string signs;
    for (int to = 0; to < 12; ++to)
        if (aspected & (1u << to))
            signs += (signs.empty() ? "" : ", ") + std::string(kSigns[to].sanskrit);
    sentence += signs.empty() ? std::string("no sign") : signs;

    std::vector<std::string> standing;
    for (int other = 0; other < kReportRows; ++other) {
        const int where = SignOfPosition(records.positions.PlanetPositions[other]);
        if (other != body && where >= 0 && where < 12 && (aspected & (1u << where)))
            standing.push_back(records.positions.PlanetNames[other]);
    }
    if (standing.empty())
        return sentence + "; no body stands there";
    return sentence + "; " + JoinNames(standing) + (standing.size() == 1 ? " stands there" : " stand there");
}

} // namespace rashi
