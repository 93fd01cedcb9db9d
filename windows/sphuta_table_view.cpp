#include "windows/sphuta_table_view.h"

#include "core/aspects/graha_drishti_text.h"
#include "core/words/reading_words.h"
#include "drawing/graha_drishti_page.h"
#include "windows/utf8_text.h"

#include <QHeaderView>
#include <QResizeEvent>
#include <QScrollBar>

namespace rashi {

SphutaTableView::SphutaTableView(QWidget* parent) : QTableWidget(kReportRows, kSphutaPoints, parent)
{
    setObjectName(QStringLiteral("tblSphuta"));
    setAccessibleName(tr("Strengths of the planet aspects (sphuta drishti) in virupas"));
    setAccessibleDescription(tr("A row for each body, a column for each of the nine bodies and the twelve houses; "
                                "%1 virupas or more is a strong aspect").arg(kStrongVirupas));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows); // the chosen body's row
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(false); // Tab leaves the table; the arrow keys move in it
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // No wider than its columns: the panel's room beside it stays empty.
    setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    horizontalHeader()->setMinimumSectionSize(10);
    verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(this, &QTableWidget::cellClicked, this, [this](int row, int) { emit bodyClicked(row); });
    setReading(ReadingRecords{});
}

void SphutaTableView::setReading(const ReadingRecords& records)
{
    const ReadingWords& words = WordsOf(records.language);
    const GrahaDrishtiRecord& graha = records.grahaDrishti;
    QStringList columns;
    for (int k = 0; k < kSphutaPoints; ++k) {
        QString name = k < kReportRows ? FromUtf8(words.shortBodies[k]) : QString::number(k - kReportRows + 1);
        columns << name;
    }
    setHorizontalHeaderLabels(columns);
    for (int k = 0; k < kSphutaPoints; ++k) {
        QTableWidgetItem* header = horizontalHeaderItem(k);
        const QString whole = k < kReportRows ? FromUtf8(words.bodies[k]) : tr("house %1").arg(k - kReportRows + 1);
        header->setToolTip(whole);
        header->setData(Qt::AccessibleTextRole, whole);
    }
    QStringList rows;
    for (int i = 0; i < kReportRows; ++i)
        rows << FromUtf8(words.bodies[i]);
    setVerticalHeaderLabels(rows);

    QFont strongFont = font();
    strongFont.setBold(true);
    for (int i = 0; i < kReportRows; ++i) {
        const QString from = FromUtf8(words.bodies[i]);
        for (int k = 0; k < kSphutaPoints; ++k) {
            auto* cell = new QTableWidgetItem;
            cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            const QString to = horizontalHeaderItem(k)->data(Qt::AccessibleTextRole).toString();
            if (!graha.computed || k == i) {
                cell->setText(k == i ? QStringLiteral("\u2013") : QString());
                cell->setData(Qt::AccessibleTextRole, k == i ? tr("%1 on itself: none").arg(from) : QString());
            } else {
                const double virupas = graha.sphuta[i][k];
                const QString value = FromUtf8(VirupaText(virupas));
                cell->setText(value);
                const bool strong = virupas >= kStrongVirupas;
                cell->setData(Qt::AccessibleTextRole, strong ? tr("%1 on %2: %3 virupas, strong").arg(from, to, value)
                                                             : tr("%1 on %2: %3 virupas").arg(from, to, value));
                if (strong) {
                    cell->setFont(strongFont);
                    cell->setBackground(kStrongCellColour);
                    cell->setForeground(kStrongTextColour);
                }
            }
            setItem(i, k, cell);
        }
    }
    fitToContents();
}

void SphutaTableView::setChosenBody(int body)
{
    if (body < 0 || body >= kReportRows) {
        clearSelection();
        return;
    }
    if (currentRow() != body)
        setCurrentCell(body, currentColumn() >= 0 ? currentColumn() : (body + 1) % kSphutaPoints,
                       QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void SphutaTableView::fitToContents()
{
    resizeColumnsToContents();
    resizeRowsToContents();
    updateGeometry();
}

QSize SphutaTableView::sizeHint() const
{
    int width = verticalHeader()->sizeHint().width() + 2 * frameWidth();
    for (int k = 0; k < columnCount(); ++k)
        width += columnWidth(k);
    int height = horizontalHeader()->sizeHint().height() + 2 * frameWidth();
    for (int i = 0; i < rowCount(); ++i)
        height += rowHeight(i);
    // Narrower than its columns, the scroll bar under the last row.
    if (this->width() < width)
        height += horizontalScrollBar()->sizeHint().height();
    return {width, height};
}

void SphutaTableView::resizeEvent(QResizeEvent* event)
{
    const bool scrolls = event->size().width() < sizeHint().width();
    QTableWidget::resizeEvent(event);
    if (scrolls != (event->oldSize().width() < sizeHint().width()))
        updateGeometry();
}

QSize SphutaTableView::minimumSizeHint() const
{
    // Narrower than its columns, it scrolls sideways; never shorter than its rows.
    return {verticalHeader()->sizeHint().width() + 6 * columnWidth(0), sizeHint().height()};
}

} // namespace rashi
