#include "core/timing/period_reading.h"

#include "core/aspects/rashi_drishti.h"
#include "core/jaimini/arudha_padas.h"
#include "core/jaimini/chara_karakas.h"

namespace rashi {

PeriodReading ReadPeriod(int sign, const JaiminiRecord& jaimini) {
    PeriodReading reading;
    int n = 0;
    for (int to = 0; to < 12 && n < 3; ++to)
        if (kClassicalRule[sign] & (1u << to)) reading.aspected[n++] = to;
    if (!jaimini.computed) return reading;
    const std::vector<int>& order = jaimini.karakas.order;
    for (int k = 0; k < 3; ++k) {
        const int to = reading.aspected[k];
        for (std::size_t rank = 0; rank < order.size(); ++rank)
            if (jaimini.signs[order[rank]] == to) reading.karakas[k].push_back(static_cast<int>(rank));
        for (int house = 1; house <= 12; ++house)
            if (jaimini.arudhaPadas[house - 1] == to) reading.arudhas[k].push_back(house);
    }
    if (!order.empty()) {
        const int ak = jaimini.signs[order[0]];
        if (ak == sign) reading.atmakaraka = AtmakarakaThere::Holds;
        else if (ak >= 0 && (kClassicalRule[sign] & (1u << ak))) reading.atmakaraka = AtmakarakaThere::Aspects;
    }
    return reading;
}

std::string PeriodReadingText(const PeriodReading& reading, int scheme, const ReadingWords& words) {
    std::string text;
    for (int k = 0; k < 3; ++k) {
        AppendListed(text, SignWord(reading.aspected[k], words), k == 0, false, words);
        std::string marks;
        for (int rank : reading.karakas[k])
            AppendListed(marks, KarakaWord(words.jaimini.karakaTags, rank, scheme), marks.empty(), false, words);
        for (int house : reading.arudhas[k]) AppendListed(marks, ArudhaLabel(house, words), marks.empty(), false, words);
        if (!marks.empty()) text.append(" (").append(marks).append(")");
    }
    switch (reading.atmakaraka) {
    case AtmakarakaThere::Holds: text += words.dasha.holdsAk; break;
    case AtmakarakaThere::Aspects: text += words.dasha.aspectsAk; break;
    case AtmakarakaThere::Neither: break;
    }
    return text;
}

} // namespace rashi
