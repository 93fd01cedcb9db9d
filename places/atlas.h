#pragma once
// The offline city atlas: every place of 500 people or more, searched by
// name or alternate name. The build keeps it in an SQLite database beside
// the atlas file (share/rashi-drishti/places.sqlite), which opens in a
// moment and is searched by its index without being read whole; an atlas
// read from its text file is kept in an SQLite database in memory and
// searched the same way. An Atlas never changes once made, and its copies
// share one connection (used by one search at a time), so it can be handed
// between threads freely. A database whose pages prove damaged while it is
// searched gives way to the atlas file it was made from, and says so once.

#include "places/place.h"

#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <memory>
#include <optional>
#include <vector>

struct sqlite3;

namespace rashi::places {

class Atlas {
public:
    // Reads an atlas file's bytes. A damaged, truncated or foreign file gives
    // nothing and, in *error, one sentence saying what was wrong.
    static std::optional<Atlas> FromBytes(QByteArrayView bytes, QString* error = nullptr);

    // Opens the database beside DefaultPath() when it was made from that
    // file, else reads the file itself. Safe to call on any thread.
    static std::optional<Atlas> LoadDefault(QString* error = nullptr);
    // An atlas file, or an atlas database (told apart by their first bytes).
    static std::optional<Atlas> LoadFile(const QString& path, QString* error = nullptr);
    // An atlas database the build made: opened read-only, nothing read ahead
    // but the states, countries and zones.
    static std::optional<Atlas> LoadDatabase(const QString& path, QString* error = nullptr);

    // $RASHI_ATLAS when set; otherwise share/rashi-drishti/places.atlas beside
    // the program's bin/ folder, which is where the build tree and
    // `cmake --install` both put it.
    static QString DefaultPath();
    // The database made from the atlas file at `atlasPath`: places.sqlite
    // beside places.atlas.
    static QString DatabasePath(const QString& atlasPath);

    // Writes this atlas as a database (what the build's generator does): to
    // a new file beside `path`, put in its place when complete.
    bool SaveDatabase(const QString& path, QString* error = nullptr) const;

    // At most maxResults places for what the user typed: "Name", "Name, State",
    // "Name, Country" or "Name, State, Country". Case and accents do not
    // matter; the name may be an alternate one ("Bombay") and may be the start
    // of one ("San F"). Whole-name matches come first, then the rest, each
    // most populous first. A place found by an alternate name that its own
    // name would not have found carries that name in `matched` ("Al" finds
    // Cairo by "Al Qahirah"). The parts after the name must each begin the
    // place's state or country, or be its code ("IL", "in").
    std::vector<Place> Search(QStringView text, int maxResults = 10) const;

    // The places to offer under the window's City box. That box takes letters
    // and spaces only, so a state or country may follow the name after a
    // space ("Springfield Illinois", "Springfield IL", "Paris France"): when
    // the words after a space wholly name a state or country, or are its
    // code, its places come first, then those of the whole text. A filled
    // State or Country box narrows the offer as a part after a comma does,
    // unless nothing fits it (a box left from an earlier place).
    std::vector<Place> Offer(QStringView city, QStringView state, QStringView country, int maxResults = 10) const;

    // When nothing is found: the places whose name (or alternate name) is
    // one or two edits from the name typed, folded ("Allahbad", "Kolkatta",
    // "Mumbia"), most populous first; parts after the name narrow them as
    // they narrow Search. Names of fewer than four letters, and text with
    // control characters, are not guessed at.
    std::vector<Place> Guess(QStringView text, int maxResults = 10) const;

    // The first place Search gives: "Pune" alone is the most populous Pune.
    std::optional<Place> Find(QStringView text) const;

    // The place nearest to a point (within about 300 km), e.g. to offer the
    // zone of a place the atlas lacks.
    std::optional<Place> Nearest(double latitude, double longitude) const;

    // Whether a state or country is wholly named by `words` (or its code):
    // "Illinois", "IL", "in".
    bool NamesRegion(QStringView words) const;

    // What went wrong with the atlas since last asked, for the user: a
    // damaged database replaced by the atlas file. Empty when nothing did;
    // each sentence is given once.
    QString TakeNotice() const;

    int PlaceCount() const;
    int NameCount() const; // search keys: main and alternate names
    // The input versions recorded in the file.
    QString Inputs() const;

    struct Data;

private:
    explicit Atlas(std::shared_ptr<const Data> data);
    // Takes the connection over, closing it on failure.
    static std::optional<Atlas> Open(sqlite3* db, QString* error);
    static std::optional<Atlas> OpenTables(std::shared_ptr<Data> data, QString* error);
    // The tables searched now: the database's, or once it proved damaged the
    // atlas file's. Replacement gives the next to try after `failed` failed
    // (none when there is none).
    const Data* Live() const;
    const Data* Replacement(const Data& failed) const;

    std::shared_ptr<const Data> m_data;
};

} // namespace rashi::places
