// The text boxes take only their characters, whichever way the text comes:
// typed keys, Ctrl+V, Shift+Insert, the context menu's Paste, drag-and-drop
// and input methods; control keys keep their usual meaning. Digits typed
// into the number lists choose the number typed.

#include "ui_helpers.h"
#include "recording_dialogs.h"

#include "shared_ui/user_dialogs.h"
#include "windows/filtered_line_edit.h"
#include "windows/main_window.h"

#include <QAction>
#include <QApplication>
#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMimeData>
#include <QTimer>
#include <QtTest>

#include <memory>

using namespace rashi;
using namespace rashi::testing;

namespace {

const QString kLetters = QStringLiteral("Please enter only letters");
const QString kNumbers = QStringLiteral("Please enter only numbers");

struct Key {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    QString text;
};

} // namespace

Q_DECLARE_METATYPE(Key)

class TestEntryFilters : public QObject {
    Q_OBJECT

    std::unique_ptr<UiRecorder> dialogs;
    std::unique_ptr<frmMain> window;

    FilteredLineEdit* box(const QString& name) { return Child<FilteredLineEdit>(*window, name); }

    static QString messageFor(const QString& name)
    {
        return name.startsWith(QLatin1String("txtLat")) || name.startsWith(QLatin1String("txtLon")) ? kNumbers
                                                                                                     : kLetters;
    }

private slots:
    void init()
    {
        QVERIFY(ShowFreshWindow(dialogs, window));
    }
    void cleanup()
    {
        window.reset();
        dialogs.reset();
    }

    void keys_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<Key>("key");
        QTest::addColumn<bool>("accepted");

