// The PDF's second page: there only with a dasha, and every mahadasha,
// antardasha and sign period on it as the records have them, in both languages.

#include "drawing/dasha_page.h"
#include "drawing/reading_page.h"

#include "core/reading/calculation_driver.h"
#include "core/timing/dasha_text.h"
#include "core/words/reading_words.h"
#include "tests/core/fixtures.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace rashi {
namespace {

ReadingRecords Reading(unsigned systems, Language language) {
    CalculationDriver driver;
    DashaChoices choices;
    choices.systems = systems;
    driver.SetDashaChoices(choices);
    driver.SetLanguage(language);
    (void)driver.Calculate(testing::PuneBirth(4, 2, 1962, 8, 0));
    return driver.records();
}

int Pages(const QByteArray& pdf) { return static_cast<int>(pdf.count("/Type /Page\n")); }

QString PageText(const QString& pdftotext, const QByteArray& bytes, int page) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("reading.pdf"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    file.close();
    QProcess process;
    process.start(pdftotext, {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"), QString::number(page),
                              path, QStringLiteral("-")});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput()).normalized(QString::NormalizationForm_KC).simplified();
}

std::string Date(double second) { return UtcText(second).substr(0, 10); }

TEST(DashaPage, OnlyWithADasha) {
    EXPECT_EQ(Pages(ReadingPdfBytes(Reading(0, Language::English), ChartOptions{})), 1);
    EXPECT_FALSE(HasDashaPage(Reading(0, Language::English)));
    for (const unsigned systems : {unsigned(dasha::Vimshottari), unsigned(dasha::Drig), unsigned(dasha::All)})
        EXPECT_EQ(Pages(ReadingPdfBytes(Reading(systems, Language::English), ChartOptions{})), 2) << systems;
}

TEST(DashaPage, CarriesEveryPeriodInBothLanguages) {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    for (const Language language : {Language::English, Language::Hindi}) {
        const ReadingRecords records = Reading(dasha::All, language);
        const ReadingWords& words = WordsOf(language);
        const QByteArray pdf = ReadingPdfBytes(records, ChartOptions{});
        const QString text = PageText(pdftotext, pdf, 2);
        // The first page has each body's nakshatra beside its position.
        const QString first = PageText(pdftotext, pdf, 1);
        for (int row = 0; row < kReportRows; ++row)
            EXPECT_TRUE(first.contains(QString::fromStdString(NakshatraNote(records, row)))) << NakshatraNote(records, row);
        const DashaRecord& d = records.dashas;
        const auto has = [&](const std::string& piece) {
            EXPECT_TRUE(text.contains(QString::fromStdString(piece).simplified())) << piece;
        };
        for (int i = 0; i < d.vimshottari.top; ++i) {
            const DashaPeriod& m = d.vimshottari.periods[i];
            has(std::string(words.dasha.lords[m.key]) + " " + std::string(words.dasha.levels[0]) + " " + Date(m.start));
            for (int k = 0; k < m.count; ++k) {
                const DashaPeriod& a = d.vimshottari.periods[m.first + k];
                has(std::string(words.dasha.lords[m.key]) + "/" + std::string(words.dasha.lords[a.key]) + " " +
                    Date(a.start) + " – " + Date(a.end));
            }
        }
        for (const DashaList* list : {&d.chara, &d.drig})
            for (int i = 0; i < list->top; ++i) {
                const DashaPeriod& p = list->periods[i];
                has(Fill(words.dasha.signPeriod, SignWord(p.key, words), std::to_string(p.years)) +
                    std::to_string(p.cycle) + " " + Date(p.start) + " – " + Date(p.end));
            }
    }
}

} // namespace
} // namespace rashi
