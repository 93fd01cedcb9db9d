#pragma once
// The planet aspects in place of the reading's rows: under the reading's
// heading (the nodes' rule, the strengths' scale), each body's name beside
// the signs it aspects in count order, with their strengths, houses and the
// bodies standing there. The chosen body's name stands out; a click on a
// row chooses its body.

#include "core/records/reading_records.h"

#include <QWidget>

#include <array>

class QLabel;

namespace rashi {

class GrahaDrishtiView : public QWidget {
    Q_OBJECT
public:
    explicit GrahaDrishtiView(QWidget* parent = nullptr);

    // The reading's graha drishti; empty rows when it was not computed.
    void setReading(const ReadingRecords& records);
    // The body whose name stands out, or -1.
    void setChosenBody(int body);

    // Its lines wrap: about as wide as the reading's rows, so that the
    // diagram beside keeps its room.
    QSize sizeHint() const override;

signals:
    void bodyClicked(int body);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* heading_ = nullptr;
    std::array<QLabel*, kReportRows> names_{};
    std::array<QLabel*, kReportRows> aspects_{};
};

} // namespace rashi
