#include "windows/list_box.h"

#include <QStyle>
#include <QStyleOptionComboBox>

#include <algorithm>
#include <cmath>

namespace rashi {

void ListBox::setWidthInCharacters(int characters)
{
    characters_ = characters;
    updateGeometry();
}

QSize ListBox::sizeHint() const
{
    if (characters_ <= 0)
        return QComboBox::sizeHint();
    // As a list sized to a minimum contents length measures it.
    const QFontMetricsF metrics(font());
    const QSize text(int(std::ceil(characters_ * metrics.horizontalAdvance(QLatin1Char('X')))),
                     std::max(int(std::ceil(metrics.height())), 14) + 2);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    return style()->sizeFromContents(QStyle::CT_ComboBox, &option, text, this);
}

QSize ListBox::minimumSizeHint() const
{
    return characters_ > 0 ? sizeHint() : QComboBox::minimumSizeHint();
}

} // namespace rashi
