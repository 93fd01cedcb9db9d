#pragma once
// A word-wrapped label of plain text that remembers the heights it has
// measured. Qt's label lays its whole text out again (shaping included) each
// time a layout asks how tall it is at a width, some sixty times while a
// window first shows; the answers only change with the text, the font, the
// style or the margins.

#include <QLabel>

#include <array>

namespace rashi {

class ParagraphLabel : public QLabel {
public:
    explicit ParagraphLabel(const QString& text = {}, QWidget* parent = nullptr);

    int heightForWidth(int width) const override;

protected:
    void changeEvent(QEvent* event) override;

private:
    struct Measured {
        int width = -1;
        int height = 0;
    };
    // What the heights below were measured for.
    mutable QString text_;
    mutable int margin_ = 0;
    mutable int indent_ = 0;
    mutable std::array<Measured, 8> heights_{};
    mutable std::size_t next_ = 0;
};

} // namespace rashi
