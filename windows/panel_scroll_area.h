#pragma once
// A frameless scroll area holding one panel, for screens too small for it:
// it asks for the whole panel (a plain scroll area asks for a fixed few
// dozen lines) and scrolls only when the window cannot give that. A panel
// made on its viewport (viewport()) and then given to setWidget is made
// once in its place, not moved there with all its boxes.

#include <QScrollArea>

namespace rashi {

class PanelScrollArea : public QScrollArea {
public:
    explicit PanelScrollArea(QWidget* panel, QWidget* parent = nullptr) : QScrollArea(parent)
    {
        setFrameShape(QFrame::NoFrame);
        setWidgetResizable(true);
        setFocusPolicy(Qt::NoFocus);
        // The panel fills the viewport and paints its own background.
        viewport()->setAutoFillBackground(false);
        if (panel)
            setWidget(panel);
    }

    QSize sizeHint() const override
    {
        if (!widget())
            return QScrollArea::sizeHint();
        const QSize hint = widget()->sizeHint();
        const int height = widget()->hasHeightForWidth() ? widget()->heightForWidth(hint.width()) : hint.height();
        return {hint.width(), qMax(height, hint.height())};
    }
};

} // namespace rashi
