#include "core/time_window/jaimini_window_text.h"

#include "core/aspects/rashi_drishti.h"
#include "core/jaimini/chara_karakas.h"
#include "core/time_window/window_text.h"

namespace rashi {
namespace {

std::string SignName(int sign) { return sign >= 0 && sign < 12 ? std::string(kSigns[sign].sanskrit) : "no sign"; }

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

std::string LimitText(const WindowEdge& edge) {
    return edge.limit == WindowLimit::Search ? "nothing changes within three days" : "the program's years end";
}

} // namespace

std::string KarakaOrderText(const std::vector<int>& order, int scheme) {
    std::string text;
    for (std::size_t rank = 0; rank < order.size(); ++rank) {
        if (rank > 0) text += ", ";
        text.append(KarakaLabel(static_cast<int>(rank), scheme)).append(" ").append(BodyInSentence(order[rank]));
    }
    return text;
}

std::string KarakaBeyondText(const JaiminiWindowRecord& window, bool before) {
    const WindowEdge& edge = before ? window.karakas.from : window.karakas.until;
    if (edge.limit != WindowLimit::Change) return LimitText(edge);
    const std::vector<int>& beyond = before ? window.karakasBefore : window.karakasAfter;
    std::string text;
    for (const SignChange& change : edge.changes) {
        if (!text.empty()) text += " and ";
        text += BodyInSentence(change.body) + (before ? " is in " : " enters ") + SignName(change.toSign);
    }
    if (!text.empty()) text += ": ";
    const int rank = SwappedRank(window.karakaOrder, beyond);
    if (rank < 0) return text + "the order becomes " + KarakaOrderText(beyond, window.scheme);
    const std::string upper = BodyInSentence(beyond[rank]);
    const std::string lower = BodyInSentence(beyond[rank + 1]);
    text += before ? upper + " is ahead of " + lower : upper + " passes " + lower;
    return text + ": " + std::string(KarakaLabel(rank, window.scheme)) + " and " +
           std::string(KarakaLabel(rank + 1, window.scheme)) + " change places";
}

std::string NavamsaBeyondText(const WindowEdge& edge, bool before) {
    if (edge.limit != WindowLimit::Change) return LimitText(edge);
    std::string text;
    for (std::size_t i = 0; i < edge.changes.size(); ++i) {
        if (i > 0) text += i + 1 == edge.changes.size() ? " and " : ", ";
        text += BodyInSentence(edge.changes[i].body) + "'s navamsa " + (before ? "is " : "becomes ") +
                SignName(edge.changes[i].toSign);
    }
    return text;
}

std::string KarakaWindowLine(const JaiminiWindowRecord& window) {
    return "The karakas (" + KarakaOrderText(window.karakaOrder, window.scheme) + ") hold from " +
           EdgeClockText(window.karakas.from) + " to " + EdgeClockText(window.karakas.until) +
           " (before: " + KarakaBeyondText(window, true) + "; after: " + KarakaBeyondText(window, false) + ").";
}

std::string NavamsaWindowLine(const JaiminiWindowRecord& window) {
    return "The navamsa (lagna " + SignName(window.navamsaLagna) + ") holds from " +
           EdgeClockText(window.navamsa.from) + " to " + EdgeClockText(window.navamsa.until) +
           " (before: " + NavamsaBeyondText(window.navamsa.from, true) +
           "; after: " + NavamsaBeyondText(window.navamsa.until, false) + ").";
}

std::vector<std::string> JaiminiWindowLines(const JaiminiWindowRecord& window) {
    if (!window.computed) return {};
    return {KarakaWindowLine(window), NavamsaWindowLine(window)};
}

} // namespace rashi
