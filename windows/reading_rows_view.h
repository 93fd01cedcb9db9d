#pragma once
// The reading's rows: each body's name over its position (with its karaka),
// beside its two sentences (with the houses it aspects), and under the rows
// the karakas, the karakamsa and the arudha padas. The chosen body's row has
// a band behind it; a click on a row, or between its captions, chooses it.

#include "core/records/reading_records.h"

#include <QWidget>

#include <array>

class QLabel;

namespace rashi {

class ReadingRowsView : public QWidget {
    Q_OBJECT
public:
    explicit ReadingRowsView(QWidget* parent = nullptr);

    // The reading on show: the birth chart's or the navamsa's.
    void setReading(const ReadingRecords& shown);
    // Only the nakshatra beside each position (the dashas switched).
    void setNakshatras(const ReadingRecords& shown);
    // The body whose row has the band, or -1.
    void setChosenBody(int body);
    // Where a body's row is, its captions and the space between them, in
    // this widget's coordinates; empty for none.
    QRect rowBand(int body) const;

signals:
    void bodyClicked(int body);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QLabel* makeLabel(const QString& caption, const QString& name, const QColor& colour, bool wraps);

    int chosen_ = -1;
    std::array<QLabel*, kReportRows> planets_{};
    std::array<QLabel*, kReportRows> positions_{};
    std::array<QLabel*, kReportRows> aspects_{};
    std::array<QLabel*, kReportRows> grahas_{};
    std::array<QLabel*, kReportRows> karakas_{};
    std::array<QLabel*, kReportRows> houses_{};
    std::array<QLabel*, kReportRows> nakshatras_{};
    QLabel* jaiminiLines_ = nullptr;
};

} // namespace rashi
