#pragma once
// The user's places as last read, for a window that offers them at every
// key: read again only when the file changed (its size, its time, SQLite's
// change counter in its header), and never waiting for another program's
// change. A file that is busy keeps the places last read, and is read again
// at the next ask.

#include "places/own_places.h"
#include "places/place.h"

#include <QString>

#include <optional>
#include <vector>

namespace rashi::places {

class KeptOwnPlaces {
public:
    explicit KeptOwnPlaces(QString path = OwnPlaces::DefaultPath());

    // The places now, the file read first when it changed.
    const std::vector<Place>& Current();
    // Why the places could not be read when they last were; empty when they
    // could (or when the file was only busy).
    const QString& error() const { return error_; }
    // How many times the file was read, for tests.
    int reads() const { return reads_; }

private:
    struct Stamp {
        bool exists = false;
        qint64 size = 0;
        qint64 modified = 0; // milliseconds
        QByteArray counter;  // the header's file change counter
        bool operator==(const Stamp&) const = default;
    };
    Stamp Look() const;

    OwnPlaces own_;
    std::optional<Stamp> read_; // the file as it was when last read
    std::vector<Place> places_;
    QString error_;
    int reads_ = 0;
};

} // namespace rashi::places
