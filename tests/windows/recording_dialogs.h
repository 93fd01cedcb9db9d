#pragma once
// A UserDialogs that shows nothing and remembers what it was asked.

#include "windows/user_dialogs.h"

#include <QList>
#include <QString>
#include <QUrl>

namespace rashi::testing {

class RecordingDialogs : public UserDialogs {
public:
    struct Message {
        QString text;
        MessageIcon icon;
        QString detail;
    };

    QList<Message> messages;
    QStringList questions;
    QList<QUrl> openedUrls;
    QList<QUrl> manualPages;
    bool answerYes = false;
    bool browserAvailable = true;

    void message(const QString& text, MessageIcon icon) override { messages.append({text, icon, {}}); }
    void message(const QString& text, MessageIcon icon, const QString& detail) override
    {
        messages.append({text, icon, detail});
    }
    bool askYesNo(const QString& text) override
    {
        questions.append(text);
        return answerYes;
    }
    QString saveFileName(const FileDialogSetup&) override { return {}; }
    QString openFileName(const FileDialogSetup&) override { return {}; }
    bool openUrl(const QUrl& url) override
    {
        openedUrls.append(url);
        return browserAvailable;
    }
    void showManual(const QUrl& page) override { manualPages.append(page); }

    int shown() const { return int(messages.size() + questions.size()); }
};

} // namespace rashi::testing
