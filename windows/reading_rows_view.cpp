#include "windows/reading_rows_view.h"

#include "core/jaimini/jaimini_text.h"
#include "core/timing/dasha_text.h"
#include "windows/results_colours.h"
#include "windows/utf8_text.h"
#include "windows/wrapping_label.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

namespace rashi {

ReadingRowsView::ReadingRowsView(QWidget* parent) : QWidget(parent)
{
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(1);
    for (int i = 0; i < kReportRows; ++i) {
        // The names and positions stay whole; the sentences wrap when narrow.
        planets_[i] = makeLabel(QStringLiteral("Mercury"), QStringLiteral("lblPlanets_%1").arg(i), kNameColour, false);
        positions_[i] = makeLabel(QStringLiteral("Planets Position"), QStringLiteral("lblPlanets_Position_%1").arg(i),
                                  kPositionColour, false);
        // One line per caption while the window has room; a narrower window
        // wraps the sentences and keeps the diagram its size.
        aspects_[i] = makeLabel(QStringLiteral("Result"), QStringLiteral("lblAspects_%1").arg(i), kAspectColour, true);
        grahas_[i] = makeLabel(QStringLiteral("Grahas"), QStringLiteral("lblGrahas_%1").arg(i), kGrahaColour, true);
        // The karaka beside the name's position, the houses beside the aspect line.
        karakas_[i] = makeLabel({}, QStringLiteral("lblKarakas_%1").arg(i), kPositionColour, false);
        houses_[i] = makeLabel({}, QStringLiteral("lblHouses_%1").arg(i), kGrahaColour, false);
        // And the nakshatra, with the dashas, under the position.
        nakshatras_[i] = makeLabel({}, QStringLiteral("lblNakshatra_%1").arg(i), kGrahaColour, false);
        // The name over its position, the two sentences beside them: each
        // pair stays together however the sentences wrap.
        auto* names = new QVBoxLayout;
        auto* sentences = new QVBoxLayout;
        for (QVBoxLayout* column : {names, sentences})
            column->setSpacing(1);
        auto* positionLine = new QHBoxLayout;
        positionLine->setSpacing(6);
        positionLine->addWidget(positions_[i]);
        positionLine->addWidget(karakas_[i]);
        positionLine->addStretch(1);
        auto* aspectLine = new QHBoxLayout;
        aspectLine->setSpacing(8);
        aspectLine->addWidget(aspects_[i], 1);
        aspectLine->addWidget(houses_[i], 0, Qt::AlignTop);
        names->addWidget(planets_[i]);
        names->addLayout(positionLine);
        names->addWidget(nakshatras_[i]);
        names->addStretch(1);
        sentences->addLayout(aspectLine);
        sentences->addWidget(grahas_[i]);
        sentences->addStretch(1);
        grid->addLayout(names, 2 * i, 0);
        grid->addLayout(sentences, 2 * i, 1);
        // A little room between the rows (their bands, two pixels beyond
        // their captions, do not meet): little, as a small laptop's window
        // holds all nine rows and the lines under them, in Devanagari too.
        if (i + 1 < kReportRows)
            grid->setRowMinimumHeight(2 * i + 1, 5);
    }
    grid->setColumnStretch(1, 1);

    // Under the rows: the karakas, the karakamsa, the arudha padas.
    jaiminiLines_ = new WrappingLabel({}, this);
    jaiminiLines_->setObjectName(QStringLiteral("jaiminiLines"));
    jaiminiLines_->setAccessibleName(tr("Karakas and arudha padas"));
    jaiminiLines_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    SetTextColour(jaiminiLines_, kHeaderLabelColour);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addLayout(grid);
    column->addSpacing(6);
    column->addWidget(jaiminiLines_);
    column->addStretch(1);
}

QLabel* ReadingRowsView::makeLabel(const QString& caption, const QString& name, const QColor& colour, bool wraps)
{
    QLabel* label = new WrappingLabel(caption, this);
    label->setWordWrap(wraps);
    label->setObjectName(name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    SetTextColour(label, colour);
    // A click on a row chooses its body.
    label->installEventFilter(this);
    return label;
}

void ReadingRowsView::setReading(const ReadingRecords& shown)
{
    const Report& report = shown.report;
    for (int i = 0; i < kReportRows; ++i) {
        karakas_[i]->setText(FromUtf8(KarakaTag(shown, i)));
        houses_[i]->setText(FromUtf8(HousesNote(shown, i)));
    }
    setNakshatras(shown);
    QStringList lines;
    for (const std::string& line : JaiminiPanelLines(shown))
        lines << FromUtf8(line);
    jaiminiLines_->setText(lines.join(QLatin1Char('\n')));
    jaiminiLines_->setVisible(!lines.isEmpty());
    for (int i = 0; i < kReportRows; ++i) {
        planets_[i]->setText(FromUtf8(report.lblPlanets[i]));
        positions_[i]->setText(FromUtf8(report.lblPlanets_Position[i]));
        aspects_[i]->setText(FromUtf8(report.lblAspects[i]));
        grahas_[i]->setText(FromUtf8(report.lblGrahas[i]));
    }
}

void ReadingRowsView::setNakshatras(const ReadingRecords& shown)
{
    for (int i = 0; i < kReportRows; ++i) {
        // The birth chart's positions only: the navamsa's are other degrees.
        nakshatras_[i]->setText(shown.jaimini.navamsaShown ? QString() : FromUtf8(NakshatraNote(shown, i)));
        nakshatras_[i]->setVisible(!nakshatras_[i]->text().isEmpty());
    }
}

void ReadingRowsView::setChosenBody(int body)
{
    chosen_ = body;
    update();
}

QRect ReadingRowsView::rowBand(int body) const
{
    if (body < 0 || body >= kReportRows)
        return {};
    QRect band;
    for (QLabel* label : {planets_[body], positions_[body], aspects_[body], grahas_[body], karakas_[body], houses_[body], nakshatras_[body]})
        if (!label->isHidden()) // a hidden line keeps a geometry of no meaning
            band |= label->geometry();
    return band.adjusted(-6, -2, 6, 2);
}

void ReadingRowsView::paintEvent(QPaintEvent*)
{
    // The chosen body's row: one band behind its captions.
    if (const QRect band = rowBand(chosen_); !band.isEmpty()) {
        QPainter painter(this);
        painter.fillRect(band, kChosenRowColour);
    }
}

void ReadingRowsView::mousePressEvent(QMouseEvent* event)
{
    // A click between a row's captions chooses its body as a click on them does.
    if (event->button() == Qt::LeftButton)
        for (int i = 0; i < kReportRows; ++i)
            if (rowBand(i).contains(event->position().toPoint()))
                emit bodyClicked(i);
    QWidget::mousePressEvent(event);
}

bool ReadingRowsView::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        for (int i = 0; i < kReportRows; ++i) {
            if (watched == planets_[i] || watched == positions_[i] || watched == aspects_[i] || watched == grahas_[i]) {
                emit bodyClicked(i);
                break;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace rashi
