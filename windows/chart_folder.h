#pragma once
// The folder the chart-file dialogs open in: the last one used (kept in the
// program's own settings), else the user's documents folder when it exists,
// else the home folder.

#include <QString>

class QSettings;

namespace rashi {

QString ChooseChartFolder(const QString& remembered, const QString& documents, const QString& home);

// The same from the settings and the system's folders.
QString ChartFolder(QSettings& settings);
// Remembers the folder of a chart file just opened or saved.
void RememberChartFolder(QSettings& settings, const QString& chartFile);

} // namespace rashi
