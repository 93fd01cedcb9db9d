#pragma once
// Below the diagram: the birth's day, slice by slice, and under it what the
// slice pointed at or chosen would change.

#include "core/records/reading_records.h"

#include <QWidget>

class QLabel;

namespace rashi {

class DayStripView;

class BirthDayView : public QWidget {
    Q_OBJECT
public:
    explicit BirthDayView(QWidget* parent = nullptr);

    // Hidden when the reading has no day.
    void setReading(const ReadingRecords& records);
    DayStripView* strip() const { return strip_; }

private:
    DayStripView* strip_ = nullptr;
    QLabel* slice_ = nullptr;
};

} // namespace rashi
