#include "windows/filtered_line_edit.h"
#include "windows/core_messages.h"

#include "shared_ui/user_dialogs.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDragLeaveEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>

namespace rashi {

int CharacterCode(const QKeyEvent& event)
{
    const int key = event.key();
    const Qt::KeyboardModifiers mods = event.modifiers();
    const bool ctrl = mods.testFlag(Qt::ControlModifier);
    const bool alt = mods.testFlag(Qt::AltModifier);

    if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
        return -1;
    // Ctrl+Alt is AltGr on many keyboards: the key's own text decides below.
    if (alt && !ctrl)
        return -1;
    if (ctrl && !alt) {
        if (key >= Qt::Key_A && key <= Qt::Key_Z)
            return key - Qt::Key_A + 1;
        switch (key) {
        case Qt::Key_BracketLeft: return 27;
        case Qt::Key_Backslash: return 28;
        case Qt::Key_BracketRight: return 29;
        case Qt::Key_Backspace: return 127;
        case Qt::Key_Return:
        case Qt::Key_Enter: return 10;
        default: return -1;
        }
    }
    switch (key) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Delete: return -1;
    default: break;
    }
    const QString text = event.text();
    if (text.isEmpty())
        return -1;
    const char32_t code = text.toUcs4().value(0);
    // Non-printing keys that still carry a control character in their text.
    if (code < 32 || code == 127)
        return -1;
    return static_cast<int>(code);
}

FilteredLineEdit::FilteredLineEdit(const KeyFilter& filter, UserDialogs& dialogs, QWidget* parent)
    : QLineEdit(parent), filter_(filter), dialogs_(dialogs)
{
}

QString WithoutLineEnd(const QString& text)
{
    const std::string utf8 = text.toStdString();
    const std::string_view kept = WithoutLineEnd(std::string_view(utf8));
    return kept.size() == utf8.size() ? text : QString::fromUtf8(kept.data(), qsizetype(kept.size()));
}

bool FilteredLineEdit::acceptsInsertion(const QString& text) const
{
    for (const char32_t code : text.toUcs4()) {
        // Backspace and DEL pass as keys, but as characters they are not text.
        if (code < 32 || code == 127 || !filter_.accepts(code))
            return false;
    }
    return true;
}

void FilteredLineEdit::refuse()
{
    // Said beside the box: the keys typed after a refused one still land.
    dialogs_.note(this, CoreMessage(filter_.message), MessageIcon::Critical);
}

void FilteredLineEdit::pasteChecked(QClipboard::Mode mode)
{
    if (isReadOnly())
        return;
    const QString text = WithoutLineEnd(QGuiApplication::clipboard()->text(mode));
    if (text.isEmpty())
        return;
    if (!acceptsInsertion(text)) {
        refuse();
        return;
    }
    insert(text);
}

QMenu* FilteredLineEdit::createFilteredContextMenu()
{
    QMenu* menu = createStandardContextMenu();
    // The standard menu's Paste is the entry whose caption starts with the
    // line edit's own (translated) "&Paste".
    const QString pasteCaption = QLineEdit::tr("&Paste");
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator() && action->text().startsWith(pasteCaption)) {
            action->setObjectName(QStringLiteral("edit-paste"));
            disconnect(action, &QAction::triggered, nullptr, nullptr);
            connect(action, &QAction::triggered, this, [this] { pasteChecked(QClipboard::Clipboard); });
            break;
        }
    }
    return menu;
}

void FilteredLineEdit::contextMenuEvent(QContextMenuEvent* event)
{
    QPointer<QMenu> menu = createFilteredContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void FilteredLineEdit::keyPressEvent(QKeyEvent* event)
{
    const bool listKey = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
                         event->key() == Qt::Key_Escape;
    if (listKey && suggestions_ && suggestions_->isVisible()) {
        event->ignore(); // the list's own
        return;
    }
    // Ctrl+V, Shift+Insert: the clipboard's text is checked as a whole.
    if (event->matches(QKeySequence::Paste)) {
        event->accept();
        pasteChecked(QClipboard::Clipboard);
        return;
    }
    // Keys that type nothing (arrows, Delete, Tab) and control keys (Enter,
    // Escape, Backspace, Ctrl+A, Ctrl+C, Ctrl+Z...) keep their usual meaning.
    const int code = CharacterCode(*event);
    if (code < 0 || IsControlCode(char32_t(code))) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // A typed character, or several (a dead key and a letter): all or none.
    if (!acceptsInsertion(event->text())) {
        event->accept();
        refuse();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void FilteredLineEdit::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::MiddleButton && !isReadOnly()
        && QGuiApplication::clipboard()->supportsSelection()) {
        const QString text = WithoutLineEnd(QGuiApplication::clipboard()->text(QClipboard::Selection));
        if (text.isEmpty())
            return QLineEdit::mouseReleaseEvent(event);
        event->accept();
        if (!acceptsInsertion(text)) {
            refuse();
            return;
        }
        // Inserted here, as the box would at the cursor the press put, so
        // that the line end left off stays off.
        if (rect().contains(event->position().toPoint())) {
            deselect();
            insert(text);
        }
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void FilteredLineEdit::dropEvent(QDropEvent* event)
{
    const QMimeData* mime = event->mimeData();
    if (mime && mime->hasText() && !acceptsInsertion(WithoutLineEnd(mime->text()))) {
        // End the drag's cursor display as a cancelled drag would.
        QDragLeaveEvent leave;
        QLineEdit::dragLeaveEvent(&leave);
        event->setDropAction(Qt::IgnoreAction);
        event->ignore();
        refuse();
        return;
    }
    if (mime && mime->hasText() && WithoutLineEnd(mime->text()) != mime->text() && !isReadOnly()) {
        // A line dropped whole: without its line end.
        QDragLeaveEvent leave;
        QLineEdit::dragLeaveEvent(&leave);
        setCursorPosition(cursorPositionAt(event->position().toPoint()));
        insert(WithoutLineEnd(mime->text()));
        event->acceptProposedAction();
        return;
    }
    QLineEdit::dropEvent(event);
}

void FilteredLineEdit::inputMethodEvent(QInputMethodEvent* event)
{
    if (!event->commitString().isEmpty() && !acceptsInsertion(event->commitString())) {
        QInputMethodEvent cleared(event->preeditString(), event->attributes());
        QLineEdit::inputMethodEvent(&cleared);
        event->accept();
        refuse();
        return;
    }
    QLineEdit::inputMethodEvent(event);
}

} // namespace rashi
