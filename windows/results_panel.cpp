#include "windows/results_panel.h"

#include "core/aspects/chart_description.h"
#include "core/jaimini/navamsa_view.h"
#include "core/reading/reading_header.h"
#include "drawing/reading_page.h"
#include "places/zone_clock.h"
#include "shared_ui/user_dialogs.h"
#include "windows/birth_day_view.h"
#include "windows/birth_time_lines.h"
#include "windows/chart_folder.h"
#include "windows/chart_view.h"
#include "windows/dashas_view.h"
#include "windows/day_strip_view.h"
#include "windows/panel_style.h"
#include "windows/program_settings.h"
#include "windows/reading_header_view.h"
#include "windows/reading_rows_view.h"
#include "windows/results_colours.h"
#include "windows/utf8_text.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace rashi {
namespace {

const char* const kPdfFilter = QT_TRANSLATE_NOOP("rashi::ResultsPanel", "PDF document (*.pdf)");
const char* const kPictureFilter = QT_TRANSLATE_NOOP("rashi::ResultsPanel", "PNG picture (*.png);;SVG picture (*.svg)");

} // namespace

ResultsPanel::ResultsPanel(CalculationDriver& driver, UserDialogs& dialogs, QWidget* parent)
    : QGroupBox(tr("Tarvek Rashi Drishti (Sign Aspects) Results"), parent), driver_(driver),
      dialogs_(dialogs)
{
    setObjectName(QStringLiteral("Frame2"));
    PaintPanel(this);
    // The panel shows how far the birth time can move.
    driver_.setWithWindow(true);
    driver_.setWithDay(true);
    // On the place's clock as it went, across a change of daylight saving.
    driver_.setZoneClock(&places::TheZoneClock());
    driver_.setWithJaimini(true);
}

void ResultsPanel::loadSettings()
{
    if (settingsLoaded_)
        return;
    settingsLoaded_ = true;
    ProgramSettings settings;
    const std::string rule = settings.value(QLatin1String(kRuleKey)).toString().toStdString();
    if (const auto stored = RuleFromKey(rule); stored && *stored != driver_.rule())
        driver_.SetRule(*stored);
    style_ = ChartStyleFromKey(settings.value(QLatin1String(kStyleKey)).toString());
    JaiminiChoices choices;
    choices.karakaScheme = settings.value(QLatin1String(kKarakasKey)).toInt() == 7 ? 7 : 8;
    choices.arudhaExceptions = settings.value(QLatin1String(kArudhaExceptionsKey), true).toBool();
    if (choices != driver_.jaiminiChoices())
        driver_.SetJaiminiChoices(choices);
    if (settings.value(QLatin1String(kDashasKey), false).toBool())
        chooseDashas(true);
}

JaiminiChoices ResultsPanel::jaiminiChoices()
{
    loadSettings();
    return driver_.jaiminiChoices();
}

AspectRuleChoice ResultsPanel::rule()
{
    loadSettings();
    return driver_.rule();
}

ChartStyle ResultsPanel::diagramStyle()
{
    loadSettings();
    return style_;
}

int ResultsPanel::chosenBody() const
{
    return chart_ ? chart_->chosenBody() : -1;
}

void ResultsPanel::buildButtons()
{
    cmdSave = new QPushButton(tr("&Save"), this);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    cmdBack = new QPushButton(tr("&Back"), this);
    cmdBack->setObjectName(QStringLiteral("cmdBack"));
    for (QPushButton* button : {cmdSave, cmdBack}) {
        button->setAutoDefault(true); // Enter, like Space, presses it
        button->setMinimumWidth(button->sizeHint().width() + 24);
    }
    connect(cmdSave, &QPushButton::clicked, this, &ResultsPanel::saveRequested);
    connect(cmdBack, &QPushButton::clicked, this, &ResultsPanel::backRequested);
}

