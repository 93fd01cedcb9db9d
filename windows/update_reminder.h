#pragma once
// The reminder at start-up to look for a newer version, at most every 14 days,
// in builds that have a download page.

#include <QDate>

class QSettings;

namespace rashi {

class UserDialogs;

void ShowUpdateReminder(UserDialogs& dialogs, QSettings& settings, const QDate& today);

} // namespace rashi
