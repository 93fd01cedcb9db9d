#include "windows/results_panel.h"

#include "core/aspects/chart_description.h"
#include "core/aspects/graha_drishti.h"
#include "core/aspects/graha_drishti_text.h"
#include "core/words/reading_words.h"
#include "core/jaimini/navamsa_view.h"
#include "core/reading/reading_header.h"
#include "drawing/reading_page.h"
#include "places/zone_clock.h"
#include "shared_ui/user_dialogs.h"
#include "windows/aspect_switch.h"
#include "windows/birth_day_view.h"
#include "windows/birth_time_lines.h"
#include "windows/chart_folder.h"
#include "windows/chart_view.h"
#include "windows/dashas_view.h"
#include "windows/day_strip_view.h"
#include "windows/panel_style.h"
#include "windows/program_settings.h"
#include "windows/graha_drishti_view.h"
#include "windows/graha_tables_view.h"
#include "windows/sphuta_table_view.h"
#include "windows/reading_header_view.h"
#include "windows/reading_rows_view.h"
#include "windows/results_colours.h"
#include "windows/utf8_text.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QResizeEvent>
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

// The height a view of the column takes at a width; none while hidden.
int HeightAt(const QWidget* view, int width)
{
    if (view->isHidden())
        return 0;
    return view->hasHeightForWidth() ? view->heightForWidth(width) : view->sizeHint().height();
}

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
    driver_.setWithGrahaDrishti(true);
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
    const std::string nodes = settings.value(QLatin1String(kNodeAspectsKey)).toString().toStdString();
    if (const auto stored = NodeAspectsFromKey(nodes); stored && *stored != driver_.nodeAspects())
        driver_.SetNodeAspects(*stored);
    if (settings.value(QLatin1String(kDashasKey), false).toBool())
        chooseDashas(true);
}

NodeAspects ResultsPanel::nodeAspects()
{
    loadSettings();
    return driver_.nodeAspects();
}

