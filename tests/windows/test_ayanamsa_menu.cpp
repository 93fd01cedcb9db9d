// Options > Ayanamsa: every ayanamsa listed, the reading on show follows the
// choice and its header names it, the choice is remembered, and the user's
// own is asked for and checked.

#include "ui_helpers.h"
#include "recording_dialogs.h"

#include "core/ayanamsa/ayanamsa_names.h"
#include "core/chart_files/chart_file.h"
#include "core/reading/calculation_driver.h"
#include "windows/main_window.h"
#include "windows/program_settings.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace rashi;
using namespace rashi::testing;

class TestAyanamsaMenu : public QObject {
    Q_OBJECT

    std::unique_ptr<UiRecorder> dialogs;
    std::unique_ptr<frmMain> window;

    QStringList captionsWith(const Birth& birth, std::optional<AyanamsaChoice> ayanamsa)
    {
        CalculationDriver driver;
        driver.setAyanamsa(ayanamsa);
        if (driver.Calculate(EntriesOf(birth)))
            return {};
        QStringList captions;
        for (const std::string& line : ReportLines(driver.report()))
            captions << QString::fromStdString(line);
        return captions;
    }
    QStringList checkedItems() const
    {
        QStringList checked;
        for (QAction* action : Child<QMenu>(*window, "mnuAyanamsaList")->actions())
            if (action->isChecked())
                checked << action->objectName();
        return checked;
    }

private slots:
    void init()
    {
        QStandardPaths::setTestModeEnabled(true);
        ProgramSettings().remove(QStringLiteral("Reading/Ayanamsa"));
        QVERIFY(ShowFreshWindow(dialogs, window));
    }
    void cleanup()
    {
        window.reset();
        dialogs.reset();
    }

    void listsTheProgramsOwnTheFifteenAndTheUsersOwn()
    {
        QStringList items;
        for (QAction* action : Child<QMenu>(*window, "mnuAyanamsaList")->actions())
            if (!action->isSeparator()) {
                items << action->objectName();
                QVERIFY2(action->isCheckable() && !action->text().isEmpty(), qPrintable(action->objectName()));
            }
        QCOMPARE(items.size(), 17);
        QCOMPARE(items.first(), QStringLiteral("mnuAyanamsa_own"));
        QVERIFY(items.contains(QStringLiteral("mnuAyanamsa_true_pushya")));
        QCOMPARE(items.last(), QStringLiteral("mnuAyanamsa_custom"));
        QCOMPARE(checkedItems(), QStringList{QStringLiteral("mnuAyanamsa_own")});
        QCOMPARE(window->driver().ayanamsa(), std::optional<AyanamsaChoice>(AyanamsaChoice{}));
    }

    void theReadingOnShowFollowsTheChoiceAndItIsRemembered()
    {
        EnterBirth(*window, Greenwich2000());
        Click(*window, "cmdCalculate");
        const QStringList own = ResultCaptions(*window);
        QCOMPARE(own, captionsWith(Greenwich2000(), std::nullopt));

        Child<QAction>(*window, "mnuAyanamsa_raman")->trigger();
        const AyanamsaChoice raman{AyanamsaKind::Raman};
        QCOMPARE(ResultCaptions(*window), captionsWith(Greenwich2000(), raman));
        QVERIFY(ResultCaptions(*window) != own); // Raman is 1°27' behind: the Sun's degrees change
        const QString header = Child<QLabel>(*window, "header_Ayanamsa")->text();
        QVERIFY2(header.startsWith(QStringLiteral("Raman 22\u00B024'")), qPrintable(header));

        QVERIFY(ShowFreshWindow(dialogs, window));
        QCOMPARE(checkedItems(), QStringList{QStringLiteral("mnuAyanamsa_raman")});
        QCOMPARE(window->driver().ayanamsa(), std::optional<AyanamsaChoice>(raman));

        Child<QAction>(*window, "mnuAyanamsa_own")->trigger();
        QCOMPARE(window->driver().ayanamsa(), std::optional<AyanamsaChoice>(AyanamsaChoice{}));
        QVERIFY(ShowFreshWindow(dialogs, window));
        QCOMPARE(window->driver().ayanamsa(), std::optional<AyanamsaChoice>(AyanamsaChoice{}));
    }

