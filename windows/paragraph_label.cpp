#include "windows/paragraph_label.h"

#include <QEvent>

namespace rashi {

ParagraphLabel::ParagraphLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
}

int ParagraphLabel::heightForWidth(int width) const
{
    if (!wordWrap() || textFormat() != Qt::PlainText)
        return QLabel::heightForWidth(width);
    // setText, setMargin and setIndent send no event: compared here, which
    // costs next to nothing beside a layout of the text.
    if (text_ != text() || margin_ != margin() || indent_ != indent()) {
        text_ = text();
        margin_ = margin();
        indent_ = indent();
        heights_.fill({});
    }
    for (const Measured& measured : heights_)
        if (measured.width == width)
            return measured.height;
    const int height = QLabel::heightForWidth(width);
    heights_[next_] = {width, height};
    next_ = (next_ + 1) % heights_.size();
    return height;
}

void ParagraphLabel::changeEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::FontChange:
    case QEvent::StyleChange:
    case QEvent::ContentsRectChange:
        heights_.fill({});
        break;
    default:
        break;
    }
    QLabel::changeEvent(event);
}

} // namespace rashi
