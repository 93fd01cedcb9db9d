#pragma once
// The results panel arranges the reading's views (the header, the birth-time
// lines, the diagram with the birth's day, the rows) in one scrolled column
// above its buttons, and switches the diagram and rows between the birth
// chart and the navamsa. It is an empty group box until the first reading,
// when its views are built. It keeps the diagram's style, the rule of sign
// aspects and the Jaimini choices between runs (QSettings), and writes what
// the user keeps of a reading: print, PDF, chart picture and the text on the
// clipboard.

#include "core/reading/calculation_driver.h"
#include "drawing/chart_geometry.h"
#include "drawing/reading_page.h"
#include "shared_ui/user_dialogs.h"

#include <QGroupBox>

#include <array>
#include <functional>

class QBoxLayout;
class QCheckBox;
class QGridLayout;
class QTableWidget;
class QLabel;
class QPushButton;
class QScrollArea;

namespace rashi {

class AspectSwitch;
class BirthDayView;
class GrahaDrishtiView;
class GrahaTablesView;
class BirthTimeLines;
class ChartView;
class DashasView;
class ReadingHeaderView;
class ReadingRowsView;

class ResultsPanel : public QGroupBox {
    Q_OBJECT
public:
    // The panel sets the driver's rule; it never runs a reading itself.
    ResultsPanel(CalculationDriver& driver, UserDialogs& dialogs, QWidget* parent = nullptr);

    // Shows the driver's last reading, building the controls the first time.
    void showReading();
    // Builds the controls (captions with their first texts) if not yet built.
    void ensureBuilt();
    bool isBuilt() const { return built_; }

    AspectRuleChoice rule();
    JaiminiChoices jaiminiChoices();
    // Whether the navamsa chart is shown instead of the birth chart.
    bool navamsaShown() const { return navamsa_; }
    // Whether the dashas are computed and shown under the rows.
    bool dashasShown() const { return dashas_; }
    ChartStyle diagramStyle();
    NodeAspects nodeAspects();
    // Whether the planet aspects (graha drishti) are shown instead of the signs'.
    bool planetAspectsShown() const;
    int chosenBody() const;
    // Where the chosen body's row is marked; empty when none is chosen.
    QRect chosenRowBand() const;
    // The button that takes the focus when the panel comes to the front.
    void focusFirstButton();
    // A question in a bar over the reading, which stays in sight beside it
    // (the next of several imported charts): `yes` runs when it is taken,
    // and the bar goes either way. One at a time; a new reading's own.
    void offer(const QString& question, const QString& yesCaption, std::function<void()> yes);
    void clearOffer();
    // A line of its own under the two lines of how far the birth time can
    // move, kept with the reading's other lines (wrapping, selectable,
    // scrolled with them). Builds the panel if not yet built.
    QLabel* addLine(const QString& name);

    // All of the reading without scrolling, within the buttons and margins:
    // the content at its own width and the height its wrapped lines need.
    QSize sizeHint() const override;
    // The buttons and a few lines of the reading; the rest scrolls.
    QSize minimumSizeHint() const override;

