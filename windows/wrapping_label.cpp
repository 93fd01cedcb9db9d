#include "windows/wrapping_label.h"

#include <QFontMetrics>

#include <climits>

namespace rashi {

WrappingLabel::WrappingLabel(const QString& text, QWidget* parent) : ParagraphLabel(text, parent) {}

QSize WrappingLabel::sizeHint() const
{
    // Measured as the label measures its text, so the hint's width is one at
    // which nothing wraps.
    const QRect unwrapped = fontMetrics().boundingRect(QRect(0, 0, INT_MAX / 2, INT_MAX / 2),
                                                       int(alignment()) | Qt::TextExpandTabs, text());
    const QMargins margins = contentsMargins();
    const int width = unwrapped.width() + margins.left() + margins.right() + 2 * margin();
    return {width, heightForWidth(width)};
}

} // namespace rashi
