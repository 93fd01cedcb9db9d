#include "windows/graha_tables_view.h"

#include "core/words/reading_words.h"
#include "windows/results_colours.h"
#include "windows/sphuta_table_view.h"
#include "windows/utf8_text.h"
#include "windows/wrapping_label.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace rashi {
namespace {

// The names of the bodies of a mask, in report order, short ("Su, Mo") or
// whole; "none" for none.
QString BodyNames(unsigned mask, const ReadingWords& words, bool shortNames)
{
    QStringList names;
    for (int i = 0; i < kReportRows; ++i)
        if ((mask >> i) & 1u)
            names << FromUtf8(shortNames ? words.shortBodies[i] : words.bodies[i]);
    return names.isEmpty() ? FromUtf8(words.graha.none) : names.join(FromUtf8(words.sentenceSeparator));
}

QLabel* Title(const QString& name, QWidget* parent)
{
    QLabel* title = new WrappingLabel({}, parent);
    title->setObjectName(name);
    title->setWordWrap(true);
    QFont font = title->font();
    font.setBold(true);
    title->setFont(font);
    SetTextColour(title, kHeaderLabelColour);
    return title;
}

} // namespace

GrahaTablesView::GrahaTablesView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("grahaTablesView"));
    strengthsTitle_ = Title(QStringLiteral("lblSphutaTitle"), this);
    strengths_ = new SphutaTableView(this);
    connect(strengths_, &SphutaTableView::bodyClicked, this, &GrahaTablesView::bodyClicked);

    comparisonTitle_ = Title(QStringLiteral("lblAspectComparison"), this);
    comparisonTitle_->setText(tr("The two aspects side by side: the bodies each body joins"));
    comparison_ = new QTableWidget(kReportRows, 3, this);
    comparison_->setObjectName(QStringLiteral("tblAspectComparison"));
    comparison_->setAccessibleName(tr("The two aspects side by side"));
    comparison_->setAccessibleDescription(
        tr("For each body, the bodies it joins by both aspects, by Rashi Drishti only and by graha drishti only"));
    comparison_->setHorizontalHeaderLabels(
        {tr("By both aspects"), tr("By Rashi Drishti only"), tr("By graha drishti only")});
    comparison_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    comparison_->setSelectionMode(QAbstractItemView::SingleSelection);
    comparison_->setSelectionBehavior(QAbstractItemView::SelectRows);
    comparison_->verticalHeader()->setDefaultSectionSize(comparison_->fontMetrics().height() + 6);
    comparison_->setTabKeyNavigation(false); // Tab leaves the table; the arrow keys move in it
    comparison_->setWordWrap(false);
    comparison_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    comparison_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    comparison_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    comparison_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(comparison_, &QTableWidget::cellClicked, this, [this](int row, int) { emit bodyClicked(row); });

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);
    column->addWidget(strengthsTitle_);
    column->addWidget(strengths_);
    column->addSpacing(8);
    column->addWidget(comparisonTitle_);
    column->addWidget(comparison_);
}

void GrahaTablesView::setReading(const ReadingRecords& records)
{
    const ReadingWords& words = WordsOf(records.language);
    const GrahaDrishtiRecord& graha = records.grahaDrishti;
    strengthsTitle_->setText(FromUtf8(words.graha.tableTitle));
    strengths_->setReading(records);
    QStringList bodies;
    for (int i = 0; i < kReportRows; ++i)
        bodies << FromUtf8(words.bodies[i]);
    comparison_->setVerticalHeaderLabels(bodies);
    for (int i = 0; i < kReportRows; ++i) {
        const std::array<unsigned, 3> masks = {graha.both[i], graha.rashiOnly[i], graha.grahaOnly[i]};
        for (int c = 0; c < 3; ++c) {
            auto* cell = new QTableWidgetItem(graha.computed ? BodyNames(masks[c], words, true) : QString());
            const QString whole = graha.computed ? BodyNames(masks[c], words, false) : QString();
            cell->setToolTip(whole);
            cell->setData(Qt::AccessibleTextRole, bodies[i] + QStringLiteral(", ") +
                                                      comparison_->horizontalHeaderItem(c)->text() +
                                                      QStringLiteral(": ") + whole);
            comparison_->setItem(i, c, cell);
        }
    }
    int height = comparison_->horizontalHeader()->sizeHint().height() + 2 * comparison_->frameWidth();
    for (int i = 0; i < kReportRows; ++i)
        height += comparison_->rowHeight(i);
    comparison_->setFixedHeight(height);
}

void GrahaTablesView::setChosenBody(int body)
{
    strengths_->setChosenBody(body);
    if (body < 0 || body >= kReportRows)
        comparison_->clearSelection();
    else if (comparison_->currentRow() != body)
        comparison_->setCurrentCell(body, 0, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

} // namespace rashi
