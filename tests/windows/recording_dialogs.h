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
    };

    QList<Message> messages;
    QStringList questions;
    QList<QUrl> openedUrls;
    bool answerYes = false;

    void message(const QString& text, MessageIcon icon) override { messages.append({text, icon}); }
    bool askYesNo(const QString& text) override
    {
        questions.append(text);
        return answerYes;
    }
    QString saveFileName(const FileDialogSetup&) override { return {}; }
    QString openFileName(const FileDialogSetup&) override { return {}; }
    void openUrl(const QUrl& url) override { openedUrls.append(url); }

    int shown() const { return int(messages.size() + questions.size()); }
};

} // namespace rashi::testing
