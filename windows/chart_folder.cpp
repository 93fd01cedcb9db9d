#include "windows/chart_folder.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace rashi {
namespace {

const QString kFolderKey = QStringLiteral("Charts/LastFolder");

bool IsFolder(const QString& path) { return !path.isEmpty() && QFileInfo(path).isDir(); }

} // namespace

QString ChooseChartFolder(const QString& remembered, const QString& documents, const QString& home)
{
    for (const QString& folder : {remembered, documents})
        if (IsFolder(folder))
            return folder;
    return home;
}

QString ChartFolder(QSettings& settings)
{
    return ChooseChartFolder(settings.value(kFolderKey).toString(),
                             QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), QDir::homePath());
}

void RememberChartFolder(QSettings& settings, const QString& chartFile)
{
    settings.setValue(kFolderKey, QFileInfo(chartFile).absolutePath());
}

} // namespace rashi
