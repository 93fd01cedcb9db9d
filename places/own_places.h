#pragma once
// The user's own places: villages the atlas lacks, typed once with their
// coordinates and zone, kept in an SQLite file of their own in the user's
// data folder ($XDG_DATA_HOME/rashi-drishti/own-places.sqlite), so a new
// version of the atlas leaves them alone. The window and the report tool may
// use the file at the same time: every change is one transaction, and a
// file that is busy is waited for a while (as long as the owner chose)
// before the change or the reading is refused.
//
// Nothing here ever replaces or repairs the file: a damaged, foreign,
// read-only or locked file, a -wal file not its own beside it, or a full
// disk, refuses the change with a sentence for the user, and what the file
// held stays as it was. A place in the file that Check refuses (a latitude
// edited to 200) makes the file damaged for reading.

#include "places/place.h"

#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

namespace rashi::places {

class OwnPlaces {
public:
    // $RASHI_OWN_PLACES when set; otherwise own-places.sqlite in the
    // program's folder of the XDG data folder ($XDG_DATA_HOME, else
    // ~/.local/share).
    static QString DefaultPath();

    // How long a reading or a change waits for another program's change to
    // finish, by default.
    static constexpr int kBusyMilliseconds = 1500;

    // `busyMilliseconds` 0 never waits: a file being changed is refused at
    // once (SQLITE_BUSY), as the window wants on its own thread.
    explicit OwnPlaces(QString path = DefaultPath(), int busyMilliseconds = kBusyMilliseconds);

    const QString& path() const { return path_; }

    // Every place of the user's, by name. A file not there yet holds none; a
    // file that cannot be read gives none and, in *error, why; *busy tells
    // whether only another program's change was in the way.
    std::vector<Place> All(QString* error = nullptr, bool* busy = nullptr) const;

    // The user's places whose name starts with the text's first part
    // ("Name, State, Country" as the atlas is searched), whole names first.
    std::vector<Place> Search(QStringView text, int maxResults, QString* error = nullptr) const;
    // The same search among places already read.
    static std::vector<Place> Among(const std::vector<Place>& places, QStringView text, int maxResults);
    // As Atlas::Guess, among places already read: those whose name is one or
    // two edits (letters of any script) from the name typed, folded, the
    // nearest first, then by label; parts after the name narrow them as they
    // narrow Among.
    static std::vector<Place> Near(const std::vector<Place>& places, QStringView text, int maxResults);

    // Adds a place (the file and its folder are made when first needed).
    // A place of the same label in any case ("ärhus" beside "Ärhus", the
    // same comparison Replace and Remove find a place by) is refused, as is a
    // place Check refuses.
    bool Add(const Place& place, QString* error);
    // Puts `place` where the place labelled `label` was: that one row only.
    bool Replace(const QString& label, const Place& place, QString* error);
    // Removes the place labelled `label` ("Name, State, Country"), that one
    // row only: of several differing in case only (an older file may hold
    // them), the one written exactly so.
    bool Remove(const QString& label, QString* error);

    // Why a place cannot be one of the user's: a name, state or country of
    // letters (of any script) and spaces only, no longer than a box holds
    // (the name and country needed), coordinates on the globe and a zone of
    // the tz database that names a place.
    static std::optional<QString> Check(const Place& place);

private:
    QString path_;
    int busyMilliseconds_;
};

} // namespace rashi::places
