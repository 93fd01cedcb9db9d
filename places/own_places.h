#pragma once
// The user's own places: villages the atlas lacks, typed once with their
// coordinates and zone, kept in an SQLite file of their own in the user's
// data folder ($XDG_DATA_HOME/rashi-drishti/own-places.sqlite), so a new
// version of the atlas leaves them alone. The window and the report tool may
// use the file at the same time: every change is one transaction, and a
// file that is busy is waited for a while before the change is refused.
//
// Nothing here ever replaces or repairs the file: a damaged, foreign,
// read-only or locked file, or a full disk, refuses the change with a
// sentence for the user, and what the file held stays as it was.

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

    explicit OwnPlaces(QString path = DefaultPath());

    const QString& path() const { return path_; }

    // Every place of the user's, by name. A file not there yet holds none; a
    // file that cannot be read gives none and, in *error, why.
    std::vector<Place> All(QString* error = nullptr) const;

    // The user's places whose name starts with the text's first part
    // ("Name, State, Country" as the atlas is searched), whole names first.
    std::vector<Place> Search(QStringView text, int maxResults, QString* error = nullptr) const;

    // Adds a place (the file and its folder are made when first needed).
    // A place of the same label is refused, as is a place Check refuses.
    bool Add(const Place& place, QString* error);
    // Puts `place` where the place labelled `label` was.
    bool Replace(const QString& label, const Place& place, QString* error);
    // Removes the place labelled `label` ("Name, State, Country").
    bool Remove(const QString& label, QString* error);

    // Why a place cannot be one of the user's: a name, state or country of
    // letters and spaces only (the name and country needed), coordinates on
    // the globe and a zone of the tz database that names a place.
    static std::optional<QString> Check(const Place& place);

private:
    QString path_;
};

} // namespace rashi::places
