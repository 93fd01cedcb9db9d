// The window's command line: a chart file, --lang, and what is refused.

#include "windows/command_line.h"

#include <QDir>
#include <QtTest>

using namespace rashi;

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void readsWhatItIsGiven_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("chart");
        QTest::addColumn<int>("language"); // -1 none, else the Language
        QTest::addColumn<QString>("problem");
        const QString here = QDir::current().absoluteFilePath(QStringLiteral("a.kqa"));
        QTest::newRow("nothing") << QStringList{} << QString() << -1 << QString();
        QTest::newRow("a chart, relative") << QStringList{"a.kqa"} << here << -1 << QString();
        QTest::newRow("a chart, absolute") << QStringList{"/x/Ravi.JHD"} << "/x/Ravi.JHD" << -1 << QString();
        QTest::newRow("a file address") << QStringList{"file:///x/My%20Chart.mtx"} << "/x/My Chart.mtx" << -1 << QString();
        QTest::newRow("Hindi") << QStringList{"--lang", "hi"} << QString() << int(Language::Hindi) << QString();
        QTest::newRow("English and a chart") << QStringList{"--lang=en", "a.kqa"} << here << int(Language::English)
                                             << QString();
        QTest::newRow("another language") << QStringList{"--lang", "de"} << QString() << -1
                                          << "--lang takes en or hi, not \"de\".";
        QTest::newRow("two charts") << QStringList{"a.kqa", "b.kqa"} << QString() << -1
                                    << "One chart file at a time, not 2.";
        QTest::newRow("an unknown option") << QStringList{"--frobnicate"} << QString() << -1
                                           << "Unknown option 'frobnicate'.";
    }
    void readsWhatItIsGiven()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, chart);
        QFETCH(int, language);
        QFETCH(QString, problem);
        const WindowCommandLine line = ParseWindowCommandLine(QStringList{QStringLiteral("rashi-drishti")} + arguments);
        QCOMPARE(line.problem, problem);
        QCOMPARE(line.chart, chart);
        QCOMPARE(line.language.has_value() ? int(*line.language) : -1, language);
        QVERIFY(!line.done);
    }

    void helpAndVersionNeedNoWindow()
    {
        QVERIFY(AsksForHelpOrVersion({"rashi-drishti", "--help"}));
        QVERIFY(AsksForHelpOrVersion({"rashi-drishti", "a.kqa", "-v"}));
        QVERIFY(!AsksForHelpOrVersion({"rashi-drishti", "a.kqa"}));
        QVERIFY(!AsksForHelpOrVersion({"rashi-drishti", "--", "--help"})); // a file of that name
        QVERIFY(!AsksForHelpOrVersion({"--help"}));                        // the program's own name
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_command_line.moc"
