#pragma once
// The program's style: the platform's own, with two differences.
//   - A list drops down as a scrolling list of its rows (about twenty), never
//     as a column over the current entry that some styles stretch to the
//     screen's height.
//   - The menu bar's overflow arrows are drawn when first shown, not decoded
//     while the window is built: every window with a menu bar makes them, and
//     few ever show them.
//   - A group box's frame is drawn with the pen, not scaled from an image
//     that the first paint would have to decode.

#include <QProxyStyle>

namespace rashi {

class ProgramStyle : public QProxyStyle {
public:
    ProgramStyle();

    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

// Makes ProgramStyle the application's style, once; before the first window.
void InstallProgramStyle();

} // namespace rashi
