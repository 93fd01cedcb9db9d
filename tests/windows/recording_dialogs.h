#pragma once
// Stands in for the real dialogs in the window tests: remembers every message,
// question, file dialog, web address and manual page it was asked to show,
// answers file dialogs from a queue and questions with a set answer, and
// opens no window and no browser.

#include "shared_ui/user_dialogs.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <optional>

namespace rashi::testing {

class RecordingDialogs : public UserDialogs {
public:
    struct Message {
        QString text;
        MessageIcon icon;
        QString detail;
        QWidget* beside = nullptr; // a note's control; none for a modal box
    };

    QList<Message> messages;
    QStringList questions;
    bool answerYes = false;
    int choice = -1; // the answer to choose(): an index, or -1 for Cancel
    QList<FileDialogSetup> saveDialogs;
    QList<FileDialogSetup> openDialogs;
    QStringList saveAnswers; // taken from the front; empty answer = cancel
    QStringList openAnswers;
    QList<QStringList> openManyAnswers; // for openFileNames, taken from the front
    QList<QUrl> openedUrls;
    bool browserAvailable = true; // whether openUrl finds a browser
    QList<QUrl> manualPages;
    // Runs while a message is "on screen", as a modal box would take the focus.
    std::function<void()> whileShown;

    void message(const QString& text, MessageIcon icon, const QString& detail = QString()) override
    {
        messages.append({text, icon, detail});
        if (whileShown)
            whileShown();
    }
    // A note takes no focus: nothing runs "while it is shown".
    void note(QWidget* beside, const QString& text, MessageIcon icon) override
    {
        messages.append({text, icon, QString(), beside});
    }
    bool askYesNo(const QString& text) override
    {
        questions.append(text);
        return answerYes;
    }
    int choose(const QString& text, const QStringList& choices) override
    {
        questions.append(text + QLatin1Char('\n') + choices.join(QLatin1Char('|')));
        return choice;
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
    QStringList openFileNames(const FileDialogSetup& setup) override
    {
        openDialogs.append(setup);
        return openManyAnswers.isEmpty() ? QStringList() : openManyAnswers.takeFirst();
    }
    bool openUrl(const QUrl& url) override
    {
        openedUrls.append(url);
        return browserAvailable;
    }
    void showManual(const QUrl& page) override { manualPages.append(page); }
    // askText: each question recorded; the answers taken from the front,
    // none (cancel) when the queue is empty.
    QList<std::optional<QString>> textAnswers;
    std::optional<QString> askText(const QString& text, const QString& start) override
    {
        questions.append(text + QLatin1Char('\n') + start);
        return textAnswers.isEmpty() ? std::nullopt : textAnswers.takeFirst();
    }

    QStringList texts() const
    {
        QStringList all;
        for (const Message& m : messages)
            all << m.text;
        return all;
    }
    int shown() const { return int(messages.size() + questions.size()); }
};

// The name the main-window tests know it by.
using UiRecorder = RecordingDialogs;

} // namespace rashi::testing
