#pragma once
// The diagram on screen: the drawing library's painter in a widget that keeps
// it square, lets the user choose a body by clicking its name or with the
// keyboard, and says which body is chosen.

#include "drawing/chart_painter.h"

#include <QWidget>

namespace rashi {

class ChartView : public QWidget {
    Q_OBJECT
public:
    explicit ChartView(QWidget* parent = nullptr);

    void setModel(const ChartModel& model);
    const ChartModel& model() const { return model_; }
    const ChartOptions& options() const { return options_; }
    ChartStyle diagramStyle() const { return options_.style; }
    int chosenBody() const { return options_.chosenBody; }

    // Where the diagram is drawn in the widget, and its texts.
    ChartLayout currentLayout() const;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return width; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

public slots:
    void setDiagramStyle(rashi::ChartStyle style);
    // A report row, or -1 for none.
    void chooseBody(int body);
    // The chosen body's planet aspects instead of its sign's.
    void showGrahaDrishti(bool shown);

signals:
    void bodyChosen(int body);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    // Up/Left and Down/Right step through the bodies, 1..9 choose one, Escape
    // chooses none.
    void keyPressEvent(QKeyEvent* event) override;

private:
    QRectF drawingRect() const;

    ChartModel model_;
    ChartOptions options_;
};

} // namespace rashi