bool ResultsPanel::planetAspectsShown() const
{
    return aspectSwitch_ && aspectSwitch_->planetsShown();
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
    grahaView_ = new GrahaDrishtiView(content_);
    connect(grahaView_, &GrahaDrishtiView::bodyClicked, this, &ResultsPanel::chooseBody);
    grahaTables_ = new GrahaTablesView(content_);
    connect(grahaTables_, &GrahaTablesView::bodyClicked, this, &ResultsPanel::chooseBody);
    buildButtons();

    auto* body = new QHBoxLayout;
    body->setSpacing(16);
    auto* diagram = diagram_ = new QVBoxLayout;
    diagram->setSpacing(4);
    // The diagram square at the top of its column, the day's strip under it,
    // what height the rows beside leave over below both.
    diagram->addWidget(chart_, 0);
    diagram->addWidget(day_, 0);
    diagram->addStretch(1);
    body->addLayout(diagram, 1);
    body->addWidget(rows_, 0);
    body->addWidget(grahaView_, 0);

    // The switches beside the buttons while the panel is wide enough, else
    // on a row of their own above them (arrangeControls).
    switches_ = new QWidget(this);
    auto* buttons = new QHBoxLayout(switches_);
    buttons->setContentsMargins(0, 0, 0, 0);
    chkNavamsa_ = new QCheckBox(tr("Navamsa (D&9)"), this);
    chkNavamsa_->setObjectName(QStringLiteral("chkNavamsa"));
    chkNavamsa_->setAccessibleName(tr("Show the navamsa chart"));
    chkNavamsa_->setToolTip(tr("The navamsa (D9) chart and its whole Rashi Drishti reading"));
    SetTextColour(chkNavamsa_, kHeaderLabelColour);
    connect(chkNavamsa_, &QCheckBox::toggled, this, &ResultsPanel::showNavamsa);
    buttons->addWidget(chkNavamsa_);
    aspectSwitch_ = new AspectSwitch(this);
    connect(aspectSwitch_, &AspectSwitch::planetsChosen, this, &ResultsPanel::showAspectViews);
    buttons->addSpacing(12);
    buttons->addWidget(aspectSwitch_->caption());
    buttons->addWidget(aspectSwitch_);
    chkDashas_ = new QCheckBox(tr("&Dashas"), this);
    chkDashas_->setObjectName(QStringLiteral("chkDashas"));
    chkDashas_->setAccessibleName(tr("Show the dashas"));
    chkDashas_->setToolTip(tr("The nakshatras and the Vimshottari, chara and drig dashas"));
    SetTextColour(chkDashas_, kHeaderLabelColour);
    chkDashas_->setChecked(dashas_);
    connect(chkDashas_, &QCheckBox::toggled, this, &ResultsPanel::showDashas);
    buttons->addWidget(chkDashas_);
    buttons->addStretch(1);
    // Its least width is the buttons' alone: the switches move up first.
    switches_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    buttons_ = new QWidget(this);
    auto* buttonRow = new QHBoxLayout(buttons_);
    buttonRow->setContentsMargins(0, 0, 0, 0);
    buttonRow->addWidget(cmdSave);
    buttonRow->addWidget(cmdBack);
    controls_ = new QGridLayout;
    controls_->setContentsMargins(0, 0, 0, 0);
    controls_->setColumnStretch(0, 1);

    auto* column = new QVBoxLayout(content_);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(10);
    column->addWidget(header_);
    column->addWidget(timeLines_);
    column->addLayout(body, 1);
    column->addWidget(grahaTables_);
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

    auto* bar = new QFrame(this);
    bar->setFrameShape(QFrame::StyledPanel);
    offerBar_ = bar;
    offerBar_->setObjectName(QStringLiteral("offerBar"));
    offerText_ = new QLabel(offerBar_);
    offerText_->setObjectName(QStringLiteral("offerText"));
    offerText_->setWordWrap(true);
    SetTextColour(offerText_, kNearChangeColour);
    offerYes_ = new QPushButton(offerBar_);
    offerYes_->setObjectName(QStringLiteral("offerYes"));
    auto* offerNo = new QPushButton(tr("&Stop Here"), offerBar_);
    offerNo->setObjectName(QStringLiteral("offerNo"));
    auto* offerRow = new QHBoxLayout(offerBar_);
    offerRow->setContentsMargins(8, 4, 8, 4);
    offerRow->addWidget(offerText_, 1);
    offerRow->addWidget(offerYes_);
    offerRow->addWidget(offerNo);
    offerBar_->hide();
    connect(offerYes_, &QPushButton::clicked, this, [this] {
        const std::function<void()> yes = std::move(onOffer_);
        clearOffer();
        if (yes)
            yes();
    });
    connect(offerNo, &QPushButton::clicked, this, &ResultsPanel::clearOffer);

    auto* panel = new QVBoxLayout(this);
    panel->setContentsMargins(12, 10, 12, 12);
    panel->setSpacing(10);
    panel->addWidget(offerBar_);
    panel->addWidget(scroll_, 1);
    panel->addLayout(controls_);
    arrangeControls();

    QWidget::setTabOrder(chart_, day_->strip());
    QWidget::setTabOrder(day_->strip(), grahaTables_->strengths());
    QWidget::setTabOrder(grahaTables_->strengths(), grahaTables_->comparison());
    QWidget::setTabOrder(grahaTables_->comparison(), chkNavamsa_);
    QWidget::setTabOrder(chkNavamsa_, aspectSwitch_);
    QWidget::setTabOrder(aspectSwitch_, chkDashas_);
    // The trees, when shown, right after their switch.
    QWidget::setTabOrder(chkDashas_, dashasView_->tree(DashasView::Vimshottari));
    QWidget::setTabOrder(dashasView_->tree(DashasView::Vimshottari), dashasView_->tree(DashasView::Chara));
    QWidget::setTabOrder(dashasView_->tree(DashasView::Chara), dashasView_->tree(DashasView::Drig));
    QWidget::setTabOrder(dashasView_->tree(DashasView::Drig), cmdSave);
    showAspectViews();
    QWidget::setTabOrder(cmdSave, cmdBack);
}

void ResultsPanel::offer(const QString& question, const QString& yesCaption, std::function<void()> yes)
{
    ensureBuilt();
    onOffer_ = std::move(yes);
    offerText_->setText(question);
    offerYes_->setText(yesCaption);
    offerYes_->setAccessibleDescription(question);
    offerBar_->show();
    offerYes_->setFocus(Qt::OtherFocusReason);
}

void ResultsPanel::clearOffer()
{
    onOffer_ = nullptr;
    if (offerBar_)
        offerBar_->hide();
}

void ResultsPanel::arrangeControls()
{
    if (!controls_)
        return;
    const int needed = switches_->sizeHint().width() + controls_->horizontalSpacing() + buttons_->sizeHint().width();
    const bool oneRow = contentsRect().width() - 24 >= needed;
    if (oneRow == (controls_->itemAtPosition(0, 1) != nullptr) && controls_->count() == 2)
        return;
    controls_->removeWidget(switches_);
    controls_->removeWidget(buttons_);
    controls_->addWidget(switches_, 0, 0);
    controls_->addWidget(buttons_, oneRow ? 0 : 1, oneRow ? 1 : 0, Qt::AlignRight);
}

