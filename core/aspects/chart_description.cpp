#include "core/aspects/chart_description.h"

#include "core/aspects/rashi_drishti.h"
#include "core/words/reading_words.h"

#include <vector>

namespace rashi {

std::string DescribeChosenBody(const ReadingRecords& records, int body)
{
    if (body < 0 || body >= kReportRows)
        return {};
    const ReadingWords& words = WordsOf(records.language);
    const std::string name(words.bodies[body]);
    const int sign = SignOfPosition(records.positions.PlanetPositions[body]);
    if (sign < 0 || sign >= 12)
        return name;
    const unsigned aspected = RuleTable(records.rule)[sign];
    std::string signs;
    for (int to = 0; to < 12; ++to)
        if (aspected & (1u << to))
            AppendListed(signs, words.signs[to], (aspected >> (to + 1)) == 0, words);
    std::string sentence = Fill(words.chosenIn, name, words.signs[sign]) +
                           (signs.empty() ? std::string(words.noSign) : signs) + std::string(words.chosenAfterSigns);

    std::vector<std::string> standing;
    for (int other = 0; other < kReportRows; ++other) {
        const int where = SignOfPosition(records.positions.PlanetPositions[other]);
        if (other != body && where >= 0 && where < 12 && (aspected & (1u << where)))
            standing.push_back(std::string(words.bodies[other]));
    }
    if (standing.empty())
        return sentence + std::string(words.noneStands);
    return sentence + Fill(standing.size() == 1 ? words.oneStands : words.manyStand, JoinedInSentence(standing, words));
}

} // namespace rashi