void ResultsPanel::ensureBuilt()
{
    if (built_)
        return;
    built_ = true;
    loadSettings();

    // Everything but the buttons scrolls where the screen is too small for
    // it; the buttons stay in sight.
    content_ = new QWidget;
    content_->setObjectName(QStringLiteral("resultsContent"));
    content_->installEventFilter(this);

    header_ = new ReadingHeaderView(driver_.language(), content_);
    timeLines_ = new BirthTimeLines(content_);
    chart_ = new ChartView(content_);
    chart_->setDiagramStyle(style_);
    connect(chart_, &ChartView::bodyChosen, this, &ResultsPanel::markChosenRow);
    connect(chart_, &ChartView::bodyChosen, this, &ResultsPanel::describeChart);
    day_ = new BirthDayView(content_);
    rows_ = new ReadingRowsView(content_);
    connect(rows_, &ReadingRowsView::bodyClicked, this, &ResultsPanel::chooseBody);
    buildButtons();

    auto* body = new QHBoxLayout;
    body->setSpacing(16);
    auto* diagram = new QVBoxLayout;
    diagram->setSpacing(4);
    diagram->addWidget(chart_, 1);
    diagram->addWidget(day_, 0);
    diagram->addStretch(0);
    body->addLayout(diagram, 1);
    body->addWidget(rows_, 0);

    auto* buttons = new QHBoxLayout;
    chkNavamsa_ = new QCheckBox(tr("Navamsa (D&9)"), this);
    chkNavamsa_->setObjectName(QStringLiteral("chkNavamsa"));
    chkNavamsa_->setAccessibleName(tr("Show the navamsa chart"));
    chkNavamsa_->setToolTip(tr("The navamsa (D9) chart and its whole Rashi Drishti reading"));
    SetTextColour(chkNavamsa_, kHeaderLabelColour);
    connect(chkNavamsa_, &QCheckBox::toggled, this, &ResultsPanel::showNavamsa);
    buttons->addWidget(chkNavamsa_);
    chkDashas_ = new QCheckBox(tr("&Dashas"), this);
    chkDashas_->setObjectName(QStringLiteral("chkDashas"));
    chkDashas_->setAccessibleName(tr("Show the dashas"));
    chkDashas_->setToolTip(tr("The nakshatras and the Vimshottari, chara and drig dashas"));
    SetTextColour(chkDashas_, kHeaderLabelColour);
    chkDashas_->setChecked(dashas_);
    connect(chkDashas_, &QCheckBox::toggled, this, &ResultsPanel::showDashas);
    buttons->addWidget(chkDashas_);
    buttons->addStretch(1);
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdBack);

    auto* column = new QVBoxLayout(content_);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(10);
    column->addWidget(header_);
    column->addWidget(timeLines_);
    column->addLayout(body, 1);
    dashasView_ = new DashasView(content_);
    dashasView_->setVisible(dashas_);
    column->addWidget(dashasView_);

    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("resultsScroll"));
    scroll_->setAccessibleName(QStringLiteral("Reading"));
    scroll_->setFrameShape(QFrame::NoFrame);
    // Sized here (fitContent), not by the scroll area: its height is the one
    // its wrapped lines need at the width it gets.
    scroll_->setWidgetResizable(false);
    scroll_->setFocusPolicy(Qt::NoFocus);
    // The panel's colours show through.
    scroll_->viewport()->setAutoFillBackground(false);
    content_->setAutoFillBackground(false);
    scroll_->setWidget(content_);
    scroll_->viewport()->installEventFilter(this);

    auto* panel = new QVBoxLayout(this);
    panel->setContentsMargins(12, 10, 12, 12);
    panel->setSpacing(10);
    panel->addWidget(scroll_, 1);
    panel->addLayout(buttons);

    QWidget::setTabOrder(chart_, day_->strip());
    QWidget::setTabOrder(day_->strip(), chkNavamsa_);
    QWidget::setTabOrder(chkNavamsa_, chkDashas_);
    // The trees, when shown, right after their switch.
    QWidget::setTabOrder(chkDashas_, dashasView_->tree(DashasView::Vimshottari));
    QWidget::setTabOrder(dashasView_->tree(DashasView::Vimshottari), dashasView_->tree(DashasView::Chara));
    QWidget::setTabOrder(dashasView_->tree(DashasView::Chara), dashasView_->tree(DashasView::Drig));
    QWidget::setTabOrder(dashasView_->tree(DashasView::Drig), cmdSave);
    QWidget::setTabOrder(cmdSave, cmdBack);
}

QLabel* ResultsPanel::addLine(const QString& name)
{
    ensureBuilt();
    return timeLines_->addLine(name);
}

