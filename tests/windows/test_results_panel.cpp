// The results panel: built on the first reading only, the 36 captions as the
// driver makes them, the header, choosing a body (row, chart, keyboard), the
// rule and the diagram's style kept between runs, and the files it writes.

#include "results_panel_fixture.h"
#include "ui_helpers.h"
#include "recording_dialogs.h"

#include "core/reading/calculation_driver.h"
#include "core/reading/reading_header.h"
#include "core/time_window/time_window.h"
#include "core/time_window/window_text.h"
#include "windows/chart_folder.h"
#include "windows/chart_view.h"
#include "windows/main_window.h"
#include "windows/program_settings.h"
#include "windows/results_panel.h"

#include <QApplication>
#include <QClipboard>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QScrollArea>
#include <QScreen>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

using namespace rashi;
using namespace rashi::testing;

namespace {

// Prints to a PDF file instead of asking for a printer.
class PrintingRecorder : public UiRecorder {
public:
    QString printTo;
    QStringList proposed; // the file each print offered
    bool choosePrinter(QPrinter& printer) override
    {
        proposed << printer.outputFileName();
        if (printTo.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printTo);
        return true;
    }
};


QString PdfText(const QString& file)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {file, QStringLiteral("-")});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput()).normalized(QString::NormalizationForm_KC).simplified();
}

} // namespace

class TestResultsPanel : public QObject, ResultsPanelFixture<PrintingRecorder> {
    Q_OBJECT

private slots:
    void initTestCase() { useTestSettings(QStringLiteral("Rashi Drishti results panel test")); }
    void init() { setUpPanel(); }
    void cleanup() { tearDownPanel(); }

