#pragma once
// A label that looks and acts like a web link: underlined in the link colour,
// a pointing hand over it, clicked with the mouse or, once it has the focus
// (Tab), with Enter or Space. Its text stays the plain caption.

#include <QLabel>

namespace rashi {

class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void applyLook();
    bool pressed_ = false;
};

} // namespace rashi
