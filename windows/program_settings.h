#pragma once
// The program's settings, in its own file and nowhere else. Before anything
// reads them, PrepareSettings looks at the file (a FIFO or a huge file there
// is set aside, see core/files/settings_file_check.h) and sends the toolkit's
// own settings (the file dialog's history and last folder, which would go to
// ~/.config/QtProject.conf) to a place where nothing can be written.

#include <QSettings>
#include <QString>

namespace rashi {

class UserDialogs;

// $XDG_CONFIG_HOME/<organization>/<application>.conf.
QString ProgramSettingsPath();

// Call once at start-up, after the organisation and application names are
// set and before the lock or any settings are taken. A settings file that
// could not be used is reported once through `dialogs`.
void PrepareSettings(UserDialogs& dialogs);

// Use instead of a default-made QSettings. Each one looks at the file again
// before the toolkit reads it: one that has become a FIFO or a folder while
// the program runs is set aside then, and the settings start again from
// their defaults.
class ProgramSettings : public QSettings {
public:
    ProgramSettings();
};

} // namespace rashi
