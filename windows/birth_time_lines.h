#pragma once
// Under the header: how far the birth time can move while the reading, the
// chart, the karakas and the navamsa hold. Each span on one line and what
// changes beyond it on the next; a line whose span ends by a change within
// five minutes of the birth stands out, as what it holds may not be what the
// person was born with. With the dashas, how long the Moon's nakshatra holds.

#include "core/records/reading_records.h"

#include <QWidget>

class QLabel;
class QVBoxLayout;

namespace rashi {

class BirthTimeLines : public QWidget {
    Q_OBJECT
public:
    explicit BirthTimeLines(QWidget* parent = nullptr);

    // The birth's own reading (never the navamsa view).
    void setReading(const ReadingRecords& records);
    // A line of its own under these, kept with them.
    QLabel* addLine(const QString& name);

private:
    QLabel* makeLine(const QString& name);

    QVBoxLayout* column_ = nullptr;
    QLabel* reading_ = nullptr;
    QLabel* chart_ = nullptr;
    QLabel* karakas_ = nullptr;
    QLabel* navamsa_ = nullptr;
    QLabel* nakshatra_ = nullptr; // the Moon's, with the dashas
};

} // namespace rashi
