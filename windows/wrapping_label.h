#pragma once
// A label of plain text that keeps each line whole while its column has room
// and wraps at spaces when the column is narrower, growing downwards, so
// that a long sentence never pushes the rest of a panel aside.

#include "windows/paragraph_label.h"

namespace rashi {

class WrappingLabel : public ParagraphLabel {
public:
    explicit WrappingLabel(const QString& text = {}, QWidget* parent = nullptr);

    // The size of the text unwrapped: the width the layout tries to give.
    QSize sizeHint() const override;
};

} // namespace rashi
