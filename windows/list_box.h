#pragma once
// A drop-down list as wide as a number of characters. Its size is worked
// out from the font alone: no entry is measured, and its drop-down list is
// not made before it first opens (a list sized by its entries makes it at
// once, which costs the window's start some milliseconds a list).

#include <QComboBox>

namespace rashi {

class ListBox : public QComboBox {
    Q_OBJECT
public:
    explicit ListBox(QWidget* parent = nullptr) : QComboBox(parent) {}

    // Room for this many average characters beside the arrow.
    void setWidthInCharacters(int characters);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    int characters_ = 0;
};

} // namespace rashi
