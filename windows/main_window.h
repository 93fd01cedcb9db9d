#pragma once
// The program's working window: the input panel where a birth is entered and
// the results panel that shows its reading, stacked in one place. The window
// only moves values between its controls and the calculation driver; every
// rule and every figure lives in the core.

#include "core/reading/calculation_driver.h"
#include "core/records/entries.h"
#include "windows/browser_launcher.h"
#include "windows/chart_import.h"

#include <QMainWindow>
#include <QPointer>
#include <QString>

#include <string>
#include <vector>

class QAction;
class QKeySequence;
class QMenu;
class QStackedWidget;

namespace rashi {

class AyanamsaMenu;
class InputPanel;
class LinkLabel;
class OwnPlacesDialog;
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
    InputPanel* inputPanel() const { return input_; }
    // Puts the entries into the controls (a chart file being opened).
    void applyEntries(const Entries& entries);

    const CalculationDriver& driver() const { return driver_; }
    // The results panel: print, export, picture, copy, rule and style slots.
    ResultsPanel* resultsPanel() const { return results(); }
    BrowserLauncher& launcher() { return launcher_; }
    // The chart file last opened, imported or saved: the title shows its name.
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
    // File > Places...: the user's own places, added, edited and removed.
    void showOwnPlaces();
    // Options > Language: the window speaks the language from now on and at
    // the next start, keeping what is typed and the reading on show.
    void setLanguage(rashi::Language language);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // The panels and the menus, in the language installed.
    void buildWindow();
    void buildFileMenu();
    // The reading of the entries; false when it stopped at the zone (the
    // user cancelled its question, or the time never existed).
    bool runReading();
    void buildEditMenu();
    void buildOptionsMenu();
    void buildHelpMenu();
    // A menu item with its object name and shortcut.
    QAction* addItem(QMenu* menu, const char* name, const QString& caption,
                     const QKeySequence& shortcut = QKeySequence());
    void showPanel(Panel panel);
    // Shrinks the window, frame and all, into the screen's free area.
    void fitToScreen();
    // The chart file now in hand: its name in the title, offered next time.
    void showChartFileName(const QString& file);
    // The imported chart `index`'s reading, with the next one offered.
    void showImported(const ChartImport& import, qsizetype index);
    // The ayanamsa a chart file names (the program's own for none), in force for its reading.
    void showChartAyanamsa(const Entries& chart);
    // Opens in the chart folder, offering no name.
    FileDialogSetup chartDialog(const QString& title) const;
    // The save dialog: it offers the chart's own file while the reading shown
    // is the birth that file holds, else the person's name in the chart folder.
    FileDialogSetup saveDialog() const;
    // The reading now shown is the birth of `file` (opened or just saved); a
    // file of another program has none of ours.
    void rememberOwnChart(const QString& file);
    // The chart file's bytes of the reading shown.
    std::string chartBytes() const;
    // File > Recent Charts, filled each time it opens.
    void fillRecentCharts();

    UserDialogs& dialogs_;
    CalculationDriver driver_;
    BrowserLauncher launcher_;
    QString chartFileName_;
    std::string titleBytes_; // the chart of the file the title names, as it would be saved
    // The .kqa file that holds the reading shown, and that reading's bytes
    // then: Save offers the file while the reading still gives those bytes.
    QString ownChartFile_;
    std::string ownChartBytes_;
    QAction* mnuSave = nullptr;
    QMenu* mnuRecent_ = nullptr;
    std::vector<QAction*> keepActions_; // print, PDF, picture, copy: once there is a reading

    QStackedWidget* panels_ = nullptr;
    InputPanel* input_ = nullptr;     // Frame1
    QWidget* inputScroll_ = nullptr;  // holds the input panel
    ResultsPanel* results() const;
    mutable ResultsPanel* results_ = nullptr; // Frame2: made when first needed
    LinkLabel* Label8 = nullptr;
    AyanamsaMenu* ayanamsa_ = nullptr; // Options > Ayanamsa
    QAction* mnuTrueNode_ = nullptr;   // Options > Nodes > True Node; unchecked: the mean node
    void chooseNodes(bool trueNode);
    QPointer<OwnPlacesDialog> placesDialog_; // File > Places...: made when first opened
};

} // namespace rashi
