#include "windows/program_style.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QStyleOption>

namespace rashi {
namespace {

// An icon of the style's that is made the first time it is drawn or asked
// for its sizes.
class LaterIconEngine : public QIconEngine {
public:
    LaterIconEngine(QStyle* style, QStyle::StandardPixmap which) : style_(style), which_(which) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    QString key() const override { return QStringLiteral("rashi-later"); }
    QIconEngine* clone() const override
    {
        auto* copy = new LaterIconEngine(style_, which_);
        copy->icon_ = icon_;
        copy->made_ = made_;
        return copy;
    }

private:
    const QIcon& icon()
    {
        if (!made_) {
            made_ = true;
            if (style_)
                icon_ = style_->standardIcon(which_);
        }
        return icon_;
    }

    QPointer<QStyle> style_;
    QStyle::StandardPixmap which_;
    QIcon icon_;
    bool made_ = false;
};

} // namespace

ProgramStyle::ProgramStyle() = default;

int ProgramStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                            QStyleHintReturn* returnData) const
{
    if (hint == SH_ComboBox_Popup)
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void ProgramStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                 const QWidget* widget) const
{
    if (element != PE_FrameGroupBox) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // A thin line a shade darker than the window and a lighter one inside
    // it, their corners cut by a pixel so that they look softly rounded.
    // Drawn as filled rows and columns: a stroked rounded rectangle the size
    // of a panel costs a good part of a millisecond to rasterize.
    const QRect frame = option->rect;
    const QColor window = option->palette.window().color();
    const auto outline = [painter](const QRect& r, const QColor& colour) {
        if (r.width() < 3 || r.height() < 3)
            return;
        painter->fillRect(r.left() + 1, r.top(), r.width() - 2, 1, colour);
        painter->fillRect(r.left() + 1, r.bottom(), r.width() - 2, 1, colour);
        painter->fillRect(r.left(), r.top() + 1, 1, r.height() - 2, colour);
        painter->fillRect(r.right(), r.top() + 1, 1, r.height() - 2, colour);
    };
    outline(frame, window.darker(140));
    outline(frame.adjusted(1, 1, -1, -1), window.lighter(115));
}

QIcon ProgramStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const
{
    if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton)
        return QIcon(new LaterIconEngine(baseStyle(), icon));
    return QProxyStyle::standardIcon(icon, option, widget);
}

void InstallProgramStyle()
{
    if (!dynamic_cast<ProgramStyle*>(QApplication::style()))
        QApplication::setStyle(new ProgramStyle);
}

} // namespace rashi
