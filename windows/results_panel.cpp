#include "windows/results_panel.h"
#include "windows/utf8_text.h"

#include "windows/chart_folder.h"

#include "core/aspects/chart_description.h"
#include "core/jaimini/jaimini_text.h"
#include "core/jaimini/navamsa_view.h"
#include "core/time_window/jaimini_window_text.h"
#include "core/reading/reading_header.h"
#include "places/zone_clock.h"
#include "core/time_window/time_window.h"
#include "core/time_window/window_text.h"
#include "drawing/reading_page.h"
#include "windows/chart_view.h"
#include "windows/day_strip_view.h"
#include "windows/panel_style.h"
#include "shared_ui/user_dialogs.h"
#include "windows/program_settings.h"
#include "windows/wrapping_label.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace rashi {
namespace {

// The four kinds of result lines, and the chosen row's background.
const QColor kNameColour(255, 255, 255);
const QColor kAspectColour(255, 192, 128);
const QColor kPositionColour(255, 255, 128);
const QColor kGrahaColour(224, 224, 224);
const QColor kChosenRowColour(96, 38, 20);
const QColor kHeaderLabelColour(255, 220, 190);
const QColor kNearChangeColour(255, 255, 96);

const char* const kPdfFilter = QT_TRANSLATE_NOOP("rashi::ResultsPanel", "PDF document (*.pdf)");
const char* const kPictureFilter = QT_TRANSLATE_NOOP("rashi::ResultsPanel", "PNG picture (*.png);;SVG picture (*.svg)");

void SetTextColour(QLabel* label, const QColor& colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
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

void ResultsPanel::buildHeader()
{
    // The header: label and value pairs in two columns.
    header_ = new QGridLayout;
    header_->setHorizontalSpacing(8);
    header_->setVerticalSpacing(1);
    static const char* const kFields[] = {"Name", "Born", "Zone", "Place", "Coordinates", "Ascendant", "Ayanamsa",
                                          "Rule"};
    for (int i = 0; i < 8; ++i) {
        // The label in the reading's words; the name of the value stays English.
        auto* label = new QLabel(FromUtf8(WordsOf(driver_.language()).headerLabels[std::size_t(i)]), content_);
        SetTextColour(label, kHeaderLabelColour);
        auto* value = new WrappingLabel({}, content_);
        value->setObjectName(QStringLiteral("header_%1").arg(QString::fromLatin1(kFields[i])));
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        headerValues_[i] = value;
        const int row = i % 4;
        const int column = i < 4 ? 0 : 2;
        header_->addWidget(label, row, column, Qt::AlignLeft | Qt::AlignTop);
        header_->addWidget(value, row, column + 1, Qt::AlignTop);
    }
    header_->setColumnStretch(1, 1);
    header_->setColumnStretch(3, 1);
}

// Under the header: how far the birth time can move.
void ResultsPanel::buildWindowLines()
{
    auto makeWindowLine = [this](const QString& name) {
        auto* label = new WrappingLabel({}, content_);
        label->setObjectName(name);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        SetTextColour(label, kHeaderLabelColour);
        return label;
    };
    windowReading_ = makeWindowLine(QStringLiteral("windowReading"));
    windowChart_ = makeWindowLine(QStringLiteral("windowChart"));
    windowKarakas_ = makeWindowLine(QStringLiteral("windowKarakas"));
    windowNavamsa_ = makeWindowLine(QStringLiteral("windowNavamsa"));
}

// Below the diagram: the birth's day, slice by slice, and what the chosen one would change.
void ResultsPanel::buildDayStrip()
{
    dayStrip_ = new DayStripView(content_);
    daySlice_ = new QLabel(content_);
    daySlice_->setObjectName(QStringLiteral("daySlice"));
    daySlice_->setTextFormat(Qt::PlainText);
    daySlice_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    daySlice_->setWordWrap(true);
    // Room for two lines from the start, so the diagram above keeps its least size.
    daySlice_->setMinimumHeight(2 * daySlice_->fontMetrics().lineSpacing() + 2);
    SetTextColour(daySlice_, kHeaderLabelColour);
    connect(dayStrip_, &DayStripView::sliceChosen, this, [this](const QString& text) {
        daySlice_->setText(text.isEmpty()
                               ? tr("Through the birth's day: point at or choose a slice to see what would differ.")
                               : text);
    });
}

QGridLayout* ResultsPanel::buildCaptions()
{
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(1);
    // The names and positions stay whole; the sentences wrap when narrow.
    auto makeLabel = [this](const QString& caption, const QString& name, const QColor& colour, bool wraps) {
        QLabel* label = new WrappingLabel(caption, content_);
        label->setWordWrap(wraps);
        label->setObjectName(name);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        SetTextColour(label, colour);
        // A click on a row chooses its body.
        label->installEventFilter(this);
        return label;
    };
    for (int i = 0; i < kReportRows; ++i) {
        lblPlanets[i] = makeLabel(QStringLiteral("Mercury"), QStringLiteral("lblPlanets_%1").arg(i), kNameColour, false);
        lblPlanets_Position[i] = makeLabel(QStringLiteral("Planets Position"),
                                           QStringLiteral("lblPlanets_Position_%1").arg(i), kPositionColour, false);
        // One line per caption while the window has room; a narrower window
        // wraps the sentences and keeps the diagram its size.
        lblAspects[i] =
            makeLabel(QStringLiteral("Result"), QStringLiteral("lblAspects_%1").arg(i), kAspectColour, true);
        lblGrahas[i] = makeLabel(QStringLiteral("Grahas"), QStringLiteral("lblGrahas_%1").arg(i), kGrahaColour, true);
        // The name over its position, the two sentences beside them: each
        // pair stays together however the sentences wrap.
        auto* names = new QVBoxLayout;
        auto* sentences = new QVBoxLayout;
        for (QVBoxLayout* column : {names, sentences})
            column->setSpacing(1);
        // The karaka beside the name's position, the houses beside the aspect line.
        lblKarakas[i] = makeLabel({}, QStringLiteral("lblKarakas_%1").arg(i), kPositionColour, false);
        lblHouses[i] = makeLabel({}, QStringLiteral("lblHouses_%1").arg(i), kGrahaColour, false);
        auto* positionLine = new QHBoxLayout;
        positionLine->setSpacing(6);
        positionLine->addWidget(lblPlanets_Position[i]);
        positionLine->addWidget(lblKarakas[i]);
        positionLine->addStretch(1);
        auto* aspectLine = new QHBoxLayout;
        aspectLine->setSpacing(8);
        aspectLine->addWidget(lblAspects[i], 1);
        aspectLine->addWidget(lblHouses[i], 0, Qt::AlignTop);
        names->addWidget(lblPlanets[i]);
        names->addLayout(positionLine);
        names->addStretch(1);
        sentences->addLayout(aspectLine);
        sentences->addWidget(lblGrahas[i]);
        sentences->addStretch(1);
        grid->addLayout(names, 2 * i, 0);
        grid->addLayout(sentences, 2 * i, 1);
        if (i + 1 < kReportRows)
            grid->setRowMinimumHeight(2 * i + 1, 7);
    }
    grid->setColumnStretch(1, 1);
    return grid;
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
    // The chosen row's band is painted on it, and a click between a row's
    // captions chooses the row.
    content_->installEventFilter(this);

    buildHeader();
    buildWindowLines();
    chart_ = new ChartView(content_);
    chart_->setDiagramStyle(style_);
    connect(chart_, &ChartView::bodyChosen, this, &ResultsPanel::markChosenRow);
    connect(chart_, &ChartView::bodyChosen, this, &ResultsPanel::describeChart);

    buildDayStrip();
    QGridLayout* grid = buildCaptions();
    buildButtons();

    auto* captions = new QVBoxLayout;
    captions->addLayout(grid);
    // Under the rows: the karakas, the karakamsa, the arudha padas.
    jaiminiLines_ = new WrappingLabel({}, this);
    jaiminiLines_->setObjectName(QStringLiteral("jaiminiLines"));
    jaiminiLines_->setAccessibleName(tr("Karakas and arudha padas"));
    jaiminiLines_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    SetTextColour(jaiminiLines_, kHeaderLabelColour);
    captions->addSpacing(6);
    captions->addWidget(jaiminiLines_);
    captions->addStretch(1);
    auto* body = new QHBoxLayout;
    body->setSpacing(16);
    auto* diagram = new QVBoxLayout;
    diagram->setSpacing(4);
    diagram->addWidget(chart_, 1);
    diagram->addWidget(dayStrip_, 0);
    diagram->addWidget(daySlice_, 0);
    diagram->addStretch(0);
    body->addLayout(diagram, 1);
    body->addLayout(captions, 0);

    auto* buttons = new QHBoxLayout;
    chkNavamsa_ = new QCheckBox(tr("Navamsa (D&9)"), this);
    chkNavamsa_->setObjectName(QStringLiteral("chkNavamsa"));
    chkNavamsa_->setAccessibleName(tr("Show the navamsa chart"));
    chkNavamsa_->setToolTip(tr("The navamsa (D9) chart and its whole Rashi Drishti reading"));
    QPalette palette = chkNavamsa_->palette();
    palette.setColor(QPalette::WindowText, kHeaderLabelColour);
    chkNavamsa_->setPalette(palette);
    connect(chkNavamsa_, &QCheckBox::toggled, this, &ResultsPanel::showNavamsa);
    buttons->addWidget(chkNavamsa_);
    buttons->addStretch(1);
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdBack);

    auto* column = new QVBoxLayout(content_);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(10);
    column->addLayout(header_);
    lines_ = new QVBoxLayout;
    lines_->setSpacing(2);
    lines_->addWidget(windowReading_);
    lines_->addWidget(windowChart_);
    lines_->addWidget(windowKarakas_);
    lines_->addWidget(windowNavamsa_);
    column->addLayout(lines_);
    column->addLayout(body, 1);

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

    QWidget::setTabOrder(chart_, dayStrip_);
    QWidget::setTabOrder(dayStrip_, chkNavamsa_);
    QWidget::setTabOrder(chkNavamsa_, cmdSave);
    QWidget::setTabOrder(cmdSave, cmdBack);
}

QLabel* ResultsPanel::addLine(const QString& name)
{
    ensureBuilt();
    auto* label = new WrappingLabel({}, content_);
    label->setObjectName(name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    SetTextColour(label, kHeaderLabelColour);
    lines_->addWidget(label);
    return label;
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
    fillHeader();
    fillWindowLines();
    fillCaptions();
    chart_->setModel(ChartModelOf(shown()));
    chart_->chooseBody(-1);
    dayStrip_->setDay(driver_.records().day, driver_.records().language);
    dayStrip_->setVisible(driver_.records().day.computed);
    daySlice_->setVisible(driver_.records().day.computed);
    markChosenRow();
    describeChart();
    // The nested layouts measure the new lines now, not when next shown.
    content_->layout()->activate();
    if (first)
        makeRoom();
    fitContent();
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

void ResultsPanel::fillHeader()
{
    const std::vector<HeaderField> fields = ReadingHeader(driver_.records());
    for (std::size_t i = 0; i < fields.size() && i < headerValues_.size(); ++i)
        headerValues_[i]->setText(FromUtf8(fields[i].value));
}

void ResultsPanel::fillWindowLines()
{
    const TimeWindowRecord& window = driver_.records().window;
    const ReadingWords& words = WordsOf(driver_.records().language);
    const std::vector<std::string> lines = WindowLines(window, words);
    // The span on one line, what changes beyond it on the next; the lines
    // each change alters in the tooltip, with the whole sentence.
    const auto show = [&](QLabel* label, std::size_t index, const HoldingWindow& held) {
        if (index >= lines.size()) {
            label->clear();
            label->setToolTip(QString());
            return;
        }
        const QString line = FromUtf8(lines[index]);
        // " (before: " opens the notes; "before: " starts the second line.
        const QString opening = FromUtf8(std::string(words.notes.before));
        label->setText(line.section(opening, 0, 0) + QStringLiteral("\n    ") + opening.mid(2) +
                       FromUtf8(BeyondText(held.from, true, words)) + FromUtf8(std::string(words.notes.between)) +
                       FromUtf8(BeyondText(held.until, false, words)));
        label->setToolTip(line);
    };
    show(windowReading_, 0, window.reading);
    show(windowChart_, 1, window.chart);
    windowReading_->setVisible(!lines.empty());
    windowChart_->setVisible(lines.size() >= 2);
    // A change within five minutes of the given time: the chart may not be the one born with.
    const bool near = ChartChangesNear(window);
    QFont font = windowChart_->font();
    font.setBold(near);
    windowChart_->setFont(font);
    SetTextColour(windowChart_, near ? kNearChangeColour : kHeaderLabelColour);
}

void ResultsPanel::fillCaptions()
{
    const Report& report = shown().report;
    fillJaimini();
    for (int i = 0; i < kReportRows; ++i) {
        lblPlanets[i]->setText(FromUtf8(report.lblPlanets[i]));
        lblPlanets_Position[i]->setText(FromUtf8(report.lblPlanets_Position[i]));
        lblAspects[i]->setText(FromUtf8(report.lblAspects[i]));
        lblGrahas[i]->setText(FromUtf8(report.lblGrahas[i]));
    }
}

void ResultsPanel::markChosenRow()
{
    if (content_)
        content_->update();
    // The chosen row in sight.
    if (const int body = chosenBody(); body >= 0 && scroll_) {
        const QRect band = rowBand(body);
        scroll_->ensureVisible(band.center().x(), band.center().y(), band.width() / 2, band.height() / 2);
    }
}

QRect ResultsPanel::rowBand(int body) const
{
    if (!built_ || body < 0 || body >= kReportRows)
        return {};
    QRect band;
    for (QLabel* label : {lblPlanets[body], lblPlanets_Position[body], lblAspects[body], lblGrahas[body], lblKarakas[body],
                          lblHouses[body]})
        band |= label->geometry();
    return band.adjusted(-6, -2, 6, 2);
}

QRect ResultsPanel::chosenRowBand() const
{
    const QRect band = rowBand(chosenBody());
    return band.isEmpty() ? band : band.translated(content_->mapTo(this, QPoint(0, 0)));
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
    if (watched == content_ && event->type() == QEvent::Paint) {
        // The chosen body's row: one band behind its four captions.
        if (const QRect band = rowBand(chosenBody()); !band.isEmpty()) {
            QPainter painter(content_);
            painter.fillRect(band, kChosenRowColour);
        }
        return false;
    }
    if (watched == content_ && event->type() == QEvent::MouseButtonPress) {
        // A click between a row's captions chooses its body as a click on them does.
        const auto* press = static_cast<QMouseEvent*>(event);
        if (press->button() == Qt::LeftButton)
            for (int i = 0; i < kReportRows; ++i)
                if (rowBand(i).contains(press->position().toPoint()))
                    chooseBody(i);
        return false;
    }
    if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        for (int i = 0; i < kReportRows; ++i) {
            if (watched == lblPlanets[i] || watched == lblPlanets_Position[i] || watched == lblAspects[i] ||
                watched == lblGrahas[i]) {
                chooseBody(i);
                break;
            }
        }
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
        const int chosen = chosenBody();
        if (navamsa_)
            navamsaView_ = NavamsaView(driver_.records());
        fillHeader();
        fillWindowLines();
        fillCaptions();
        chart_->setModel(ChartModelOf(shown()));
        chart_->chooseBody(chosen);
        describeChart();
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
    if (!dialogs_.choosePrinter(printer))
        return;
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

void ResultsPanel::fillJaimini()
{
    const ReadingRecords& records = shown();
    for (int i = 0; i < kReportRows; ++i) {
        lblKarakas[i]->setText(FromUtf8(KarakaTag(records, i)));
        lblHouses[i]->setText(FromUtf8(HousesNote(records, i)));
    }
    QStringList lines;
    for (const std::string& line : JaiminiPanelLines(records))
        lines << FromUtf8(line);
    jaiminiLines_->setText(lines.join(QLatin1Char('\n')));
    jaiminiLines_->setVisible(!lines.isEmpty());
    const std::vector<std::string> window = JaiminiWindowLines(driver_.records().jaiminiWindow, WordsOf(driver_.records().language));
    // As the lines above: the span on one line, what changes beyond it on the next.
    const auto twoLines = [&window](std::size_t index) {
        if (index >= window.size())
            return QString();
        const QString line = FromUtf8(window[index]);
        const qsizetype notes = line.indexOf(QStringLiteral(" (before: "));
        if (notes < 0 || !line.endsWith(QStringLiteral(").")))
            return line;
        return line.left(notes) + QStringLiteral("\n    ") + line.mid(notes + 2).chopped(2);
    };
    windowKarakas_->setText(twoLines(0));
    windowNavamsa_->setText(twoLines(1));
    windowKarakas_->setToolTip(window.size() > 0 ? FromUtf8(window[0]) : QString());
    windowKarakas_->setVisible(window.size() > 0);
    windowNavamsa_->setVisible(window.size() > 1);
}

void ResultsPanel::refill()
{
    if (!built_ || !hasReading())
        return;
    const int chosen = chosenBody();
    if (navamsa_)
        navamsaView_ = NavamsaView(driver_.records());
    fillCaptions();
    chart_->setModel(ChartModelOf(shown()));
    chart_->chooseBody(chosen);
    describeChart();
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

} // namespace rashi