        const Qt::KeyboardModifiers none = Qt::NoModifier;
        for (const char* name : {"txtName", "txtCity", "txtState", "txtCountry"}) {
            const QString n = QString::fromLatin1(name);
            QTest::addRow("%s letter a", name) << n << Key{Qt::Key_A, none, "a"} << true;
            QTest::addRow("%s letter Z", name) << n << Key{Qt::Key_Z, Qt::ShiftModifier, "Z"} << true;
            QTest::addRow("%s space", name) << n << Key{Qt::Key_Space, none, " "} << true;
            QTest::addRow("%s digit 7", name) << n << Key{Qt::Key_7, none, "7"} << false;
            // The marks inside names as people write them: St. John, Jean-Paul, O'Brien, D’Souza.
            QTest::addRow("%s full stop", name) << n << Key{Qt::Key_Period, none, "."} << true;
            QTest::addRow("%s hyphen", name) << n << Key{Qt::Key_Minus, none, "-"} << true;
            QTest::addRow("%s apostrophe", name) << n << Key{Qt::Key_Apostrophe, none, "'"} << true;
            QTest::addRow("%s right quote", name) << n << Key{Qt::Key_unknown, none, QStringLiteral("’")} << true;
            QTest::addRow("%s comma", name) << n << Key{Qt::Key_Comma, none, ","} << false;
            // Letters of every script with their vowel signs; no digit nor
            // punctuation of any.
            QTest::addRow("%s e acute", name) << n << Key{Qt::Key_Eacute, none, QStringLiteral("é")} << true;
            QTest::addRow("%s Devanagari ra", name) << n << Key{Qt::Key_unknown, none, QStringLiteral("र")} << true;
            QTest::addRow("%s vowel sign i", name) << n << Key{Qt::Key_unknown, none, QStringLiteral("ि")} << true;
            QTest::addRow("%s Devanagari one", name) << n << Key{Qt::Key_unknown, none, QStringLiteral("१")} << false;
            QTest::addRow("%s danda", name) << n << Key{Qt::Key_unknown, none, QStringLiteral("।")} << false;
        }
        for (const char* name : {"txtLatDeg", "txtLatMin", "txtLonDeg", "txtLonMin"}) {
            const QString n = QString::fromLatin1(name);
            QTest::addRow("%s digit 0", name) << n << Key{Qt::Key_0, none, "0"} << true;
            QTest::addRow("%s digit 9", name) << n << Key{Qt::Key_9, none, "9"} << true;
            QTest::addRow("%s letter", name) << n << Key{Qt::Key_A, none, "a"} << false;
            QTest::addRow("%s minus", name) << n << Key{Qt::Key_Minus, none, "-"} << false;
            QTest::addRow("%s space", name) << n << Key{Qt::Key_Space, none, " "} << false;
            QTest::addRow("%s full stop", name) << n << Key{Qt::Key_Period, none, "."} << false;
        }
    }
    void keys()
    {
        QFETCH(QString, control);
        QFETCH(Key, key);
        QFETCH(bool, accepted);
        FilteredLineEdit* edit = box(control);
        const QString start = control.startsWith(QLatin1String("txtL")) ? QStringLiteral("1") : QStringLiteral("Ab");
        edit->setText(start);
        edit->setFocus();
        edit->selectAll(); // a refused character must not replace it
        QApplication::clipboard()->setText(QStringLiteral("Xy"));

        QKeyEvent press(QEvent::KeyPress, key.key, key.modifiers, key.text);
        QApplication::sendEvent(edit, &press);

        if (accepted) {
            QVERIFY(dialogs->messages.isEmpty());
            QCOMPARE(edit->text(), key.text);
        } else {
            QCOMPARE(dialogs->texts(), QStringList{messageFor(control)});
            QCOMPARE(int(dialogs->messages[0].icon), int(MessageIcon::Critical));
            QCOMPARE(edit->text(), start);
        }
    }

    // Control keys are not typed characters: each does what it does in any
    // text box, no message comes, and the next key typed lands.
    void controlKeys_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<Key>("key");
        QTest::addColumn<QString>("clipboard"); // before the key
        QTest::addColumn<QString>("text");      // the box's afterwards, the start all selected
        QTest::addColumn<QString>("copied");    // the clipboard's afterwards
        QTest::addColumn<bool>("refused");

        const Qt::KeyboardModifiers none = Qt::NoModifier;
        const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
        struct Box {
            const char* name;
            const char* start;
            const char* fits;  // a clipboard the box takes
            const char* wrong; // one it refuses
        };
        for (const Box b : {Box{"txtName", "Ab", "Xy", "X1"}, Box{"txtCity", "Ab", "St. Louis", "St. Louis 2"},
                            Box{"txtLatDeg", "12", "45", "4a"}, Box{"txtLonMin", "12", "7", "-7"}}) {
            const QString n = QString::fromLatin1(b.name);
            const QString start = QString::fromLatin1(b.start);
            const QString fits = QString::fromLatin1(b.fits);
            const QString wrong = QString::fromLatin1(b.wrong);
            QTest::addRow("%s Ctrl+A", b.name) << n << Key{Qt::Key_A, ctrl, "\x01"} << fits << start << fits << false;
            QTest::addRow("%s Ctrl+C", b.name) << n << Key{Qt::Key_C, ctrl, "\x03"} << fits << start << start << false;
            QTest::addRow("%s Ctrl+X", b.name) << n << Key{Qt::Key_X, ctrl, "\x18"} << fits << "" << start << false;
            QTest::addRow("%s Ctrl+V", b.name) << n << Key{Qt::Key_V, ctrl, "\x16"} << fits << fits << fits << false;
            QTest::addRow("%s Ctrl+V a copied line", b.name)
                << n << Key{Qt::Key_V, ctrl, "\x16"} << fits + "\r\n" << fits << fits + "\r\n" << false;
            QTest::addRow("%s Ctrl+V refused whole", b.name)
                << n << Key{Qt::Key_V, ctrl, "\x16"} << wrong << start << wrong << true;
            QTest::addRow("%s Ctrl+V two lines", b.name)
                << n << Key{Qt::Key_V, ctrl, "\x16"} << fits + "\n" + fits << start << fits + "\n" + fits << true;
            QTest::addRow("%s Ctrl+Z", b.name) << n << Key{Qt::Key_Z, ctrl, "\x1a"} << fits << start << fits << false;
            QTest::addRow("%s Enter", b.name) << n << Key{Qt::Key_Return, none, "\r"} << fits << start << fits << false;
            QTest::addRow("%s keypad Enter", b.name)
                << n << Key{Qt::Key_Enter, Qt::KeypadModifier, "\r"} << fits << start << fits << false;
            QTest::addRow("%s Escape", b.name) << n << Key{Qt::Key_Escape, none, "\x1b"} << fits << start << fits << false;
            QTest::addRow("%s Backspace", b.name) << n << Key{Qt::Key_Backspace, none, "\b"} << fits << "" << fits << false;
        }
    }
    void controlKeys()
    {
        QFETCH(QString, control);
        QFETCH(Key, key);
        QFETCH(QString, clipboard);
        QFETCH(QString, text);
        QFETCH(QString, copied);
        QFETCH(bool, refused);
        FilteredLineEdit* edit = box(control);
        const bool digits = control.startsWith(QLatin1String("txtL"));
        const QString start = digits ? QStringLiteral("12") : QStringLiteral("Ab");
        edit->setFocus();
        edit->setText(QString());
        QTest::keyClicks(edit, start); // typed, so that Ctrl+Z has something to undo
        edit->selectAll();
        QApplication::clipboard()->setText(clipboard);

        QKeyEvent press(QEvent::KeyPress, key.key, key.modifiers, key.text);
        QApplication::sendEvent(edit, &press);

        if (key.key == Qt::Key_A) {
            QCOMPARE(edit->selectedText(), start);
        } else if (key.key == Qt::Key_Z) {
            QCOMPARE(edit->text(), QString()); // the typing undone
            edit->setText(start);
        }
        if (key.key != Qt::Key_Z)
            QCOMPARE(edit->text(), text);
        QCOMPARE(QApplication::clipboard()->text(), copied);
        QCOMPARE(dialogs->texts(), refused ? QStringList{messageFor(control)} : QStringList{});
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(edit));

        // The next key is typed as ever.
        edit->end(false);
        const QString before = edit->text();
        QTest::keyClick(edit, digits ? Qt::Key_0 : Qt::Key_Q);
        if (before.size() < edit->maxLength())
            QCOMPARE(edit->text(), before + (digits ? QStringLiteral("0") : QStringLiteral("q")));
        QCOMPARE(dialogs->texts().size(), refused ? 1 : 0);
    }

    void editingKeysPass()
    {
        FilteredLineEdit* name = box("txtName");
        name->setFocus();
        QTest::keyClicks(name, QStringLiteral("Abc"));
        QTest::keyClick(name, Qt::Key_Backspace);
        QTest::keyClick(name, Qt::Key_Left);
        QTest::keyClick(name, Qt::Key_Delete);
        QTest::keyClick(name, Qt::Key_Home);
        QTest::keyClick(name, Qt::Key_End, Qt::ShiftModifier);
        QCOMPARE(name->text(), QStringLiteral("A"));
        QCOMPARE(name->selectedText(), QStringLiteral("A"));
        QVERIFY(dialogs->messages.isEmpty());
    }

    void coordinateBoxesHoldThreeCharacters_data()
    {
        QTest::addColumn<QString>("control");
        for (const char* name : {"txtLatDeg", "txtLatMin", "txtLonDeg", "txtLonMin"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void coordinateBoxesHoldThreeCharacters()
    {
        QFETCH(QString, control);
        FilteredLineEdit* edit = box(control);
        edit->setFocus();
        QTest::keyClicks(edit, QStringLiteral("12345"));
        QCOMPARE(edit->text(), QStringLiteral("123"));
        QCOMPARE(edit->maxLength(), 3);
        QVERIFY(dialogs->messages.isEmpty());
    }

    void refusedLetterKeepsFocusInItsBox()
    {
        // A real message box takes the focus while it is shown.
        dialogs->whileShown = [this] { Child<QWidget>(*window, "cmdCalculate")->setFocus(); };
        FilteredLineEdit* city = box("txtCity");
        city->setFocus();
        QTest::keyClick(city, Qt::Key_7);
        QCOMPARE(dialogs->texts(), QStringList{kLetters});
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(city));
    }

    // Every other way into a box, with texts that pass and texts that do not.
    void insertions_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("result"); // box text afterwards; "" = refused, box unchanged

        const QStringList ways = {"ctrl-v", "shift-insert", "context-menu", "drop", "input-method"};
        for (const QString& way : ways) {
            const QByteArray w = way.toLatin1();
            QTest::addRow("%s name Pune", w.data()) << "txtName" << way << "Pune" << "xPune";
            // Input methods commit what was composed, never a copied line.
            if (way != QLatin1String("input-method")) {
                QTest::addRow("%s name Pune, a copied line", w.data()) << "txtName" << way << "Pune\n" << "xPune";
                QTest::addRow("%s latitude 45, a copied line", w.data()) << "txtLatDeg" << way << "45\r\n" << "x45";
            }
            QTest::addRow("%s name José", w.data()) << "txtName" << way << QStringLiteral("José") << QStringLiteral("xJosé");
            QTest::addRow("%s city Pune in Devanagari", w.data()) << "txtCity" << way << QStringLiteral("पुणे")
                                                                  << QStringLiteral("xपुणे");
            QTest::addRow("%s state Devanagari digit", w.data()) << "txtState" << way << QStringLiteral("राज्य२") << "";
            QTest::addRow("%s city O'Brien", w.data()) << "txtCity" << way << "O'Brien" << "xO'Brien";
            QTest::addRow("%s state two lines", w.data()) << "txtState" << way << "Maha\nrashtra" << "";
            QTest::addRow("%s country tab", w.data()) << "txtCountry" << way << "In\tdia" << "";
            QTest::addRow("%s country digit", w.data()) << "txtCountry" << way << "India1" << "";
            QTest::addRow("%s latitude 45", w.data()) << "txtLatDeg" << way << "45" << "x45";
            QTest::addRow("%s latitude 1234 cut to three", w.data()) << "txtLatDeg" << way << "1234" << "x12";
            QTest::addRow("%s longitude -73", w.data()) << "txtLonDeg" << way << "-73" << "";
            QTest::addRow("%s longitude 7.5", w.data()) << "txtLonMin" << way << "7.5" << "";
            QTest::addRow("%s minutes with space", w.data()) << "txtLatMin" << way << "3 " << "";
        }
    }
    void insertions()
    {
        QFETCH(QString, control);
        QFETCH(QString, way);
        QFETCH(QString, text);
        QFETCH(QString, result);
        FilteredLineEdit* edit = box(control);
        const QString start = control.startsWith(QLatin1String("txtL")) ? QStringLiteral("1") : QStringLiteral("A");
        edit->setText(start);
        edit->setFocus();
        edit->end(false);
        const QString expected = result.isEmpty() ? start : QString(result).replace(0, 1, start);

        if (way == QLatin1String("ctrl-v")) {
            QApplication::clipboard()->setText(text);
            QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        } else if (way == QLatin1String("shift-insert")) {
            QApplication::clipboard()->setText(text);
            QTest::keyClick(edit, Qt::Key_Insert, Qt::ShiftModifier);
        } else if (way == QLatin1String("context-menu")) {
            QApplication::clipboard()->setText(text);
            std::unique_ptr<QMenu> menu(edit->createFilteredContextMenu());
            auto* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"));
            QVERIFY(paste);
            QVERIFY(paste->isEnabled());
            paste->trigger();
        } else if (way == QLatin1String("drop")) {
            QMimeData data;
            data.setText(text);
            const QPointF at(edit->width() - 4, edit->height() / 2.0);
            QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(edit, &enter);
            QDragMoveEvent move(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(edit, &move);
            QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(edit, &drop);
        } else {
            QInputMethodEvent commit;
            commit.setCommitString(text);
            QApplication::sendEvent(edit, &commit);
        }

        QCOMPARE(edit->text(), expected);
        if (result.isEmpty()) {
            QCOMPARE(dialogs->texts(), QStringList{messageFor(control)});
            QCOMPARE(int(dialogs->messages[0].icon), int(MessageIcon::Critical));
        } else {
            QVERIFY(dialogs->messages.isEmpty());
        }
    }

    // "|" is a pause long enough to start a new number.
    void digitsChooseTheNumberTyped_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<bool>("open"); // typed into the open list, then Enter
        for (const bool open : {false, true}) {
            const char* how = open ? "open" : "closed";
            QTest::addRow("%s hour 19, 2", how) << "cboHour" << "19" << "2" << "2" << open;
            QTest::addRow("%s hour 19, 20", how) << "cboHour" << "19" << "20" << "20" << open;
            QTest::addRow("%s hour 2, pause, 0", how) << "cboHour" << "7" << "2|0" << "0" << open;
            QTest::addRow("%s hour 25 is 5", how) << "cboHour" << "19" << "25" << "5" << open;
            QTest::addRow("%s day 15, 1", how) << "cboDate" << "15" << "1" << "1" << open;
            QTest::addRow("%s day 15, 16", how) << "cboDate" << "15" << "16" << "16" << open;
            QTest::addRow("%s day 0 chooses nothing", how) << "cboDate" << "15" << "0" << "15" << open;
            QTest::addRow("%s minute 05", how) << "cboMinute" << "30" << "05" << "5" << open;
            QTest::addRow("%s minute 0", how) << "cboMinute" << "30" << "0" << "0" << open;
            QTest::addRow("%s year 1985", how) << "cboYear" << "2001" << "1985" << "1985" << open;
            QTest::addRow("%s year 19", how) << "cboYear" << "2001" << "19" << "1900" << open;
            QTest::addRow("%s year 7 chooses nothing", how) << "cboYear" << "2001" << "7" << "2001" << open;
        }
    }
    void digitsChooseTheNumberTyped()
    {
        QFETCH(QString, list);
        QFETCH(QString, start);
        QFETCH(QString, keys);
        QFETCH(QString, chosen);
        QFETCH(bool, open);
        auto* box = Child<QComboBox>(*window, list);
        box->setCurrentIndex(box->findText(start));
        QCOMPARE(box->currentText(), start);
        box->setFocus();
        if (open)
            box->showPopup();
        QWidget* target = open ? static_cast<QWidget*>(box->view()) : box;
        const int interval = QApplication::keyboardInputInterval();
        for (const QChar key : keys) {
            if (key == QLatin1Char('|')) {
                QApplication::setKeyboardInputInterval(0); // the next digit starts anew
                continue;
            }
            QTest::keyClick(target, key.toLatin1());
            QApplication::setKeyboardInputInterval(1000000); // however slow the machine
        }
        QApplication::setKeyboardInputInterval(interval);
        if (open)
            QTest::keyClick(box->view(), Qt::Key_Return);
        QCOMPARE(box->currentText(), chosen);
        QVERIFY(dialogs->messages.isEmpty());
    }

    void characterCodes_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("code");
        QTest::newRow("a") << int(Qt::Key_A) << 0 << "a" << 97;
        QTest::newRow("Ctrl+A") << int(Qt::Key_A) << int(Qt::ControlModifier) << "\x01" << 1;
        QTest::newRow("Ctrl+Shift+C") << int(Qt::Key_C) << int(Qt::ControlModifier | Qt::ShiftModifier) << "" << 3;
        QTest::newRow("Ctrl+Z") << int(Qt::Key_Z) << int(Qt::ControlModifier) << "z" << 26;
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << 0 << "\b" << 8;
        QTest::newRow("Ctrl+Backspace") << int(Qt::Key_Backspace) << int(Qt::ControlModifier) << "" << 127;
        QTest::newRow("Escape") << int(Qt::Key_Escape) << 0 << "\x1b" << 27;
        QTest::newRow("Enter") << int(Qt::Key_Return) << 0 << "\r" << 13;
        QTest::newRow("Tab") << int(Qt::Key_Tab) << 0 << "\t" << -1;
        QTest::newRow("Delete") << int(Qt::Key_Delete) << 0 << "\x7f" << -1;
        QTest::newRow("Left") << int(Qt::Key_Left) << 0 << "" << -1;
        QTest::newRow("F1") << int(Qt::Key_F1) << 0 << "" << -1;
        QTest::newRow("Alt+G") << int(Qt::Key_G) << int(Qt::AltModifier) << "g" << -1;
        QTest::newRow("AltGr e gives euro") << int(Qt::Key_E) << int(Qt::ControlModifier | Qt::AltModifier)
                                            << QStringLiteral("€") << 0x20AC;
        QTest::newRow("Shift+Insert") << int(Qt::Key_Insert) << int(Qt::ShiftModifier) << "" << -1;
    }
    void characterCodes()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        QFETCH(int, code);
        QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), text);
        QCOMPARE(CharacterCode(event), code);
    }

    // With the program's own dialogs: a refused key is said beside the box,
    // no box opens, and the keys typed after it land ("O1'Brien" typed gives
    // "O'Brien").
    void keysAfterARefusedOneLand()
    {
        WidgetDialogs real;
        QWidget top;
        FilteredLineEdit edit(kLetterFilter, real, &top);
        top.show();
        edit.setFocus();
        QVERIFY(QTest::qWaitForWindowActive(&top));
        bool modal = false;
        QTimer watch; // a modal box would stop the typing below until closed
        connect(&watch, &QTimer::timeout, this, [&modal] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                modal = true;
                box->close();
            }
        });
        watch.start(20);
        QTest::keyClicks(&edit, QStringLiteral("O1'Brien"));
        QCOMPARE(edit.text(), QStringLiteral("O'Brien"));
        QVERIFY(!modal);
        QVERIFY(edit.hasFocus());
    }
};

QTEST_MAIN(TestEntryFilters)
#include "test_entry_filters.moc"
