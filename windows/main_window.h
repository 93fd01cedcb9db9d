#pragma once
// The program's working window: the input panel where a birth is entered and
// the results panel that shows its reading, stacked in one place. The window
// only moves values between its controls and the calculation driver; every
// rule and every figure lives in the core.

#include "core/chart/calculation_driver.h"
#include "core/chart/entries.h"
#include "windows/browser_launcher.h"

#include <QMainWindow>
#include <QPointer>
#include <QString>

#include <array>
#include <vector>
#include <optional>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;

namespace rashi {

class FilteredLineEdit;
class LinkLabel;
class PlaceFinder;
namespace places {
struct Place;
}
class ResultsPanel;
class UserDialogs;
struct FileDialogSetup;

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(UserDialogs& dialogs, QWidget* parent = nullptr);
    ~frmMain() override;

    // What the input panel holds right now.
    Entries entries() const;
    // Puts the entries into the controls (a chart file being opened).
    void applyEntries(const Entries& entries);

    const CalculationDriver& driver() const { return driver_; }
    // The results panel: print, export, picture, copy, rule and style slots.
    ResultsPanel* resultsPanel() const { return results_; }
    BrowserLauncher& launcher() { return launcher_; }
    // The chart file last opened or saved; the dialogs offer its name next.
    const QString& chartFileName() const { return chartFileName_; }
    bool resultsInFront() const;

public slots:
    // cmdCalculate and mnuCalculate: validate, run the reading, show it.
    void calculate();
    // cmdBack: the input panel comes back with the entries unchanged.
    void showInputPanel();
    // cmdSave: writes the birth data of the reading on show to a chart file.
    void saveChart();
    // cmdOpen: reads a chart file into the controls and runs its reading.
    void openChart();
    // File > Import Chart: other programs' chart files, several at once; the
    // first imported one is shown, all go to the recent charts.
    void importCharts();
    // Opens a chart file (or imports another program's) as Open does.
    void openChartFile(const QString& name);
    // Command1: looks up the place's coordinates in the browser window.
    void findPlace();
    void showAbout();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildInputPanel();
    void buildMenus();
    void fillLists();
    void chainTabOrder();
    void showPanel(Panel panel);
    void refuse(const Refusal& refusal);
    // A place picked from the atlas: its names, coordinates and zone.
    void applyPlace(const places::Place& place);
    // The line under the zone: what the place's clocks showed at the birth
    // moment, and the row and box that give it; a warning when a choice made
    // by hand disagrees. Also sets row and box while the zone is the atlas's.
    void updateZoneNote();
    // The entries with the zone's exact offset, asking which of two when the
    // clock time happened twice; nothing when the user cancels or the time
    // never existed (said in a message).
    std::optional<Entries> entriesWithZone();
    // The chart file now in hand: its name in the title, offered next time.
    void showChartFileName(const QString& file);
    // Opens in the chart folder; a save offers the chart file's name.
    FileDialogSetup chartDialog(const QString& title, bool offerName) const;
    // File > Recent Charts, filled each time it opens.
    void fillRecentCharts();

    UserDialogs& dialogs_;
    CalculationDriver driver_;
    BrowserLauncher launcher_;
    QString chartFileName_;
    QPointer<QWidget> lastInput_; // the input box the user was in at the last reading
    QAction* mnuSave = nullptr;
    QMenu* mnuRecent_ = nullptr;
    std::vector<QAction*> keepActions_; // print, PDF, picture, copy: once there is a reading
    PlaceFinder* placeFinder_ = nullptr;
    QLabel* lblZoneNote = nullptr;
    QString zoneId_;      // the exact zone, while row and box are the atlas's
    QString placeZoneId_; // the zone of the place picked, kept to check a hand-made choice

    QStackedWidget* panels_ = nullptr;
    QGroupBox* Frame1 = nullptr;
    ResultsPanel* results_ = nullptr; // Frame2: built on the first reading
    LinkLabel* Label8 = nullptr;

    FilteredLineEdit* txtName = nullptr;
    QComboBox* cboDate = nullptr;
    QComboBox* cboMonth = nullptr;
    QComboBox* cboYear = nullptr;
    QComboBox* cboHour = nullptr;
    QComboBox* cboMinute = nullptr;
    QComboBox* cboTimeZone = nullptr;
    FilteredLineEdit* txtLatDeg = nullptr;
    FilteredLineEdit* txtLatMin = nullptr;
    FilteredLineEdit* txtLonDeg = nullptr;
    FilteredLineEdit* txtLonMin = nullptr;
    FilteredLineEdit* txtCity = nullptr;
    FilteredLineEdit* txtState = nullptr;
    FilteredLineEdit* txtCountry = nullptr;
    QCheckBox* chkDST = nullptr;
    std::array<QRadioButton*, 2> optLat{};  // 0 North, 1 South
    std::array<QRadioButton*, 2> optLong{}; // 0 East, 1 West
    QPushButton* cmdCalculate = nullptr;
    QPushButton* cmdOpen = nullptr;
    QPushButton* Command1 = nullptr;
};

} // namespace rashi