    void theUsersOwnIsAskedForAndChecked()
    {
        Child<QAction>(*window, "mnuAyanamsa_lahiri")->trigger();
        auto* custom = Child<QAction>(*window, "mnuAyanamsa_custom");

        // Cancelled: nothing changes.
        custom->trigger();
        QCOMPARE(dialogs->questions.size(), 1);
        QCOMPARE(checkedItems(), QStringList{QStringLiteral("mnuAyanamsa_lahiri")});

        // Nonsense is refused with what was given and the ranges, asked again
        // with the text typed, and when cancelled the choice stays.
        dialogs->textAnswers = {QStringLiteral("24 degrees\x1b")};
        custom->trigger();
        QCOMPARE(dialogs->texts(), QStringList{QStringLiteral("Please Check The Ayanamsa.")});
        QVERIFY(dialogs->messages.first().detail.contains(QStringLiteral("\\x1b")));
        QVERIFY(dialogs->messages.first().detail.contains(QStringLiteral("within 180 either way")));
        QCOMPARE(dialogs->questions.size(), 3);
        QVERIFY(dialogs->questions.last().endsWith(QStringLiteral("\n24 degrees\x1b")));
        QCOMPARE(checkedItems(), QStringList{QStringLiteral("mnuAyanamsa_lahiri")});
        QCOMPARE(window->driver().ayanamsa(), std::optional<AyanamsaChoice>(AyanamsaChoice{AyanamsaKind::Lahiri}));

        // Typed with a space after the comma, as people do.
        dialogs->textAnswers = {QStringLiteral(" 23.5, 50.3 ")};
        custom->trigger();
        const AyanamsaChoice own{AyanamsaKind::Custom, 23.5, 50.3};
        QCOMPARE(window->driver().ayanamsa(), std::optional<AyanamsaChoice>(own));
        QCOMPARE(checkedItems(), QStringList{QStringLiteral("mnuAyanamsa_custom")});
        QVERIFY2(custom->text().contains(QStringLiteral("23.5")), qPrintable(custom->text()));
        // Asked again, it offers the values in force.
        custom->trigger();
        QVERIFY2(dialogs->questions.last().endsWith(QStringLiteral("\n23.5,50.3")), qPrintable(dialogs->questions.last()));
        QVERIFY(ShowFreshWindow(dialogs, window));
        QCOMPARE(window->driver().ayanamsa(), std::optional<AyanamsaChoice>(own));
    }

    // An opened chart is read by its own ayanamsa, or by the program's own
    // when it names none, as the report tool reads it; the choice kept for
    // the next run stays the user's.
    void openingAChartPutsItsAyanamsaInForce()
    {
        // A chart saved with Raman, opened while Lahiri is chosen.
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("raman.kqa"));
        CalculationDriver saving;
        saving.setAyanamsa(AyanamsaChoice{AyanamsaKind::Raman});
        QVERIFY(!saving.Calculate(EntriesOf(Greenwich2000())));
        {
            QFile out(file);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(QByteArray::fromStdString(FormatChartFile(saving.records().birth, 29)));
        }
        Child<QAction>(*window, "mnuAyanamsa_lahiri")->trigger();
        window->openChartFile(file);
        QVERIFY(dialogs->messages.isEmpty());
        QCOMPARE(checkedItems(), QStringList{QStringLiteral("mnuAyanamsa_raman")});
        QCOMPARE(ResultCaptions(*window), captionsWith(Greenwich2000(), AyanamsaChoice{AyanamsaKind::Raman}));
        QVERIFY(Child<QLabel>(*window, "header_Ayanamsa")->text().startsWith(QStringLiteral("Raman ")));
        QCOMPARE(ProgramSettings().value(QStringLiteral("Reading/Ayanamsa")).toString(), QStringLiteral("lahiri"));

        // A chart without one: the program's own.
        CalculationDriver plain;
        QVERIFY(!plain.Calculate(EntriesOf(Greenwich2000())));
        const QString plainFile = dir.filePath(QStringLiteral("plain.kqa"));
        {
            QFile out(plainFile);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(QByteArray::fromStdString(FormatChartFile(plain.records().birth, 29)));
        }
        window->openChartFile(plainFile);
        QCOMPARE(checkedItems(), QStringList{QStringLiteral("mnuAyanamsa_own")});
        QCOMPARE(ResultCaptions(*window), captionsWith(Greenwich2000(), AyanamsaChoice{}));
        QCOMPARE(ProgramSettings().value(QStringLiteral("Reading/Ayanamsa")).toString(), QStringLiteral("lahiri"));

        // The next run starts with the user's choice.
        QVERIFY(ShowFreshWindow(dialogs, window));
        QCOMPARE(checkedItems(), QStringList{QStringLiteral("mnuAyanamsa_lahiri")});
    }
};

QTEST_MAIN(TestAyanamsaMenu)
#include "test_ayanamsa_menu.moc"
