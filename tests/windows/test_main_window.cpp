// The main window: its starting state, lists, captions and colours, menus,
// tab order, readings against the core, Back, validation and the place lookup.

#include "core/entries/birth_choices.h"
#include "ui_helpers.h"
#include "recording_dialogs.h"

#include "core/zones/time_zones.h"
#include "core/reading/calculation_driver.h"
#include "windows/main_window.h"
#include "shared_ui/links.h"
#include "shared_ui/link_label.h"

#include <QHash>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionComboBox>
#include <QShortcut>
#include <QTemporaryDir>
#include <QScrollArea>
#include <QStackedWidget>
#include <QtTest>

#include <memory>

using namespace rashi;
using namespace rashi::testing;

Q_DECLARE_METATYPE(rashi::testing::Birth)

class TestMainWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<UiRecorder> dialogs;
    std::unique_ptr<frmMain> window;

    QStringList expectedCaptions(const Birth& birth)
    {
        CalculationDriver driver;
        if (driver.Calculate(EntriesOf(birth)))
            return {};
        QStringList captions;
        for (const std::string& line : ReportLines(driver.report()))
            captions << QString::fromStdString(line);
        return captions;
    }

private slots:
    void initTestCase()
    {
        SetProgramAddresses({QStringLiteral("https://example.org/"), QStringLiteral("https://example.org/download")});
    }
    void init()
    {
        QVERIFY(ShowFreshWindow(dialogs, window));
    }
    void cleanup()
    {
        window.reset();
        dialogs.reset();
    }

    void startState()
    {
        QCOMPARE(window->windowTitle(), QStringLiteral("Tarvek Rashi Drishti (Sign Aspects) v1.10"));
        QVERIFY(!ResultsInFront(*window));
        QVERIFY(Child<QWidget>(*window, "Frame1")->isVisible());
        for (const char* box : {"txtName", "txtLatDeg", "txtLatMin", "txtLonDeg", "txtLonMin", "txtCity", "txtState",
                                "txtCountry"})
            QVERIFY2(Child<QLineEdit>(*window, box)->text().isEmpty(), box);
        for (const char* list : {"cboDate", "cboMonth", "cboHour", "cboMinute", "cboTimeZone"})
            QVERIFY2(Child<QComboBox>(*window, list)->currentIndex() == 0, list);
        // The years begin at 1600 but the list opens at 1901, as before.
        QCOMPARE(Child<QComboBox>(*window, "cboYear")->currentText(), QStringLiteral("1901"));
        QVERIFY(Child<QCheckBox>(*window, "chkJulian")->isVisible());
        QVERIFY(Child<QRadioButton>(*window, "optLat_0")->isChecked());
        QVERIFY(!Child<QRadioButton>(*window, "optLat_1")->isChecked());
        QVERIFY(Child<QRadioButton>(*window, "optLong_0")->isChecked());
        QVERIFY(!Child<QRadioButton>(*window, "optLong_1")->isChecked());
        QVERIFY(!Child<QCheckBox>(*window, "chkDST")->isChecked());
        QCOMPARE(QApplication::focusWidget(), Child<QWidget>(*window, "txtName"));
        QCOMPARE(window->chartFileName(), QString());
        QVERIFY(dialogs->messages.isEmpty());
    }

    void julianBoxBeforeTheLastChange_data()
    {
        QTest::addColumn<QString>("year");
        QTest::addColumn<bool>("shown");
        QTest::newRow("1600") << "1600" << true;
        QTest::newRow("1752") << "1752" << true;
        QTest::newRow("1923") << "1923" << true;
        QTest::newRow("1924") << "1924" << false;
        QTest::newRow("2400") << "2400" << false;
    }
    void julianBoxBeforeTheLastChange()
    {
        QFETCH(QString, year);
        QFETCH(bool, shown);
        auto* julian = Child<QCheckBox>(*window, "chkJulian");
        julian->setChecked(true);
        Choose(*window, "cboYear", year);
        QCOMPARE(julian->isVisible(), shown);
        // Only a box on the screen makes the date Julian.
        QCOMPARE(CalendarOf(window->entries()) == Calendar::Julian, shown);
        julian->setChecked(false);
        QCOMPARE(CalendarOf(window->entries()), Calendar::Gregorian);
    }
    void nodesMenuOffersTheMeanAndTheTrueNode()
    {
        auto* mean = Child<QAction>(*window, "mnuMeanNode");
        auto* osculating = Child<QAction>(*window, "mnuTrueNode");
        QVERIFY(mean->isChecked() != osculating->isChecked());
        QCOMPARE(osculating->text(), QStringLiteral("&True Node"));
        QCOMPARE(Child<QMenu>(*window, "mnuNodes")->title(), QStringLiteral("No&des"));
    }

    void listContents_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::newRow("days") << "cboDate" << 31 << "1" << "31";
        QTest::newRow("months") << "cboMonth" << 12 << "January" << "December";
        QTest::newRow("years") << "cboYear" << 801 << "1600" << "2400";
        QTest::newRow("hours") << "cboHour" << 25 << "0" << "24";
        QTest::newRow("minutes") << "cboMinute" << 60 << "0" << "59";
        QTest::newRow("zones") << "cboTimeZone" << 71 << "Alaska/Hawaii Daylight Time,AHDT,9.0"
                               << "Yukon War Time,YWT,8.0";
    }
    void listContents()
    {
        QFETCH(QString, list);
        QFETCH(int, count);
        QFETCH(QString, first);
        QFETCH(QString, last);
        auto* box = Child<QComboBox>(*window, list);
        QVERIFY(!box->isEditable());
        QCOMPARE(box->count(), count);
        QCOMPARE(box->itemText(0), first);
        QCOMPARE(box->itemText(count - 1), last);
        if (list == QLatin1String("cboTimeZone")) {
            // A list position is a row of the time-zone table.
            for (int row = 0; row < kTimeZoneCount; ++row)
                QCOMPARE(box->itemText(row).toStdString(), std::string(TimeZones().TimeZoneList[row]));
        } else if (list != QLatin1String("cboMonth")) {
            for (int i = 0; i < count; ++i)
                QCOMPARE(box->itemText(i), QString::number(first.toInt() + i));
        }
    }

    void captions_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("accessKey"); // what Alt+letter presses it, or none
        QTest::newRow("cmdCalculate") << "cmdCalculate" << "&Get My Rashi Drishti (Sign Aspects) Reading"
                                      << "Alt+G";
        QTest::newRow("cmdOpen") << "cmdOpen" << "&Open Previously Saved Reading" << "Alt+O";
        QTest::newRow("Command1") << "Command1" << "Click here to find Latitude && Longitude" << "";
        QTest::newRow("cmdBack") << "cmdBack" << "&Back" << "Alt+B";
        QTest::newRow("cmdSave") << "cmdSave" << "&Save" << "Alt+S";
        QTest::newRow("chkDST") << "chkDST" << "Daylight Saving Time" << "";
        QTest::newRow("North") << "optLat_0" << "North" << "";
        QTest::newRow("South") << "optLat_1" << "South" << "";
        QTest::newRow("East") << "optLong_0" << "East" << "";
        QTest::newRow("West") << "optLong_1" << "West" << "";
    }
    void captions()
    {
        QFETCH(QString, control);
        QFETCH(QString, caption);
        QFETCH(QString, accessKey);
        if (control.startsWith(QLatin1String("cmdBack")) || control.startsWith(QLatin1String("cmdSave"))) {
            // The results panel's buttons come with the first reading.
            EnterBirth(*window, Greenwich2000());
            Click(*window, "cmdCalculate");
        }
        auto* button = Child<QAbstractButton>(*window, control);
        QCOMPARE(button->text(), caption);
        // The key the control itself answers to ("&&" is a plain ampersand).
        QCOMPARE(QKeySequence::mnemonic(button->text()).toString(), accessKey);
        QCOMPARE(button->shortcut().toString(), accessKey);
    }

    void panelsAndLabels()
    {
        auto* frame1 = Child<QGroupBox>(*window, "Frame1");
        // The results panel is not made before it is needed.
        QVERIFY(!window->findChild<QWidget*>(QStringLiteral("Frame2")));
        window->resultsPanel();
        auto* frame2 = Child<QGroupBox>(*window, "Frame2");
        QCOMPARE(frame1->title(), QStringLiteral("Personal Details"));
        QCOMPARE(frame2->title(), QStringLiteral("Tarvek Rashi Drishti (Sign Aspects) Results"));
        // Stacked in one place, the input panel in a scroll area of its own
        // (the results panel scrolls its reading inside, its buttons in sight).
        auto* panels = Child<QStackedWidget>(*window, "panels");
        QVERIFY(panels->isAncestorOf(frame1));
        QCOMPARE(frame2->parentWidget(), static_cast<QWidget*>(panels));
        QCOMPARE(panels->indexOf(Child<QScrollArea>(*window, "inputScroll")), 0);
        for (QWidget* panel : {static_cast<QWidget*>(frame1), static_cast<QWidget*>(frame2)}) {
            QVERIFY(panel->autoFillBackground());
            QCOMPARE(panel->palette().color(QPalette::Window), QColor(137, 61, 35));
            QCOMPARE(panel->palette().color(QPalette::WindowText), QColor(Qt::white));
        }
        for (const char* option : {"optLat_0", "optLat_1", "optLong_0", "optLong_1", "chkDST"})
            QCOMPARE(Child<QWidget>(*window, option)->palette().color(QPalette::WindowText), QColor(Qt::white));

        // The results panel is built by the first reading; its captions'
        // first texts are checked in test_results_panel.
        QVERIFY(!window->findChild<QLabel*>(QStringLiteral("lblPlanets_0")));
        EnterBirth(*window, Greenwich2000());
        Click(*window, "cmdCalculate");

        struct Array {
            const char* name;
            QColor colour;
        };
        const Array arrays[] = {{"lblPlanets_", QColor(255, 255, 255)},
                                {"lblPlanets_Position_", QColor(255, 255, 128)},
                                {"lblAspects_", QColor(255, 192, 128)},
                                {"lblGrahas_", QColor(224, 224, 224)}};
        for (const Array& array : arrays) {
            for (int i = 0; i < 9; ++i) {
                auto* label = Child<QLabel>(*window, QString::fromLatin1(array.name) + QString::number(i));
                QVERIFY(!label->text().isEmpty());
                QCOMPARE(label->palette().color(QPalette::WindowText), array.colour);
                QVERIFY(frame2->isAncestorOf(label));
            }
        }
        QVERIFY(!window->findChild<QLabel*>(QStringLiteral("lblPlanets_9")));

        const QFont font = window->font();
        QCOMPARE(font.families().value(0), QStringLiteral("Verdana"));
        QVERIFY(font.families().contains(QStringLiteral("DejaVu Sans")));
    }

    void resultRowsAreLaidOut()
    {
        // After a reading: nine rows top to bottom, each name above its
        // position and each aspect sentence above its grahas sentence, the
        // sentences right of the names, nothing overlapping or cut off.
        EnterBirth(*window, Greenwich2000());
        Click(*window, "cmdCalculate");
        QVERIFY(ResultsInFront(*window));
        // Wide and narrow: a narrow window wraps the sentences and is as tall as they need.
        const auto fitted = [&](int width) {
            return QSize(width, window->menuBar()->height() + window->centralWidget()->heightForWidth(width));
        };
        for (const QSize size : {fitted(window->minimumSize().width()), fitted(900), QSize(1400, 900)}) {
            window->resize(size);
            QApplication::processEvents();
            int previousBottom = -1;
            for (int i = 0; i < 9; ++i) {
                QList<QLabel*> row;
                for (const char* array : {"lblPlanets_", "lblPlanets_Position_", "lblAspects_", "lblGrahas_"})
                    row << Child<QLabel>(*window, QString::fromLatin1(array) + QString::number(i));
                for (QLabel* label : row) {
                    // The whole caption fits: nothing cut off (a long one wraps).
                    if (label->wordWrap()) {
                        QVERIFY2(label->height() >= label->heightForWidth(label->width()), qPrintable(label->objectName()));
                        continue;
                    }
                    QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->objectName()));
                    QVERIFY2(label->height() >= label->sizeHint().height(), qPrintable(label->objectName()));
                }
                auto geometry = [&](const char* array) {
                    return Child<QLabel>(*window, QString::fromLatin1(array) + QString::number(i))->geometry();
                };
                const QRect name = geometry("lblPlanets_");
                const QRect position = geometry("lblPlanets_Position_");
                const QRect aspects = geometry("lblAspects_");
                const QRect grahas = geometry("lblGrahas_");
                QVERIFY(name.bottom() < position.top());
                QVERIFY(aspects.bottom() < grahas.top());
                QVERIFY(name.right() < aspects.left());
                QVERIFY(position.right() < grahas.left());
                QVERIFY(name.top() > previousBottom);
                previousBottom = qMax(position.bottom(), grahas.bottom());
            }
            auto* save = Child<QPushButton>(*window, "cmdSave");
            auto* back = Child<QPushButton>(*window, "cmdBack");
            QVERIFY(save->geometry().right() < back->geometry().left());
            // The buttons under the scrolled reading, never over it, within the panel.
            auto* frame = Child<QWidget>(*window, "Frame2");
            const auto inFrame = [frame](const QWidget* w) { return QRect(w->mapTo(frame, QPoint(0, 0)), w->size()); };
            QVERIFY(inFrame(save).top() > inFrame(Child<QWidget>(*window, "resultsScroll")).bottom());
            QVERIFY(frame->rect().contains(inFrame(back)));
        }
    }

    void menus_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("caption");
        QTest::newRow("mnuCalculate") << "mnuCalculate" << "Get My &Rasi Chart";
        QTest::newRow("mnuOpen") << "mnuOpen" << "&Open...";
        QTest::newRow("mnuSave") << "mnuSave" << "&Save...";
        QTest::newRow("mnuExit") << "mnuExit" << "E&xit";
        QTest::newRow("mnuOnline") << "mnuOnline" << "&Online Help";
        QTest::newRow("mnuVisit") << "mnuVisit" << "&Visit Us Online";
        QTest::newRow("mnuUpdate") << "mnuUpdate" << "Check for Software &Update";
        QTest::newRow("mnuAbout") << "mnuAbout" << "&About Software";
    }
    void menus()
    {
        QFETCH(QString, item);
        QFETCH(QString, caption);
        QCOMPARE(Child<QAction>(*window, item)->text(), caption);
    }

    // Alt and one letter reach every item: no two items of a menu, and no two
    // menus of the bar, share their underlined letter, and every one has one.
    void mnemonicsAreUniquePerMenu()
    {
        const auto letter = [](const QString& text) {
            const qsizetype at = text.indexOf(QLatin1Char('&'));
            return at >= 0 && at + 1 < text.size() ? text.at(at + 1).toLower() : QChar();
        };
        QList<QList<QAction*>> lists{window->menuBar()->actions()};
        for (QAction* top : window->menuBar()->actions())
            lists << top->menu()->actions();
        for (const QList<QAction*>& actions : lists) {
            QHash<QChar, QString> seen;
            for (QAction* action : actions) {
                if (action->isSeparator())
                    continue;
                const QChar key = letter(action->text());
                QVERIFY2(!key.isNull(), qPrintable(action->text()));
                QVERIFY2(!seen.contains(key), qPrintable(seen.value(key) + " and " + action->text()));
                seen.insert(key, action->text());
            }
        }
    }

    // The menu bar's letters and the shown panel's buttons and captions
    // never share an Alt key: a shared one only moves the focus between them.
    void noAltKeyServesTwoThings()
    {
        for (const bool results : {false, true}) {
            if (results) {
                EnterBirth(*window, Greenwich2000());
                Click(*window, "cmdCalculate");
                QVERIFY(ResultsInFront(*window));
            }
            QHash<QString, QString> seen;
            const auto take = [&](const QKeySequence& key, const QString& what) {
                if (key.isEmpty())
                    return;
                QVERIFY2(!seen.contains(key.toString()), qPrintable(seen.value(key.toString()) + " and " + what));
                seen.insert(key.toString(), what);
            };
            for (QAction* top : window->menuBar()->actions())
                take(QKeySequence::mnemonic(top->text()), top->text());
            for (QAbstractButton* button : window->centralWidget()->findChildren<QAbstractButton*>())
                if (button->isVisibleTo(window.get()))
                    take(QKeySequence::mnemonic(button->text()), button->text());
            for (QShortcut* shortcut : window->centralWidget()->findChildren<QShortcut*>())
                if (auto* owner = qobject_cast<QWidget*>(shortcut->parent()); owner->isVisibleTo(window.get()))
                    take(shortcut->key(), owner->objectName());
            QVERIFY(seen.size() >= (results ? 6 : 16));
        }
    }

    void menuOrder()
    {
        const QList<QAction*> top = window->menuBar()->actions();
        QCOMPARE(top.size(), 4);
        QCOMPARE(top[0]->text(), QStringLiteral("&File"));
        QCOMPARE(top[1]->text(), QStringLiteral("&Edit"));
        QCOMPARE(top[2]->text(), QStringLiteral("O&ptions")); // Alt+O is the Open button's
        QCOMPARE(top[3]->text(), QStringLiteral("&Help"));
        auto names = [](QMenu* menu) {
            QStringList list;
            for (QAction* action : menu->actions())
                list << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
            return list;
        };
        QCOMPARE(names(top[0]->menu()),
                 QStringList({"mnuCalculate", "-", "mnuOpen", "mnuSave", "mnuImport", "mnuRecentCharts", "-", "mnuPlaces",
                              "-", "mnuPrint", "mnuExportPdf", "mnuSavePicture", "-", "mnuExit"}));
        QCOMPARE(names(top[1]->menu()), QStringList({"mnuCopyReading"}));
        QCOMPARE(names(top[2]->menu()),
                 QStringList({"mnuFormulas", "mnuPrecise", "-", "mnuClassicalRule", "mnuNorthIndian", "-", "mnuAyanamsa", "mnuNodes", "-",
                              "mnuSevenKarakas", "mnuArudhaExceptions", "-", "mnuNodeAspects", "-", "mnuLanguage"}));
        QCOMPARE(names(top[3]->menu()),
                 QStringList({"mnuOnline", "mnuVisit", "-", "mnuUpdate", "-", "mnuAbout"}));
    }

    void webPages_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("page");
        QTest::newRow("mnuVisit") << "mnuVisit" << ProgramAddresses().home;
        QTest::newRow("mnuUpdate") << "mnuUpdate" << ProgramAddresses().download;
        QTest::newRow("Label8") << "Label8" << ProgramAddresses().home;
    }
    void webPages()
    {
        QFETCH(QString, item);
        QFETCH(QString, page);
        if (item == QLatin1String("Label8")) {
            auto* label = Child<LinkLabel>(*window, item);
            QVERIFY(label->isVisible());
            QTest::mouseClick(label, Qt::LeftButton);
        } else {
            Child<QAction>(*window, item)->trigger();
        }
        QCOMPARE(dialogs->openedUrls, QList<QUrl>{QUrl(page)});
        QVERIFY(dialogs->messages.isEmpty());
    }

    void withoutWebAddressesNothingLeadsToThem()
    {
        const WebAddresses kept = ProgramAddresses();
        SetProgramAddresses({});
        QVERIFY(ShowFreshWindow(dialogs, window));
        SetProgramAddresses(kept);
        QVERIFY(!Child<QWidget>(*window, "Label8")->isVisible());
        QVERIFY(!Child<QAction>(*window, "mnuVisit")->isVisible());
        QVERIFY(!Child<QAction>(*window, "mnuUpdate")->isVisible());
        QVERIFY(Child<QAction>(*window, "mnuOnline")->isVisible());
    }

    void preciseChoiceIsAppliedAndRemembered()
    {
        auto* formulas = Child<QAction>(*window, "mnuFormulas");
        auto* precise = Child<QAction>(*window, "mnuPrecise");
        formulas->trigger();
        EnterBirth(*window, Greenwich2000());
        Click(*window, "cmdCalculate");
        const QStringList byFormulas = ResultCaptions(*window);
        QCOMPARE(byFormulas, expectedCaptions(Greenwich2000()));

        precise->trigger(); // the reading on show follows
        QCOMPARE(window->driver().ephemeris(), Ephemeris::Precise);
        CalculationDriver reference;
        reference.setEphemeris(Ephemeris::Precise);
        QVERIFY(!reference.Calculate(EntriesOf(Greenwich2000())));
        QStringList byPrecise;
        for (const std::string& line : ReportLines(reference.report()))
            byPrecise << QString::fromStdString(line);
        QCOMPARE(ResultCaptions(*window), byPrecise);
        QVERIFY(byPrecise != byFormulas);

        // A new window starts with the choice last made.
        QVERIFY(ShowFreshWindow(dialogs, window));
        QVERIFY(Child<QAction>(*window, "mnuPrecise")->isChecked());
        QCOMPARE(window->driver().ephemeris(), Ephemeris::Precise);
        Child<QAction>(*window, "mnuFormulas")->trigger();
        QVERIFY(ShowFreshWindow(dialogs, window));
        QCOMPARE(window->driver().ephemeris(), Ephemeris::Formulas);
    }

    // Options › Node Aspects: the reading on show follows, the menu shows
    // the choice, and a new window starts with it.
    void nodeAspectsChoiceIsAppliedAndRemembered()
    {
        EnterBirth(*window, Greenwich2000());
        Click(*window, "cmdCalculate");
        QCOMPARE(window->driver().records().grahaDrishti.nodes, NodeAspects::Seventh);
        Child<QAction>(*window, "mnuNodesFifthNinth")->trigger();
        QCOMPARE(window->driver().records().grahaDrishti.nodes, NodeAspects::FifthNinth);
        QCOMPARE(window->driver().records().grahaDrishti.aspects[7][2].quarters, 4); // Rahu's 5th in full
        QVERIFY(ShowFreshWindow(dialogs, window));
        QMetaObject::invokeMethod(Child<QMenu>(*window, "mnuOptions"), "aboutToShow");
        QVERIFY(Child<QAction>(*window, "mnuNodesFifthNinth")->isChecked());
        EnterBirth(*window, Greenwich2000());
        Click(*window, "cmdCalculate");
        QCOMPARE(window->driver().records().grahaDrishti.nodes, NodeAspects::FifthNinth);
        Child<QAction>(*window, "mnuNodesSeventh")->trigger();
        QCOMPARE(window->driver().records().grahaDrishti.nodes, NodeAspects::Seventh);
        QVERIFY(ShowFreshWindow(dialogs, window));
    }

    void keepingAReadingFromTheMenus()
    {
        const QStringList keeping{"mnuPrint", "mnuExportPdf", "mnuSavePicture", "mnuCopyReading"};
        for (const QString& item : keeping)
            QVERIFY2(!Child<QAction>(*window, item)->isEnabled(), qPrintable(item)); // nothing to keep yet
        EnterBirth(*window, Greenwich2000());
        Click(*window, "cmdCalculate");
        for (const QString& item : keeping)
            QVERIFY2(Child<QAction>(*window, item)->isEnabled(), qPrintable(item));

        QTemporaryDir dir;
        dialogs->saveAnswers << dir.filePath(QStringLiteral("ada.pdf"));
        Child<QAction>(*window, "mnuExportPdf")->trigger();
        QVERIFY(QFile(dir.filePath(QStringLiteral("ada.pdf"))).size() > 1000);

        Child<QAction>(*window, "mnuCopyReading")->trigger();
        QVERIFY(QApplication::clipboard()->text().contains(QStringLiteral("Planet Sun aspects or has Rashi Drishti")));

        // The classical rule from the menu changes the reading on show, and back.
        const QStringList ours = ResultCaptions(*window);
        auto* classical = Child<QAction>(*window, "mnuClassicalRule");
        classical->setChecked(true);
        QCOMPARE(window->driver().rule(), AspectRuleChoice::Classical);
        QVERIFY(ResultCaptions(*window) != ours);
        classical->setChecked(false);
        QCOMPARE(ResultCaptions(*window), ours);
    }

    void keys_data()
    {
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("result"); // what the keys led to
        QTest::newRow("F1, the manual") << QKeySequence(Qt::Key_F1) << "manual";
        QTest::newRow("Ctrl+O, the open dialog") << QKeySequence(Qt::CTRL | Qt::Key_O) << "open";
        QTest::newRow("Ctrl+S without a reading: nothing") << QKeySequence(Qt::CTRL | Qt::Key_S) << "";
    }
    void keys()
    {
        QFETCH(QKeySequence, keys);
        QFETCH(QString, result);
        QTest::keySequence(window.get(), keys);
        QCOMPARE(dialogs->manualPages.size(), result == QLatin1String("manual") ? 1 : 0);
        QCOMPARE(dialogs->openDialogs.size(), result == QLatin1String("open") ? 1 : 0);
        QCOMPARE(dialogs->saveDialogs.size(), 0);
        QVERIFY(dialogs->messages.isEmpty());
    }

    void enterPressesTheFocusedButtonAndBackReturnsToTheBox()
    {
        EnterBirth(*window, Greenwich2000());
        auto* latitude = Child<QWidget>(*window, "txtLatMin");
        latitude->setFocus();
        // A reading from the menu, then Enter on the focused Back button.
        Child<QAction>(*window, "mnuCalculate")->trigger();
        QVERIFY(ResultsInFront(*window));
        QVERIFY(Child<QAction>(*window, "mnuSave")->isEnabled());
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdBack"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!ResultsInFront(*window));
        QCOMPARE(QApplication::focusWidget(), latitude);
        QVERIFY(!Child<QAction>(*window, "mnuSave")->isEnabled());
        // Enter and Space on the reading button.
        for (Qt::Key key : {Qt::Key_Enter, Qt::Key_Space}) {
            auto* calculate = Child<QWidget>(*window, "cmdCalculate");
            calculate->setFocus();
            QTest::keyClick(calculate, key);
            QVERIFY2(ResultsInFront(*window), qPrintable(QKeySequence(key).toString()));
            Click(*window, "cmdBack");
        }
    }

    void listsShowAboutTwentyRows()
    {
        for (const char* name : {"cboYear", "cboTimeZone", "cboDate", "cboMinute"}) {
            auto* list = Child<QComboBox>(*window, name);
            list->showPopup();
            QWidget* popup = list->view()->window();
            const int rows = popup->height() / list->view()->sizeHintForRow(0);
            QVERIFY2(rows >= 15 && rows <= 22, qPrintable(QStringLiteral("%1: %2 rows").arg(name).arg(rows)));
            list->hidePopup();
        }
    }

    // Every entry of every list fits its box: the boxes are sized from the
    // font, never by measuring the entries.
    void listsShowTheirEntriesWhole()
    {
        for (const char* name : {"cboDate", "cboMonth", "cboYear", "cboHour", "cboMinute", "cboTimeZone"}) {
            auto* list = Child<QComboBox>(*window, name);
            QStyleOptionComboBox option;
            option.initFrom(list);
            option.rect = QRect(QPoint(), list->sizeHint());
            const QRect field = list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list);
            for (int i = 0; i < list->count(); ++i)
                QVERIFY2(list->fontMetrics().horizontalAdvance(list->itemText(i)) <= field.width(),
                         qPrintable(QStringLiteral("%1: \"%2\" in %3 px").arg(name, list->itemText(i)).arg(field.width())));
        }
    }

    // The style's overflow arrows of the menu bar, made when first drawn,
    // are the platform style's own; the group box still has a frame.
    void programStyleDrawsWhatItsBaseDraws()
    {
        auto* style = dynamic_cast<QProxyStyle*>(QApplication::style());
        QVERIFY(style);
        for (QStyle::StandardPixmap which : {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
            const QImage ours = style->standardIcon(which).pixmap(16).toImage();
            QVERIFY(!ours.isNull());
            QCOMPARE(ours, style->baseStyle()->standardIcon(which).pixmap(16).toImage());
        }
        QImage frame(40, 40, QImage::Format_ARGB32);
        const QColor window(120, 50, 30);
        frame.fill(window);
        QStyleOptionFrame option;
        option.rect = frame.rect();
        option.palette.setColor(QPalette::Window, window);
        QPainter painter(&frame);
        style->drawPrimitive(QStyle::PE_FrameGroupBox, &option, &painter);
        painter.end();
        QVERIFY(frame.pixelColor(20, 0) != window);
        QCOMPARE(frame.pixelColor(20, 20), window);
    }

    void tabOrder()
    {
        // Tab visits the controls in this order; in each option group only the
        // selected option takes the focus.
        // The Julian box is shown for 1901, the year the list opens at.
        const QStringList expected = {"cboDate",   "cboMonth",  "cboYear",  "chkJulian",    "cboHour",      "cboMinute",
                                      "cboTimeZone", "txtLatDeg", "txtLatMin", "txtLonDeg", "txtLonMin",
                                      "txtCity",   "txtState",  "txtCountry", "cmdCalculate", "cmdOpen",
                                      "chkDST",    "optLong_0", "optLat_0", "Command1"};
        Child<QWidget>(*window, "txtName")->setFocus();
        QStringList visited;
        for (int i = 0; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, expected);
    }

    void reading_data()
    {
        QTest::addColumn<Birth>("birth");
        QTest::addColumn<QStringList>("known"); // captions known from the worked example, or none

        QTest::newRow("1 Jan 2000 12:00 GMT") << Greenwich2000()
                                              << QStringList({"Sun / Surya", "16 Sag 31", "Moon / Chandra", "19 Lib 27"});
        Birth india;
        india.name = QStringLiteral("Ravi");
        india.day = 15;
        india.month = 8;
        india.year = 1985;
        india.hour = 6;
        india.minute = 30;
        india.zoneRow = 34; // "Indian Time, IST, -5.3"
        india.latDeg = QStringLiteral("18");
        india.latMin = QStringLiteral("31");
        india.lonDeg = QStringLiteral("73");
        india.lonMin = QStringLiteral("51");
        india.daylightSaving = true;
        india.city = QStringLiteral("Pune");
        india.state = QStringLiteral("Maharashtra");
        india.country = QStringLiteral("India");
        QTest::newRow("east zone, daylight saving") << india << QStringList();

        Birth west;
        west.name = QStringLiteral(" Jo ");
        west.day = 31;
        west.month = 12;
        west.year = 2050;
        west.hour = 24;
        west.minute = 59;
        west.zoneRow = 27; // "Eastern Standard Time,EST,5.0"
        west.latDeg = QStringLiteral("90");
        west.latMin = QStringLiteral("0");
        west.lonDeg = QStringLiteral("74");
        west.lonMin = QStringLiteral("0");
        west.south = true;
        west.west = true;
        west.city = QStringLiteral("  New York  ");
        west.state = QStringLiteral(" ");
        west.country = QStringLiteral("USA");
        QTest::newRow("west, south, last entries of every list") << west << QStringList();
    }
    void reading()
    {
        QFETCH(Birth, birth);
        QFETCH(QStringList, known);
        EnterBirth(*window, birth);
        QCOMPARE(window->entries(), EntriesOf(birth));
        Click(*window, "cmdCalculate");

        QVERIFY(dialogs->messages.isEmpty());
        QVERIFY(ResultsInFront(*window));
        // The window's first reading has all the panel shows beside the
        // captions, though the panel is made only for it.
        QVERIFY(window->driver().records().window.computed);
        QVERIFY(window->driver().records().day.computed);
        QVERIFY(window->driver().records().jaimini.computed);
        const QStringList captions = ResultCaptions(*window);
        QCOMPARE(captions, expectedCaptions(birth));
        for (int i = 0; i + 1 < known.size(); i += 2)
            QVERIFY2(captions.indexOf(known[i]) >= 0 && captions.value(captions.indexOf(known[i]) + 1) == known[i + 1],
                     qPrintable(known[i]));
        QCOMPARE(window->driver().records().birth.City, birth.city.trimmed().toStdString());
        QCOMPARE(window->driver().records().birth.Name, birth.name.toStdString());

        // Back: the input panel with every entry as it was.
        Click(*window, "cmdBack");
        QVERIFY(!ResultsInFront(*window));
        QVERIFY(Child<QWidget>(*window, "Frame1")->isVisible());
        QCOMPARE(window->entries(), EntriesOf(birth));
    }

    void menuItemRunsTheSameReading()
    {
        const Birth birth = Greenwich2000();
        EnterBirth(*window, birth);
        Child<QAction>(*window, "mnuCalculate")->trigger();
        QVERIFY(ResultsInFront(*window));
        QCOMPARE(ResultCaptions(*window), expectedCaptions(birth));
    }

    void secondReadingReplacesTheFirst()
    {
        Birth first = Greenwich2000();
        EnterBirth(*window, first);
        Click(*window, "cmdCalculate");
        Click(*window, "cmdBack");
        Birth second = first;
        second.year = 1975;
        second.month = 6;
        second.day = 21;
        Choose(*window, "cboYear", QStringLiteral("1975"));
        Choose(*window, "cboMonth", QStringLiteral("June"));
        Choose(*window, "cboDate", QStringLiteral("21"));
        Click(*window, "cmdCalculate");
        QVERIFY(ResultsInFront(*window));
        QCOMPARE(ResultCaptions(*window), expectedCaptions(second));
        QVERIFY(expectedCaptions(second) != expectedCaptions(first));
    }

    void validation_data()
    {
        QTest::addColumn<QString>("change"); // control to empty, or "date:d/m/y"
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("icon");
        QTest::addColumn<QString>("focus"); // control with the focus afterwards, "" = unchanged

        const int critical = int(MessageIcon::Critical);
        const int information = int(MessageIcon::Information);
        QTest::newRow("1 name") << "txtName" << "Please Enter Your Name" << critical << "txtName";
        QTest::newRow("2 latitude degrees") << "txtLatDeg" << "Please Enter Degree of Latitude" << critical << "txtLatDeg";
        QTest::newRow("3 latitude minutes") << "txtLatMin" << "Please Enter Minutes of Latitude" << critical << "txtLatMin";
        QTest::newRow("4 longitude degrees") << "txtLonDeg" << "Please Enter Degree of Longitude" << critical << "txtLonDeg";
        QTest::newRow("5 longitude minutes") << "txtLonMin" << "Please Enter Minute of Longitude" << critical << "txtLonMin";
        QTest::newRow("6 city") << "txtCity" << "Please Enter Your City name" << critical << "txtCity";
        QTest::newRow("7 state") << "txtState" << "Please Enter Your State name" << critical << "txtState";
        QTest::newRow("8 country") << "txtCountry" << "Please Enter Your Country name" << critical << "txtCountry";
        QTest::newRow("all empty: name first") << "txtName,txtLatDeg,txtLatMin,txtLonDeg,txtLonMin,txtCity,txtState,txtCountry"
                                               << "Please Enter Your Name" << critical << "txtName";
        QTest::newRow("minutes before longitude and city") << "txtLatMin,txtLonDeg,txtCity"
                                                           << "Please Enter Minutes of Latitude" << critical << "txtLatMin";
        QTest::newRow("11 30 Feb leap year") << "date:30/2/2000" << "Please Enter Correct Date Or Month!" << information << "";
        QTest::newRow("11 31 Feb leap year") << "date:31/2/2004" << "Please Enter Correct Date Or Month!" << information << "";
        QTest::newRow("12 29 Feb 1901") << "date:29/2/1901" << "Please Enter Correct Date Or Month!" << information << "";
        QTest::newRow("12 30 Feb 2001") << "date:30/2/2001" << "Please Enter Correct Date Or Month!" << information << "";
        QTest::newRow("13 31 April") << "date:31/4/2000" << "Please Enter Correct Date Or Month !" << information << "";
        QTest::newRow("13 31 June") << "date:31/6/1990" << "Please Enter Correct Date Or Month !" << information << "";
        QTest::newRow("13 31 September") << "date:31/9/1990" << "Please Enter Correct Date Or Month !" << information << "";
        QTest::newRow("13 31 November") << "date:31/11/1990" << "Please Enter Correct Date Or Month !" << information << "";
        // These pass.
        QTest::newRow("29 Feb 2000") << "date:29/2/2000" << "" << 0 << "";
        QTest::newRow("29 Feb 2004") << "date:29/2/2004" << "" << 0 << "";
        QTest::newRow("31 March") << "date:31/3/2001" << "" << 0 << "";
        QTest::newRow("30 April") << "date:30/4/2001" << "" << 0 << "";
        QTest::newRow("name of one space") << "name: " << "" << 0 << "";
        QTest::newRow("15 latitude 90 and some minutes") << "lat:90" << "Please Enter Correct Minutes of Latitude" << critical << "txtLatMin";
        // Off the globe: the box is named and gets the cursor.
        QTest::newRow("14 latitude 999") << "lat:999" << "Please Enter Correct Degree of Latitude" << critical << "txtLatDeg";
        QTest::newRow("14 latitude 91") << "lat:91" << "Please Enter Correct Degree of Latitude" << critical << "txtLatDeg";
    }
    void validation()
    {
        QFETCH(QString, change);
        QFETCH(QString, message);
        QFETCH(int, icon);
        QFETCH(QString, focus);

        EnterBirth(*window, Greenwich2000());
        if (change.startsWith(QLatin1String("date:"))) {
            const QStringList dmy = change.mid(5).split(QLatin1Char('/'));
            Choose(*window, "cboDate", dmy[0]);
            Child<QComboBox>(*window, "cboMonth")->setCurrentIndex(dmy[1].toInt() - 1);
            Choose(*window, "cboYear", dmy[2]);
        } else if (change.startsWith(QLatin1String("name:"))) {
            TypeInto(*window, "txtName", change.mid(5));
        } else if (change.startsWith(QLatin1String("lat:"))) {
            TypeInto(*window, "txtLatDeg", change.mid(4));
        } else {
            for (const QString& box : change.split(QLatin1Char(',')))
                Child<QLineEdit>(*window, box)->clear();
        }
        const Entries before = window->entries();
        // Focus somewhere else first, so that a focus move is seen.
        Child<QWidget>(*window, "cmdCalculate")->setFocus();
        Click(*window, "cmdCalculate");

        if (message.isEmpty()) {
            QCOMPARE(dialogs->texts(), QStringList());
            QVERIFY(ResultsInFront(*window));
            return;
        }
        QCOMPARE(dialogs->texts(), QStringList{message});
        QCOMPARE(int(dialogs->messages[0].icon), icon);
        QVERIFY(!ResultsInFront(*window));
        QCOMPARE(window->entries(), before);
        // Nothing of a reading ran: the results panel was not even built.
        QVERIFY(!window->findChild<QLabel*>(QStringLiteral("lblPlanets_0")));
        QCOMPARE(window->driver().records().birth, BirthRecord{});
        const QString expectedFocus = focus.isEmpty() ? QStringLiteral("cmdCalculate") : focus;
        QCOMPARE(QApplication::focusWidget()->objectName(), expectedFocus);
    }

    void failedValidationKeepsThePreviousReading()
    {
        EnterBirth(*window, Greenwich2000());
        Click(*window, "cmdCalculate");
        const QStringList shown = ResultCaptions(*window);
        const BirthRecord record = window->driver().records().birth;
        Click(*window, "cmdBack");
        Child<QLineEdit>(*window, "txtCountry")->clear();
        Click(*window, "cmdCalculate");
        QCOMPARE(dialogs->texts(), QStringList{"Please Enter Your Country name"});
        QVERIFY(!ResultsInFront(*window));
        QCOMPARE(window->driver().records().birth, record);
        QCOMPARE(ResultCaptions(*window), shown);
    }

    void directionGuards_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("selected");
        QTest::newRow("9 latitude") << "optLat" << "Please Select Direction For The Latitude" << "optLat_0";
        QTest::newRow("10 longitude") << "optLong" << "Please Select Direction For The Longitude" << "optLong_0";
    }
    void directionGuards()
    {
        // The window never leaves both options of a group clear; force that
        // state to see the guard's message and its repair.
        QFETCH(QString, group);
        QFETCH(QString, message);
        QFETCH(QString, selected);
        EnterBirth(*window, Greenwich2000());
        for (int member = 0; member < 2; ++member) {
            auto* option = Child<QRadioButton>(*window, group + QStringLiteral("_%1").arg(member));
            option->setAutoExclusive(false);
            option->setChecked(false);
            option->setAutoExclusive(true);
        }
        Click(*window, "cmdCalculate");
        QCOMPARE(dialogs->texts(), QStringList{message});
        QCOMPARE(int(dialogs->messages[0].icon), int(MessageIcon::Critical));
        QVERIFY(Child<QRadioButton>(*window, selected)->isChecked());
        QVERIFY(!ResultsInFront(*window));
    }

    void placeLookupChecks_data()
    {
        QTest::addColumn<QString>("empty");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("all three empty") << "txtCity,txtState,txtCountry" << "Please Enter City" << "txtCity";
        QTest::newRow("city") << "txtCity" << "Please Enter City" << "txtCity";
        QTest::newRow("state") << "txtState" << "Please Enter State" << "txtState";
        QTest::newRow("country") << "txtCountry" << "Please Enter Country" << "txtCountry";
    }
    void placeLookupChecks()
    {
        QFETCH(QString, empty);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        TypeInto(*window, "txtCity", QStringLiteral("Pune"));
        TypeInto(*window, "txtState", QStringLiteral("Maharashtra"));
        TypeInto(*window, "txtCountry", QStringLiteral("India"));
        for (const QString& box : empty.split(QLatin1Char(',')))
            Child<QLineEdit>(*window, box)->clear();
        window->launcher().setProgram(QStringLiteral("/nonexistent/browser"));
        Click(*window, "Command1");
        QCOMPARE(dialogs->texts(), QStringList{message});
        QCOMPARE(int(dialogs->messages[0].icon), int(MessageIcon::Critical));
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        QVERIFY(!window->launcher().isOpen());
    }

    void placeLookupOpensAndCloseEndsTheBrowser()
    {
        // A stand-in browser that writes its arguments and waits for the
        // end of its input, as the real one does.
        QTemporaryDir dir;
        const QString program = dir.filePath(QStringLiteral("browser.sh"));
        const QString arguments = dir.filePath(QStringLiteral("arguments.txt"));
        QFile script(program);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" > '%1'\ncat > /dev/null\n").arg(arguments).toUtf8());
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        window->launcher().setProgram(program);
        TypeInto(*window, "txtCity", QStringLiteral(" Pune"));
        TypeInto(*window, "txtState", QStringLiteral(" "));
        TypeInto(*window, "txtCountry", QStringLiteral("India"));
        Click(*window, "Command1");
        QVERIFY(dialogs->messages.isEmpty());
        QVERIFY(window->launcher().isOpen());
        auto written = [&] {
            QFile file(arguments);
            return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))
                                                  : QStringList();
        };
        QTRY_VERIFY(written().contains(QStringLiteral("--country=India")));
        // The place goes to the browser as typed, blanks and all.
        QVERIFY(written().contains(QStringLiteral("--city= Pune")));
        QVERIFY(written().contains(QStringLiteral("--state= ")));
        QVERIFY(written().contains(QStringLiteral("--place-search")));

        Child<QAction>(*window, "mnuExit")->trigger();
        QVERIFY(!window->isVisible());
        QVERIFY(!window->launcher().isOpen());
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
