#include "windows/dashas_view.h"

#include "core/timing/dasha_text.h"
#include "core/timing/dasha_tree.h"
#include "core/timing/period_reading.h"
#include "places/place_dates.h"
#include "windows/results_colours.h"
#include "windows/utf8_text.h"
#include "windows/wrapping_label.h"

#include <QDateTime>
#include <QStyle>
#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace rashi {
namespace {

const QColor kRunningColour(255, 236, 160);

QString Words(std::string_view text) { return FromUtf8(std::string(text)); }

} // namespace

DashasView::DashasView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("dashasView"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);
    const auto line = [&](const QString& name, const QString& accessible) {
        auto* label = new WrappingLabel({}, this);
        label->setObjectName(name);
        label->setAccessibleName(accessible);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        SetTextColour(label, kHeaderLabelColour);
        column->addWidget(label);
        return label;
    };
    head_ = line(QStringLiteral("dashasHead"), tr("The Moon of the Vimshottari dasha"));
    shift_ = line(QStringLiteral("dashasShift"), tr("How far the dates move with the birth time"));
    const std::array<QString, 3> names = {QStringLiteral("treeVimshottari"), QStringLiteral("treeChara"),
                                          QStringLiteral("treeDrig")};
    const std::array<QString, 3> accessible = {tr("Vimshottari dasha periods"), tr("Chara dasha periods"),
                                               tr("Drig dasha periods")};
    for (int s = 0; s < 3; ++s) {
        titles_[s] = line(names[s] + QStringLiteral("Title"), accessible[s]);
        QFont bold = titles_[s]->font();
        bold.setBold(true);
        titles_[s]->setFont(bold);
        auto* tree = new QTreeWidget(this);
        tree->setObjectName(names[s]);
        tree->setAccessibleName(accessible[s]);
        QStringList columns = {tr("Period"), tr("Start"), tr("End"), tr("Age at start")};
        if (s != Vimshottari)
            columns << tr("Aspects by the classical Rashi Drishti");
        tree->setHeaderLabels(columns);
        // The program's own colours, not the panel's white text: the
        // branches' arrows are drawn in it.
        tree->setPalette(tree->style()->standardPalette());
        tree->setUniformRowHeights(true);
        tree->setAlternatingRowColors(true);
        tree->setFocusPolicy(Qt::StrongFocus);
        tree->setSelectionMode(QAbstractItemView::SingleSelection);
        // A sign's aspects take the room left; the Vimshottari's ages stay
        // beside their dates.
        tree->header()->setStretchLastSection(s != Vimshottari);
        // About fourteen rows in sight; the rest scrolls within the tree.
        tree->setMinimumHeight(fontMetrics().lineSpacing() * 16);
        titles_[s]->setBuddy(tree);
        connect(tree, &QTreeWidget::itemExpanded, this, &DashasView::openLater);
        trees_[s] = tree;
        column->addWidget(tree);
    }
}

const DashaList& DashasView::listOf(System system) const
{
    const DashaRecord& d = records_->dashas;
    return system == Vimshottari ? d.vimshottari : system == Chara ? d.chara : d.drig;
}

void DashasView::addPeriod(System system, QTreeWidgetItem* parent, int index, int level)
{
    const ReadingRecords& records = *records_;
    const DashaRecord& d = records.dashas;
    const ReadingWords& words = WordsOf(records.language);
    const DashaWords& w = words.dasha;
    const DashaPeriod& p = listOf(system).periods[static_cast<std::size_t>(index)];
    QTreeWidget* tree = trees_[system];
    QStringList texts;
    if (system == Vimshottari)
        texts << Words(w.lords[p.key]) + QLatin1Char(' ') + Words(w.levels[level]);
    else if (level == 0)
        texts << FromUtf8(Fill(w.signPeriod, SignWord(p.key, words), std::to_string(p.years)) + std::to_string(p.cycle));
    else
        texts << Words(SignWord(p.key, words)) + QLatin1Char(' ') + Words(w.levels[1]);
    const double year = d.choices.yearDays * kSecondsPerDay;
    texts << dates_->text(p.start) << (p.end <= p.start ? tr("no length") : dates_->text(p.end))
          << (p.start < d.birthSecond - 0.5 ? tr("before birth")
                                            : QString::number((p.start - d.birthSecond) / year, 'f', 2));
    if (system != Vimshottari && level == 0)
        texts << FromUtf8(PeriodReadingText(ReadPeriod(p.key, records.jaimini), records.jaimini.karakas.scheme, words));
    const std::vector<int>& running = running_[system];
    const bool now = std::find(running.begin(), running.end(), index) != running.end();

    auto* item = parent ? new QTreeWidgetItem(parent, texts) : new QTreeWidgetItem(tree, texts);
    item->setTextAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
    if (now) {
        // Marked for the eye (bold, on a light band) and for screen readers.
        QFont font = tree->font();
        font.setBold(true);
        for (int c = 0; c < texts.size(); ++c) {
            item->setFont(c, font);
            item->setBackground(c, kRunningColour);
            item->setForeground(c, QColor(Qt::black));
        }
        item->setText(0, QStringLiteral("▶ ") + texts[0]);
        item->setData(0, Qt::AccessibleTextRole, texts[0] + tr(", running now"));
        current_ = item;
    }
    if (system == Vimshottari && level >= 1 && !now && p.count > 0) {
        item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
        item->setData(0, Qt::UserRole, index);
        item->setData(0, Qt::UserRole + 1, level);
    } else {
        for (int k = 0; k < p.count; ++k)
            addPeriod(system, item, p.first + k, level + 1);
    }
    if (now)
        item->setExpanded(true);
}

