// The planet aspects in the results panel: the switch beside the navamsa's,
// the dashed arrows of the chosen body, the rows of signs, houses and bodies,
// the table of strengths and the two aspects side by side, the nodes' option
// kept between runs, and the reading kept with its graha page.

#include "recording_dialogs.h"
#include "results_panel_fixture.h"
#include "ui_helpers.h"

#include "core/aspects/graha_drishti_text.h"
#include "core/reading/reading_header.h"
#include "core/words/reading_words.h"
#include "drawing/graha_drishti_page.h"
#include "windows/aspect_switch.h"
#include "windows/chart_view.h"
#include "windows/program_settings.h"
#include "windows/results_panel.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QPrinter>
#include <QProcess>
#include <QComboBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace rashi;
using namespace rashi::testing;

namespace {

// Prints to a PDF file instead of asking for a printer.
class PrintingRecorder : public UiRecorder {
public:
    QString printTo;
    bool choosePrinter(QPrinter& printer) override
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printTo);
        return true;
    }
};

int PdfPages(const QString& file)
{
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {file});
    process.waitForFinished(30000);
    const QString info = QString::fromUtf8(process.readAllStandardOutput());
    const qsizetype at = info.indexOf(QStringLiteral("Pages:"));
    return at < 0 ? -1 : info.mid(at + 6).section(QLatin1Char('\n'), 0, 0).trimmed().toInt();
}

// The signs (a bit each) a body aspects, fully or in part, by its record.
unsigned GrahaSigns(const GrahaDrishtiRecord& graha, int body)
{
    unsigned signs = 0;
    for (const GrahaAspect& aspect : graha.aspects[body])
        if (aspect.sign >= 0)
            signs |= 1u << aspect.sign;
    return signs;
}

} // namespace

class TestResultsGraha : public QObject, ResultsPanelFixture<PrintingRecorder> {
    Q_OBJECT

    QComboBox* aspects() const { return Child<QComboBox>(*panel, "cboAspects"); }
    QTableWidget* table(const char* name) const { return Child<QTableWidget>(*panel, name); }
    bool shows(const char* name) const { return Child<QWidget>(*panel, name)->isVisibleTo(panel.get()); }

private slots:
    void initTestCase() { useTestSettings(QStringLiteral("Rashi Drishti graha panel test")); }
    void init() { setUpPanel(); }
    void cleanup() { tearDownPanel(); }