    // Settings keys, under the program's organisation and name.
    static constexpr const char* kRuleKey = "chart/rule";
    static constexpr const char* kStyleKey = "chart/style";
    static constexpr const char* kKarakasKey = "jaimini/karakas";                   // 7 or 8
    static constexpr const char* kArudhaExceptionsKey = "jaimini/arudhaExceptions"; // true or false
    static constexpr const char* kNodeAspectsKey = "graha/nodes";                    // "7" or "5-9"
    static constexpr const char* kDashasKey = "timing/dashas";                       // true or false

public slots:
    // File › Print…: one page through the printer the user chooses.
    void print();
    // File › Export PDF…: one A4 page (header, diagram, reading).
    void exportPdf();
    // File › Save Chart Picture…: the diagram as PNG or SVG, by the name's ending.
    void saveChartPicture();
    // Edit › Copy Reading: the header and the 36 lines as plain text.
    void copyReading();
    // The rule in force; the reading on show is evaluated again. Remembered.
    void setRule(rashi::AspectRuleChoice rule);
    void useClassicalRule(bool classical);
    // South or North Indian diagram. Remembered.
    void setDiagramStyle(rashi::ChartStyle style);
    void useNorthIndianStyle(bool north);
    // Seven karakas (without Rahu) or eight; the arudhas with or without
    // their two exceptions. Remembered.
    void useSevenKarakas(bool seven);
    void useArudhaExceptions(bool exceptions);
    // The navamsa chart and its reading instead of the birth chart's.
    void showNavamsa(bool navamsa);
    // The nodes' planet aspects: the 7th only, or the 5th and 9th too. Remembered.
    void setNodeAspects(rashi::NodeAspects nodes);
    // The planet aspects' views instead of the sign aspects' (when the reading has them).
    void showPlanetAspects(bool planets);
    // The nakshatras and the three dashas under the rows. Remembered.
    void showDashas(bool dashas);
    // A report row, or -1: shades its sign and the signs it aspects.
    void chooseBody(int body);

signals:
    void saveRequested(); // cmdSave
    void backRequested(); // cmdBack
    void ruleChanged(rashi::AspectRuleChoice rule);
    void diagramStyleChanged(rashi::ChartStyle style);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void loadSettings();
    void buildButtons();
    void setJaiminiChoices(const JaiminiChoices& choices);
    // The driver's dasha choices for the switch, without showing them.
    void chooseDashas(bool dashas);
    // The reading on show: the driver's, or its navamsa view.
    const ReadingRecords& shown() const;
    // Everything that shows the reading, again (after a choice changed it).
    void refill();
    void markChosenRow();
    // The rows or the planet aspects' views, by the switch.
    void showAspectViews();
    // The chart's description for screen readers follows the chosen body.
    void describeChart();
    // The views' layouts take in their new lines, and the column theirs.
    void measureViews();
    void makeRoom();
    QSize contentSize() const;
    // The scrolled content's size for the room the scroll area has.
    void fitContent();
    // The diagram's greatest side for content of a width in a view of a height.
    void fitDiagram(int width, int height);
    bool hasReading() const;
    QString suggestedName(const QString& suffix) const;
    // The diagram as on screen: its style and the body chosen.
    ChartOptions shownOptions();
    // Asks for a file name (starting in the chart folder), writes it, and
    // says so when that fails; `what` names the kind of file in the message.
    void keepAs(const FileDialogSetup& dialog, const QString& what,
                const std::function<WriteError(const QString&, const ChartOptions&)>& write);

    CalculationDriver& driver_;
    UserDialogs& dialogs_;
    bool built_ = false;
    bool settingsLoaded_ = false;
    ChartStyle style_ = ChartStyle::South;

    QScrollArea* scroll_ = nullptr;
    QWidget* content_ = nullptr; // everything that scrolls
    bool fitPending_ = false;
    ReadingHeaderView* header_ = nullptr;
    BirthTimeLines* timeLines_ = nullptr;
    ChartView* chart_ = nullptr;
    BirthDayView* day_ = nullptr;
    ReadingRowsView* rows_ = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdBack = nullptr;
    QWidget* switches_ = nullptr;  // the navamsa, aspects and dashas switches
    QWidget* buttons_ = nullptr;   // Save and Back
    QGridLayout* controls_ = nullptr;
    // The switches beside the buttons, or above them when the panel is narrow.
    void arrangeControls();
    QWidget* offerBar_ = nullptr;
    QLabel* offerText_ = nullptr;
    QPushButton* offerYes_ = nullptr;
    std::function<void()> onOffer_;
    QCheckBox* chkNavamsa_ = nullptr;
    AspectSwitch* aspectSwitch_ = nullptr;
    GrahaDrishtiView* grahaView_ = nullptr;
    GrahaTablesView* grahaTables_ = nullptr;
    QBoxLayout* diagram_ = nullptr; // the chart over the day's strip
    bool navamsa_ = false;
    QCheckBox* chkDashas_ = nullptr;
    DashasView* dashasView_ = nullptr;
    bool dashas_ = false;
    ReadingRecords navamsaView_;
};

} // namespace rashi