void ResultsPanel::fitContent()
{
    fitPending_ = false;
    if (!built_)
        return;
    content_->layout()->activate();
    // As wide as the view, or as the content's least width (then it scrolls
    // sideways); as tall as its lines need at that width, or as the view.
    const int least = content_->minimumSizeHint().width();
    const QSize view = scroll_->maximumViewportSize();
    int width = qMax(view.width(), least);
    int height = content_->heightForWidth(width);
    const int bar = scroll_->verticalScrollBar()->sizeHint().width();
    if (height > view.height()) { // the vertical scroll bar takes its room
        width = qMax(view.width() - bar, least);
        height = content_->heightForWidth(width);
    }
    int room = view.height();
    if (width > view.width() - (height > view.height() ? bar : 0))
        room -= scroll_->horizontalScrollBar()->sizeHint().height();
    const QSize size(width, qMax(height, room));
    if (content_->size() != size)
        content_->resize(size);
}

QSize ResultsPanel::contentSize() const
{
    // The content's own width, and the height all its lines need at that width.
    const QSize hint = content_->sizeHint();
    const int height = content_->hasHeightForWidth() ? content_->heightForWidth(hint.width()) : hint.height();
    return {hint.width(), qMax(height, hint.height())};
}

QSize ResultsPanel::sizeHint() const
{
    if (!built_)
        return QGroupBox::sizeHint();
    // All of it without scrolling: what the scroll area's own hint leaves out.
    const QSize outer = QGroupBox::sizeHint();
    const QSize scroll = scroll_->sizeHint();
    const QSize content = contentSize();
    return {qMax(outer.width(), outer.width() - scroll.width() + content.width()),
            outer.height() - scroll.height() + content.height()};
}

QSize ResultsPanel::minimumSizeHint() const
{
    if (!built_)
        return QGroupBox::minimumSizeHint();
    // The buttons, and a few lines of the reading above them to scroll.
    const QSize outer = QGroupBox::minimumSizeHint();
    const QSize scroll = scroll_->minimumSizeHint();
    const int lines = 8 * fontMetrics().lineSpacing();
    return {outer.width(), outer.height() - scroll.height() + qMax(scroll.height(), lines)};
}

void ResultsPanel::showReading()
{
    const bool first = !built_;
    ensureBuilt();
    if (navamsa_)
        navamsaView_ = NavamsaView(driver_.records());
    header_->setReading(driver_.records());
    timeLines_->setReading(driver_.records());
    rows_->setReading(shown());
    chart_->setModel(ChartModelOf(shown()));
    chart_->chooseBody(-1);
    day_->setReading(driver_.records());
    dashasView_->setReading(driver_.records());
    markChosenRow();
    describeChart();
    // The views' new lines measured now, not when next shown: the room the
    // first reading makes is taken from them.
    measureViews();
    if (first)
        makeRoom();
    fitContent();
}

void ResultsPanel::measureViews()
{
    // Each view's layout hears of its lines' new sizes only when its queued
    // layout request comes; the column would measure its old sizes.
    for (QWidget* view : std::initializer_list<QWidget*>{header_, timeLines_, rows_, day_, dashasView_}) {
        view->layout()->activate();
        view->updateGeometry();
    }
    content_->layout()->activate();
}

void ResultsPanel::makeRoom()
{
    // The window was sized for the input panel; the first reading brings the
    // diagram, which should open at a comfortable size, within the screen.
    QWidget* top = window();
    if (top == this || top->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    // The window's own hint is recomputed only later; the room the panel
    // lacks is what its hint exceeds the place it stands in.
    const QSize place = parentWidget() ? parentWidget()->size() : size();
    QSize wanted = top->size() + (sizeHint() - place).expandedTo(QSize(0, 0));
    // Within the screen, the window's frame included: what does not fit scrolls.
    if (const QScreen* screen = top->screen())
        wanted = wanted.boundedTo(screen->availableGeometry().size() - (top->frameGeometry().size() - top->size()));
    wanted = wanted.expandedTo(top->minimumSizeHint());
    if (wanted != top->size())
        top->resize(wanted);
}

void ResultsPanel::markChosenRow()
{
    if (!rows_)
        return;
    const int body = chosenBody();
    rows_->setChosenBody(body);
    // The chosen row in sight.
    if (body >= 0 && scroll_) {
        const QRect band = rows_->rowBand(body).translated(rows_->mapTo(content_, QPoint(0, 0)));
        scroll_->ensureVisible(band.center().x(), band.center().y(), band.width() / 2, band.height() / 2);
    }
}

QRect ResultsPanel::chosenRowBand() const
{
    if (!rows_)
        return {};
    const QRect band = rows_->rowBand(chosenBody());
    return band.isEmpty() ? band : band.translated(rows_->mapTo(this, QPoint(0, 0)));
}

void ResultsPanel::focusFirstButton()
{
    if (cmdBack)
        cmdBack->setFocus(Qt::OtherFocusReason);
}

bool ResultsPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (scroll_ && watched == scroll_->viewport() && event->type() == QEvent::Resize) {
        fitContent();
        return false;
    }
    if (watched == content_ && event->type() == QEvent::LayoutRequest && !fitPending_) {
        // The lines changed: once the layout has taken them in.
        fitPending_ = true;
        QMetaObject::invokeMethod(this, &ResultsPanel::fitContent, Qt::QueuedConnection);
        return false;
    }
    return QGroupBox::eventFilter(watched, event);
}

