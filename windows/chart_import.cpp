#include "windows/chart_import.h"
#include "windows/utf8_text.h"

#include "core/chart_files/visible_text.h"
#include "core/imports/import_file_io.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace rashi {

ChartImport ImportCharts(const QStringList& files)
{
    ChartImport result;
    for (const QString& file : files) {
        std::string problem;
        const auto entries = LoadImportedChart(FileSystemName(file), problem);
        if (entries)
            result.imported.append({file, *entries});
        else
            result.refused.append(QStringLiteral("%1: %2").arg(
                QString::fromStdString(VisibleText(QDir::toNativeSeparators(file).toStdString())),
                QString::fromStdString(problem)));
    }
    return result;
}

QString ImportSummary(const ChartImport& import)
{
    const auto charts = [](qsizetype n) {
        return n == 1 ? QCoreApplication::translate("rashi::ChartImport", "1 chart") : QCoreApplication::translate("rashi::ChartImport", "%1 charts").arg(n);
    };
    const QString imported =
        import.imported.isEmpty() ? QCoreApplication::translate("rashi::ChartImport", "No chart") : charts(import.imported.size());
    if (import.refused.isEmpty())
        return imported + QCoreApplication::translate("rashi::ChartImport", " imported.");
    return QCoreApplication::translate("rashi::ChartImport", "%1 imported, %2 refused. Please Check The File.").arg(imported).arg(import.refused.size());
}

QString ImportDetail(const ChartImport& import) { return import.refused.join(QLatin1Char('\n')); }

QString NextImportQuestion(const ChartImport& import, qsizetype index)
{
    return QStringLiteral("Show the next imported chart, %1 (%2 of %3)?")
        .arg(QString::fromStdString(VisibleText(QFileInfo(import.imported[index].file).fileName().toStdString())))
        .arg(index + 1)
        .arg(import.imported.size());
}

} // namespace rashi