    void nothingIsBuiltBeforeTheFirstReading()
    {
        QCOMPARE(panel->objectName(), QStringLiteral("Frame2"));
        QVERIFY(!panel->isBuilt());
        QVERIFY(panel->findChildren<QWidget*>().isEmpty());
        // Keeping a reading that does not exist does nothing.
        panel->exportPdf();
        panel->saveChartPicture();
        panel->print();
        QApplication::clipboard()->setText(QStringLiteral("before"));
        panel->copyReading();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("before"));
        QVERIFY(dialogs->saveDialogs.isEmpty());
        QVERIFY(!panel->isBuilt());
    }

    void theCaptionsFirstTexts_data()
    {
        QTest::addColumn<QString>("array");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("names") << "lblPlanets_" << "Mercury" << QColor(255, 255, 255);
        QTest::newRow("positions") << "lblPlanets_Position_" << "Planets Position" << QColor(255, 255, 128);
        QTest::newRow("aspects") << "lblAspects_" << "Result" << QColor(255, 192, 128);
        QTest::newRow("grahas") << "lblGrahas_" << "Grahas" << QColor(224, 224, 224);
    }
    void theCaptionsFirstTexts()
    {
        QFETCH(QString, array);
        QFETCH(QString, caption);
        QFETCH(QColor, colour);
        panel->ensureBuilt();
        for (int i = 0; i < 9; ++i) {
            auto* label = Child<QLabel>(*panel, array + QString::number(i));
            QCOMPARE(label->text(), caption);
            QCOMPARE(label->palette().color(QPalette::WindowText), colour);
            QVERIFY(Child<QScrollArea>(*panel, "resultsScroll")->widget()->isAncestorOf(label));
        }
        QVERIFY(!panel->findChild<QLabel*>(array + QStringLiteral("9")));
    }

    void theReadingItsHeaderAndDiagram()
    {
        reading();
        QCOMPARE(ResultCaptions(*panel), Lines(ReportLines(driver->report())));
        for (const HeaderField& field : ReadingHeader(driver->records()))
            QCOMPARE(Child<QLabel>(*panel, QStringLiteral("header_") + QString::fromStdString(field.label))->text(),
                     QString::fromStdString(field.value));
        const ChartModel& model = chart()->model();
        QCOMPARE(model.personName, QStringLiteral("Ada Lovelace"));
        QCOMPARE(model.bodies[1].sign, SignOfPosition(driver->report().lblPlanets_Position[1]));
        QCOMPARE(chart()->chosenBody(), -1);
    }

    void choosingABody_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("body");
        QTest::newRow("click a name") << "lblPlanets_4" << 4;
        QTest::newRow("click a position") << "lblPlanets_Position_2" << 2;
        QTest::newRow("click a sentence") << "lblGrahas_8" << 8;
        QTest::newRow("click in the chart") << "chart" << 6;
        QTest::newRow("click between a row's captions") << "between:5" << 5;
        QTest::newRow("key 2") << "key:2" << 1;
        QTest::newRow("key Down from none") << "key:down" << 0;
        QTest::newRow("key Up from none") << "key:up" << 8;
    }
    void choosingABody()
    {
        QFETCH(QString, how);
        QFETCH(int, body);
        reading();
        if (how == QLatin1String("chart")) {
            const ChartLayout layout = chart()->currentLayout();
            QPointF at;
            for (const PlacedText& text : layout.texts)
                if (text.kind == PlacedText::Body && text.body == body)
                    at = text.box.center();
            QTest::mouseClick(chart(), Qt::LeftButton, {}, at.toPoint());
        } else if (how.startsWith(QLatin1String("between:"))) {
            // The gap between a row's name and its position, where no caption is.
            const int row = how.mid(8).toInt();
            auto* nameLabel = Child<QLabel>(*panel, QStringLiteral("lblPlanets_%1").arg(row));
            const QRect name = nameLabel->geometry();
            const QRect position = Child<QLabel>(*panel, QStringLiteral("lblPlanets_Position_%1").arg(row))->geometry();
            QTest::mouseClick(nameLabel->parentWidget(), Qt::LeftButton, {},
                              QPoint(name.left() + 2, (name.bottom() + position.top()) / 2));
        } else if (how.startsWith(QLatin1String("key:"))) {
            chart()->setFocus();
            const QString key = how.mid(4);
            QTest::keyClick(chart(), key == QLatin1String("down") ? Qt::Key_Down
                                     : key == QLatin1String("up") ? Qt::Key_Up
                                                                  : Qt::Key(Qt::Key_0 + key.toInt()));
        } else {
            QTest::mouseClick(Child<QLabel>(*panel, how), Qt::LeftButton);
        }
        QCOMPARE(panel->chosenBody(), body);
        QCOMPARE(chart()->options().chosenBody, body);
        // The chosen row stands out: a band behind its four captions, seen
        // between the name and the sentences; the other rows have none.
        const QImage shown = panel->grab().toImage();
        for (int i = 0; i < 9; ++i) {
            auto* nameLabel = Child<QLabel>(*panel, QStringLiteral("lblPlanets_%1").arg(i));
            const QPoint offset = nameLabel->parentWidget()->mapTo(panel.get(), QPoint(0, 0));
            const QRect name = nameLabel->geometry().translated(offset);
            const QRect aspects = Child<QLabel>(*panel, QStringLiteral("lblAspects_%1").arg(i))->geometry().translated(offset);
            const QPoint between((name.right() + aspects.left()) / 2, name.center().y());
            QVERIFY(panel->chosenRowBand().contains(between) == (i == body));
            QCOMPARE(shown.pixelColor(between * panel->devicePixelRatio()) == QColor(96, 38, 20), i == body);
        }

        // Escape chooses none; a new reading starts with none.
        chart()->setFocus();
        QTest::keyClick(chart(), Qt::Key_Escape);
        QCOMPARE(panel->chosenBody(), -1);
        panel->chooseBody(body);
        reading();
        QCOMPARE(panel->chosenBody(), -1);
    }

    void theRuleIsAppliedAndRemembered()
    {
        reading();
        const QStringList ours = ResultCaptions(*panel);
        QSignalSpy changed(panel.get(), &ResultsPanel::ruleChanged);
        panel->chooseBody(1);
        panel->useClassicalRule(true);
        QCOMPARE(changed.count(), 1);

        CalculationDriver classical;
        classical.SetRule(AspectRuleChoice::Classical);
        QVERIFY(!classical.Calculate(EntriesOf(Greenwich2000())));
        QCOMPARE(ResultCaptions(*panel), Lines(ReportLines(classical.report())));
        QVERIFY(ResultCaptions(*panel) != ours);
        QCOMPARE(chart()->model().rule, kClassicalRule);
        QCOMPARE(panel->chosenBody(), 1); // the choice stays
        QCOMPARE(Child<QLabel>(*panel, "header_Rule")->text(),
                 QString::fromLatin1(RuleTitle(AspectRuleChoice::Classical).data()));
        QCOMPARE(ProgramSettings().value(QLatin1String(ResultsPanel::kRuleKey)).toString(), QStringLiteral("classical"));

        // The next run starts with it.
        freshPanel();
        reading();
        QCOMPARE(panel->rule(), AspectRuleChoice::Classical);
        QCOMPARE(ResultCaptions(*panel), Lines(ReportLines(classical.report())));

        // And back: byte for byte today's reading.
        panel->setRule(AspectRuleChoice::Ours);
        QCOMPARE(ResultCaptions(*panel), ours);
    }

    void theStyleIsRemembered()
    {
        QCOMPARE(panel->diagramStyle(), ChartStyle::South);
        reading();
        QCOMPARE(chart()->diagramStyle(), ChartStyle::South);
        panel->useNorthIndianStyle(true);
        QCOMPARE(chart()->diagramStyle(), ChartStyle::North);
        QCOMPARE(ProgramSettings().value(QLatin1String(ResultsPanel::kStyleKey)).toString(), QStringLiteral("north"));
        freshPanel();
        reading();
        QCOMPARE(chart()->diagramStyle(), ChartStyle::North);
    }

    void keepingTheReading_data()
    {
        QTest::addColumn<QString>("slot");
        QTest::addColumn<QString>("answer"); // the file name chosen; empty = cancel
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("startName");
        QTest::newRow("pdf") << "exportPdf" << "reading.pdf" << "PDF document (*.pdf)" << "Ada Lovelace.pdf";
        QTest::newRow("png") << "saveChartPicture" << "chart.png" << "PNG picture (*.png);;SVG picture (*.svg)"
                             << "Ada Lovelace chart.png";
        QTest::newRow("svg") << "saveChartPicture" << "chart.svg" << "PNG picture (*.png);;SVG picture (*.svg)"
                             << "Ada Lovelace chart.png";
        QTest::newRow("pdf cancelled") << "exportPdf" << "" << "PDF document (*.pdf)" << "Ada Lovelace.pdf";
    }
    void keepingTheReading()
    {
        QFETCH(QString, slot);
        QFETCH(QString, answer);
        QFETCH(QString, filter);
        QFETCH(QString, startName);
        QTemporaryDir dir;
        reading();
        const QString file = answer.isEmpty() ? QString() : dir.filePath(answer);
        dialogs->saveAnswers << file;
        QVERIFY(QMetaObject::invokeMethod(panel.get(), slot.toLatin1().constData()));
        QCOMPARE(dialogs->saveDialogs.size(), 1);
        QCOMPARE(dialogs->saveDialogs[0].filter, filter);
        QCOMPARE(dialogs->saveDialogs[0].startName, startName);
        QVERIFY(dialogs->messages.isEmpty());
        if (answer.isEmpty()) {
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
        } else if (answer.endsWith(QLatin1String(".pdf"))) {
            if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
                QSKIP("pdftotext (poppler-utils) is not installed");
            const QString text = PdfText(file);
            for (const QString& line : ResultCaptions(*panel))
                QVERIFY2(text.contains(line), qPrintable(line));
        } else if (answer.endsWith(QLatin1String(".svg"))) {
            QVERIFY(QSvgRenderer(file).isValid());
        } else {
            QCOMPARE(QImage(file).width(), 800);
        }
    }

    void aFileThatCannotBeWrittenIsReported_data()
    {
        QTest::addColumn<QString>("slot");
        QTest::addColumn<QString>("name");   // in a read-only folder, or a path of its own
        QTest::addColumn<QString>("reason"); // the message's detail
        QTest::newRow("pdf, full") << "exportPdf" << "/dev/full" << "No space left on device";
        QTest::newRow("png, full") << "saveChartPicture" << "/dev/full" << "No space left on device";
        QTest::newRow("pdf, read-only folder") << "exportPdf" << "old.pdf" << "The folder is read-only.";
        QTest::newRow("png, read-only folder") << "saveChartPicture" << "old.png" << "The folder is read-only.";
        QTest::newRow("svg, read-only folder") << "saveChartPicture" << "old.svg" << "The folder is read-only.";
        QTest::newRow("no such folder") << "saveChartPicture" << "/no/such/folder/chart.png"
                                        << "No such file or directory";
    }
    void aFileThatCannotBeWrittenIsReported()
    {
        QFETCH(QString, slot);
        QFETCH(QString, name);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString file = name.startsWith(QLatin1Char('/')) ? name : dir.filePath(name);
        if (!name.startsWith(QLatin1Char('/'))) {
            QFile old(file);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("old");
            old.close();
            QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
        }
        reading();
        dialogs->saveAnswers << file;
        QVERIFY(QMetaObject::invokeMethod(panel.get(), slot.toLatin1().constData()));
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(dialogs->messages.size(), 1);
        QCOMPARE(int(dialogs->messages[0].icon), int(MessageIcon::Critical));
        QVERIFY(dialogs->messages[0].text.contains(file));
        QCOMPARE(dialogs->messages[0].detail, reason);
        if (!name.startsWith(QLatin1Char('/'))) {
            QFile old(file);
            QVERIFY(old.open(QIODevice::ReadOnly));
            QCOMPARE(old.readAll(), QByteArray("old"));
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
        }
    }

    void printingGoesThroughTheChosenPrinter()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        reading();
        panel->print(); // cancelled: nothing
        QTemporaryDir dir;
        dialogs->printTo = dir.filePath(QStringLiteral("printed.pdf"));
        panel->print();
        const QString text = PdfText(dialogs->printTo);
        for (const QString& line : ResultCaptions(*panel))
            QVERIFY2(text.contains(line), qPrintable(line));
        QVERIFY(text.contains(QLatin1String("Ada Lovelace")));
    }

    // Without a printer, Print writes a file: proposed in the folder Export
    // PDF proposes, which printing there keeps.
    void printingToAFileStartsInTheChartFolder()
    {
        if (!QPrinterInfo::availablePrinterNames().isEmpty())
            QSKIP("this machine has printers");
        QTemporaryDir dir;
        ProgramSettings settings;
        RememberChartFolder(settings, dir.filePath(QStringLiteral("some.kqa")));
        reading();
        panel->print();
        QCOMPARE(dialogs->proposed.last(), dir.filePath(QStringLiteral("Ada Lovelace.pdf")));
        const QString other = dir.filePath(QStringLiteral("elsewhere"));
        QVERIFY(QDir().mkpath(other));
        dialogs->printTo = QDir(other).filePath(QStringLiteral("printed.pdf"));
        panel->print();
        QCOMPARE(ChartFolder(settings), other);
    }

    void copyReadingPutsTheTextOnTheClipboard()
    {
        reading();
        panel->copyReading();
        QCOMPARE(QApplication::clipboard()->text(), QString::fromStdString(ReadingText(driver->records())));
        QVERIFY(QApplication::clipboard()->text().contains(QStringLiteral("\nThe chart (lagna ")));
    }

    // The window's two lines under the header; the chart's stands out when a
    // change is five minutes away or less.
    void theWindowLinesUnderTheHeader()
    {
        reading();
        QVERIFY(driver->records().window.computed);
        const std::vector<std::string> lines = WindowLines(driver->records().window);
        const auto shown = [this](const char* name) { return Child<QLabel>(*panel, name)->text(); };
        QVERIFY(shown("windowReading").startsWith(QString::fromStdString(lines[0]).section(QStringLiteral(" (before: "), 0, 0) + "\n    before: "));
        QVERIFY(shown("windowChart").startsWith(QString::fromStdString(lines[1]).section(QStringLiteral(" (before: "), 0, 0) + "\n    before: "));
        QCOMPARE(Child<QLabel>(*panel, "windowChart")->font().bold(), ChartChangesNear(driver->records().window));
        // A birth one minute from the ascendant's change.
        const TimeWindowRecord window = driver->records().window;
        Birth near = Greenwich2000();
        const int shift = window.chart.until.minutes - 1;
        near.minute += shift % 60;
        near.hour += shift / 60 + near.minute / 60;
        near.minute %= 60;
        if (near.hour < 24 && window.chart.until.limit == WindowLimit::Change) {
            reading(near);
            QVERIFY(ChartChangesNear(driver->records().window));
            QVERIFY(Child<QLabel>(*panel, "windowChart")->font().bold());
        }
    }

    void readableAtEverySize_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("day");
        QTest::newRow("bodies spread out") << 2000 << 1;
        // Seven bodies in Makara and the South Node with them: the longest
        // sentence there is, and a house of eight.
        QTest::newRow("eight in one house") << 1962 << 4;
    }

    void readableAtEverySize()
    {
        // The room the panel has in the window: its least, a window 760
        // across, a small laptop's screen and a large one. The chart square,
        // never under 320 pixels, and growing with the room it has. That
        // every caption is whole and none over another, with Save and Back in
        // sight, test_window_sizes checks in the real window on real screens.
        QFETCH(int, year);
        QFETCH(int, day);
        Birth birth = Greenwich2000();
        birth.year = year;
        birth.day = day;
        birth.month = 2;
        reading(birth);
        int previousSide = 0;
        const QSize least = panel->minimumSizeHint();
        const QSize sizes[] = {least, {744, 560}, {1340, 700}, {1900, 1040}};
        auto* scroll = Child<QScrollArea>(*panel, "resultsScroll");
        QWidget* content = scroll->widget();
        for (const QSize size : sizes) {
            panel->resize(size.expandedTo(least));
            QApplication::processEvents();
            const QRectF square = chart()->currentLayout().square;
            QVERIFY2(square.width() >= 320 - 2, qPrintable(QString::number(square.width())));
            QVERIFY(square.width() >= previousSide);
            previousSide = int(square.width());
        }
        QVERIFY(previousSide > 500);
        // Where the sentences wrap, they do so beside the diagram, not under
        // it, and a window 760 across has nothing to scroll sideways.
        panel->resize(744, 560);
        QApplication::processEvents();
        QLabel* longest = panel->findChild<QLabel*>(QStringLiteral("lblGrahas_7"));
        QVERIFY(longest->mapTo(content, QPoint(0, 0)).x() > chart()->geometry().right());
        QVERIFY2(longest->height() >= 2 * longest->fontMetrics().lineSpacing(), "the longest sentence wraps");
        QVERIFY2(content->width() <= scroll->viewport()->width(),
                 qPrintable(QStringLiteral("%1 in %2").arg(content->width()).arg(scroll->viewport()->width())));
    }

    void theFirstReadingMakesRoomForTheDiagram()
    {
        // A window sized for something smaller grows to the panel's wish,
        // within the screen; later readings leave the size the user chose.
        QWidget top;
        auto* column = new QVBoxLayout(&top);
        auto* holder = new ResultsPanel(*driver, *dialogs);
        column->addWidget(holder);
        top.resize(500, 380);
        top.show();
        QVERIFY(!driver->Calculate(EntriesOf(Greenwich2000())));
        holder->showReading();
        // The screen less the window's frame: a panel wider than that scrolls.
        const QSize screen = top.screen()->availableGeometry().size() - (top.frameGeometry().size() - top.size());
        const QSize wish = holder->sizeHint();
        QVERIFY2(top.width() >= qMin(wish.width(), screen.width()), qPrintable(QString::number(top.width())));
        QVERIFY2(top.height() >= qMin(wish.height(), screen.height()), qPrintable(QString::number(top.height())));
        QVERIFY(top.width() <= qMax(screen.width(), top.minimumSizeHint().width()));

        top.resize(top.size() + QSize(40, 40));
        const QSize chosen = top.size();
        holder->showReading();
        QCOMPARE(top.size(), chosen);
    }
};

QTEST_MAIN(TestResultsPanel)
#include "test_results_panel.moc"
