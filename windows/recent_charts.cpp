#include "windows/recent_charts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

namespace rashi {
namespace {

const QString kRecentKey = QStringLiteral("recentCharts");

} // namespace

QStringList RecentCharts(QSettings& settings)
{
    const QStringList remembered = settings.value(kRecentKey).toStringList();
    QStringList existing;
    for (const QString& file : remembered)
        if (QFileInfo(file).isFile() && !existing.contains(file) && existing.size() < kMostRecentCharts)
            existing.append(file);
    if (existing != remembered)
        settings.setValue(kRecentKey, existing);
    return existing;
}

void RememberRecentChart(QSettings& settings, const QString& file)
{
    const QString absolute = QFileInfo(file).absoluteFilePath();
    QStringList files = settings.value(kRecentKey).toStringList();
    files.removeAll(absolute);
    files.prepend(absolute);
    while (files.size() > kMostRecentCharts)
        files.removeLast();
    settings.setValue(kRecentKey, files);
}

void ClearRecentCharts(QSettings& settings) { settings.remove(kRecentKey); }

void FillRecentChartsMenu(QMenu* menu, const QStringList& files, const std::function<void(const QString&)>& open,
                          const std::function<void()>& clear)
{
    menu->clear();
    if (files.isEmpty()) {
        menu->addAction(QCoreApplication::translate("rashi::RecentCharts", "(None)"))->setEnabled(false);
        return;
    }
    for (int i = 0; i < files.size(); ++i) {
        const QString file = files[i];
        // "&1".."&9", then "1&0": a mnemonic of its own for each.
        const QString number = i < 9 ? QStringLiteral("&%1").arg(i + 1) : QStringLiteral("1&0");
        QString name = QFileInfo(file).fileName();
        name.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* action = menu->addAction(QStringLiteral("%1 %2").arg(number, name));
        action->setToolTip(QDir::toNativeSeparators(file));
        action->setStatusTip(QDir::toNativeSeparators(file));
        QObject::connect(action, &QAction::triggered, menu, [open, file] { open(file); });
    }
    menu->addSeparator();
    QAction* clearAction = menu->addAction(QCoreApplication::translate("rashi::RecentCharts", "&Clear Recent Charts"));
    clearAction->setObjectName(QStringLiteral("mnuClearRecent"));
    QObject::connect(clearAction, &QAction::triggered, menu, [clear] { clear(); });
}

} // namespace rashi
