// The PDF's page of the graha drishti: there only when the reading has it,
// its text the report lines' and every strength of the table.

#include "drawing/graha_drishti_page.h"
#include "drawing/reading_page.h"

#include "core/aspects/graha_drishti_text.h"
#include "core/reading/calculation_driver.h"
#include "tests/core/fixtures.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace rashi {
namespace {

// pdftotext's text of pages first .. last in the order it was drawn, in single spaces.
QString PdfText(const QString& pdf, int first, int last) {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    QProcess process;
    process.start(pdftotext, {QStringLiteral("-raw"), QStringLiteral("-f"), QString::number(first), QStringLiteral("-l"), QString::number(last),
                              pdf, QStringLiteral("-")});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput()).normalized(QString::NormalizationForm_KC).simplified();
}

TEST(GrahaDrishtiPage, APageOfItsOwnWithTheLinesAndTheTable) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("reading.pdf"));
    for (Language language : {Language::English, Language::Hindi}) {
        CalculationDriver driver;
        driver.SetLanguage(language);
        ASSERT_FALSE(driver.Calculate(testing::PuneBirth(4, 2, 1962, 8, 0)));
        ASSERT_EQ(WriteReadingPdf(pdf.toStdString(), driver.records(), ChartOptions{}), QString());
        EXPECT_TRUE(PdfText(pdf, 2, 2).isEmpty()) << "one page without the graha drishti";

        driver.setWithGrahaDrishti(true);
        ASSERT_FALSE(driver.Calculate(testing::PuneBirth(4, 2, 1962, 8, 0)));
        const ReadingRecords& records = driver.records();
        ASSERT_EQ(WriteReadingPdf(pdf.toStdString(), records, ChartOptions{}), QString());
        const QString page = PdfText(pdf, 2, 2);
        EXPECT_FALSE(PdfText(pdf, 1, 1).contains(QString::fromUtf8(WordsOf(language).graha.tableTitle.data(), 20)));
        const std::vector<std::string> lines = GrahaDrishtiLines(records);
        for (int i = 0; i < kReportRows; ++i) {
            // Copied text may break a wrapped line anywhere: compare without spaces.
            for (const std::string& line : {lines[1 + 3 * i], lines[3 + 3 * i]})
                EXPECT_TRUE(QString(page).remove(' ').contains(
                    QString::fromStdString(line).normalized(QString::NormalizationForm_KC).remove(' ')))
                    << line;
        }
        // The table row by row: each body's twenty strengths in order.
        QString table = page.mid(page.indexOf(QStringLiteral("12 ")) + 3);
        for (int i = 0; i < kReportRows; ++i) {
            QString row = QString::fromUtf8(WordsOf(language).shortBodies[i].data(), qsizetype(WordsOf(language).shortBodies[i].size()));
            for (int k = 0; k < kSphutaPoints; ++k)
                if (k != i) row += QStringLiteral(" ") + QString::fromStdString(VirupaText(records.grahaDrishti.sphuta[i][k]));
            EXPECT_TRUE(table.contains(row)) << row.toStdString();
        }
    }
}

} // namespace
} // namespace rashi
