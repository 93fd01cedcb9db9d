#pragma once
// Options › Ayanamsa: the program's own, the fifteen named ayanamsas and the
// user's own (its value at J2000.0 and its yearly rate, asked for through the
// dialogs). The user's choice is kept in the settings; an opened chart's own
// (the program's own when it names none) is shown and put in force for it,
// and the kept choice stays for the next run.

#include "core/records/ayanamsa_choice.h"

#include <QObject>

#include <optional>

class QAction;
class QActionGroup;
class QMenu;

namespace rashi {

class UserDialogs;

class AyanamsaMenu : public QObject {
    Q_OBJECT
public:
    // Adds the submenu to `options` and reads the remembered choice.
    AyanamsaMenu(QMenu* options, UserDialogs& dialogs, QObject* parent = nullptr);

    // The choice in force (the default kind for the program's own).
    const AyanamsaChoice& choice() const { return choice_; }
    // Puts a choice in force: checked and remembered.
    void setChoice(const AyanamsaChoice& choice);
    // Puts a chart file's choice in force: checked, not remembered.
    void showChoice(const AyanamsaChoice& choice);

signals:
    // The user chose another ayanamsa.
    void chosen();

private:
    void take(QAction* action);
    void check(const AyanamsaChoice& choice);
    void remember() const;

    UserDialogs& dialogs_;
    QActionGroup* group_ = nullptr;
    QAction* own_ = nullptr;    // the program's own
    QAction* custom_ = nullptr; // the user's own
    AyanamsaChoice choice_;
};

} // namespace rashi
