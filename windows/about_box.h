#pragma once
// The about box, shown modally from Help > About Software.

#include <QDialog>

namespace rashi {

class UserDialogs;

class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(UserDialogs& dialogs, QWidget* parent = nullptr);

private:
    UserDialogs& dialogs_;
};

} // namespace rashi
