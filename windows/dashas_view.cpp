#include "windows/dashas_view.h"

#include "core/timing/dasha_text.h"
#include "core/timing/dasha_tree.h"
#include "core/timing/period_reading.h"
#include "places/place_dates.h"
#include "windows/results_colours.h"
#include "windows/utf8_text.h"
#include "windows/wrapping_label.h"

#include <QDateTime>
#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>

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
        trees_[s] = tree;
        column->addWidget(tree);
    }
}

QTreeWidgetItem* DashasView::addPeriod(QTreeWidgetItem* parent, QTreeWidget* tree, const QStringList& texts,
                                       bool running)
{
    auto* item = parent ? new QTreeWidgetItem(parent, texts) : new QTreeWidgetItem(tree, texts);
    item->setTextAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
    if (running) {
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
        item->setExpanded(true);
    }
    return item;
}

void DashasView::fillTree(System system, const ReadingRecords& records)
{
    QTreeWidget* tree = trees_[system];
    tree->clear();
    const DashaRecord& d = records.dashas;
    const DashaList& list = system == Vimshottari ? d.vimshottari : system == Chara ? d.chara : d.drig;
    const bool shown = d.computed && list.top > 0;
    tree->setVisible(shown);
    titles_[system]->setVisible(shown);
    if (!shown)
        return;
    const ReadingWords& words = WordsOf(records.language);
    const DashaWords& w = words.dasha;
    const places::PlaceDates dates(records.birth);
    const double year = d.choices.yearDays * kSecondsPerDay;
    const double today = today_ ? *today_ : static_cast<double>(QDateTime::currentSecsSinceEpoch());
    const int levels = system == Vimshottari ? d.choices.levels : system == Chara ? 2 : 1;
    const std::vector<int> running = RunningAt(list, today, levels);
    const auto isRunning = [&](int index) { return std::find(running.begin(), running.end(), index) != running.end(); };
    const auto age = [&](const DashaPeriod& p) {
        return p.start < d.birthSecond - 0.5 ? tr("before birth") : QString::number((p.start - d.birthSecond) / year, 'f', 2);
    };
    QTreeWidgetItem* current = nullptr;
    tree->setUpdatesEnabled(false);
    const std::function<void(QTreeWidgetItem*, int, int)> add = [&](QTreeWidgetItem* parent, int index, int level) {
        const DashaPeriod& p = list.periods[static_cast<std::size_t>(index)];
        QStringList texts;
        if (system == Vimshottari) {
            texts << Words(w.lords[p.key]) + QLatin1Char(' ') + Words(w.levels[level]);
        } else if (level == 0) {
            texts << FromUtf8(Fill(w.signPeriod, SignWord(p.key, words), std::to_string(p.years)) + std::to_string(p.cycle));
        } else {
            texts << Words(SignWord(p.key, words)) + QLatin1Char(' ') + Words(w.levels[1]);
        }
        const bool empty = p.end <= p.start;
        texts << dates.text(p.start) << (empty ? tr("no length") : dates.text(p.end)) << age(p);
        if (system != Vimshottari && level == 0)
            texts << FromUtf8(PeriodReadingText(ReadPeriod(p.key, records.jaimini), records.jaimini.karakas.scheme, words));
        const bool now = isRunning(index);
        QTreeWidgetItem* item = addPeriod(parent, tree, texts, now);
        if (now)
            current = item;
        for (int k = 0; k < p.count; ++k)
            add(item, p.first + k, level + 1);
    };
    for (int i = 0; i < list.top; ++i)
        add(nullptr, i, 0);
    for (int c = 0; c < tree->columnCount() - (system == Vimshottari ? 0 : 1); ++c)
        tree->resizeColumnToContents(c);
    tree->setUpdatesEnabled(true);
    if (current) {
        tree->setCurrentItem(current);
        tree->scrollToItem(current);
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
    const places::PlaceDates dates(records.birth);
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
        fillTree(system, records);
}

} // namespace rashi
