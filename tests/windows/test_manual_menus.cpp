// The offline manual keeps up with the window: every item of the real main
// window's menus, submenus included, and every shortcut they carry is named in
// docs/manual/index.html.

#include "recording_dialogs.h"
#include "ui_helpers.h"

#include "windows/main_window.h"
#include "windows/program_settings.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>

using namespace rashi;
using namespace rashi::testing;

namespace {

// A menu caption as the manual writes it: no mnemonic marks, no trailing dots.
QString PlainCaption(QString caption)
{
    caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    caption.remove(QLatin1Char('&'));
    caption.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    caption.remove(QRegularExpression(QStringLiteral("(\\.\\.\\.|\u2026)$")));
    return caption.trimmed();
}

struct Item {
    QString where; // "File › Recent Charts › Clear Recent Charts"
    QString caption;
    QString shortcut;
};

void Walk(const QMenu& menu, const QString& where, QList<Item>& items)
{
    for (QAction* action : menu.actions()) {
        if (action->isSeparator())
            continue;
        // A remembered chart's own entry carries its path and is named by the user, not the program.
        if (!action->statusTip().isEmpty())
            continue;
        const QString caption = PlainCaption(action->text());
        const QString path = where + QStringLiteral(" \u203a ") + caption;
        items.append({path, caption, action->shortcut().toString(QKeySequence::NativeText)});
        if (action->menu())
            Walk(*action->menu(), path, items);
    }
}

// The manual's text as a reader sees it, entities decoded, white space collapsed.
QString ManualText()
{
    QFile file(QStringLiteral(RASHI_MANUAL_PAGE));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QTextDocument page;
    page.setHtml(QString::fromUtf8(file.readAll()));
    return page.toPlainText().simplified();
}

} // namespace

class TestManualMenus : public QObject {
    Q_OBJECT

    std::unique_ptr<UiRecorder> dialogs;
    std::unique_ptr<frmMain> window;
    QTemporaryDir folder;
    QList<Item> items;
    QString manual;

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(folder.isValid());
        // One remembered chart, so that Recent Charts shows its full menu.
        const QString chart = folder.filePath(QStringLiteral("ada.kqa"));
        QFile touch(chart);
        QVERIFY(touch.open(QIODevice::WriteOnly));
        touch.close();
        ProgramSettings().setValue(QStringLiteral("recentCharts"), QStringList{chart});

        QVERIFY(ShowFreshWindow(dialogs, window));
        for (QAction* top : window->menuBar()->actions()) {
            QVERIFY(top->menu());
            const QString caption = PlainCaption(top->text());
            items.append({caption, caption, {}});
            emit top->menu()->aboutToShow(); // menus filled when opened
            Walk(*top->menu(), caption, items);
        }
        manual = ManualText();
        QVERIFY2(!manual.isEmpty(), RASHI_MANUAL_PAGE);
    }

    void theWalkFindsTheWholeMenuBar()
    {
        // Guards the walk itself: a walk that missed the submenus or the
        // shortcuts would pass the check below vacuously.
        QStringList paths;
        QStringList shortcuts;
        for (const Item& item : items) {
            paths.append(item.where);
            if (!item.shortcut.isEmpty())
                shortcuts.append(item.shortcut);
        }
        for (const QString& expected :
             {QStringLiteral("File \u203a Open"), QStringLiteral("File \u203a Import Chart"),
              QStringLiteral("File \u203a Recent Charts \u203a Clear Recent Charts"),
              QStringLiteral("Options \u203a North Indian Chart"), QStringLiteral("Help \u203a About Software")})
            QVERIFY2(paths.contains(expected), qPrintable(expected));
        for (const QString& expected : {QStringLiteral("Ctrl+O"), QStringLiteral("Ctrl+Shift+C"), QStringLiteral("F1")})
            QVERIFY2(shortcuts.contains(expected), qPrintable(expected));
        QVERIFY(!paths.contains(QStringLiteral("File \u203a Recent Charts \u203a 1 ada.kqa")));
    }

    void everyItemIsNamedInTheManual_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("shortcut");
        for (const Item& item : items)
            QTest::newRow(qPrintable(item.where)) << item.caption << item.shortcut;
    }

    void everyItemIsNamedInTheManual()
    {
        QFETCH(QString, caption);
        QFETCH(QString, shortcut);
        QVERIFY2(manual.contains(caption), qPrintable(QStringLiteral("the manual does not name \"%1\"").arg(caption)));
        if (!shortcut.isEmpty())
            QVERIFY2(manual.contains(shortcut),
                     qPrintable(QStringLiteral("the manual does not name the shortcut %1 of \"%2\"").arg(shortcut, caption)));
    }
};

QTEST_MAIN(TestManualMenus)
#include "test_manual_menus.moc"