void ResultsPanel::describeChart()
{
    const std::string text = DescribeChosenBody(shown(), chosenBody());
    chart_->setAccessibleDescription(QString::fromUtf8(text.data(), qsizetype(text.size())));
}

void ResultsPanel::chooseBody(int body)
{
    if (chart_)
        chart_->chooseBody(body);
}

void ResultsPanel::setRule(AspectRuleChoice rule)
{
    loadSettings();
    ProgramSettings().setValue(QLatin1String(kRuleKey), QString::fromLatin1(RuleKey(rule).data(), RuleKey(rule).size()));
    if (rule == driver_.rule())
        return;
    driver_.SetRule(rule);
    if (built_ && hasReading()) {
        header_->setReading(driver_.records());
        refill();
    }
    emit ruleChanged(rule);
}

void ResultsPanel::useClassicalRule(bool classical)
{
    setRule(classical ? AspectRuleChoice::Classical : AspectRuleChoice::Ours);
}

void ResultsPanel::setDiagramStyle(ChartStyle style)
{
    loadSettings();
    ProgramSettings().setValue(QLatin1String(kStyleKey), QString::fromLatin1(ChartStyleKey(style)));
    if (style == style_)
        return;
    style_ = style;
    if (chart_)
        chart_->setDiagramStyle(style);
    emit diagramStyleChanged(style);
}

void ResultsPanel::useNorthIndianStyle(bool north)
{
    setDiagramStyle(north ? ChartStyle::North : ChartStyle::South);
}

bool ResultsPanel::hasReading() const
{
    return driver_.hasReading();
}

QString ResultsPanel::suggestedName(const QString& suffix) const
{
    QString name = FromUtf8(driver_.records().birth.Name).trimmed();
    if (name.isEmpty())
        name = QStringLiteral("reading");
    return name + suffix;
}

void ResultsPanel::print()
{
    if (!hasReading())
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(ReadingPageLayout());
    printer.setDocName(suggestedName(QString()));
    // With no printer, printing goes to a file: proposed where Export PDF
    // proposes it (with printers, a name here would choose the file for them).
    ProgramSettings settings;
    const bool toFileOnly = QPrinterInfo::availablePrinterNames().isEmpty();
    if (toFileOnly)
        printer.setOutputFileName(QDir(ChartFolder(settings)).filePath(suggestedName(QStringLiteral(".pdf"))));
    if (!dialogs_.choosePrinter(printer))
        return;
    if (!printer.outputFileName().isEmpty())
        RememberChartFolder(settings, printer.outputFileName());
    QPainter painter;
    if (!painter.begin(&printer)) {
        dialogs_.message(tr("The reading could not be printed."), MessageIcon::Critical);
        return;
    }
    PaintPageOnDevice(painter, printer, printer.resolution(), shown(), shownOptions());
    painter.end();
}

ChartOptions ResultsPanel::shownOptions()
{
    ChartOptions options;
    options.style = diagramStyle();
    options.chosenBody = chosenBody();
    return options;
}

void ResultsPanel::keepAs(const FileDialogSetup& dialog, const QString& what,
                          const std::function<WriteError(const QString&, const ChartOptions&)>& write)
{
    if (!hasReading())
        return;
    ProgramSettings settings;
    FileDialogSetup setup = dialog;
    setup.startFolder = ChartFolder(settings);
    const QString name = dialogs_.saveFileName(setup);
    if (name.isEmpty())
        return;
    if (const WriteError error = write(name, shownOptions()); !error.isEmpty()) {
        dialogs_.message(tr("The %1 could not be written to \"%2\".").arg(what, Visible(QDir::toNativeSeparators(name))),
                         MessageIcon::Critical, error);
        return;
    }
    RememberChartFolder(settings, name);
}

