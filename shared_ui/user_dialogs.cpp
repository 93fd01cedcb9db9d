#include "shared_ui/user_dialogs.h"

#include "core/chart_files/visible_text.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QAccessible>
#include <QFileDialog>
#include <QToolTip>
#include <QPushButton>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace rashi {

namespace {

// A file dialog that keeps itself open, with a word why, on a name its
// setup refuses.
class CheckedFileDialog : public QFileDialog {
public:
    CheckedFileDialog(QWidget* parent, const FileDialogSetup& setup)
        : QFileDialog(parent, setup.title, setup.startFolder, setup.filter), setup_(setup)
    {
    }
    void accept() override
    {
        const QStringList files = selectedFiles();
        if (acceptMode() == AcceptSave && !files.isEmpty())
            if (const auto problem = SaveNameProblem(files.first(), setup_)) {
                QMessageBox::warning(this, windowTitle(), *problem);
                return;
            }
        QFileDialog::accept();
    }

private:
    FileDialogSetup setup_;
};

QStringList RunFileDialog(QWidget* parent, const FileDialogSetup& setup, QFileDialog::AcceptMode mode,
                          bool several = false)
{
    CheckedFileDialog dialog(parent, setup);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                       : several                       ? QFileDialog::ExistingFiles
                                                       : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(setup.defaultSuffix);
    if (!setup.startName.isEmpty())
        dialog.selectFile(setup.startName);
    if (mode == QFileDialog::AcceptSave)
        dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

// A carriage return alone ends a line in the texts of the program's
// messages; no other control character is shown raw.
QString Displayed(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return Visible(text, true);
}

} // namespace

std::optional<QString> SaveNameProblem(const QString& file, const FileDialogSetup& setup)
{
    const QFileInfo info(file);
    if (setup.folderMustExist && !info.absoluteDir().exists())
        return QCoreApplication::translate("rashi::UserDialogs", "The folder \"%1\" does not exist.")
            .arg(Visible(QDir::toNativeSeparators(info.absolutePath())));
    if (setup.refuseReadOnly && info.exists() && !info.isDir() &&
        (!info.isWritable() || !info.permission(QFileDevice::WriteOwner))) // read-only even to an administrator
        return QCoreApplication::translate("rashi::UserDialogs", "\"%1\" is read-only; choose another name.").arg(Visible(info.fileName()));
    return std::nullopt;
}

QString Visible(const QString& text, bool keepLineEnds)
{
    return QString::fromStdString(VisibleText(text.toStdString(), keepLineEnds));
}

void WidgetDialogs::message(const QString& text, MessageIcon icon, const QString& detail)
{
    QMessageBox box(icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information,
                    kApplicationTitle, Displayed(text), QMessageBox::Ok, parent_);
    box.setTextFormat(Qt::PlainText);
    // Always as escaped rich text, so that a file's contents quoted in the
    // detail are shown as they are and never read as markup.
    if (!detail.isEmpty())
        box.setInformativeText(QStringLiteral("<p>%1</p>")
                                   .arg(Displayed(detail).toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>"))));
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.exec();
}

bool WidgetDialogs::askYesNo(const QString& text)
{
    QMessageBox box(QMessageBox::Information, kApplicationTitle, Displayed(text), QMessageBox::Yes | QMessageBox::No,
                    parent_);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

int WidgetDialogs::choose(const QString& text, const QStringList& choices)
{
    QMessageBox box(QMessageBox::Question, kApplicationTitle, Displayed(text), QMessageBox::Cancel, parent_);
    QList<QAbstractButton*> buttons;
    for (const QString& choice : choices)
        buttons.append(box.addButton(choice, QMessageBox::AcceptRole));
    box.exec();
    return int(buttons.indexOf(box.clickedButton()));
}

QString WidgetDialogs::saveFileName(const FileDialogSetup& setup)
{
    return RunFileDialog(parent_, setup, QFileDialog::AcceptSave).value(0);
}

QString WidgetDialogs::openFileName(const FileDialogSetup& setup)
{
    return RunFileDialog(parent_, setup, QFileDialog::AcceptOpen).value(0);
}

QStringList WidgetDialogs::openFileNames(const FileDialogSetup& setup)
{
    return RunFileDialog(parent_, setup, QFileDialog::AcceptOpen, true);
}

bool WidgetDialogs::openUrl(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

void WidgetDialogs::showManual(const QUrl& page)
{
    openUrl(page);
}

std::optional<QString> UserDialogs::askText(const QString&, const QString&)
{
    return std::nullopt;
}

std::optional<QString> WidgetDialogs::askText(const QString& text, const QString& start)
{
    bool ok = false;
    const QString answer = QInputDialog::getText(parent_, kApplicationTitle, text, QLineEdit::Normal, start, &ok);
    return ok ? std::optional<QString>(answer) : std::nullopt;
}

void UserDialogs::note(QWidget*, const QString& text, MessageIcon icon)
{
    message(text, icon);
}

void WidgetDialogs::note(QWidget* beside, const QString& text, MessageIcon icon)
{
    if (!beside) {
        message(text, icon);
        return;
    }
    // Under the box, as a tooltip is: no window takes the focus, and the
    // next key lands in the box. Screen readers hear it as an alert.
    QToolTip::showText(beside->mapToGlobal(QPoint(0, beside->height())), Displayed(text), beside, QRect(), 5000);
    QAccessibleEvent alert(beside, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

bool UserDialogs::choosePrinter(QPrinter&)
{
    return false;
}

bool WidgetDialogs::choosePrinter(QPrinter& printer)
{
    QPrintDialog dialog(&printer, parent_);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace rashi
