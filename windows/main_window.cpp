#include "windows/main_window.h"
#include "windows/core_messages.h"
#include "windows/utf8_text.h"

#include "core/ayanamsa/ayanamsa_names.h"
#include "core/chart_files/chart_file.h"
#include "core/chart_files/chart_file_io.h"
#include "core/chart_files/chart_file_name.h"
#include "core/entries/birth_choices.h"
#include "core/entries/validation.h"
#include "core/imports/import_file_io.h"
#include "windows/about_box.h"
#include "windows/ayanamsa_menu.h"
#include "windows/program_style.h"
#include "windows/chart_folder.h"
#include "windows/chart_import.h"
#include "windows/input_panel.h"
#include "windows/own_places_dialog.h"
#include "windows/panel_scroll_area.h"
#include "shared_ui/link_label.h"
#include "shared_ui/links.h"
#include "windows/recent_charts.h"
#include "shared_ui/user_dialogs.h"
#include "windows/results_panel.h"
#include "windows/program_language.h"
#include "windows/program_settings.h"
#include "core/words/language_keys.h"
#include "drawing/copyable_text.h"
#include "windows/startup_marks.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QShowEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStackedWidget>
#include <QStatusBar>
#include <QVBoxLayout>

#include <string>
#include <string_view>

namespace rashi {

namespace {

const char* const kChartFilter = QT_TRANSLATE_NOOP("rashi::frmMain", "Tarvek Vedic Rashi Drishti (*.kqa)");
const char* const kOpenTitle = QT_TRANSLATE_NOOP("rashi::frmMain", "Select the source file");
const QString kEphemerisKey = QStringLiteral("Reading/Ephemeris");
const QString kNodesKey = QStringLiteral("Reading/Nodes");

// Latin from Verdana or DejaVu, Devanagari from Lohit or Noto; the fonts of
// the language's own script first.
QFont WindowFont(QFont font, Language language)
{
    font.setFamilies(FamiliesFor({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"),
                                  QStringLiteral("Lohit Devanagari"), QStringLiteral("Noto Sans Devanagari")},
                                 language));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(9);
    return font;
}

} // namespace

frmMain::frmMain(UserDialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs)
{
    // Before the first box: the lists drop down as the program's style has them.
    InstallProgramStyle();
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(kApplicationTitle);

    setFont(WindowFont(font(), InstalledLanguage()));

    driver_.SetLanguage(InstalledLanguage());
    buildWindow();
    input_->focusFirstBox();
    // The atlas loads once the window is on the screen and painted (see
    // showEvent), or as soon as a city is typed, whichever comes first.
    // Wide enough that a typical report fits without the window growing,
    // within the screen.
    const QSize hint = sizeHint();
    QSize size(qMax(hint.width(), 720), hint.height());
    if (const QScreen* shown = screen())
        size = size.boundedTo(shown->availableGeometry().size());
    resize(size.expandedTo(minimumSizeHint()));
}

void frmMain::buildWindow()
{
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(8, 6, 8, 8);
    column->setSpacing(6);

    // The strip above the panels: a link to the maker's site and forum.
    Label8 = new LinkLabel(tr("Visit our website and forum for more on Vedic astrology"), central);
    Label8->setObjectName(QStringLiteral("Label8"));
    connect(Label8, &LinkLabel::clicked, this, [this] { OpenHomePage(dialogs_); });
    Label8->setVisible(HasHomePage());
    column->addWidget(Label8, 0, Qt::AlignHCenter);
    // The first label: the toolkit's accessibility bridge connects to the
    // session bus here.
    MarkStartup("first-label");

    panels_ = new QStackedWidget(central);
    panels_->setObjectName(QStringLiteral("panels"));
    // Made in its place: a panel moved there would pass the window's font and
    // colours to every box once more.
    auto* inputScroll = new PanelScrollArea(nullptr, panels_);
    inputScroll->setObjectName(QStringLiteral("inputScroll"));
    inputScroll_ = inputScroll;
    input_ = new InputPanel(dialogs_, inputScroll->viewport());
    connect(input_, &InputPanel::calculateRequested, this, &frmMain::calculate);
    connect(input_, &InputPanel::openRequested, this, &frmMain::openChart);
    connect(input_, &InputPanel::findPlaceRequested, this, &frmMain::findPlace);
    // Said whole, once: a status-bar line would cut it off.
    connect(input_, &InputPanel::atlasUnavailable, this, [this](const QString& reason) {
        dialogs_.message(tr("The atlas of places could not be loaded. Places can still be typed by hand."),
                         MessageIcon::Information, reason);
    });
    connect(input_, &InputPanel::atlasNotice, this, [this](const QString& text) {
        dialogs_.message(tr("The atlas of places was read from its file."), MessageIcon::Information, text);
    });
    // Scrolled on a screen too small for it.
    inputScroll->setWidget(input_);
    MarkStartup("input-panel");
    panels_->addWidget(inputScroll_);
    // The results panel is made when first needed (see results()); one of
    // another language before goes with the panels.
    results_ = nullptr;
    column->addWidget(panels_, 1);
    setCentralWidget(central); // the panels of another language before, if any, go

    // The menus of another language before, if any, go with their actions.
    for (QMenu* menu : menuBar()->findChildren<QMenu*>(QString(), Qt::FindDirectChildrenOnly))
        delete menu;
    menuBar()->clear();
    keepActions_.clear();
    // The places dialog of another language before goes; made again when asked for.
    delete placesDialog_;
    buildFileMenu();
    buildEditMenu();
    buildOptionsMenu();
    buildHelpMenu();
    QWidget::setTabOrder(input_->lastInTabChain(), Label8);
    showPanel(Panel::Input);
    MarkStartup("menus");
}

void frmMain::setLanguage(Language language)
{
    if (language == InstalledLanguage() && language == driver_.language())
        return;
    RememberLanguage(language);
    InstallLanguage(language);
    driver_.SetLanguage(InstalledLanguage());
    setFont(WindowFont(font(), InstalledLanguage()));
    // The window is built again in the new language with what it held: the
    // entries as typed, the place's zone, the reading on show.
    const InputPanel::Snapshot typed = input_->snapshot();
    const bool showingResults = resultsInFront();
    buildWindow();
    input_->restore(typed);
    if (driver_.hasReading()) {
        results()->showReading();
        for (QAction* action : keepActions_)
            action->setEnabled(true);
    }
    showPanel(showingResults && driver_.hasReading() ? Panel::Results : Panel::Input);
    if (resultsInFront())
        results()->focusFirstButton();
    else
        input_->focusFirstBox();
}

frmMain::~frmMain() = default;

QAction* frmMain::addItem(QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    return action;
}

void frmMain::buildFileMenu()
{
    QMenu* mnuFile = menuBar()->addMenu(tr("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    connect(addItem(mnuFile, "mnuCalculate", tr("Get My &Rasi Chart")), &QAction::triggered, this,
            &frmMain::calculate);
    mnuFile->addSeparator();
    connect(addItem(mnuFile, "mnuOpen", tr("&Open..."), QKeySequence::Open), &QAction::triggered, this,
            &frmMain::openChart);
    mnuSave = addItem(mnuFile, "mnuSave", tr("&Save..."), QKeySequence::Save);
    mnuSave->setEnabled(false); // while a reading is shown
    connect(mnuSave, &QAction::triggered, this, &frmMain::saveChart);
    connect(addItem(mnuFile, "mnuImport", tr("&Import Chart...")), &QAction::triggered, this,
            &frmMain::importCharts);
    mnuRecent_ = mnuFile->addMenu(tr("Recent &Charts"));
    mnuRecent_->setObjectName(QStringLiteral("mnuRecent"));
    mnuRecent_->menuAction()->setObjectName(QStringLiteral("mnuRecentCharts"));
    connect(mnuRecent_, &QMenu::aboutToShow, this, &frmMain::fillRecentCharts);
    fillRecentCharts();
    mnuFile->addSeparator();
    connect(addItem(mnuFile, "mnuPlaces", tr("P&laces...")), &QAction::triggered, this, &frmMain::showOwnPlaces);
    mnuFile->addSeparator();
    // Keeping a reading: once there is one.
    const std::pair<QAction*, void (ResultsPanel::*)()> keeping[] = {
        {addItem(mnuFile, "mnuPrint", tr("&Print..."), QKeySequence::Print), &ResultsPanel::print},
        {addItem(mnuFile, "mnuExportPdf", tr("Export P&DF..."), QKeySequence(Qt::CTRL | Qt::Key_E)),
         &ResultsPanel::exportPdf},
        {addItem(mnuFile, "mnuSavePicture", tr("Save Chart Pic&ture...")), &ResultsPanel::saveChartPicture},
    };
    for (const auto& [action, slot] : keeping) {
        keepActions_.push_back(action);
        action->setEnabled(false);
        connect(action, &QAction::triggered, this, [this, slot = slot] { (results()->*slot)(); });
    }
    mnuFile->addSeparator();
    connect(addItem(mnuFile, "mnuExit", tr("E&xit")), &QAction::triggered, this, &QWidget::close);
}

void frmMain::showOwnPlaces()
{
    // The nearest place's zone is offered from the atlas.
    input_->loadAtlas();
    // Made when first asked for, so start-up stays light.
    if (!placesDialog_)
        placesDialog_ = new OwnPlacesDialog(dialogs_, this);
    // Read once shown, so the list is measured in the window's own font.
    placesDialog_->open();
    placesDialog_->reload();
}

void frmMain::buildEditMenu()
{
    QMenu* mnuEdit = menuBar()->addMenu(tr("&Edit"));
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    QAction* mnuCopyReading =
        addItem(mnuEdit, "mnuCopyReading", tr("&Copy Reading"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    connect(mnuCopyReading, &QAction::triggered, this, [this] { results()->copyReading(); });
    mnuCopyReading->setEnabled(false);
    keepActions_.push_back(mnuCopyReading);
}

void frmMain::chooseNodes(bool trueNode)
{
    const QSignalBlocker block(mnuTrueNode_->actionGroup());
    mnuTrueNode_->setChecked(trueNode);
    for (QAction* other : mnuTrueNode_->actionGroup()->actions())
        if (other != mnuTrueNode_)
            other->setChecked(!trueNode);
    driver_.setNodes(trueNode ? NodeKind::True : NodeKind::Mean);
}

void frmMain::buildOptionsMenu()
{
    // How the reading is computed and shown; each choice is remembered.
    // Alt+O is the Open button's.
    QMenu* mnuOptions = menuBar()->addMenu(tr("O&ptions"));
    mnuOptions->setObjectName(QStringLiteral("mnuOptions"));
    auto* ephemerides = new QActionGroup(mnuOptions);
    QAction* mnuFormulas = addItem(mnuOptions, "mnuFormulas", tr("Positions from the Program's &Formulas"));
    QAction* mnuPrecise = addItem(mnuOptions, "mnuPrecise", tr("&Precise Positions (IAU Models, Lahiri)"));
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
    QAction* mnuClassical = addItem(mnuOptions, "mnuClassicalRule", tr("&Classical Rule of Sign Aspects"));
    QAction* mnuNorth = addItem(mnuOptions, "mnuNorthIndian", tr("&North Indian Chart"));
    for (QAction* choice : {mnuClassical, mnuNorth})
        choice->setCheckable(true);
    // The remembered choices are read when the menu first opens, not at start-up.
    connect(mnuOptions, &QMenu::aboutToShow, this, [this, mnuClassical, mnuNorth] {
        const QSignalBlocker blockRule(mnuClassical);
        const QSignalBlocker blockStyle(mnuNorth);
        mnuClassical->setChecked(results()->rule() == AspectRuleChoice::Classical);
        mnuNorth->setChecked(results()->diagramStyle() == ChartStyle::North);
    });
    connect(mnuClassical, &QAction::toggled, this, [this](bool on) { results()->useClassicalRule(on); });
    connect(mnuNorth, &QAction::toggled, this, [this](bool on) { results()->useNorthIndianStyle(on); });
    mnuOptions->addSeparator();
    delete ayanamsa_; // the one of the menus of another language before
    ayanamsa_ = new AyanamsaMenu(mnuOptions, dialogs_, this);
    driver_.setAyanamsa(ayanamsa_->choice());
    connect(ayanamsa_, &AyanamsaMenu::chosen, this, [this] {
        driver_.setAyanamsa(ayanamsa_->choice());
        if (resultsInFront())
            calculate(); // the reading on show follows the choice
    });
    // The lunar nodes: the mean node, or the true (osculating) one of the
    // precise positions; remembered, and kept in a chart saved.
    QMenu* mnuNodes = mnuOptions->addMenu(tr("No&des"));
    mnuNodes->setObjectName(QStringLiteral("mnuNodes"));
    mnuNodes->menuAction()->setObjectName(QStringLiteral("mnuNodes"));
    auto* nodes = new QActionGroup(mnuNodes);
    QAction* mnuMeanNode = addItem(mnuNodes, "mnuMeanNode", tr("&Mean Node"));
    mnuTrueNode_ = addItem(mnuNodes, "mnuTrueNode", tr("&True Node"));
    for (QAction* choice : {mnuMeanNode, mnuTrueNode_}) {
        choice->setCheckable(true);
        nodes->addAction(choice);
    }
    const bool trueNode = ProgramSettings().value(kNodesKey).toString() == QLatin1String("true");
    (trueNode ? mnuTrueNode_ : mnuMeanNode)->setChecked(true);
    driver_.setNodes(trueNode ? NodeKind::True : NodeKind::Mean);
    connect(nodes, &QActionGroup::triggered, this, [this](QAction* chosen) {
        chooseNodes(chosen == mnuTrueNode_);
        ProgramSettings().setValue(kNodesKey, chosen == mnuTrueNode_ ? QStringLiteral("true") : QStringLiteral("mean"));
        if (resultsInFront())
            calculate(); // the reading on show follows the choice
    });
    // The Jaimini reading's two choices.
    mnuOptions->addSeparator();
    QAction* mnuSeven = addItem(mnuOptions, "mnuSevenKarakas", tr("Seven Chara &Karakas (without Rahu)"));
    QAction* mnuExceptions =
        addItem(mnuOptions, "mnuArudhaExceptions", tr("Arudha Padas with the 10th and 4th &Exceptions"));
    for (QAction* choice : {mnuSeven, mnuExceptions})
        choice->setCheckable(true);
    connect(mnuOptions, &QMenu::aboutToShow, this, [this, mnuSeven, mnuExceptions] {
        const QSignalBlocker blockSeven(mnuSeven);
        const QSignalBlocker blockExceptions(mnuExceptions);
        mnuSeven->setChecked(results()->jaiminiChoices().karakaScheme == 7);
        mnuExceptions->setChecked(results()->jaiminiChoices().arudhaExceptions);
    });
    connect(mnuSeven, &QAction::toggled, this, [this](bool on) { results()->useSevenKarakas(on); });
    connect(mnuExceptions, &QAction::toggled, this, [this](bool on) { results()->useArudhaExceptions(on); });
    // The nodes' planet aspects: the 7th only, or the 5th and 9th too.
    mnuOptions->addSeparator();
    QMenu* mnuNodeAspects = mnuOptions->addMenu(tr("N&ode Aspects"));
    mnuNodeAspects->menuAction()->setObjectName(QStringLiteral("mnuNodeAspects"));
    QAction* mnuNodeAspectsSeventh = addItem(mnuNodeAspects, "mnuNodesSeventh", tr("&7th Only"));
    QAction* mnuNodeAspectsFifthNinth = addItem(mnuNodeAspects, "mnuNodesFifthNinth", tr("&5th and 9th Too"));
    auto* nodeChoices = new QActionGroup(mnuNodeAspects);
    for (QAction* choice : {mnuNodeAspectsSeventh, mnuNodeAspectsFifthNinth}) {
        choice->setCheckable(true);
        nodeChoices->addAction(choice);
    }
    connect(mnuOptions, &QMenu::aboutToShow, this, [this, mnuNodeAspectsSeventh, mnuNodeAspectsFifthNinth] {
        (results()->nodeAspects() == NodeAspects::FifthNinth ? mnuNodeAspectsFifthNinth : mnuNodeAspectsSeventh)->setChecked(true);
    });
    connect(nodeChoices, &QActionGroup::triggered, this, [this, mnuNodeAspectsFifthNinth](QAction* chosen) {
        results()->setNodeAspects(chosen == mnuNodeAspectsFifthNinth ? NodeAspects::FifthNinth : NodeAspects::Seventh);
    });
    // Each language named in its own words, so it can be found in any.
    mnuOptions->addSeparator();
    QMenu* mnuLanguage = mnuOptions->addMenu(tr("&Language"));
    mnuLanguage->setObjectName(QStringLiteral("mnuLanguageList"));
    mnuLanguage->menuAction()->setObjectName(QStringLiteral("mnuLanguage"));
    auto* languages = new QActionGroup(mnuLanguage);
    for (const Language language : kLanguages) {
        const std::string_view key = LanguageKey(language);
        const std::string_view name = LanguageOwnName(language);
        QAction* choice = mnuLanguage->addAction(QString::fromUtf8(name.data(), qsizetype(name.size())));
        choice->setObjectName(QStringLiteral("mnuLanguage_") + QString::fromLatin1(key.data(), qsizetype(key.size())));
        choice->setCheckable(true);
        choice->setChecked(language == InstalledLanguage());
        languages->addAction(choice);
        // Queued: the menu that holds the choice is rebuilt with the window.
        connect(choice, &QAction::triggered, this, [this, language] {
            QMetaObject::invokeMethod(this, [this, language] { setLanguage(language); }, Qt::QueuedConnection);
        });
    }
}

void frmMain::buildHelpMenu()
{
    QMenu* mnuHelp = menuBar()->addMenu(tr("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    connect(addItem(mnuHelp, "mnuOnline", tr("&Online Help"), QKeySequence::HelpContents),
            &QAction::triggered, this, [this] { OpenManual(dialogs_); });
    QAction* mnuVisit = addItem(mnuHelp, "mnuVisit", tr("&Visit Us Online"));
    mnuVisit->setVisible(HasHomePage());
    connect(mnuVisit, &QAction::triggered, this, [this] { OpenHomePage(dialogs_); });
    mnuHelp->addSeparator()->setVisible(HasDownloadPage());
    QAction* mnuUpdate = addItem(mnuHelp, "mnuUpdate", tr("Check for Software &Update"));
    mnuUpdate->setVisible(HasDownloadPage());
    connect(mnuUpdate, &QAction::triggered, this, [this] { OpenDownloadPage(dialogs_); });
    mnuHelp->addSeparator();
    connect(addItem(mnuHelp, "mnuAbout", tr("&About Software")), &QAction::triggered, this,
            &frmMain::showAbout);
}

Entries frmMain::entries() const
{
    return input_->entries();
}

void frmMain::applyEntries(const Entries& entries)
{
    input_->applyEntries(entries);
}

ResultsPanel* frmMain::results() const
{
    // Made on first use: the first screen shows the input panel only, and the
    // results panel (chart view, day strip, their fonts) is most of the
    // window's start-up otherwise.
    if (!results_) {
        auto* self = const_cast<frmMain*>(this);
        results_ = new ResultsPanel(self->driver_, self->dialogs_);
        connect(results_, &ResultsPanel::saveRequested, self, &frmMain::saveChart);
        connect(results_, &ResultsPanel::backRequested, self, &frmMain::showInputPanel);
        panels_->addWidget(results_);
    }
    return results_;
}

bool frmMain::resultsInFront() const
{
    return results_ && panels_->currentWidget() == results_;
}

void frmMain::showPanel(Panel panel)
{
    panels_->setCurrentWidget(panel == Panel::Results ? static_cast<QWidget*>(results()) : static_cast<QWidget*>(inputScroll_));
    mnuSave->setEnabled(panel == Panel::Results);
}

void frmMain::calculate()
{
    runReading();
}

bool frmMain::runReading()
{
    // The box the user was in, to return to after Back.
    input_->rememberFocus();
    const std::optional<Entries> withZone = input_->entriesWithZone();
    if (!withZone)
        return false;
    // The results panel, made before the first reading, tells the driver
    // what it shows besides the captions.
    results();
    if (const std::optional<Refusal> refusal = driver_.Calculate(*withZone)) {
        showPanel(Panel::Input);
        input_->refuse(*refusal);
        return true;
    }
    results()->clearOffer();
    results()->showReading();
    // The title names a chart file while its birth is the one on show.
    if (!chartFileName_.isEmpty() && chartBytes() != titleBytes_)
        showChartFileName(QString());
    for (QAction* action : keepActions_)
        action->setEnabled(true);
    showPanel(driver_.records().front);
    if (resultsInFront())
        results_->focusFirstButton();
    return true;
}

void frmMain::showInputPanel()
{
    showPanel(Panel::Input);
    // Back to where the user was, with the focus shown as after a Tab.
    input_->restoreFocus();
}

void frmMain::showChartFileName(const QString& file)
{
    chartFileName_ = file;
    titleBytes_ = file.isEmpty() ? std::string() : chartBytes();
    setWindowTitle(file.isEmpty() ? kApplicationTitle
                                  : QStringLiteral("%1 - %2").arg(QFileInfo(file).fileName(), kApplicationTitle));
}

void frmMain::showChartAyanamsa(const Entries& chart)
{
    AyanamsaChoice choice;
    if (const auto kept = FindTagged(chart.Tagged, kAyanamsaTag))
        if (const auto parsed = ParseAyanamsa(*kept))
            choice = *parsed;
    ayanamsa_->showChoice(choice);
    driver_.setAyanamsa(choice);
}

FileDialogSetup frmMain::chartDialog(const QString& title) const
{
    ProgramSettings settings;
    FileDialogSetup setup{title, tr(kChartFilter), QStringLiteral("kqa"), QString(), ChartFolder(settings)};
    setup.refuseReadOnly = true;
    return setup;
}

std::string frmMain::chartBytes() const
{
    return FormatChartFile(driver_.records().birth, entries().ZoneRow);
}

void frmMain::rememberOwnChart(const QString& file)
{
    const bool ours = HasChartExtension(ToUtf8(file));
    ownChartFile_ = ours ? file : QString();
    ownChartBytes_ = ours ? chartBytes() : std::string();
}

FileDialogSetup frmMain::saveDialog() const
{
    FileDialogSetup setup = chartDialog(kApplicationTitle);
    setup.folderMustExist = true;
    // Another birth typed in, or imported, is never offered an older chart's file.
    if (!ownChartFile_.isEmpty() && chartBytes() == ownChartBytes_) {
        const QFileInfo own(ownChartFile_);
        setup.startName = own.fileName();
        setup.startFolder = own.absolutePath();
    } else {
        setup.startName = FromUtf8(ProposedChartFileName(driver_.records().birth.Name));
    }
    return setup;
}

void frmMain::saveChart()
{
    if (!resultsInFront())
        return;
    const QString name = dialogs_.saveFileName(saveDialog());
    if (name.isEmpty())
        return;
    // Never a file the program would then refuse (a name in Devanagari with a
    // hyphen between spaces, which stands beside no letter): the reason
    // instead, and nothing written.
    std::string problem;
    const std::optional<std::string> readable =
        FormatReadableChartFile(driver_.records().birth, entries().ZoneRow, &problem);
    if (!readable) {
        dialogs_.message(tr("The reading could not be saved to \"%1\": %2")
                             .arg(Visible(QDir::toNativeSeparators(name)), FromUtf8(problem)),
                         MessageIcon::Critical);
        return;
    }
    const std::string& bytes = *readable;
    // Written beside the old file and renamed over it, so an existing chart is
    // either replaced whole or left as it was.
    if (const auto reason = WriteFileAtomically(FileSystemName(name), bytes)) {
        dialogs_.message(tr("The reading could not be saved to \"%1\": %2")
                             .arg(Visible(QDir::toNativeSeparators(name)), FromUtf8(*reason)),
                         MessageIcon::Critical);
        return;
    }
    ProgramSettings settings;
    RememberChartFolder(settings, name);
    RememberRecentChart(settings, name);
    rememberOwnChart(name);
    showChartFileName(name);
    statusBar()->showMessage(tr("Saved to %1").arg(Visible(QDir::toNativeSeparators(name))), 5000);
}

void frmMain::openChart()
{
    const QString name = dialogs_.openFileName(chartDialog(tr(kOpenTitle)));
    if (!name.isEmpty())
        openChartFile(name);
}

void frmMain::openChartFile(const QString& name)
{
    std::string problem = "The name does not end in \"kqa\".";
    std::optional<Entries> restored;
    if (HasImportExtension(ToUtf8(name)))
        restored = LoadImportedChart(FileSystemName(name), problem);
    else if (HasChartExtension(ToUtf8(name)))
        restored = LoadChartFile(FileSystemName(name), problem);
    if (!restored) {
        dialogs_.message(CoreMessage(kChartFileRefused), MessageIcon::Critical,
                         QStringLiteral("%1\n%2").arg(Visible(QDir::toNativeSeparators(name)), FromUtf8(problem)));
        return;
    }
    // Cancelled at the zone's question, or refused there: the window stays as
    // it was before Open.
    const InputPanel::Snapshot before = input_->snapshot();
    // The chart's ayanamsa is in force for it, as the menu shows, and the
    // program's own for a chart that names none, as the report tool reads
    // it; the choice kept for the next run stays.
    const AyanamsaChoice ayanamsaBefore = ayanamsa_->choice();
    showChartAyanamsa(*restored);
    // Likewise its node; a chart without the line shows the mean node.
    const bool trueNodeBefore = mnuTrueNode_->isChecked();
    const auto keptNodes = FindTagged(restored->Tagged, kNodesTag);
    chooseNodes(keptNodes && ParseNodes(*keptNodes) == NodeKind::True);
    applyEntries(*restored);
    if (!runReading()) {
        input_->restore(before);
        ayanamsa_->showChoice(ayanamsaBefore);
        driver_.setAyanamsa(ayanamsaBefore);
        chooseNodes(trueNodeBefore);
        return;
    }
    ProgramSettings settings;
    RememberChartFolder(settings, name);
    RememberRecentChart(settings, name);
    rememberOwnChart(name);
    showChartFileName(name);
}

void frmMain::importCharts()
{
    ProgramSettings settings;
    const QStringList names = dialogs_.openFileNames(
        {tr("Import charts of other programs"), kImportFilter, QString(), QString(), ChartFolder(settings)});
    if (names.isEmpty())
        return;
    const ChartImport result = ImportCharts(names);
    for (const ImportedChart& chart : result.imported)
        RememberRecentChart(settings, chart.file);
    dialogs_.message(ImportSummary(result),
                     result.imported.isEmpty() ? MessageIcon::Critical : MessageIcon::Information,
                     ImportDetail(result));
    if (result.imported.isEmpty())
        return;
    RememberChartFolder(settings, result.imported.front().file);
    showImported(result, 0);
}

void frmMain::showImported(const ChartImport& import, qsizetype index)
{
    const ImportedChart& chart = import.imported[index];
    showChartAyanamsa(chart.entries);
    applyEntries(chart.entries);
    calculate();
    rememberOwnChart(chart.file);
    showChartFileName(chart.file);
    // Whether to go on to the next, in a bar over the reading, which stays in sight.
    if (index + 1 < import.imported.size() && resultsInFront())
        results()->offer(NextImportQuestion(import, index + 1), tr("Show &Next"),
                         [this, import, index] { showImported(import, index + 1); });
}

void frmMain::fillRecentCharts()
{
    ProgramSettings settings;
    FillRecentChartsMenu(
        mnuRecent_, RecentCharts(settings), [this](const QString& file) { openChartFile(file); },
        [this] {
            ProgramSettings s;
            ClearRecentCharts(s);
            fillRecentCharts();
        });
}

void frmMain::findPlace()
{
    const Entries e = entries();
    if (const std::optional<Refusal> refusal = ValidatePlaceLookup(e)) {
        input_->refuse(*refusal);
        return;
    }
    launcher_.open(true, FromUtf8(e.City), FromUtf8(e.State), FromUtf8(e.Country));
}

void frmMain::showAbout()
{
    frmAbout about(dialogs_, this);
    about.exec();
}

void frmMain::fitToScreen()
{
    // The frame is known once the window is shown: frame and all within the
    // screen's free area; what does not fit then scrolls.
    const QScreen* shown = screen();
    if (!shown || windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    const QSize frame = frameGeometry().size() - size();
    const QSize room = (shown->availableGeometry().size() - frame).expandedTo(minimumSizeHint());
    if (width() > room.width() || height() > room.height())
        resize(size().boundedTo(room));
}

void frmMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    fitToScreen();
}

void frmMain::closeEvent(QCloseEvent* event)
{
    launcher_.close();
    QMainWindow::closeEvent(event);
}

} // namespace rashi
