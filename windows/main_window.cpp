#include "windows/main_window.h"

#include "core/chart/chart_file.h"
#include "core/chart/chart_file_io.h"
#include "core/chart/entry_lists.h"
#include "core/chart/key_filters.h"
#include "core/chart/validation.h"
#include "core/zones/time_zones.h"
#include "windows/about_box.h"
#include "windows/chart_folder.h"
#include "windows/filtered_line_edit.h"
#include "places/birth_zone.h"
#include "windows/link_label.h"
#include "windows/links.h"
#include "windows/place_finder.h"
#include "windows/user_dialogs.h"
#include "windows/panel_style.h"
#include "windows/results_panel.h"
#include "windows/program_settings.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QShowEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

#include <string>
#include <string_view>

namespace rashi {

namespace {

const QString kChartFilter = QStringLiteral("Tarvek Vedic Rashi Drishti (*.kqa)");
const QString kOpenTitle = QStringLiteral("Select the source file");
const QString kEphemerisKey = QStringLiteral("Reading/Ephemeris");

// Colours of the note on the zone: calm, and a warning.
const QColor kNoteColour(255, 236, 200);
const QColor kWarningColour(255, 214, 102);

QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

std::string ToUtf8(const QString& text)
{
    return text.toStdString();
}

QLabel* CaptionLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    return label;
}

QComboBox* DropDownList(const char* name, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setEditable(false);
    // A scrolling list of about twenty rows, where some styles would
    // otherwise cover the screen's height with the whole list.
    box->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    box->setMaxVisibleItems(20);
    return box;
}

void AddNumbers(QComboBox* box, const NumberList& list)
{
    QStringList texts;
    texts.reserve(list.size());
    for (int position = 0; position < list.size(); ++position)
        texts << FromUtf8(list.text(position));
    box->addItems(texts);
}

} // namespace

frmMain::frmMain(UserDialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(kApplicationTitle);

    QFont windowFont = font();
    windowFont.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    windowFont.setStyleHint(QFont::SansSerif);
    windowFont.setPointSize(9);
    setFont(windowFont);

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(8, 6, 8, 8);
    column->setSpacing(6);

    // The strip above the panels: a link to the maker's site and forum.
    Label8 = new LinkLabel(QStringLiteral("Visit our website and forum for more on Vedic astrology"), central);
    Label8->setObjectName(QStringLiteral("Label8"));
    connect(Label8, &LinkLabel::clicked, this, [this] { OpenHomePage(dialogs_); });
    Label8->setVisible(HasHomePage());
    column->addWidget(Label8, 0, Qt::AlignHCenter);

    panels_ = new QStackedWidget(central);
    panels_->setObjectName(QStringLiteral("panels"));
    panels_->addWidget(buildInputPanel());
    // The results panel is an empty box until the first reading.
    results_ = new ResultsPanel(driver_, dialogs_);
    connect(results_, &ResultsPanel::saveRequested, this, &frmMain::saveChart);
    connect(results_, &ResultsPanel::backRequested, this, &frmMain::showInputPanel);
    panels_->addWidget(results_);
    column->addWidget(panels_, 1);
    setCentralWidget(central);

    buildMenus();
    fillLists();
    chainTabOrder();
    showPanel(Panel::Input);
    txtName->setFocus(Qt::OtherFocusReason);
    // The date and time decide the zone's offset.
    for (QComboBox* list : {cboDate, cboMonth, cboYear, cboHour, cboMinute})
        connect(list, &QComboBox::currentIndexChanged, this, &frmMain::updateZoneNote);
    // The atlas loads once the window is on the screen and painted (see
    // showEvent), or as soon as a city is typed, whichever comes first.
    // Wide enough that a typical report fits without the window growing.
    const QSize hint = sizeHint();
    resize(qMax(hint.width(), 720), hint.height());
}

frmMain::~frmMain() = default;