void ResultsPanel::exportPdf()
{
    keepAs({tr("Export PDF"), tr(kPdfFilter), QStringLiteral("pdf"), suggestedName(QStringLiteral(".pdf")), {}},
           QStringLiteral("PDF"), [this](const QString& name, const ChartOptions& options) {
               return WriteReadingPdf(FileSystemName(name), shown(), options);
           });
}

void ResultsPanel::saveChartPicture()
{
    keepAs({tr("Save Chart Picture"), tr(kPictureFilter), QStringLiteral("png"),
            suggestedName(QStringLiteral(" chart.png")), {}},
           tr("picture"), [this](const QString& name, const ChartOptions& options) {
               const std::string path = FileSystemName(name);
               return name.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)
                          ? WriteChartSvg(path, shown(), options)
                          : WriteChartPng(path, shown(), options);
           });
}

void ResultsPanel::copyReading()
{
    if (!hasReading())
        return;
    QGuiApplication::clipboard()->setText(FromUtf8(ReadingText(shown())));
}

const ReadingRecords& ResultsPanel::shown() const
{
    return navamsa_ && navamsaView_.jaimini.navamsaShown ? navamsaView_ : driver_.records();
}

void ResultsPanel::refill()
{
    if (!built_ || !hasReading())
        return;
    const int chosen = chosenBody();
    if (navamsa_)
        navamsaView_ = NavamsaView(driver_.records());
    rows_->setReading(shown());
    timeLines_->setReading(driver_.records());
    dashasView_->setReading(driver_.records());
    chart_->setModel(ChartModelOf(shown()));
    chart_->chooseBody(chosen);
    describeChart();
    measureViews();
}

void ResultsPanel::setJaiminiChoices(const JaiminiChoices& choices)
{
    loadSettings();
    ProgramSettings settings;
    settings.setValue(QLatin1String(kKarakasKey), choices.karakaScheme);
    settings.setValue(QLatin1String(kArudhaExceptionsKey), choices.arudhaExceptions);
    if (choices == driver_.jaiminiChoices())
        return;
    driver_.SetJaiminiChoices(choices);
    refill();
}

void ResultsPanel::useSevenKarakas(bool seven)
{
    JaiminiChoices choices = jaiminiChoices();
    choices.karakaScheme = seven ? 7 : 8;
    setJaiminiChoices(choices);
}

void ResultsPanel::useArudhaExceptions(bool exceptions)
{
    JaiminiChoices choices = jaiminiChoices();
    choices.arudhaExceptions = exceptions;
    setJaiminiChoices(choices);
}

void ResultsPanel::showNavamsa(bool navamsa)
{
    if (navamsa == navamsa_)
        return;
    navamsa_ = navamsa;
    if (chkNavamsa_ && chkNavamsa_->isChecked() != navamsa)
        chkNavamsa_->setChecked(navamsa);
    refill();
}

void ResultsPanel::chooseDashas(bool dashas)
{
    dashas_ = dashas;
    // All three systems, the Vimshottari to three levels; none costs nothing.
    DashaChoices choices = driver_.dashaChoices();
    choices.systems = dashas ? unsigned{dasha::All} : 0u;
    choices.nakshatras = dashas;
    choices.levels = 3;
    driver_.SetDashaChoices(choices);
}

void ResultsPanel::showDashas(bool dashas)
{
    loadSettings();
    ProgramSettings().setValue(QLatin1String(kDashasKey), dashas);
    if (dashas == dashas_)
        return;
    chooseDashas(dashas);
    if (chkDashas_ && chkDashas_->isChecked() != dashas)
        chkDashas_->setChecked(dashas);
    if (!built_ || !hasReading()) {
        if (dashasView_)
            dashasView_->setVisible(dashas);
        return;
    }
    // Only what the dashas change; the trees filled while hidden, then
    // shown, are laid out once.
    rows_->setNakshatras(shown());
    timeLines_->setReading(driver_.records());
    dashasView_->setReading(driver_.records());
    dashasView_->setVisible(dashas);
    measureViews();
}

} // namespace rashi
