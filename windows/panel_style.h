#pragma once
// The colours the program's panels share.

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace rashi {

inline const QColor kPanelColour(137, 61, 35);

// The panel's brown background with white text.
inline void PaintPanel(QWidget* panel)
{
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, kPanelColour);
    palette.setColor(QPalette::WindowText, Qt::white);
    panel->setPalette(palette);
    panel->setAutoFillBackground(true);
}

} // namespace rashi
