#pragma once
// Everything a window shows the user outside itself goes through this
// interface: message boxes, the file dialogs and handing a web address to the
// desktop's browser. The programs use WidgetDialogs (the main program
// ProgramDialogs, which shows the manual in its own window); tests put a
// recorder in.

#include "core/entries/validation.h"

#include <QString>

#include <optional>
#include <QStringList>
#include <QUrl>

class QPrinter;
class QWidget;

namespace rashi {

// A text the user gave (a file's name, a line of a file) as a message quotes
// it: control characters shown as \x1b and the like (VisibleText).
QString Visible(const QString& text, bool keepLineEnds = false);

inline const QString kApplicationTitle = QStringLiteral("Tarvek Rashi Drishti (Sign Aspects) v1.10");

struct FileDialogSetup {
    QString title;
    QString filter;           // e.g. "Tarvek Vedic Rashi Drishti (*.kqa)"
    QString defaultSuffix;    // "kqa"
    QString startName;        // the file name offered at first, without a folder; may be empty
    QString startFolder;      // the folder the dialog opens in
    bool folderMustExist = false; // a save: a name in a folder that does not exist is refused
    bool refuseReadOnly = false;  // a save: an existing file that cannot be written is refused
};

// Why the save dialog refuses a chosen name under the setup's rules, or
// nothing when it takes it.
std::optional<QString> SaveNameProblem(const QString& file, const FileDialogSetup& setup);

class UserDialogs {
public:
    virtual ~UserDialogs() = default;

    // A modal box with the application's title and one OK button; a detail,
    // when given, stands under the text in smaller type: what exactly went
    // wrong. The texts can be selected and copied.
    virtual void message(const QString& text, MessageIcon icon, const QString& detail = QString()) = 0;
    // A note beside a control that takes neither the focus nor the keys
    // typed after it (why a key was refused); it goes by itself. Without a
    // place to show it, a message.
    virtual void note(QWidget* beside, const QString& text, MessageIcon icon);
    // A modal Yes/No box with the information icon; true for Yes.
    virtual bool askYesNo(const QString& text) = 0;
    // A modal question with one button for each choice and Cancel; the
    // index of the choice, or -1 for Cancel.
    virtual int choose(const QString& text, const QStringList& choices) = 0;
    // The chosen file name, or an empty text when the user cancels.
    virtual QString saveFileName(const FileDialogSetup& setup) = 0;
    virtual QString openFileName(const FileDialogSetup& setup) = 0;
    // Several existing files at once; empty when the user cancels.
    virtual QStringList openFileNames(const FileDialogSetup& setup) = 0;
    // Hands the address to the desktop's default browser; false when no
    // browser took it.
    virtual bool openUrl(const QUrl& url) = 0;
    // Shows the program's manual (an HTML file) in a window of its own.
    virtual void showManual(const QUrl& page) = 0;
    // A modal box asking for one line of text, offering `start`; nothing when
    // cancelled. Without such a box nothing is asked.
    virtual std::optional<QString> askText(const QString& text, const QString& start);
    // Lets the user choose a printer and its settings; false when cancelled.
    // Without a print dialog nothing is printed.
    virtual bool choosePrinter(QPrinter& printer);
};

// The real thing: QMessageBox, QFileDialog and QDesktopServices; the manual
// goes to the desktop's browser.
class WidgetDialogs : public UserDialogs {
public:
    explicit WidgetDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    QWidget* parent() const { return parent_; }

    void message(const QString& text, MessageIcon icon, const QString& detail = QString()) override;
    void note(QWidget* beside, const QString& text, MessageIcon icon) override;
    bool askYesNo(const QString& text) override;
    int choose(const QString& text, const QStringList& choices) override;
    QString saveFileName(const FileDialogSetup& setup) override;
    QString openFileName(const FileDialogSetup& setup) override;
    QStringList openFileNames(const FileDialogSetup& setup) override;
    bool openUrl(const QUrl& url) override;
    void showManual(const QUrl& page) override;
    bool choosePrinter(QPrinter& printer) override;
    std::optional<QString> askText(const QString& text, const QString& start) override;

private:
    QWidget* parent_;
};

} // namespace rashi
