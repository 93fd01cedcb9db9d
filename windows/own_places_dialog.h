#pragma once
// File > Places...: the user's own places (villages the atlas lacks), listed
// with their coordinates and zone, and added, edited and removed. Each change
// goes straight to the places file, which the City box reads at every offer;
// a refusal is said through the dialogs, and the form keeps what was typed.

#include "places/own_places.h"
#include "places/place.h"

#include <QDialog>
#include <QString>

#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace rashi {

class FilteredLineEdit;
class UserDialogs;

// Add and Edit: one place's names, coordinates and zone.
class OwnPlaceForm : public QDialog {
    Q_OBJECT
public:
    // A new place when `editing` is empty, else that place to change.
    OwnPlaceForm(UserDialogs& dialogs, places::OwnPlaces& own, std::optional<places::Place> editing,
                 QWidget* parent = nullptr);

    // The place as the boxes hold it; nothing (and the message shown) when a
    // coordinate is not a number.
    std::optional<places::Place> typedPlace();
    // The label of the place saved, once the file took it.
    const QString& savedLabel() const { return saved_; }

public slots:
    // Save: checks the place and writes it; the form closes only when the
    // file took it.
    void save();

private:
    void createBoxes();
    void layOut();
    void fill(const places::Place& place);
    // The zone of the atlas's nearest place, chosen for the coordinates typed.
    void offerNearestZone();

    UserDialogs& dialogs_;
    places::OwnPlaces& own_;
    std::optional<places::Place> editing_;
    QString saved_;
    QString offeredZone_; // the zone of the nearest place, last offered

    FilteredLineEdit* txtPlaceName = nullptr;
    FilteredLineEdit* txtPlaceState = nullptr;
    FilteredLineEdit* txtPlaceCountry = nullptr;
    QLineEdit* txtPlaceLatitude = nullptr;
    QComboBox* cboPlaceLatDirection = nullptr;
    QLineEdit* txtPlaceLongitude = nullptr;
    QComboBox* cboPlaceLonDirection = nullptr;
    QComboBox* cboPlaceZone = nullptr;
    QLabel* lblPlaceZoneNote = nullptr;
};

class OwnPlacesDialog : public QDialog {
    Q_OBJECT
public:
    explicit OwnPlacesDialog(UserDialogs& dialogs, QWidget* parent = nullptr);

    // Reads the file again (it may have changed elsewhere); a file that
    // cannot be read is said in a message, and the list shows nothing. The
    // place labelled `choose` is selected, else the one selected before.
    void reload(const QString& choose = QString());
    // The places listed, in the order of the list.
    const std::vector<places::Place>& places() const { return places_; }
    const QString& path() const { return own_.path(); }

public slots:
    void addPlace();
    void editPlace();
    void removePlace();

private:
    void openForm(std::optional<places::Place> editing);
    std::optional<places::Place> selected() const;
    void updateButtons();

    UserDialogs& dialogs_;
    places::OwnPlaces own_;
    std::vector<places::Place> places_;

    QTableWidget* lstPlaces = nullptr;
    QLabel* lblNoPlaces = nullptr;
    QPushButton* cmdAddPlace = nullptr;
    QPushButton* cmdEditPlace = nullptr;
    QPushButton* cmdRemovePlace = nullptr;
};

} // namespace rashi