void DashasView::openLater(QTreeWidgetItem* item)
{
    const QVariant index = item->data(0, Qt::UserRole);
    if (!records_ || item->childCount() > 0 || !index.isValid())
        return;
    const DashaPeriod& p = listOf(Vimshottari).periods[static_cast<std::size_t>(index.toInt())];
    for (int k = 0; k < p.count; ++k)
        addPeriod(Vimshottari, item, p.first + k, item->data(0, Qt::UserRole + 1).toInt() + 1);
}

void DashasView::fillTree(System system)
{
    QTreeWidget* tree = trees_[system];
    tree->clear();
    const DashaRecord& d = records_->dashas;
    const DashaList& list = listOf(system);
    const bool shown = d.computed && list.top > 0;
    tree->setVisible(shown);
    titles_[system]->setVisible(shown);
    if (!shown)
        return;
    const double today = today_ ? *today_ : static_cast<double>(QDateTime::currentSecsSinceEpoch());
    const int levels = system == Vimshottari ? d.choices.levels : system == Chara ? 2 : 1;
    running_[system] = RunningAt(list, today, levels);
    current_ = nullptr;
    tree->setUpdatesEnabled(false);
    for (int i = 0; i < list.top; ++i)
        addPeriod(system, nullptr, i, 0);
    for (int c = 0; c < tree->columnCount() - (system == Vimshottari ? 0 : 1); ++c)
        tree->resizeColumnToContents(c);
    tree->setUpdatesEnabled(true);
    if (current_) {
        tree->setCurrentItem(current_);
        tree->scrollToItem(current_);
    }
}

void DashasView::setReading(const ReadingRecords& records)
{
    const DashaRecord& d = records.dashas;
    const ReadingWords& words = WordsOf(records.language);
    const DashaWords& w = words.dasha;
    // The core's dasha lines, as the report tool prints them: the
    // Vimshottari's head first, one line a period (every level), then how
    // far the dates move; then the chara and drig heads, each before its
    // periods.
    std::vector<std::string> lines;
    if (d.computed && d.choices.systems)
        lines = DashaLines(records, DashaDayOf(today_ ? *today_ : static_cast<double>(QDateTime::currentSecsSinceEpoch())), words);
    const bool vimshottari = d.computed && d.vimshottari.top > 0;
    const std::size_t shiftAt = 1 + d.vimshottari.periods.size();
    records_ = &records;
    dates_.emplace(records.birth);
    const places::PlaceDates& dates = *dates_;
    QString head;
    if (vimshottari) {
        head = FromUtf8(lines[0]);
        head += QLatin1Char('\n') + (dates.followsZone()
                                         ? tr("Dates on the clocks of %1 as they went on each date.")
                                               .arg(FromUtf8(records.birth.ZoneId))
                                         : tr("Dates at the birth's own offset from UT throughout."));
    }
    head_->setText(head);
    head_->setVisible(vimshottari);
    shift_->setText(vimshottari && shiftAt < lines.size() ? FromUtf8(lines[shiftAt]) : QString());
    shift_->setVisible(vimshottari);
    titles_[Vimshottari]->setText(tr("Vimshottari dasha"));
    titles_[Chara]->setText(Words(w.charaHead) + Words(w.exaltation[d.choices.charaExaltation ? 1 : 0]));
    titles_[Drig]->setText(Words(w.drigHead) + Words(records.rule == AspectRuleChoice::Ours ? w.drigOurRule : ""));
    for (System system : {Vimshottari, Chara, Drig})
        fillTree(system);
}

} // namespace rashi
