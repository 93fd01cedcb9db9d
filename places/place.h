#pragma once
// One place of the atlas, and its coordinates as the input boxes take them.

#include <QChar>
#include <QString>

#include <cstdint>

namespace rashi::places {

struct Place {
    QString name;        // as the atlas spells it, accents and all
    QString state;       // first-level division; empty when the atlas has none
    QString country;
    QString countryCode; // ISO 3166 alpha-2
    double latitude = 0;  // degrees, north positive
    double longitude = 0; // degrees, east positive
    QString zoneId;       // IANA, e.g. "Asia/Kolkata"
    std::int64_t population = 0;
    bool own = false;     // one of the user's own places, not the atlas's
    // The alternate name a search found it by, when its own name would not
    // have ("Al Qahirah" for "Al" finding Cairo); empty otherwise.
    QString matched{};

    // "Name, State, Country", or "Name, Country" without a state.
    QString Label() const;
    // The same place, however it was found (`matched` aside).
    bool SamePlace(const Place& other) const;

    bool operator==(const Place&) const = default;
};

// An angle in whole degrees and minutes, with its direction letter.
struct DegreesMinutes {
    int degrees = 0;
    int minutes = 0;
    QChar direction; // 'N' or 'S', 'E' or 'W'

    bool operator==(const DegreesMinutes&) const = default;
};

// Rounded to the nearest minute: the boxes hold whole minutes, and rounding
// keeps the error within half a minute (under a kilometre) where cutting off
// would give up to a whole one. Zero reads north and east.
DegreesMinutes LatitudeForBoxes(double degrees);
DegreesMinutes LongitudeForBoxes(double degrees);

} // namespace rashi::places
