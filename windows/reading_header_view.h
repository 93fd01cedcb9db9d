#pragma once
// Whose reading it is: name, birth, zone, place, coordinates, ascendant,
// ayanamsa and rule, as label and value pairs in two columns.

#include "core/records/reading_records.h"

#include <QWidget>

#include <array>

class QLabel;

namespace rashi {

class ReadingHeaderView : public QWidget {
    Q_OBJECT
public:
    // The labels in the reading's language; the values' object names stay English.
    explicit ReadingHeaderView(Language language, QWidget* parent = nullptr);

    void setReading(const ReadingRecords& records);

private:
    std::array<QLabel*, 8> values_{};
};

} // namespace rashi
