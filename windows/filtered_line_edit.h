#pragma once
// A text box that takes only the characters of its key filter, however the
// text arrives: typed, pasted (Ctrl+V, Shift+Insert, the context menu),
// middle-click selection, drag-and-drop or an input method. Text holding any
// refused character is not inserted at all and the box's message is shown
// once; a line copied whole comes in without its line end. Control keys are
// not characters: Enter, Escape, Ctrl+A, Ctrl+C, Ctrl+Z... keep their usual
// meaning.

#include "core/entries/key_filters.h"

#include <QClipboard>
#include <QLineEdit>
#include <QPointer>

class QKeyEvent;
class QMenu;

namespace rashi {

class UserDialogs;

// The character code a key press produces, as a classic text box's key
// handler sees it: printable characters, Backspace 8, Enter 13, Escape 27,
// Ctrl+A..Ctrl+Z 1..26, Ctrl+[ \ ] 27..29, Ctrl+Backspace 127, Ctrl+Enter 10.
// -1 for keys that produce no character (arrows, function keys, Tab, Delete,
// Alt combinations, Ctrl with a digit).
int CharacterCode(const QKeyEvent& event);

// The text without the line end of a line copied whole.
QString WithoutLineEnd(const QString& text);

class FilteredLineEdit : public QLineEdit {
    Q_OBJECT
public:
    FilteredLineEdit(const KeyFilter& filter, UserDialogs& dialogs, QWidget* parent = nullptr);

    const KeyFilter& keyFilter() const { return filter_; }

    // True when every character of the text may enter this box.
    bool acceptsInsertion(const QString& text) const;

    // Inserts the clipboard's text at the cursor, or refuses it whole.
    void pasteChecked(QClipboard::Mode mode = QClipboard::Clipboard);

    // The standard context menu with its Paste going through the filter.
    QMenu* createFilteredContextMenu();

    // A list of suggestions shown under the box: while it is open, Enter and
    // Escape are its keys (pick, close), not characters to refuse.
    void setSuggestionList(QWidget* list) { suggestions_ = list; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    void refuse();

    const KeyFilter& filter_;
    UserDialogs& dialogs_;
    QPointer<QWidget> suggestions_;
};

} // namespace rashi
