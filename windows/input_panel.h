#pragma once
// The input panel ("Personal Details"): where a birth is entered. It moves
// values between its controls and an Entries record, offers places from the
// atlas under the City box and explains the zone they bring; every rule and
// every figure lives in the core and in places/.

#include "core/records/entries.h"
#include "core/entries/validation.h"

#include <QGroupBox>
#include <QPointer>
#include <QString>

#include <array>
#include <optional>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QRadioButton;
class QWidget;

namespace rashi {

class FilteredLineEdit;
class ListBox;
class PlaceFinder;
class UserDialogs;
namespace places {
struct Place;
struct ZoneMoment;
}

class InputPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit InputPanel(UserDialogs& dialogs, QWidget* parent = nullptr);

    // What the controls hold right now, with an imported chart's seconds and
    // own offset while the time and zone boxes hold what it put there.
    Entries entries() const;
    // Puts the entries into the controls (a chart file being opened).
    void applyEntries(const Entries& entries);
    // The entries with the zone's exact offset, asking which of two when the
    // clock time happened twice and the box was not read from a chart file; nothing when the user cancels or the time
    // never existed (said in a message).
    std::optional<Entries> entriesWithZone();
    // All the panel holds, to put back when an open is cancelled.
    struct Snapshot {
        Entries entries;
        QString zoneId, placeZoneId;
        bool boxDecides = false;
    };
    Snapshot snapshot() const;
    void restore(const Snapshot& snapshot);
    // A refused reading: the message, then the focus on the box at fault.
    void refuse(const Refusal& refusal);

    // Remembers the box the user is in (a reading about to run), and goes
    // back to it, or to the Calculate button, with the focus shown as after a Tab.
    void rememberFocus();
    void restoreFocus();
    void focusFirstBox();
    // The last control of the panel's Tab chain; the window goes on from it.
    QWidget* lastInTabChain() const;
    // Starts loading the atlas now, not when the City box is first entered.
    void loadAtlas();

signals:
    void calculateRequested(); // cmdCalculate
    void openRequested();      // cmdOpen
    void findPlaceRequested(); // Command1
    // The atlas could not be loaded; the reason, for the status bar.
    void atlasUnavailable(const QString& reason);
    void atlasNotice(const QString& text);

private:
    void createBoxes();
    void createLists();
    void createOptions();
    void createButtons();
    void connectAtlas();
    QGridLayout* layOutEntries();
    void layOut();
    void fillLists();
    void chainTabOrder();
    // A place picked from the atlas: its names, coordinates and zone.
    void applyPlace(const places::Place& place);
    // The line under the zone: what the place's clocks showed at the birth
    // moment, and the row and box that give it; a warning when a choice made
    // by hand disagrees. Also sets row and box while the zone is the atlas's.
    void updateZoneNote();
    // For a clock time that happened twice: the offset the user's answer (or
    // an opened chart's row and box) gives, or nothing when still to be asked.
    std::optional<bool> repeatedTakesSecond(const places::ZoneMoment& moment) const;

    UserDialogs& dialogs_;
    QPointer<QWidget> lastInput_; // the input box the user was in at the last reading
    PlaceFinder* placeFinder_ = nullptr;
    QLabel* lblZoneNote = nullptr;
    QString zoneId_;      // the exact zone, while row and box are the atlas's
    QString placeZoneId_; // the zone of the place picked, kept to check a hand-made choice
    bool boxDecides_ = false; // row and box came from a chart file, not from the atlas
    // An imported chart's seconds of the clock time and own offset, which no
    // box shows: kept while the boxes hold what the chart put in them.
    std::optional<Entries> imported_;
    rashi::TaggedLines tagged_; // a chart file's further data, kept for saving it again
    // The answer to "which of the two?" and the moment it was asked about.
    struct RepeatedAnswer {
        QString zoneId;
        QString moment; // date and clock time
        bool second = false;
    };
    std::optional<RepeatedAnswer> repeatedAnswer_;

    FilteredLineEdit* txtName = nullptr;
    ListBox* cboDate = nullptr;
    ListBox* cboMonth = nullptr;
    ListBox* cboYear = nullptr;
    ListBox* cboHour = nullptr;
    ListBox* cboMinute = nullptr;
    ListBox* cboTimeZone = nullptr;
    FilteredLineEdit* txtLatDeg = nullptr;
    FilteredLineEdit* txtLatMin = nullptr;
    FilteredLineEdit* txtLonDeg = nullptr;
    FilteredLineEdit* txtLonMin = nullptr;
    FilteredLineEdit* txtCity = nullptr;
    FilteredLineEdit* txtState = nullptr;
    FilteredLineEdit* txtCountry = nullptr;
    QCheckBox* chkDST = nullptr;
    QCheckBox* chkJulian = nullptr; // "Julian date", shown for years before 1924
    void showJulianBox();
    QWidget* Frame3 = nullptr; // North / South
    QWidget* Frame4 = nullptr; // East / West
    std::array<QRadioButton*, 2> optLat{};  // 0 North, 1 South
    std::array<QRadioButton*, 2> optLong{}; // 0 East, 1 West
    QPushButton* cmdCalculate = nullptr;
    QPushButton* cmdOpen = nullptr;
    QPushButton* Command1 = nullptr;
};

} // namespace rashi
