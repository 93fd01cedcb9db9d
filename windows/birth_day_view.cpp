#include "windows/birth_day_view.h"

#include "windows/day_strip_view.h"
#include "windows/results_colours.h"

#include <QLabel>
#include <QVBoxLayout>

namespace rashi {

BirthDayView::BirthDayView(QWidget* parent) : QWidget(parent)
{
    strip_ = new DayStripView(this);
    slice_ = new QLabel(this);
    slice_->setObjectName(QStringLiteral("daySlice"));
    slice_->setTextFormat(Qt::PlainText);
    slice_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    slice_->setWordWrap(true);
    // Room for two lines from the start, so the diagram above keeps its least size.
    slice_->setMinimumHeight(2 * slice_->fontMetrics().lineSpacing() + 2);
    SetTextColour(slice_, kHeaderLabelColour);
    connect(strip_, &DayStripView::sliceChosen, this, [this](const QString& text) {
        slice_->setText(text.isEmpty() ? tr("Through the birth's day: point at or choose a slice to see what would differ.")
                                       : text);
    });
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);
    column->addWidget(strip_);
    column->addWidget(slice_);
}

void BirthDayView::setReading(const ReadingRecords& records)
{
    strip_->setDay(records.day, records.language);
    setVisible(records.day.computed);
}

} // namespace rashi
