#pragma once
// The birth's day under the diagram: the drawing library's strip in a widget.
// Hovering a slice tells its times and what would differ; a click, or Left and
// Right when it has the focus, chooses a slice and says the same in its
// accessible description and through sliceChosen.

#include "core/records/reading_records.h"

#include <QWidget>

namespace rashi {

class DayStripView : public QWidget {
    Q_OBJECT
public:
    explicit DayStripView(QWidget* parent = nullptr);

    // The day's slices, labelled in the reading's language.
    void setDay(const DaySlicesRecord& day, Language language = Language::English);
    const DaySlicesRecord& day() const { return day_; }
    int chosenSlice() const { return chosen_; }
    // "05:12–07:03: lagna Simha instead of Kanya", or empty.
    QString sliceText(int slice) const;
    // The slice under a point of the widget, or -1.
    int sliceAt(const QPointF& point) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

public slots:
    // A slice, or -1 for none.
    void chooseSlice(int slice);

signals:
    void sliceChosen(const QString& text);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QRectF drawingRect() const;

    DaySlicesRecord day_;
    Language language_ = Language::English;
    int chosen_ = -1;
};

} // namespace rashi
