// What a screen reader finds on both panels: every box, list, button, check
// box and radio button has a name of its own, or a caption that labels it
// (never the group box around it), and the chart says what the chosen body
// aspects.

#include "ui_helpers.h"
#include "recording_dialogs.h"

#include "windows/chart_view.h"
#include "windows/input_panel.h"
#include "windows/main_window.h"
#include "windows/own_places_dialog.h"
#include "windows/results_panel.h"

#include <QAccessible>
#include <QAction>
#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QtTest>

#include <memory>

using namespace rashi;
using namespace rashi::testing;

namespace {

bool NeedsName(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::EditableText:
    case QAccessible::ComboBox:
    case QAccessible::List:
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton: return true;
    default: return false;
    }
}

// The control's own name: set for it, its caption as a button, or a label
// relation to a caption that is not a group box. Empty when it has none.
QString OwnName(QWidget* widget, QAccessibleInterface* control)
{
    // A combo box is read by its current entry and its label: only a label names it.
    const bool combo = control->role() == QAccessible::ComboBox;
    if (!combo && !widget->accessibleName().isEmpty())
        return widget->accessibleName();
    if (auto* button = qobject_cast<QAbstractButton*>(widget); button && !button->text().isEmpty())
        return button->text();
    for (const auto& [other, relation] : control->relations(QAccessible::Label)) {
        if (qobject_cast<QGroupBox*>(other->object()))
            continue;
        if (auto* label = qobject_cast<QLabel*>(other->object()); label && !label->text().isEmpty())
            return label->text();
    }
    return {};
}