void ResultsPanel::resizeEvent(QResizeEvent* event)
{
    QGroupBox::resizeEvent(event);
    arrangeControls();
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
    fitDiagram(width, view.height());
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

void ResultsPanel::fitDiagram(int width, int height)
{
    // The diagram, and the day's strip under it, in the height the header
    // and the time lines above leave in the view, in whatever language they
    // are written: the first screen of the reading is seen without
    // scrolling. The dashas and the planet aspects' tables below scroll.
    const auto* column = static_cast<const QBoxLayout*>(content_->layout());
    const int left = height - HeightAt(header_, width) - HeightAt(timeLines_, width) - 2 * column->spacing();
    const int under = day_->isHidden() ? 0 : diagram_->spacing();
    // The day's lines wrap at the diagram's width: measured at the last guess.
    int side = left;
    for (int pass = 0; pass < 2; ++pass)
        side = left - under - HeightAt(day_, qMax(side, chart_->minimumSizeHint().width()));
    // Never under its least size: a smaller window scrolls.
    side = qMax(side, chart_->minimumSizeHint().width());
    // The strip as wide as the diagram; the rows beside take the rest.
    if (chart_->maximumSize() != QSize(side, side)) {
        chart_->setMaximumSize(side, side);
        day_->setMaximumWidth(side);
    }
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
    // The planet aspects are the birth chart's, not the navamsa's.
    navamsaView_.grahaDrishti.computed = false;
    header_->setReading(driver_.records());
    timeLines_->setReading(driver_.records());
    rows_->setReading(shown());
    grahaView_->setReading(shown());
    grahaTables_->setReading(shown());
    chart_->setModel(ChartModelOf(shown()));
    showAspectViews();
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
    for (QWidget* view : std::initializer_list<QWidget*>{header_, timeLines_, rows_, grahaView_, day_, dashasView_}) {
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
    grahaView_->setChosenBody(body);
    grahaTables_->setChosenBody(body);
    // The chosen row in sight.
    if (body >= 0 && scroll_ && rows_->isVisibleTo(content_)) {
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
    QString description = QString::fromUtf8(text.data(), qsizetype(text.size()));
    // With the planet aspects: the signs the chosen body aspects by them.
    if (const int body = chosenBody(); body >= 0 && chart_->options().grahaDrishti)
        description += QLatin1Char(' ') + tr("Planet aspects: %1.")
                                              .arg(FromUtf8(GrahaAspectsText(shown().grahaDrishti.aspects[body],
                                                                             WordsOf(shown().language))));
    chart_->setAccessibleDescription(description);
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
    // The graha drishti on a page of its own, as in the PDF.
    if (shown().grahaDrishti.computed && printer.newPage())
        PaintGrahaPageOnDevice(painter, printer, printer.resolution(), shown(), shownOptions());
    painter.end();
}

ChartOptions ResultsPanel::shownOptions()
{
    ChartOptions options;
    options.style = diagramStyle();
    options.chosenBody = chosenBody();
    options.grahaDrishti = chart_ && chart_->options().grahaDrishti;
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
    navamsaView_.grahaDrishti.computed = false;
    rows_->setReading(shown());
    grahaView_->setReading(shown());
    grahaTables_->setReading(shown());
    timeLines_->setReading(driver_.records());
    dashasView_->setReading(driver_.records());
    chart_->setModel(ChartModelOf(shown()));
    showAspectViews();
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

namespace rashi {

void ResultsPanel::showAspectViews()
{
    if (!built_)
        return;
    // The navamsa has no planet aspects of its own: the switch waits.
    aspectSwitch_->setEnabled(!navamsa_);
    const bool planets = aspectSwitch_->planetsShown() && shown().grahaDrishti.computed;
    rows_->setVisible(!planets);
    grahaView_->setVisible(planets);
    grahaTables_->setVisible(planets);
    chart_->showGrahaDrishti(planets);
    describeChart();
}

void ResultsPanel::showPlanetAspects(bool planets)
{
    ensureBuilt();
    aspectSwitch_->showPlanets(planets);
}

void ResultsPanel::setNodeAspects(NodeAspects nodes)
{
    loadSettings();
    const std::string_view key = NodeAspectsKey(nodes);
    ProgramSettings().setValue(QLatin1String(kNodeAspectsKey), QString::fromLatin1(key.data(), qsizetype(key.size())));
    if (nodes == driver_.nodeAspects())
        return;
    driver_.SetNodeAspects(nodes);
    refill();
}

} // namespace rashi
