#include "windows/user_dialogs.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>

namespace rashi {

namespace {

QString RunFileDialog(QWidget* parent, const FileDialogSetup& setup, QFileDialog::AcceptMode mode)
{
    // With no name to offer, the dialog opens in the user's documents folder.
    const QString folder = setup.startName.isEmpty()
                               ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                               : QString();
    QFileDialog dialog(parent, setup.title, folder, setup.filter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(setup.defaultSuffix);
    if (!setup.startName.isEmpty())
        dialog.selectFile(setup.startName);
    if (mode == QFileDialog::AcceptSave)
        dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.selectedFiles().value(0);
}

// A carriage return alone ends a line in the texts of the program's messages.
QString Displayed(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace

void WidgetDialogs::message(const QString& text, MessageIcon icon)
{
    QMessageBox box(icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information,
                    kApplicationTitle, Displayed(text), QMessageBox::Ok, parent_);
    box.exec();
}

bool WidgetDialogs::askYesNo(const QString& text)
{
    QMessageBox box(QMessageBox::Information, kApplicationTitle, Displayed(text), QMessageBox::Yes | QMessageBox::No,
                    parent_);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

QString WidgetDialogs::saveFileName(const FileDialogSetup& setup)
{
    return RunFileDialog(parent_, setup, QFileDialog::AcceptSave);
}

QString WidgetDialogs::openFileName(const FileDialogSetup& setup)
{
    return RunFileDialog(parent_, setup, QFileDialog::AcceptOpen);
}

void WidgetDialogs::openUrl(const QUrl& url)
{
    QDesktopServices::openUrl(url);
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