QWidget* frmMain::buildInputPanel()
{
    Frame1 = new QGroupBox(QStringLiteral("Personal Details"));
    Frame1->setObjectName(QStringLiteral("Frame1"));
    PaintPanel(Frame1);

    auto makeBox = [this](const char* name, const KeyFilter& filter) {
        auto* box = new FilteredLineEdit(filter, dialogs_, Frame1);
        box->setObjectName(QString::fromLatin1(name));
        return box;
    };
    txtName = makeBox("txtName", kLetterFilter);
    txtLatDeg = makeBox("txtLatDeg", kDigitFilter);
    txtLatMin = makeBox("txtLatMin", kDigitFilter);
    txtLonDeg = makeBox("txtLonDeg", kDigitFilter);
    txtLonMin = makeBox("txtLonMin", kDigitFilter);
    txtCity = makeBox("txtCity", kLetterFilter);
    txtState = makeBox("txtState", kLetterFilter);
    txtCountry = makeBox("txtCountry", kLetterFilter);
    const int coordinateWidth = txtLatDeg->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 14;
    for (FilteredLineEdit* box : {txtLatDeg, txtLatMin, txtLonDeg, txtLonMin}) {
        box->setMaxLength(kCoordinateBoxLength);
        box->setFixedWidth(coordinateWidth);
    }

    cboDate = DropDownList("cboDate", Frame1);
    cboMonth = DropDownList("cboMonth", Frame1);
    cboYear = DropDownList("cboYear", Frame1);
    cboHour = DropDownList("cboHour", Frame1);
    cboMinute = DropDownList("cboMinute", Frame1);
    cboTimeZone = DropDownList("cboTimeZone", Frame1);
    // Widths from a number of characters, so that no list measures every
    // entry at start-up; the time-zone list is stretched across the panel.
    const std::pair<QComboBox*, int> widths[] = {{cboDate, 3},  {cboMonth, 10}, {cboYear, 5},
                                                 {cboHour, 3},  {cboMinute, 3}, {cboTimeZone, 44}};
    for (const auto& [box, characters] : widths) {
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->setMinimumContentsLength(characters);
    }

    chkDST = new QCheckBox(QStringLiteral("Daylight Saving Time"), Frame1);
    chkDST->setObjectName(QStringLiteral("chkDST"));

    // The atlas: places offered under the City box, and the note on the zone.
    lblZoneNote = new QLabel(Frame1);
    lblZoneNote->setObjectName(QStringLiteral("lblZoneNote"));
    lblZoneNote->setTextFormat(Qt::PlainText);
    lblZoneNote->setWordWrap(true);
    lblZoneNote->hide();
    placeFinder_ = new PlaceFinder(txtCity);
    connect(placeFinder_, &PlaceFinder::placeChosen, this, &frmMain::applyPlace);
    connect(placeFinder_, &PlaceFinder::unavailable, this, [this](const QString& reason) {
        statusBar()->showMessage(
            QStringLiteral("The atlas of places could not be loaded (%1). Places can still be typed by hand.").arg(reason));
    });
    // Typing another city drops the place picked; its coordinates stay.
    connect(txtCity, &QLineEdit::textEdited, this, [this] {
        zoneId_.clear();
        placeZoneId_.clear();
        updateZoneNote();
    });
    // A zone or box chosen by hand wins over the atlas's.
    connect(cboTimeZone, QOverload<int>::of(&QComboBox::activated), this, [this] {
        zoneId_.clear();
        updateZoneNote();
    });
    connect(chkDST, &QCheckBox::clicked, this, [this] {
        zoneId_.clear();
        updateZoneNote();
    });

    auto* Frame3 = new QWidget(Frame1);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    optLat[0] = new QRadioButton(QStringLiteral("North"), Frame3);
    optLat[1] = new QRadioButton(QStringLiteral("South"), Frame3);
    auto* Frame4 = new QWidget(Frame1);
    Frame4->setObjectName(QStringLiteral("Frame4"));
    optLong[0] = new QRadioButton(QStringLiteral("East"), Frame4);
    optLong[1] = new QRadioButton(QStringLiteral("West"), Frame4);
    for (int member = 0; member < 2; ++member) {
        optLat[member]->setObjectName(QStringLiteral("optLat_%1").arg(member));
        optLong[member]->setObjectName(QStringLiteral("optLong_%1").arg(member));
    }
    for (QWidget* group : {Frame3, Frame4}) {
        auto* row = new QHBoxLayout(group);
        row->setContentsMargins(0, 0, 0, 0);
        row->setSpacing(12);
    }
    Frame3->layout()->addWidget(optLat[0]);
    Frame3->layout()->addWidget(optLat[1]);
    Frame4->layout()->addWidget(optLong[0]);
    Frame4->layout()->addWidget(optLong[1]);
    static_cast<QHBoxLayout*>(Frame3->layout())->addStretch(1);
    static_cast<QHBoxLayout*>(Frame4->layout())->addStretch(1);
    // Tab stops at the selected option of each group only; the arrow keys
    // move within the group.
    for (QRadioButton* option : {optLat[0], optLat[1], optLong[0], optLong[1]}) {
        option->setFocusPolicy(Qt::ClickFocus);
        connect(option, &QRadioButton::toggled, option, [option](bool checked) {
            option->setFocusPolicy(checked ? Qt::StrongFocus : Qt::ClickFocus);
        });
    }
    optLat[0]->setChecked(true);
    optLong[0]->setChecked(true);

    cmdCalculate = new QPushButton(QStringLiteral("&Get My Rashi Drishti (Sign Aspects) Reading"), Frame1);
    cmdCalculate->setObjectName(QStringLiteral("cmdCalculate"));
    cmdOpen = new QPushButton(QStringLiteral("&Open Previously Saved Reading"), Frame1);
    cmdOpen->setObjectName(QStringLiteral("cmdOpen"));
    Command1 = new QPushButton(QStringLiteral("Click here to find Latitude && Longitude"), Frame1);
    Command1->setObjectName(QStringLiteral("Command1"));
    // Enter, like Space, presses the button that has the focus.
    for (QPushButton* button : {cmdCalculate, cmdOpen, Command1})
        button->setAutoDefault(true);
    connect(cmdCalculate, &QPushButton::clicked, this, &frmMain::calculate);
    connect(cmdOpen, &QPushButton::clicked, this, &frmMain::openChart);
    connect(Command1, &QPushButton::clicked, this, &frmMain::findPlace);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(7);
    int row = 0;
    auto addCaption = [&](const QString& text, QWidget* buddy) {
        QLabel* label = CaptionLabel(text, Frame1);
        label->setBuddy(buddy);
        grid->addWidget(label, row, 0);
    };
    auto hint = [this](const QString& text) {
        auto* label = new QLabel(text, Frame1);
        label->setObjectName(QStringLiteral("hint"));
        return label;
    };
    auto rowOf = [](std::initializer_list<QWidget*> widgets) {
        auto* line = new QHBoxLayout;
        line->setSpacing(6);
        for (QWidget* widget : widgets)
            line->addWidget(widget);
        line->addStretch(1);
        return line;
    };

    addCaption(QStringLiteral("Name"), txtName);
    grid->addWidget(txtName, row++, 1, 1, 2);

    addCaption(QStringLiteral("Date of Birth"), cboDate);
    grid->addLayout(rowOf({cboDate, cboMonth, cboYear}), row++, 1, 1, 2);

    addCaption(QStringLiteral("Time of Birth"), cboHour);
    grid->addLayout(rowOf({cboHour, cboMinute, hint(QStringLiteral("HH/MM"))}), row, 1);
    grid->addWidget(chkDST, row++, 2);

    addCaption(QStringLiteral("Time Zone"), cboTimeZone);
    grid->addWidget(cboTimeZone, row++, 1, 1, 2);
    grid->addWidget(lblZoneNote, row++, 1, 1, 2);

    addCaption(QStringLiteral("Latitude"), txtLatDeg);
    grid->addLayout(rowOf({txtLatDeg, txtLatMin, hint(QStringLiteral("DEG/MIN"))}), row, 1);
    grid->addWidget(Frame3, row++, 2);

    addCaption(QStringLiteral("Longitude"), txtLonDeg);
    grid->addLayout(rowOf({txtLonDeg, txtLonMin, hint(QStringLiteral("DEG/MIN"))}), row, 1);
    grid->addWidget(Frame4, row++, 2);

    addCaption(QStringLiteral("City"), txtCity);
    grid->addWidget(txtCity, row++, 1, 1, 2);
    addCaption(QStringLiteral("State"), txtState);
    grid->addWidget(txtState, row++, 1, 1, 2);
    addCaption(QStringLiteral("Country"), txtCountry);
    grid->addWidget(txtCountry, row++, 1, 1, 2);
    grid->addLayout(rowOf({Command1}), row++, 1, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);

    auto* about1 = new QLabel(
        QStringLiteral("Rashi Drishti implies signs that are aspected by this sign and the signs that "
                       "aspect this sign."),
        Frame1);
    auto* about2 = new QLabel(
        QStringLiteral("Drishti means sight or aspects. This is something that is visible or keeping an eye "
                       "on someone (aspects). Rashi Drishtis are of a more permanent nature and they "
                       "represent the knowledge aspect."),
        Frame1);
    for (QLabel* label : {about1, about2}) {
        label->setWordWrap(true);
        label->setObjectName(QStringLiteral("explanation"));
    }

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdCalculate);
    buttons->addWidget(cmdOpen);
    buttons->addStretch(1);

    auto* panel = new QVBoxLayout(Frame1);
    panel->setContentsMargins(12, 10, 12, 12);
    panel->setSpacing(10);
    panel->addLayout(grid);
    panel->addSpacing(4);
    panel->addWidget(about1);
    panel->addWidget(about2);
    panel->addStretch(1);
    panel->addLayout(buttons);
    return Frame1;
}

