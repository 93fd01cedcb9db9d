#pragma once
// A drop-down list of numbers (day, year, hour, minute) where digits typed
// choose the number typed, closed or open: "2" is 2, "2" "0" in quick
// succession 20, "0" "5" 5 (core/entries/typed_number.h). A pause longer
// than the system's keyboard interval starts a new number. Other keys
// (arrows, Page Up, Home, F4) work as in any drop-down list.

#include "core/entries/entry_lists.h"
#include "core/entries/typed_number.h"

#include "windows/list_box.h"

#include <QElapsedTimer>

class QKeyEvent;

namespace rashi {

class NumberListBox : public ListBox {
    Q_OBJECT
public:
    NumberListBox(const NumberList& list, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showPopup() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The row a digit key chooses, or -1 when the key is no digit or
    // chooses nothing.
    int typedPosition(const QKeyEvent& event);

    const NumberList list_;
    NumberTyping typing_;
    QElapsedTimer sinceLastDigit_;
};

} // namespace rashi
