#pragma once
// The strengths of the planet aspects (sphuta drishti) as a table: a row a
// body, a column for each of the nine bodies and the twelve houses, in
// virupas. The strong ones (kStrongVirupas and more) are bold on a tinted
// ground, and each cell tells a screen reader whose aspect on what it is.

#include "core/records/reading_records.h"

#include <QTableWidget>

namespace rashi {

class SphutaTableView : public QTableWidget {
    Q_OBJECT
public:
    explicit SphutaTableView(QWidget* parent = nullptr);

    // The reading's strengths; an empty table when they were not computed.
    void setReading(const ReadingRecords& records);
    // The chosen body's row is selected; -1 selects none.
    void setChosenBody(int body);

    // As tall as its rows; its own width, or narrower with a scroll bar.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void bodyClicked(int body);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitToContents();
};

// Strong cells' ground and text.
inline const QColor kStrongCellColour(255, 226, 160);
inline const QColor kStrongTextColour(150, 20, 20);

} // namespace rashi
