#pragma once
// The atlas's places and the user's own together, as the City box, --place
// and --find-place offer them: the user's places that match first (few, and
// the user's own), then the atlas's. Either source may be missing; a user's
// file that cannot be read is passed over (its reason in *ownError).

#include "places/atlas.h"
#include "places/own_places.h"

#include <optional>
#include <vector>

namespace rashi::places {

// For "Name, State, Country" as Atlas::Search takes it.
std::vector<Place> SearchPlaces(const Atlas* atlas, const std::vector<Place>& own, QStringView text, int maxResults);

// As Atlas::Offer: the City box's text, narrowed by the State and Country boxes.
std::vector<Place> OfferPlaces(const Atlas* atlas, const std::vector<Place>& own, QStringView city, QStringView state,
                               QStringView country, int maxResults);

// When nothing is found, the guesses at a name mistyped (as Atlas::Guess):
// the atlas's, most populous first, with the user's among them, each before
// the first of the atlas's that is no nearer to the name typed (by the name
// it shows, or the alternate name shown beside it). So a place of the user's
// comes first among those as near, as a whole name of the user's does.
std::vector<Place> GuessPlaces(const Atlas* atlas, const std::vector<Place>& own, QStringView text, int maxResults);

// The one place --place takes: a user's place of that whole name, else the
// atlas's first, else a user's place the name begins.
std::optional<Place> FindPlace(const Atlas* atlas, const std::vector<Place>& own, QStringView text);

} // namespace rashi::places