// "objectName (role)" of every visible control on the panel without a name of its own.
QStringList Unnamed(const QWidget& panel)
{
    QStringList unnamed;
    for (QWidget* widget : panel.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&panel))
            continue;
        QAccessibleInterface* control = QAccessible::queryAccessibleInterface(widget);
        if (!control || !NeedsName(control->role()))
            continue;
        if (OwnName(widget, control).isEmpty())
            unnamed << QStringLiteral("%1 (%2)").arg(widget->objectName()).arg(int(control->role()));
    }
    return unnamed;
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
    std::unique_ptr<UiRecorder> dialogs;
    std::unique_ptr<frmMain> window;

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("Tarvek"));
        QCoreApplication::setApplicationName(QStringLiteral("Rashi Drishti accessibility test"));
    }
    void init() { QVERIFY(ShowFreshWindow(dialogs, window)); }

    void everyInputControlHasANameOfItsOwn()
    {
        const QStringList unnamed = Unnamed(*window->inputPanel());
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
    }

    void theCaptionlessControlsAreNamed_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::newRow("month") << "cboMonth" << "Month";
        QTest::newRow("year") << "cboYear" << "Year";
        QTest::newRow("minute") << "cboMinute" << "Minute";
        QTest::newRow("latitude minutes") << "txtLatMin" << "Latitude minutes";
        QTest::newRow("longitude minutes") << "txtLonMin" << "Longitude minutes";
        QTest::newRow("latitude direction") << "Frame3" << "Latitude direction";
        QTest::newRow("longitude direction") << "Frame4" << "Longitude direction";
        QTest::newRow("day, by its caption") << "cboDate" << "Date of Birth";
        QTest::newRow("hour, by its caption") << "cboHour" << "Time of Birth";
        QTest::newRow("latitude degrees, by its caption") << "txtLatDeg" << "Latitude";
        QTest::newRow("north keeps its own") << "optLat_0" << "North";
        QTest::newRow("west keeps its own") << "optLong_1" << "West";
    }
    void theCaptionlessControlsAreNamed()
    {
        QFETCH(QString, control);
        QFETCH(QString, name);
        auto* widget = Child<QWidget>(*window, control);
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(iface);
        QString own = OwnName(widget, iface);
        if (own.isEmpty())
            own = iface->text(QAccessible::Name); // a plain group: its name as the reader says it
        QCOMPARE(own, name);
    }

    void everyInputControlIsReachableByTabOrAShortcut()
    {
        // Alt and a letter of each caption (a mnemonic's work, the caption's
        // text unchanged) puts the cursor in its box.
        const std::pair<Qt::Key, const char*> shortcuts[] = {
            {Qt::Key_N, "txtName"},  {Qt::Key_D, "cboDate"},     {Qt::Key_T, "cboHour"},
            {Qt::Key_Z, "cboTimeZone"}, {Qt::Key_L, "txtLatDeg"}, {Qt::Key_U, "txtLonDeg"},
            {Qt::Key_C, "txtCity"},  {Qt::Key_S, "txtState"},    {Qt::Key_R, "txtCountry"},
            {Qt::Key_Y, "chkDST"}};
        for (const auto& [key, name] : shortcuts) {
            QTest::keyClick(QApplication::focusWidget(), key, Qt::AltModifier);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(name));
        }
        // Tab walks every other control; of a group of options, the chosen one.
        Child<QWidget>(*window, QStringLiteral("txtName"))->setFocus();
        QSet<QWidget*> reached;
        for (int i = 0; i < 60 && !reached.contains(QApplication::focusWidget()); ++i) {
            reached << QApplication::focusWidget();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        InputPanel* panel = window->findChild<InputPanel*>();
        for (QWidget* control : panel->findChildren<QWidget*>()) {
            if (!control->isVisibleTo(panel) || control->focusPolicy() == Qt::NoFocus || control->focusProxy())
                continue;
            const auto* option = qobject_cast<QRadioButton*>(control);
            if (option && !option->isChecked())
                continue; // the arrow keys reach it from the chosen one
            QVERIFY2(reached.contains(control), qPrintable(control->objectName()));
        }
    }

    void everyResultsControlHasANameAndTheChartFollowsTheChosenBody()
    {
        EnterBirth(*window, Greenwich2000());
        Click(*window, "cmdCalculate");
        QTRY_VERIFY(ResultsInFront(*window));
        const QStringList unnamed = Unnamed(*window->resultsPanel());
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));

        auto* chart = Child<ChartView>(*window, QStringLiteral("chartView"));
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(chart);
        QVERIFY(iface);
        QStringList seen;
        for (int body = 0; body < kReportRows; ++body) {
            window->resultsPanel()->chooseBody(body);
            const QString description = iface->text(QAccessible::Description);
            const QString name = QString::fromStdString(window->driver().records().positions.PlanetNames[body]);
            QVERIFY2(description.startsWith(name + QStringLiteral(" in ")), qPrintable(description));
            QVERIFY2(description.contains(QStringLiteral(" aspects ")), qPrintable(description));
            seen << description;
        }
        seen.removeDuplicates();
        QCOMPARE(seen.size(), kReportRows);
    }

    void theChartIsAListOfTheBodiesWithTheChosenOneSelected()
    {
        EnterBirth(*window, Greenwich2000());
        Click(*window, "cmdCalculate");
        QTRY_VERIFY(ResultsInFront(*window));
        auto* chart = Child<ChartView>(*window, QStringLiteral("chartView"));
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(chart);
        QCOMPARE(list->role(), QAccessible::List);
        QCOMPARE(list->childCount(), kReportRows);
        // Reached by Tab, chosen by the keys as by the mouse.
        chart->setFocus();
        QTRY_VERIFY(chart->hasFocus());
        for (const auto& [key, body] : {std::pair{Qt::Key_3, 2}, {Qt::Key_Down, 3}, {Qt::Key_Up, 2}, {Qt::Key_9, 8}}) {
            QTest::keyClick(chart, key);
            for (int i = 0; i < kReportRows; ++i) {
                QAccessibleInterface* item = list->child(i);
                QCOMPARE(item->role(), QAccessible::ListItem);
                QCOMPARE(list->indexOfChild(item), i);
                QCOMPARE(item->parent(), list);
                QCOMPARE(bool(item->state().selected), i == body);
                QCOMPARE(bool(item->state().focused), i == body);
                QCOMPARE(item->text(QAccessible::Description).isEmpty(), i != body);
            }
        }
        // "Sun in Dhanus, 16°31′": the name, the sign and where in it, as the chart shows.
        const ChartBody& sun = chart->model().bodies[0];
        QCOMPARE(list->child(0)->text(QAccessible::Name),
                 QStringLiteral("Sun in Dhanus, %1").arg(sun.degreeText));
        QVERIFY(list->child(0)->rect().isValid());
        QCOMPARE(list->childAt(list->child(4)->rect().center().x(), list->child(4)->rect().center().y()), list->child(4));
        // A screen reader's "press" chooses the body.
        list->child(5)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(chart->chosenBody(), 5);
    }

    // File > Places... and its Add form: every control named, the zone's
    // line, the unlabelled direction lists and the list of places included.
    void everyControlOfThePlacesDialogHasANameOfItsOwn()
    {
        Child<QAction>(*window, QStringLiteral("mnuPlaces"))->trigger();
        auto* places = window->findChild<OwnPlacesDialog*>();
        QVERIFY(places && places->isVisible());
        QStringList unnamed = Unnamed(*places);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
        QCOMPARE(Child<QWidget>(*places, QStringLiteral("lstPlaces"))->accessibleName(), QStringLiteral("Your places"));

        Click(*places, "cmdAddPlace");
        auto* form = places->findChild<OwnPlaceForm*>();
        QVERIFY(form && form->isVisible());
        unnamed = Unnamed(*form);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));

        // Tab goes down the form, each coordinate followed by its direction.
        QStringList chain;
        QWidget* at = Child<QWidget>(*form, QStringLiteral("txtPlaceName"));
        for (int step = 0; step < 10; ++step, at = at->nextInFocusChain()) {
            while (!(at->focusPolicy() & Qt::TabFocus) || !at->isVisibleTo(form) || at->focusProxy())
                at = at->nextInFocusChain();
            chain << at->objectName();
        }
        QCOMPARE(chain, (QStringList{"txtPlaceName", "txtPlaceState", "txtPlaceCountry", "txtPlaceLatitude",
                                     "cboPlaceLatDirection", "txtPlaceLongitude", "cboPlaceLonDirection",
                                     "cboPlaceZone", "cmdSavePlace", "cmdCancelPlace"}));
    }
};

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
