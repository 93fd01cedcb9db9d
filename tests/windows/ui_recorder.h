#pragma once
// Stands in for the real dialogs in the window tests: remembers every message
// and file dialog, answers file dialogs from a queue, opens no browser.

#include "windows/user_dialogs.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>

namespace rashi::testing {

class UiRecorder : public UserDialogs {
public:
    struct Message {
        QString text;
        MessageIcon icon;
        QString detail;
    };

    QList<Message> messages;
    QList<FileDialogSetup> saveDialogs;
    QList<FileDialogSetup> openDialogs;
    QStringList saveAnswers; // taken from the front; empty answer = cancel
    QStringList openAnswers;
    QList<QUrl> openedUrls;
    QList<QUrl> manualPages;
    bool browserAvailable = true; // whether openUrl finds a browser
    // Runs while a message is "on screen", as a modal box would take the focus.
    std::function<void()> whileShown;

    void message(const QString& text, MessageIcon icon) override { message(text, icon, QString()); }
    void message(const QString& text, MessageIcon icon, const QString& detail) override
    {
        messages.append({text, icon, detail});
        if (whileShown)
            whileShown();
    }
    bool askYesNo(const QString& text) override
    {
        messages.append({text, MessageIcon::Information, {}});
        return false;
    }
    QString saveFileName(const FileDialogSetup& setup) override
    {
        saveDialogs.append(setup);
        return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
    }
    QString openFileName(const FileDialogSetup& setup) override
    {
        openDialogs.append(setup);
        return openAnswers.isEmpty() ? QString() : openAnswers.takeFirst();
    }
    bool openUrl(const QUrl& url) override
    {
        openedUrls.append(url);
        return browserAvailable;
    }
    void showManual(const QUrl& page) override { manualPages.append(page); }

    QStringList texts() const
    {
        QStringList all;
        for (const Message& m : messages)
            all << m.text;
        return all;
    }
};

} // namespace rashi::testing
