#include "windows/number_list_box.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>

namespace rashi {

namespace {

// A digit typed without Ctrl, Alt or Meta (keypad digits too).
bool IsDigitKey(const QKeyEvent& event)
{
    const QString text = event.text();
    return text.size() == 1 && text[0] >= QLatin1Char('0') && text[0] <= QLatin1Char('9') &&
           !(event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

} // namespace

NumberListBox::NumberListBox(const NumberList& list, QWidget* parent) : ListBox(parent), list_(list) {}

void NumberListBox::showPopup()
{
    // The open list's keys come here first. Its view is made when first
    // asked for, so not before the list first opens.
    view()->installEventFilter(this);
    QComboBox::showPopup();
}

int NumberListBox::typedPosition(const QKeyEvent& event)
{
    if (!IsDigitKey(event))
        return -1;
    const bool fresh = !sinceLastDigit_.isValid() || sinceLastDigit_.elapsed() >= QApplication::keyboardInputInterval();
    sinceLastDigit_.start();
    const int position = typing_.type(list_, char(event.text()[0].unicode()), fresh);
    return list_.contains(position) ? list_.row(position) : -1;
}

void NumberListBox::keyPressEvent(QKeyEvent* event)
{
    if (!IsDigitKey(*event)) {
        QComboBox::keyPressEvent(event);
        return;
    }
    // A digit that chooses nothing leaves the list as it is, never the next match.
    event->accept();
    const int position = typedPosition(*event);
    if (position >= 0 && position != currentIndex()) {
        setCurrentIndex(position);
        emit activated(position);
    }
}

bool NumberListBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == view() && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (IsDigitKey(*key)) {
            // Open: the digits move the highlight, Enter takes it.
            if (const int position = typedPosition(*key); position >= 0)
                view()->setCurrentIndex(model()->index(position, modelColumn(), rootModelIndex()));
            return true;
        }
    }
    return QComboBox::eventFilter(watched, event);
}

} // namespace rashi
