#pragma once
// Offers the atlas's places, and the user's own first, as the user types a
// city: the list under the City box. The atlas loads on a worker thread once the window is up; until
// then, and without it, the box works as a plain box.

#include "places/atlas.h"
#include "places/kept_own_places.h"
#include "places/place.h"

#include <QObject>
#include <QString>

#include <optional>
#include <vector>

class QCompleter;
class QLineEdit;
class QStringListModel;

namespace rashi {

// The atlas every window shares, once a finder has loaded it; null before
// then and when it could not be loaded.
const places::Atlas* SharedAtlas();

class PlaceFinder : public QObject {
    Q_OBJECT
public:
    // Offers places under `cityBox`; the box keeps its own key filters.
    explicit PlaceFinder(QLineEdit* cityBox);
    ~PlaceFinder() override;

    // The State and Country boxes whose contents narrow the offer when filled.
    void narrowBy(QLineEdit* stateBox, QLineEdit* countryBox);

    // Starts loading the atlas in the background (once). The City box's
    // first focus or key does it: the atlas costs a window that is never
    // asked for a place nothing.
    void load();
    bool ready() const { return atlas_.has_value(); }

    // The places now on offer, best first.
    const std::vector<places::Place>& offered() const { return offered_; }
    // Why the user's places are not among them, when they could not be read
    // (the last row of the list says it); empty otherwise.
    const QString& ownPlacesTrouble() const { return own_.error(); }
    // What the user typed: offers the matches from the second letter on.
    void offer(const QString& text);

signals:
    void placeChosen(const rashi::places::Place& place);
    // The atlas could not be loaded; the reason, for the user.
    void unavailable(const QString& reason);
    // Something the user should know about the atlas (a damaged database
    // read from the atlas file instead), once.
    void notice(const QString& text);
    void loaded();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setAtlas(places::Atlas atlas);
    void choose(int row);

    QLineEdit* box_;
    QLineEdit* stateBox_ = nullptr;
    QLineEdit* countryBox_ = nullptr;
    QCompleter* completer_ = nullptr;
    QStringListModel* model_ = nullptr;
    std::optional<places::Atlas> atlas_;
    // Kept between keys, read again when the file changed (so places added
    // elsewhere show at once), never waited for on the window's thread.
    places::KeptOwnPlaces own_;
    std::vector<places::Place> offered_;
    bool loading_ = false;
    bool waiting_ = false; // typed into while the atlas was loading
    bool failed_ = false; // the atlas could not be loaded: said once, not tried again
};

} // namespace rashi
