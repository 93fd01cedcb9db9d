#include "core/time_window/jaimini_window_text.h"

#include "core/aspects/rashi_drishti.h"
#include "core/jaimini/chara_karakas.h"
#include "core/time_window/window_text.h"

namespace rashi {
namespace {

// The one pair of neighbours that changed places, or -1 for another change.
int SwappedRank(const std::vector<int>& birth, const std::vector<int>& beyond) {
    if (birth.size() != beyond.size()) return -1;
    std::size_t first = 0;
    while (first < birth.size() && birth[first] == beyond[first]) ++first;
    if (first + 1 >= birth.size() || birth[first] != beyond[first + 1] || birth[first + 1] != beyond[first]) return -1;
    for (std::size_t i = first + 2; i < birth.size(); ++i)
        if (birth[i] != beyond[i]) return -1;
    return static_cast<int>(first);
}

std::string LimitText(const WindowEdge& edge, const ReadingWords& words) {
    return std::string(edge.limit == WindowLimit::Search ? words.nothingWithinSearch : words.yearsEnd);
}

} // namespace

std::string KarakaOrderText(const std::vector<int>& order, int scheme, const ReadingWords& words) {
    std::string text;
    for (std::size_t rank = 0; rank < order.size(); ++rank) {
        if (rank > 0) text += words.listSeparator;
        text.append(KarakaWord(words.jaimini.karakaNames, static_cast<int>(rank), scheme))
            .append(" ")
            .append(BodyInSentence(order[rank], words));
    }
    return text;
}

std::string KarakaBeyondText(const JaiminiWindowRecord& window, bool before, const ReadingWords& words) {
    const WindowEdge& edge = before ? window.karakas.from : window.karakas.until;
    if (edge.limit != WindowLimit::Change) return LimitText(edge, words);
    const JaiminiWords& w = words.jaimini;
    const std::vector<int>& beyond = before ? window.karakasBefore : window.karakasAfter;
    std::string text;
    for (const SignChange& change : edge.changes) {
        if (!text.empty()) text += words.sentenceLast;
        text += Fill(before ? words.isIn : words.enters, BodyInSentence(change.body, words),
                     SignWord(change.toSign, words));
    }
    if (!text.empty()) text += ": ";
    const int rank = SwappedRank(window.karakaOrder, beyond);
    if (rank < 0) return text + Fill(w.orderBecomes, KarakaOrderText(beyond, window.scheme, words));
    text += Fill(before ? w.aheadOf : w.passes, BodyInSentence(beyond[rank], words),
                 BodyInSentence(beyond[rank + 1], words));
    return text + Fill(w.changePlaces, KarakaWord(w.karakaNames, rank, window.scheme),
                       KarakaWord(w.karakaNames, rank + 1, window.scheme));
}

std::string NavamsaBeyondText(const WindowEdge& edge, bool before, const ReadingWords& words) {
    if (edge.limit != WindowLimit::Change) return LimitText(edge, words);
    std::vector<std::string> parts;
    for (const SignChange& change : edge.changes)
        parts.push_back(Fill(before ? words.jaimini.navamsaIs : words.jaimini.navamsaBecomes,
                             BodyInSentence(change.body, words), SignWord(change.toSign, words)));
    return JoinedInSentence(parts, words);
}

std::string KarakaWindowLine(const JaiminiWindowRecord& window, const ReadingWords& words) {
    const Sentence& holds = words.jaimini.karakasHold;
    const std::string order = KarakaOrderText(window.karakaOrder, window.scheme, words);
    return std::string(holds.before).append(order).append(holds.between) +
           SpanText(window.karakas, holds.after, KarakaBeyondText(window, true, words),
                    KarakaBeyondText(window, false, words), words);
}

std::string NavamsaWindowLine(const JaiminiWindowRecord& window, const ReadingWords& words) {
    const Sentence& holds = words.jaimini.navamsaHolds;
    return std::string(holds.before).append(SignWord(window.navamsaLagna, words)).append(holds.between) +
           SpanText(window.navamsa, holds.after, NavamsaBeyondText(window.navamsa.from, true, words),
                    NavamsaBeyondText(window.navamsa.until, false, words), words);
}

std::vector<std::string> JaiminiWindowLines(const JaiminiWindowRecord& window, const ReadingWords& words) {
    if (!window.computed) return {};
    return {KarakaWindowLine(window, words), NavamsaWindowLine(window, words)};
}

} // namespace rashi
