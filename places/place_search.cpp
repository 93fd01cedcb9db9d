#include "places/place_search.h"

#include "places/key_edits.h"
#include "places/text_fold.h"

#include <QList>

#include <algorithm>

namespace rashi::places {
namespace {

// The user's places first, then the atlas's not already there, up to max.
std::vector<Place> Merge(std::vector<Place> own, std::vector<Place> atlas, int maxResults) {
    std::vector<Place> merged;
    for (std::vector<Place>* from : {&own, &atlas})
        for (Place& place : *from)
            if (static_cast<int>(merged.size()) < maxResults) merged.push_back(std::move(place));
    return merged;
}

bool WholeName(const Place& place, QStringView text) {
    return SearchKey(place.name) == SearchKey(text.split(QLatin1Char(',')).front());
}

} // namespace

std::vector<Place> SearchPlaces(const Atlas* atlas, const std::vector<Place>& own, QStringView text, int maxResults) {
    return Merge(OwnPlaces::Among(own, text, maxResults),
                 atlas ? atlas->Search(text, maxResults) : std::vector<Place>{}, maxResults);
}

std::vector<Place> OfferPlaces(const Atlas* atlas, const std::vector<Place>& own, QStringView city, QStringView state,
                               QStringView country, int maxResults) {
    // The boxes narrow the user's places as they narrow the atlas's, unless
    // nothing fits them.
    QString narrowing;
    for (QStringView box : {state, country})
        if (!SearchKey(box).empty()) narrowing += QStringLiteral(", ") + box.trimmed().toString();
    const QString typed = city.toString().simplified();
    std::vector<Place> mine = OwnPlaces::Among(own, QString(typed + narrowing), maxResults);
    if (mine.empty() && !narrowing.isEmpty()) mine = OwnPlaces::Among(own, typed, maxResults);
    return Merge(std::move(mine), atlas ? atlas->Offer(city, state, country, maxResults) : std::vector<Place>{},
                 maxResults);
}

std::vector<Place> GuessPlaces(const Atlas* atlas, const std::vector<Place>& own, QStringView text, int maxResults) {
    const std::vector<Place> mine = OwnPlaces::Near(own, text, maxResults);
    const std::vector<Place> atlases = atlas ? atlas->Guess(text, maxResults) : std::vector<Place>{};
    const std::u32string typed = KeyLetters(SearchKey(text.split(QLatin1Char(',')).front()));
    const auto edits = [&](const Place& place) {
        return KeyEdits(KeyLetters(SearchKey(place.matched.isEmpty() ? place.name : place.matched)), typed);
    };
    std::vector<Place> merged;
    auto m = mine.begin();
    auto a = atlases.begin();
    while (static_cast<int>(merged.size()) < maxResults && (m != mine.end() || a != atlases.end()))
        merged.push_back(m != mine.end() && (a == atlases.end() || edits(*m) <= edits(*a)) ? *m++ : *a++);
    return merged;
}

std::optional<Place> FindPlace(const Atlas* atlas, const std::vector<Place>& own, QStringView text) {
    const std::vector<Place> mine = OwnPlaces::Among(own, text, 1);
    if (!mine.empty() && WholeName(mine.front(), text)) return mine.front();
    if (atlas)
        if (std::optional<Place> found = atlas->Find(text)) return found;
    if (!mine.empty()) return mine.front();
    return std::nullopt;
}

} // namespace rashi::places
