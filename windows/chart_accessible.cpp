#include "windows/chart_accessible.h"

#include "core/aspects/rashi_drishti.h"
#include "core/words/reading_words.h"
#include "windows/chart_view.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWindow>

namespace rashi {
namespace {

// One body of the diagram as a list item.
class BodyItem : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    BodyItem(ChartView* view, int body) : view_(view), body_(body) {}

    bool isValid() const override { return view_; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return view_ ? view_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(view_.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text kind) const override
    {
        if (!view_)
            return {};
        const ChartBody& body = view_->model().bodies[std::size_t(body_)];
        if (kind == QAccessible::Name) {
            if (body.sign < 0 || body.sign >= 12)
                return body.name;
            const std::string_view sign = WordsOf(view_->model().language).signs[std::size_t(body.sign)];
            return QCoreApplication::translate("rashi::ChartAccessible", "%1 in %2, %3")
                .arg(body.name, QString::fromUtf8(sign.data(), qsizetype(sign.size())), body.degreeText);
        }
        // The chosen body's sentence: the signs it aspects, who stands there.
        if (kind == QAccessible::Description && chosen())
            return view_->accessibleDescription();
        return {};
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!view_)
            return state;
        state.selectable = true;
        state.focusable = true;
        state.selected = chosen();
        state.focused = chosen() && view_->hasFocus();
        state.invisible = !view_->isVisible();
        return state;
    }

    QRect rect() const override
    {
        if (!view_)
            return {};
        for (const PlacedText& text : view_->currentLayout().texts)
            if (text.kind == PlacedText::Body && text.body == body_)
                return QRect(view_->mapToGlobal(text.box.topLeft().toPoint()), text.box.size().toSize());
        return {};
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override { return {pressAction(), setFocusAction()}; }
    void doAction(const QString& name) override
    {
        if (!view_ || !actionNames().contains(name))
            return;
        view_->chooseBody(body_);
        if (name == setFocusAction())
            view_->setFocus(Qt::OtherFocusReason);
    }
    QStringList keyBindingsForAction(const QString&) const override
    {
        return {QString::number(body_ + 1)};
    }

private:
    bool chosen() const { return view_ && view_->chosenBody() == body_; }

    QPointer<ChartView> view_;
    int body_;
};

} // namespace

ChartAccessible::ChartAccessible(ChartView* view) : QAccessibleWidget(view, QAccessible::List) {}

ChartAccessible::~ChartAccessible()
{
    for (QAccessible::Id id : children_)
        if (id)
            QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface* ChartAccessible::Factory(const QString& className, QObject* object)
{
    if (className == QLatin1String("rashi::ChartView") && object && object->isWidgetType())
        return new ChartAccessible(static_cast<ChartView*>(object));
    return nullptr;
}

ChartView* ChartAccessible::view() const
{
    return static_cast<ChartView*>(widget());
}

int ChartAccessible::childCount() const
{
    return int(children_.size());
}

QAccessibleInterface* ChartAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    QAccessible::Id& id = children_[std::size_t(index)];
    if (!id)
        id = QAccessible::registerAccessibleInterface(new BodyItem(view(), index));
    return QAccessible::accessibleInterface(id);
}

int ChartAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    for (int i = 0; i < childCount(); ++i)
        if (children_[std::size_t(i)] && QAccessible::accessibleInterface(children_[std::size_t(i)]) == child)
            return i;
    return -1;
}

QAccessibleInterface* ChartAccessible::childAt(int x, int y) const
{
    for (int i = 0; i < childCount(); ++i)
        if (QAccessibleInterface* item = child(i); item->rect().contains(x, y))
            return item;
    return nullptr;
}

} // namespace rashi
