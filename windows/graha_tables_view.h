#pragma once
// The planet aspects' two tables under the diagram: the strengths (sphuta
// drishti, a row a body, a column for each body and house) and the two
// aspects side by side (for each body, the bodies it joins by both, by Rashi
// Drishti only, by graha drishti only), each under its title. A click in a
// body's row chooses it.

#include "core/records/reading_records.h"

#include <QWidget>

class QLabel;
class QTableWidget;

namespace rashi {

class SphutaTableView;

class GrahaTablesView : public QWidget {
    Q_OBJECT
public:
    explicit GrahaTablesView(QWidget* parent = nullptr);

    // The reading's graha drishti; empty tables when it was not computed.
    void setReading(const ReadingRecords& records);
    // The chosen body's rows are selected; -1 selects none.
    void setChosenBody(int body);

    SphutaTableView* strengths() const { return strengths_; }
    QTableWidget* comparison() const { return comparison_; }

signals:
    void bodyClicked(int body);

private:
    QLabel* strengthsTitle_ = nullptr;
    SphutaTableView* strengths_ = nullptr;
    QLabel* comparisonTitle_ = nullptr;
    QTableWidget* comparison_ = nullptr;
};

} // namespace rashi
