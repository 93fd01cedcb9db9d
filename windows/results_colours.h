#pragma once
// The results panel's colours: the four kinds of result lines, the header's
// labels and notes, the chosen row's band and a line that may not hold.

#include <QColor>
#include <QLabel>
#include <QPalette>

namespace rashi {

inline const QColor kNameColour(255, 255, 255);
inline const QColor kAspectColour(255, 192, 128);
inline const QColor kPositionColour(255, 255, 128);
inline const QColor kGrahaColour(224, 224, 224);
inline const QColor kChosenRowColour(96, 38, 20);
inline const QColor kHeaderLabelColour(255, 220, 190);
inline const QColor kNearChangeColour(255, 255, 96);

inline void SetTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

} // namespace rashi