void frmMain::buildMenus()
{
    auto addItem = [this](QMenu* menu, const char* name, const QString& caption,
                          const QKeySequence& shortcut = QKeySequence()) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(shortcut);
        return action;
    };

    QMenu* mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    connect(addItem(mnuFile, "mnuCalculate", QStringLiteral("Get My &Rasi Chart")), &QAction::triggered, this,
            &frmMain::calculate);
    mnuFile->addSeparator();
    connect(addItem(mnuFile, "mnuOpen", QStringLiteral("&Open..."), QKeySequence::Open), &QAction::triggered, this,
            &frmMain::openChart);
    mnuSave = addItem(mnuFile, "mnuSave", QStringLiteral("&Save..."), QKeySequence::Save);
    mnuSave->setEnabled(false); // while a reading is shown
    connect(mnuSave, &QAction::triggered, this, &frmMain::saveChart);
    mnuFile->addSeparator();
    // Keeping a reading: once there is one.
    const std::pair<QAction*, void (ResultsPanel::*)()> keeping[] = {
        {addItem(mnuFile, "mnuPrint", QStringLiteral("&Print..."), QKeySequence::Print), &ResultsPanel::print},
        {addItem(mnuFile, "mnuExportPdf", QStringLiteral("&Export PDF..."), QKeySequence(Qt::CTRL | Qt::Key_E)),
         &ResultsPanel::exportPdf},
        {addItem(mnuFile, "mnuSavePicture", QStringLiteral("Save Chart &Picture...")), &ResultsPanel::saveChartPicture},
    };
    for (const auto& [action, slot] : keeping) {
        keepActions_.push_back(action);
        connect(action, &QAction::triggered, results_, slot);
    }
    mnuFile->addSeparator();
    connect(addItem(mnuFile, "mnuExit", QStringLiteral("&Exit")), &QAction::triggered, this, &QWidget::close);

    QMenu* mnuEdit = menuBar()->addMenu(QStringLiteral("&Edit"));
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    QAction* mnuCopyReading =
        addItem(mnuEdit, "mnuCopyReading", QStringLiteral("&Copy Reading"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    connect(mnuCopyReading, &QAction::triggered, results_, &ResultsPanel::copyReading);
    keepActions_.push_back(mnuCopyReading);
    for (QAction* action : keepActions_)
        action->setEnabled(false);

    // How the reading is computed and shown; each choice is remembered.
    QMenu* mnuOptions = menuBar()->addMenu(QStringLiteral("&Options"));
    mnuOptions->setObjectName(QStringLiteral("mnuOptions"));
    auto* ephemerides = new QActionGroup(this);
    QAction* mnuFormulas = addItem(mnuOptions, "mnuFormulas", QStringLiteral("Positions from the Program's &Formulas"));
    QAction* mnuPrecise = addItem(mnuOptions, "mnuPrecise", QStringLiteral("&Precise Positions (IAU Models, Lahiri)"));
    for (QAction* choice : {mnuFormulas, mnuPrecise}) {
        choice->setCheckable(true);
        ephemerides->addAction(choice);
    }
    const bool precise = ProgramSettings().value(kEphemerisKey).toString() == QLatin1String("precise");
    (precise ? mnuPrecise : mnuFormulas)->setChecked(true);
    driver_.setEphemeris(precise ? Ephemeris::Precise : Ephemeris::Formulas);
    connect(ephemerides, &QActionGroup::triggered, this, [this, mnuPrecise](QAction* chosen) {
        const bool precise = chosen == mnuPrecise;
        driver_.setEphemeris(precise ? Ephemeris::Precise : Ephemeris::Formulas);
        ProgramSettings().setValue(kEphemerisKey, precise ? QStringLiteral("precise") : QStringLiteral("formulas"));
        if (resultsInFront())
            calculate(); // the reading on show follows the choice
    });
    mnuOptions->addSeparator();
    QAction* mnuClassical = addItem(mnuOptions, "mnuClassicalRule", QStringLiteral("&Classical Rule of Sign Aspects"));
    QAction* mnuNorth = addItem(mnuOptions, "mnuNorthIndian", QStringLiteral("&North Indian Chart"));
    for (QAction* choice : {mnuClassical, mnuNorth})
        choice->setCheckable(true);
    // The remembered choices are read when the menu first opens, not at start-up.
    connect(mnuOptions, &QMenu::aboutToShow, this, [this, mnuClassical, mnuNorth] {
        const QSignalBlocker blockRule(mnuClassical);
        const QSignalBlocker blockStyle(mnuNorth);
        mnuClassical->setChecked(results_->rule() == AspectRuleChoice::Classical);
        mnuNorth->setChecked(results_->diagramStyle() == ChartStyle::North);
    });
    connect(mnuClassical, &QAction::toggled, results_, &ResultsPanel::useClassicalRule);
    connect(mnuNorth, &QAction::toggled, results_, &ResultsPanel::useNorthIndianStyle);

    QMenu* mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    connect(addItem(mnuHelp, "mnuOnline", QStringLiteral("&Online Help"), QKeySequence::HelpContents),
            &QAction::triggered, this, [this] { OpenManual(dialogs_); });
    QAction* mnuVisit = addItem(mnuHelp, "mnuVisit", QStringLiteral("&Visit Us Online"));
    mnuVisit->setVisible(HasHomePage());
    connect(mnuVisit, &QAction::triggered, this, [this] { OpenHomePage(dialogs_); });
    mnuHelp->addSeparator()->setVisible(HasDownloadPage());
    QAction* mnuUpdate = addItem(mnuHelp, "mnuUpdate", QStringLiteral("Check for Software &Update"));
    mnuUpdate->setVisible(HasDownloadPage());
    connect(mnuUpdate, &QAction::triggered, this, [this] { OpenDownloadPage(dialogs_); });
    mnuHelp->addSeparator();
    connect(addItem(mnuHelp, "mnuAbout", QStringLiteral("&About Software")), &QAction::triggered, this,
            &frmMain::showAbout);
}

void frmMain::fillLists()
{
    AddNumbers(cboDate, kDayList);
    QStringList months;
    for (std::string_view month : kMonthNames)
        months << FromUtf8(month);
    cboMonth->addItems(months);
    AddNumbers(cboYear, kYearList);
    AddNumbers(cboHour, kHourList);
    AddNumbers(cboMinute, kMinuteList);

    QStringList zones;
    for (std::string_view zone : TimeZones().TimeZoneList)
        zones << FromUtf8(zone);
    cboTimeZone->addItems(zones);

    for (QComboBox* box : {cboDate, cboMonth, cboYear, cboHour, cboMinute, cboTimeZone})
        box->setCurrentIndex(0);
}

void frmMain::chainTabOrder()
{
    QWidget* chain[] = {txtName,    cboDate,     cboMonth,   cboYear,   cboHour,    cboMinute,  cboTimeZone,
                        txtLatDeg,  txtLatMin,   txtLonDeg,  txtLonMin, txtCity,    txtState,   txtCountry,
                        cmdCalculate, cmdOpen,   chkDST,     optLong[1], optLong[0], optLat[1], optLat[0],
                        Command1, Label8};
    for (std::size_t i = 0; i + 1 < std::size(chain); ++i)
        QWidget::setTabOrder(chain[i], chain[i + 1]);
}

Entries frmMain::entries() const
{
    Entries e;
    e.Name = ToUtf8(txtName->text());
    e.DatePosition = cboDate->currentIndex();
    e.MonthPosition = cboMonth->currentIndex();
    e.YearPosition = cboYear->currentIndex();
    e.HourPosition = cboHour->currentIndex();
    e.MinutePosition = cboMinute->currentIndex();
    e.ZoneRow = cboTimeZone->currentIndex();
    e.LatDeg = ToUtf8(txtLatDeg->text());
    e.LatMin = ToUtf8(txtLatMin->text());
    e.LonDeg = ToUtf8(txtLonDeg->text());
    e.LonMin = ToUtf8(txtLonMin->text());
    e.North = optLat[0]->isChecked();
    e.South = optLat[1]->isChecked();
    e.East = optLong[0]->isChecked();
    e.West = optLong[1]->isChecked();
    e.DaylightSaving = chkDST->isChecked();
    e.City = ToUtf8(txtCity->text());
    e.State = ToUtf8(txtState->text());
    e.Country = ToUtf8(txtCountry->text());
    e.ZoneId = zoneId_.toStdString();
    return e;
}

void frmMain::applyEntries(const Entries& e)
{
    txtName->setText(FromUtf8(e.Name));
    cboMonth->setCurrentIndex(e.MonthPosition);
    cboDate->setCurrentIndex(e.DatePosition);
    cboYear->setCurrentIndex(e.YearPosition);
    cboHour->setCurrentIndex(e.HourPosition);
    cboMinute->setCurrentIndex(e.MinutePosition);
    cboTimeZone->setCurrentIndex(e.ZoneRow);
    txtLonDeg->setText(FromUtf8(e.LonDeg));
    txtLonMin->setText(FromUtf8(e.LonMin));
    txtLatDeg->setText(FromUtf8(e.LatDeg));
    txtLatMin->setText(FromUtf8(e.LatMin));
    if (e.East)
        optLong[0]->setChecked(true);
    else if (e.West)
        optLong[1]->setChecked(true);
    if (e.South)
        optLat[1]->setChecked(true);
    else if (e.North)
        optLat[0]->setChecked(true);
    chkDST->setChecked(e.DaylightSaving);
    txtCity->setText(FromUtf8(e.City));
    txtState->setText(FromUtf8(e.State));
    txtCountry->setText(FromUtf8(e.Country));
    zoneId_ = placeZoneId_ = FromUtf8(e.ZoneId);
    updateZoneNote();
}

void frmMain::applyPlace(const places::Place& place)
{
    Entries e = entries();
    places::ApplyPlace(e, place);
    applyEntries(e); // the zone's row and box follow in updateZoneNote
}

void frmMain::updateZoneNote()
{
    if (placeZoneId_.isEmpty()) {
        lblZoneNote->hide();
        return;
    }
    Entries e = entries();
    e.ZoneId = placeZoneId_.toStdString();
    const places::ZoneMoment moment = places::BirthZoneMoment(e);
    QString note = places::ExplainZone(moment);
    bool warn = !moment.IsExact() && moment.clock != places::ClockTime::Repeated;
    if (!zoneId_.isEmpty()) {
        if (!places::ApplyZone(e)) {
            cboTimeZone->setCurrentIndex(e.ZoneRow);
            chkDST->setChecked(e.DaylightSaving);
        }
    } else if (const auto disagreement =
                   places::CheckZoneChoice(moment, {cboTimeZone->currentIndex(), chkDST->isChecked()})) {
        note = *disagreement;
        warn = true;
    }
    QPalette palette = lblZoneNote->palette();
    palette.setColor(QPalette::WindowText, warn ? kWarningColour : kNoteColour);
    lblZoneNote->setPalette(palette);
    QFont font = lblZoneNote->font();
    font.setBold(warn);
    lblZoneNote->setFont(font);
    lblZoneNote->setText(note);
    lblZoneNote->show();
}

std::optional<Entries> frmMain::entriesWithZone()
{
    Entries e = entries();
    if (e.ZoneId.empty() || ValidateInput(e))
        return e; // the reading's own checks speak first
    const places::ZoneMoment moment = places::BirthZoneMoment(e);
    places::RepeatedTime which = places::RepeatedTime::Refuse;
    if (moment.clock == places::ClockTime::Repeated) {
        const auto label = [](const places::ZoneOffset& offset) {
            return QStringLiteral("UTC%1 (%2)")
                .arg(places::OffsetText(offset.seconds),
                     offset.daylightSaving ? QStringLiteral("daylight saving") : QStringLiteral("standard time"));
        };
        const int chosen = dialogs_.choose(moment.message, {label(moment.offset), label(moment.later)});
        if (chosen < 0)
            return std::nullopt;
        which = chosen == 0 ? places::RepeatedTime::First : places::RepeatedTime::Second;
    }
    if (const auto problem = places::ApplyZoneOffset(e, which)) {
        dialogs_.message(*problem, MessageIcon::Critical);
        return std::nullopt;
    }
    return e;
}

bool frmMain::resultsInFront() const
{
    return panels_->currentWidget() == results_;
}

void frmMain::showPanel(Panel panel)
{
    panels_->setCurrentWidget(panel == Panel::Results ? static_cast<QWidget*>(results_) : Frame1);
    mnuSave->setEnabled(panel == Panel::Results);
}

void frmMain::refuse(const Refusal& refusal)
{
    dialogs_.message(FromUtf8(refusal.message), refusal.icon);
    switch (refusal.target) {
    case Field::None: break;
    case Field::Name: txtName->setFocus(Qt::OtherFocusReason); break;
    case Field::LatDeg: txtLatDeg->setFocus(Qt::OtherFocusReason); break;
    case Field::LatMin: txtLatMin->setFocus(Qt::OtherFocusReason); break;
    case Field::LonDeg: txtLonDeg->setFocus(Qt::OtherFocusReason); break;
    case Field::LonMin: txtLonMin->setFocus(Qt::OtherFocusReason); break;
    case Field::City: txtCity->setFocus(Qt::OtherFocusReason); break;
    case Field::State: txtState->setFocus(Qt::OtherFocusReason); break;
    case Field::Country: txtCountry->setFocus(Qt::OtherFocusReason); break;
    case Field::North: optLat[0]->setChecked(true); break;
    case Field::East: optLong[0]->setChecked(true); break;
    }
}

void frmMain::calculate()
{
    // The box the user was in, to return to after Back.
    if (QWidget* focused = QApplication::focusWidget(); focused && Frame1->isAncestorOf(focused))
        lastInput_ = focused;
    const std::optional<Entries> withZone = entriesWithZone();
    if (!withZone)
        return;
    if (const std::optional<Refusal> refusal = driver_.Calculate(*withZone)) {
        showPanel(Panel::Input);
        refuse(*refusal);
        return;
    }
    results_->showReading();
    for (QAction* action : keepActions_)
        action->setEnabled(true);
    showPanel(driver_.records().front);
    if (resultsInFront())
        results_->focusFirstButton();
}

void frmMain::showInputPanel()
{
    showPanel(Panel::Input);
    // Back to where the user was, with the focus shown as after a Tab.
    QWidget* target = lastInput_ ? lastInput_.data() : cmdCalculate;
    target->setFocus(Qt::TabFocusReason);
}

void frmMain::showChartFileName(const QString& file)
{
    chartFileName_ = file;
    setWindowTitle(QStringLiteral("%1 - %2").arg(QFileInfo(file).fileName(), kApplicationTitle));
}

FileDialogSetup frmMain::chartDialog(const QString& title, bool offerName) const
{
    ProgramSettings settings;
    const QString name = offerName ? QFileInfo(chartFileName_).fileName() : QString();
    return {title, kChartFilter, QStringLiteral("kqa"), name, ChartFolder(settings)};
}

void frmMain::saveChart()
{
    if (!resultsInFront())
        return;
    const QString name = dialogs_.saveFileName(chartDialog(kApplicationTitle, true));
    if (name.isEmpty())
        return;
    const std::string bytes = FormatChartFile(driver_.records().birth, cboTimeZone->currentIndex());
    // Written beside the old file and renamed over it, so an existing chart is
    // either replaced whole or left as it was.
    if (const auto reason = WriteFileAtomically(QFile::encodeName(name).toStdString(), bytes)) {
        dialogs_.message(QStringLiteral("The reading could not be saved to \"%1\": %2")
                             .arg(QDir::toNativeSeparators(name), FromUtf8(*reason)),
                         MessageIcon::Critical);
        return;
    }
    ProgramSettings settings;
    RememberChartFolder(settings, name);
    showChartFileName(name);
    statusBar()->showMessage(QStringLiteral("Saved to %1").arg(QDir::toNativeSeparators(name)), 5000);
}

void frmMain::openChart()
{
    const QString name = dialogs_.openFileName(chartDialog(kOpenTitle, false));
    if (name.isEmpty())
        return;
    std::string problem = "The name does not end in \"kqa\".";
    std::optional<Entries> restored;
    if (HasChartExtension(ToUtf8(name)))
        restored = LoadChartFile(QFile::encodeName(name).toStdString(), problem);
    if (!restored) {
        dialogs_.message(FromUtf8(kChartFileRefused), MessageIcon::Critical,
                         QStringLiteral("%1\n%2").arg(QDir::toNativeSeparators(name), FromUtf8(problem)));
        return;
    }
    ProgramSettings settings;
    RememberChartFolder(settings, name);
    showChartFileName(name);
    applyEntries(*restored);
    calculate();
}

void frmMain::findPlace()
{
    if (const std::optional<Refusal> refusal = ValidatePlaceLookup(entries())) {
        refuse(*refusal);
        return;
    }
    launcher_.open(true, txtCity->text(), txtState->text(), txtCountry->text());
}

void frmMain::showAbout()
{
    frmAbout about(dialogs_, this);
    about.exec();
}

void frmMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // Loading takes a core for a fifth of a second: not while the window is
    // still painting itself for the first time.
    if (!event->spontaneous())
        QTimer::singleShot(400, placeFinder_, &PlaceFinder::load);
}

void frmMain::closeEvent(QCloseEvent* event)
{
    launcher_.close();
    QMainWindow::closeEvent(event);
}

} // namespace rashi
