#include "windows/chart_view.h"
#include "windows/chart_accessible.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace rashi {

ChartView::ChartView(QWidget* parent) : QWidget(parent)
{
    static const bool accessible = (QAccessible::installFactory(&ChartAccessible::Factory), true);
    (void)accessible;
    setObjectName(QStringLiteral("chartView"));
    setFocusPolicy(Qt::StrongFocus);
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    setAccessibleName(tr("Rashi chart"));
    setToolTip(tr("Click a body, or use the arrow keys or 1 to 9, to see the signs it aspects"));
}

void ChartView::setModel(const ChartModel& model)
{
    model_ = model;
    update();
}

QSize ChartView::sizeHint() const
{
    return {380, 380};
}

QSize ChartView::minimumSizeHint() const
{
    // A house of eight bodies stays readable.
    return {320, 320};
}

void ChartView::setDiagramStyle(ChartStyle style)
{
    if (options_.style == style)
        return;
    options_.style = style;
    update();
}

void ChartView::showGrahaDrishti(bool shown)
{
    if (options_.grahaDrishti == shown)
        return;
    options_.grahaDrishti = shown;
    update();
}

void ChartView::chooseBody(int body)
{
    if (body < -1 || body >= kReportRows)
        body = -1;
    if (options_.chosenBody == body)
        return;
    options_.chosenBody = body;
    update();
    emit bodyChosen(body);
    // A screen reader follows the choice: the new item is selected and,
    // while the diagram has the keyboard, focused.
    if (body >= 0 && QAccessible::isActive()) {
        QAccessibleEvent selected(this, QAccessible::Selection);
        selected.setChild(body);
        QAccessible::updateAccessibility(&selected);
        if (hasFocus()) {
            QAccessibleEvent focused(this, QAccessible::Focus);
            focused.setChild(body);
            QAccessible::updateAccessibility(&focused);
        }
    }
}

QRectF ChartView::drawingRect() const
{
    return QRectF(rect()).adjusted(1, 1, -1, -1);
}

ChartLayout ChartView::currentLayout() const
{
    return LayoutChart(drawingRect(), model_, options_);
}

void ChartView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PaintChart(painter, drawingRect(), model_, options_);
    if (hasFocus()) {
        QPen pen(palette().color(QPalette::Highlight), 2, Qt::DotLine);
        painter.setPen(pen);
        painter.drawRect(currentLayout().frame.adjusted(-1, -1, 1, 1));
    }
}

void ChartView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const int body = BodyAt(currentLayout(), event->position());
    // A click beside every name clears the choice.
    chooseBody(body);
}

void ChartView::keyPressEvent(QKeyEvent* event)
{
    const int chosen = options_.chosenBody;
    switch (event->key()) {
    case Qt::Key_Down:
    case Qt::Key_Right:
        chooseBody(chosen + 1 >= kReportRows ? 0 : chosen + 1);
        return;
    case Qt::Key_Up:
    case Qt::Key_Left:
        chooseBody(chosen <= 0 ? kReportRows - 1 : chosen - 1);
        return;
    case Qt::Key_Escape:
        if (chosen >= 0) {
            chooseBody(-1);
            return;
        }
        break;
    default:
        if (event->key() >= Qt::Key_1 && event->key() <= Qt::Key_9) {
            chooseBody(event->key() - Qt::Key_1);
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

} // namespace rashi