    // The switch: the rows or the planet aspects' views, the diagram with
    // them, and the choice remembered by the next run's panel.
    void theSwitchChangesWhatIsShownAndIsRemembered()
    {
        reading();
        QVERIFY(driver->records().grahaDrishti.computed);
        QCOMPARE(aspects()->count(), 2);
        QVERIFY(!aspects()->accessibleName().isEmpty());
        QVERIFY(aspects()->focusPolicy() & Qt::TabFocus);
        const auto expect = [this](bool planets) {
            QCOMPARE(panel->planetAspectsShown(), planets);
            QCOMPARE(shows("lblPlanets_0"), !planets);
            QCOMPARE(shows("grahaDrishtiView"), planets);
            QCOMPARE(shows("tblSphuta"), planets);
            QCOMPARE(shows("tblAspectComparison"), planets);
            QCOMPARE(chart()->options().grahaDrishti, planets);
        };
        expect(false);
        panel->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(panel.get()));
        aspects()->setFocus();
        QTest::keyClick(aspects(), Qt::Key_Down); // the arrow keys choose
        expect(true);
        freshPanel();
        reading();
        expect(true);
        panel->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(panel.get()));
        aspects()->setFocus();
        QTest::keyClick(aspects(), Qt::Key_Up);
        expect(false);
        freshPanel();
        reading();
        expect(false);
    }

    // The planet aspects' views need no more width than the rows they
    // replace: on a small screen the table scrolls sideways in its place.
    void noWiderThanTheSignAspects()
    {
        reading();
        auto* content = Child<QWidget>(*panel, "resultsContent");
        const int signs = content->minimumSizeHint().width();
        const int panelWidth = panel->minimumSizeHint().width();
        panel->showPlanetAspects(true);
        QApplication::processEvents();
        QVERIFY2(content->minimumSizeHint().width() <= signs,
                 qPrintable(QStringLiteral("%1 > %2").arg(content->minimumSizeHint().width()).arg(signs)));
        QCOMPARE(panel->minimumSizeHint().width(), panelWidth);
    }

    // The navamsa has no planet aspects of its own: the switch waits, the
    // navamsa's rows show, and its copied reading has no graha lines.
    void theNavamsaShowsItsOwnRows()
    {
        reading();
        panel->showPlanetAspects(true);
        Child<QCheckBox>(*panel, "chkNavamsa")->setChecked(true);
        QVERIFY(!aspects()->isEnabled());
        QVERIFY(shows("lblPlanets_0"));
        QVERIFY(!shows("tblSphuta"));
        QVERIFY(!chart()->options().grahaDrishti);
        panel->copyReading();
        QVERIFY(!QApplication::clipboard()->text().contains(QStringLiteral("Graha drishti")));
        Child<QCheckBox>(*panel, "chkNavamsa")->setChecked(false);
        QVERIFY(aspects()->isEnabled());
        QVERIFY(shows("tblSphuta"));
    }

    // The rows: each body's signs in count order with their houses and bodies.
    void theRowsGiveEachBodysSignsHousesAndBodies()
    {
        reading();
        panel->showPlanetAspects(true);
        const GrahaDrishtiRecord& graha = driver->records().grahaDrishti;
        const ReadingWords& words = WordsOf(Language::English);
        for (int i = 0; i < kReportRows; ++i) {
            const QString shown = Child<QLabel>(*panel, QStringLiteral("lblGrahaAspects_%1").arg(i))->text();
            QCOMPARE(shown, QString::fromStdString(GrahaAspectsText(graha.aspects[i], words)));
            QVERIFY(!Child<QLabel>(*panel, QStringLiteral("lblGrahaAspects_%1").arg(i))->accessibleName().isEmpty());
        }
        // The Sun in Dhanus with Mesha rising: its 7th is Mithuna, house 3.
        QVERIFY(Child<QLabel>(*panel, "lblGrahaAspects_0")->text().contains(QStringLiteral("Mithuna full (7th, house 3)")));
    }

    // The table: every strength in its cell, the strong ones bold and
    // tinted, each cell named for a screen reader; the arrow keys move in it.
    void theTableOfStrengths()
    {
        reading();
        panel->showPlanetAspects(true);
        const GrahaDrishtiRecord& graha = driver->records().grahaDrishti;
        QTableWidget* sphuta = table("tblSphuta");
        QCOMPARE(sphuta->rowCount(), kReportRows);
        QCOMPARE(sphuta->columnCount(), kReportRows + 12);
        QVERIFY(!sphuta->accessibleName().isEmpty());
        QCOMPARE(sphuta->horizontalHeaderItem(kReportRows)->text(), QStringLiteral("1"));
        QCOMPARE(sphuta->verticalHeaderItem(5)->text(), QStringLiteral("Jupiter"));
        int strong = 0;
        for (int i = 0; i < kReportRows; ++i) {
            for (int k = 0; k < kReportRows + 12; ++k) {
                const QTableWidgetItem* cell = sphuta->item(i, k);
                QVERIFY(!cell->data(Qt::AccessibleTextRole).toString().isEmpty());
                if (k == i)
                    continue;
                const double v = graha.sphuta[i][k];
                QCOMPARE(cell->text(), QString::fromStdString(VirupaText(v)));
                QCOMPARE(cell->font().bold(), v >= kStrongVirupas);
                strong += v >= kStrongVirupas;
            }
        }
        QVERIFY(strong > 0);
        // The Sun on house 3 (its 7th from Dhanus, Mesha rising at 0°25'): named whole.
        QVERIFY(sphuta->item(0, kReportRows + 2)->data(Qt::AccessibleTextRole).toString().startsWith(
            QStringLiteral("Sun on house 3: ")));
        QVERIFY(sphuta->focusPolicy() & Qt::TabFocus);
        sphuta->setFocus();
        sphuta->setCurrentCell(0, 1);
        QTest::keyClick(sphuta, Qt::Key_Down);
        QCOMPARE(sphuta->currentRow(), 1);
        // A click on a row chooses its body, and choosing one selects its row.
        panel->chooseBody(4);
        QCOMPARE(sphuta->currentRow(), 4);
        QCOMPARE(table("tblAspectComparison")->currentRow(), 4);
    }

    // Side by side: the three lists of every body, by the record.
    void theTwoAspectsSideBySide()
    {
        reading();
        panel->showPlanetAspects(true);
        const GrahaDrishtiRecord& graha = driver->records().grahaDrishti;
        QTableWidget* lists = table("tblAspectComparison");
        QVERIFY(!lists->accessibleName().isEmpty());
        const ReadingWords& words = WordsOf(Language::English);
        for (int i = 0; i < kReportRows; ++i) {
            const std::array<unsigned, 3> masks = {graha.both[i], graha.rashiOnly[i], graha.grahaOnly[i]};
            for (int c = 0; c < 3; ++c) {
                QStringList names;
                for (int b = 0; b < kReportRows; ++b)
                    if ((masks[c] >> b) & 1u)
                        names << QString::fromUtf8(words.shortBodies[b].data(), qsizetype(words.shortBodies[b].size()));
                QCOMPARE(lists->item(i, c)->text(), names.isEmpty() ? QStringLiteral("none") : names.join(", "));
            }
        }
    }

    // The chosen body's arrows go to the signs it aspects by the planet
    // aspects (not its sign's), each with its strength beside it.
    void theArrowsFollowTheChosenAspect_data()
    {
        QTest::addColumn<int>("body");
        for (int body = 0; body < kReportRows; ++body)
            QTest::newRow(qPrintable(QStringLiteral("row %1").arg(body))) << body;
    }
    void theArrowsFollowTheChosenAspect()
    {
        QFETCH(int, body);
        reading();
        panel->chooseBody(body);
        const auto arrowSigns = [this] {
            unsigned signs = 0;
            for (const ArrowRoute& route : RouteArrows(chart()->currentLayout(), chart()->model(), chart()->options()))
                signs |= 1u << route.toSign;
            return signs;
        };
        QCOMPARE(arrowSigns(), AspectedSigns(chart()->model(), body));
        panel->showPlanetAspects(true);
        const GrahaDrishtiRecord& graha = driver->records().grahaDrishti;
        QCOMPARE(arrowSigns(), GrahaSigns(graha, body));
        QCOMPARE(ShownAspectSigns(chart()->model(), chart()->options()), GrahaSigns(graha, body));
        for (const GrahaAspect& aspect : graha.aspects[body])
            QCOMPARE(chart()->model().grahaVirupas[body][aspect.sign], graha.sphuta[body][kReportRows + aspect.house - 1]);
        QVERIFY(chart()->accessibleDescription().contains(
            QString::fromStdString(GrahaAspectsText(graha.aspects[body], WordsOf(Language::English)))));
        panel->chooseBody(-1);
        QVERIFY(arrowSigns() == 0);
    }

    // Options › Node Aspects: the nodes' 5th and 9th in full, the reading
    // on show evaluated again, and the choice kept for the next run.
    void theNodesOptionIsAppliedAndRemembered()
    {
        reading();
        panel->showPlanetAspects(true);
        const auto rahuFifth = [this] { return driver->records().grahaDrishti.aspects[7][2].quarters; };
        QCOMPARE(panel->nodeAspects(), NodeAspects::Seventh);
        QCOMPARE(rahuFifth(), 2);
        const QString before = Child<QLabel>(*panel, "lblGrahaAspects_7")->text();
        panel->setNodeAspects(NodeAspects::FifthNinth);
        QCOMPARE(driver->records().grahaDrishti.nodes, NodeAspects::FifthNinth);
        QCOMPARE(rahuFifth(), 4);
        QVERIFY(Child<QLabel>(*panel, "lblGrahaAspects_7")->text() != before);
        QCOMPARE(ProgramSettings().value(QLatin1String(ResultsPanel::kNodeAspectsKey)).toString(), QStringLiteral("5-9"));
        freshPanel();
        reading();
        QCOMPARE(panel->nodeAspects(), NodeAspects::FifthNinth);
        QCOMPARE(rahuFifth(), 4);
    }

    // What is kept of the reading carries the graha drishti: the PDF and the
    // print have its page, Copy Reading its lines.
    void theKeptReadingHasTheGrahaDrishti()
    {
        QTemporaryDir folder;
        reading();
        panel->showPlanetAspects(true);
        dialogs->printTo = folder.filePath(QStringLiteral("printed.pdf"));
        panel->print();
        QCOMPARE(PdfPages(dialogs->printTo), 2);
        dialogs->saveAnswers << folder.filePath(QStringLiteral("exported.pdf"));
        panel->exportPdf();
        QCOMPARE(PdfPages(folder.filePath(QStringLiteral("exported.pdf"))), 2);
        panel->copyReading();
        const std::vector<std::string> lines = GrahaDrishtiLines(driver->records());
        QVERIFY(QApplication::clipboard()->text().endsWith(QString::fromStdString(lines.back()) + QLatin1Char('\n')));
    }
};

QTEST_MAIN(TestResultsGraha)
#include "test_results_graha.moc"
