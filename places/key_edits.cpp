#include "places/key_edits.h"

#include <QList>
#include <QString>

#include <algorithm>
#include <vector>

namespace rashi::places {
namespace {

template <class Char> int Edits(std::basic_string_view<Char> a, std::basic_string_view<Char> b) {
    if (a.size() > b.size()) std::swap(a, b);
    if (b.size() - a.size() >= std::size_t(kBeyondGuess)) return kBeyondGuess;
    std::vector<int> row(a.size() + 1);
    for (std::size_t i = 0; i <= a.size(); ++i) row[i] = int(i);
    for (std::size_t j = 1; j <= b.size(); ++j) {
        int diagonal = row[0];
        row[0] = int(j);
        int best = row[0];
        for (std::size_t i = 1; i <= a.size(); ++i) {
            const int above = row[i];
            row[i] = std::min({row[i] + 1, row[i - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
            best = std::min(best, row[i]);
        }
        // Every later row is at least as far as this one's nearest.
        if (best >= kBeyondGuess) return kBeyondGuess;
    }
    return std::min(row[a.size()], kBeyondGuess);
}

} // namespace

int KeyEdits(std::string_view a, std::string_view b) {
    return Edits(a, b);
}

int KeyEdits(std::u32string_view a, std::u32string_view b) {
    return Edits(a, b);
}

std::u32string KeyLetters(std::string_view key) {
    const QList<uint> letters = QString::fromUtf8(key.data(), qsizetype(key.size())).toUcs4();
    return std::u32string(letters.begin(), letters.end());
}

} // namespace rashi::places
