#include "windows/day_strip_view.h"

#include "core/time_window/day_slices.h"
#include "drawing/day_strip_painter.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

namespace rashi {

DayStripView::DayStripView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("dayStrip"));
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setMouseTracking(true);
    setAccessibleName(tr("Chart through the day"));
}

void DayStripView::setDay(const DaySlicesRecord& day, Language language)
{
    day_ = day;
    language_ = language;
    chosen_ = -2; // so that choosing none below always says so
    chooseSlice(-1);
}

QString DayStripView::sliceText(int slice) const
{
    if (slice < 0 || slice >= static_cast<int>(day_.slices.size()))
        return {};
    return QString::fromStdString(DaySliceText(day_, day_.slices[slice]));
}

QRectF DayStripView::drawingRect() const
{
    return QRectF(rect()).adjusted(1, 1, -1, -1);
}

int DayStripView::sliceAt(const QPointF& point) const
{
    const DayStripLayout layout = DayStripLayoutOf(drawingRect(), font());
    if (point.x() < layout.bar.left() || point.x() > layout.bar.right())
        return -1;
    return DaySliceAt(day_, DayStripMinuteAt(layout.bar, day_, point.x()));
}

QSize DayStripView::sizeHint() const
{
    return {380, 3 * fontMetrics().height() + 28};
}

QSize DayStripView::minimumSizeHint() const
{
    return {160, sizeHint().height()};
}

void DayStripView::chooseSlice(int slice)
{
    if (slice < -1 || slice >= static_cast<int>(day_.slices.size()))
        slice = -1;
    if (chosen_ == slice)
        return;
    chosen_ = slice;
    const QString text = sliceText(slice);
    setAccessibleDescription(text.isEmpty() ? tr("Click a slice, or use Left and Right, to see what would differ")
                                            : text);
    update();
    emit sliceChosen(text);
}

bool DayStripView::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString text = sliceText(sliceAt(help->pos()));
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text, this);
        return true;
    }
    return QWidget::event(event);
}

void DayStripView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(font());
    PaintDayStrip(painter, drawingRect(), day_, chosen_, language_);
    if (hasFocus()) {
        painter.setPen(QPen(palette().highlight().color(), 1, Qt::DotLine));
        painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }
}

void DayStripView::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    chooseSlice(sliceAt(event->position()));
}

void DayStripView::keyPressEvent(QKeyEvent* event)
{
    const int count = static_cast<int>(day_.slices.size());
    if (count == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    // With none chosen, the first step lands on the slice of the given time.
    const int start = chosen_ >= 0 ? chosen_ : DaySliceAt(day_, day_.birthMinute);
    switch (event->key()) {
    case Qt::Key_Left:
        chooseSlice(chosen_ < 0 ? start : std::max(0, chosen_ - 1));
        break;
    case Qt::Key_Right:
        chooseSlice(chosen_ < 0 ? start : std::min(count - 1, chosen_ + 1));
        break;
    case Qt::Key_Home:
        chooseSlice(0);
        break;
    case Qt::Key_End:
        chooseSlice(count - 1);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace rashi
