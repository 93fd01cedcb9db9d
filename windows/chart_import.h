#pragma once
// File > Import Chart: other programs' chart files (.jhd, .mtx), several at
// once, each read whole or refused whole, and the summary of what came in.

#include "core/records/entries.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace rashi {

// The extensions in any case ("Ravi.Jhd"), for dialogs that match them as written.
inline const QString kImportFilter = QStringLiteral("Charts of other programs (*.[jJ][hH][dD] *.[mM][tT][xX])");

struct ImportedChart {
    QString file;
    Entries entries;
};

struct ChartImport {
    QList<ImportedChart> imported; // in the order chosen
    QStringList refused;           // "file: why", one a refused file
};

ChartImport ImportCharts(const QStringList& files);

// "2 charts imported." / "1 chart imported, 1 refused." / "No chart imported, 2 refused."
QString ImportSummary(const ChartImport& import);
// The refused files, each with the line and what it held; empty when none.
QString ImportDetail(const ChartImport& import);
// Asked before the imported chart at `index` (from 1) is shown:
// "Show the next imported chart, london.mtx (2 of 3)?"
QString NextImportQuestion(const ChartImport& import, qsizetype index);

} // namespace rashi
