#pragma once
// File > Recent Charts: the last ten charts opened or saved, newest first,
// kept in the program's own settings. Files that are gone are dropped.

#include <QString>
#include <QStringList>

#include <functional>

class QMenu;
class QSettings;

namespace rashi {

inline constexpr int kMostRecentCharts = 10;

// The remembered charts that still exist; the gone ones are forgotten.
QStringList RecentCharts(QSettings& settings);
// Puts the chart (made absolute) first, once, and keeps ten.
void RememberRecentChart(QSettings& settings, const QString& file);
void ClearRecentCharts(QSettings& settings);

// One item a chart ("&1 Pune.kqa", its folder in the tip), then "&Clear
// Recent Charts"; a disabled "(None)" when there are none.
void FillRecentChartsMenu(QMenu* menu, const QStringList& files, const std::function<void(const QString&)>& open,
                          const std::function<void()>& clear);

} // namespace rashi
