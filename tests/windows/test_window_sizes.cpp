// The main window on the screens people have: a small laptop's 1366 by 768,
// 1920 by 1080, and both at 200% (ctest runs this binary once per screen, see
// CMakeLists.txt; alone it runs on the offscreen platform's 800 by 600).
// The window never reaches past the screen, and at every size it allows,
// from its smallest to the whole screen, every line of the reading is
// whole and can be scrolled to, the sentences wrap beside the diagram and
// Save and Back stay in sight.

#include "ui_helpers.h"
#include "recording_dialogs.h"

#include "windows/chart_view.h"
#include "windows/main_window.h"
#include "windows/program_language.h"
#include "windows/reading_rows_view.h"
#include "windows/results_panel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

#include <memory>

using namespace rashi;
using namespace rashi::testing;

namespace {

// Seven bodies and the South Node in Makara: the longest sentences there are.
Birth Crowded()
{
    Birth b = Greenwich2000();
    b.year = 1962;
    b.month = 2;
    b.day = 4;
    return b;
}

QString Described(const QWidget* widget, const QRect& rect)
{
    return QStringLiteral("%1 at %2,%3 %4x%5").arg(widget->objectName()).arg(rect.x()).arg(rect.y()).arg(rect.width()).arg(rect.height());
}

} // namespace

class TestWindowSizes : public QObject {
    Q_OBJECT

    std::unique_ptr<UiRecorder> dialogs;
    std::unique_ptr<frmMain> window;

    QSize available() const { return window->screen()->availableGeometry().size(); }
    QSize frame() const { return window->frameGeometry().size() - window->size(); }

    void showReading(const Birth& birth)
    {
        window->applyEntries(EntriesOf(birth));
        window->calculate();
        QApplication::processEvents();
        QVERIFY(ResultsInFront(*window));
    }

    // Every line of the results panel whole, where the scroll area can bring
    // it into sight; no line over another; the buttons in sight.
    void checkReadable(const QString& at)
    {
        auto* scroll = Child<QScrollArea>(*window, "resultsScroll");
        QWidget* content = scroll->widget();
        const QList<QLabel*> labels = content->findChildren<QLabel*>();
        QVERIFY(labels.size() >= 36);
        QList<QPair<QLabel*, QRect>> shown;
        for (QLabel* label : labels) {
            if (!label->isVisibleTo(window.get()) || label->text().isEmpty())
                continue;
            const QRect rect(label->mapTo(content, QPoint(0, 0)), label->size());
            const QString what = at + QStringLiteral(": ") + Described(label, rect);
            if (label->wordWrap())
                QVERIFY2(label->height() >= label->heightForWidth(label->width()), qPrintable(what));
            else
                QVERIFY2(label->width() >= label->sizeHint().width() && label->height() >= label->sizeHint().height(),
                         qPrintable(what));
            QVERIFY2(content->rect().contains(rect), qPrintable(what));
            for (const auto& [other, otherRect] : shown)
                QVERIFY2(!rect.intersects(otherRect), qPrintable(what + QStringLiteral(" over ") + Described(other, otherRect)));
            shown.append({label, rect});
        }
        // The content is as tall as its lines need at the width it has.
        QVERIFY2(content->height() >= content->heightForWidth(content->width()), qPrintable(at));
        for (const char* name : {"cmdSave", "cmdBack"}) {
            auto* button = Child<QAbstractButton>(*window, QString::fromLatin1(name));
            const QRect rect(button->mapTo(window.get(), QPoint(0, 0)), button->size());
            QVERIFY2(button->isVisible() && window->rect().contains(rect), qPrintable(at + QStringLiteral(": ") + name));
            QVERIFY2(button->width() >= button->minimumSizeHint().width(), qPrintable(at + QStringLiteral(": ") + name));
        }
    }

private slots:
    void init()
    {
        QVERIFY(ShowFreshWindow(dialogs, window));
    }
    void cleanup()
    {
        window.reset();
        dialogs.reset();
        InstallLanguage(Language::English);
    }

    void neverPastTheScreen()
    {
        // Opened, and grown for the first reading: within the screen, frame
        // and all, and never held bigger than it by its least size.
        const QString screen = QStringLiteral("screen %1x%2").arg(available().width()).arg(available().height());
        const QString opened = screen + QStringLiteral(": opened at %1x%2, least %3x%4")
                                            .arg(window->frameGeometry().width()).arg(window->frameGeometry().height())
                                            .arg(window->minimumSizeHint().width()).arg(window->minimumSizeHint().height());
        QVERIFY2(window->frameGeometry().width() <= available().width(), qPrintable(opened));
        QVERIFY2(window->frameGeometry().height() <= available().height(), qPrintable(opened));
        showReading(Crowded());
        const QSize size = window->frameGeometry().size();
        QVERIFY2(size.width() <= available().width() && size.height() <= available().height(),
                 qPrintable(screen + QStringLiteral(": window %1x%2").arg(size.width()).arg(size.height())));
        const QSize least = window->minimumSizeHint().expandedTo(window->minimumSize()) + frame();
        QVERIFY2(least.width() <= available().width() && least.height() <= available().height(),
                 qPrintable(screen + QStringLiteral(": least %1x%2").arg(least.width()).arg(least.height())));
        // The window grew for the diagram as far as the screen lets it.
        const QSize wish = window->sizeHint();
        QVERIFY2(window->height() >= qMin(wish.height(), available().height() - frame().height()) - 1,
                 qPrintable(screen + QStringLiteral(": window %1 high, its wish %2").arg(window->height()).arg(wish.height())));
        // A later reading leaves the size alone.
        const QSize chosen = window->size();
        showReading(Greenwich2000());
        QCOMPARE(window->size(), chosen);
    }

    void readableAtEverySize_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("day");
        QTest::newRow("bodies spread out") << 2000 << 1;
        QTest::newRow("eight in one house") << 1962 << 4;
    }
    void readableAtEverySize()
    {
        QFETCH(int, year);
        QFETCH(int, day);
        Birth birth = Crowded();
        birth.year = year;
        birth.day = day;
        showReading(birth);
        checkReadable(QStringLiteral("window %1x%2 as opened").arg(window->width()).arg(window->height()));
        const QSize screen = available() - frame();
        const QSize least = window->minimumSizeHint().expandedTo(window->minimumSize());
        // The window as the user can make it: smallest, 760 wide, as opened
        // for the reading, half and all of the screen.
        const QSize sizes[] = {least,
                               QSize(760, least.height()),
                               QSize(760, screen.height()),
                               window->size(),
                               QSize(screen.width() / 2, screen.height()),
                               QSize(screen.width(), screen.height() / 2),
                               screen};
        for (QSize size : sizes) {
            size = size.expandedTo(least).boundedTo(screen.expandedTo(least));
            window->resize(size);
            QApplication::processEvents();
            checkReadable(QStringLiteral("window %1x%2").arg(window->width()).arg(window->height()));
        }
    }

    // A small laptop's window, a larger one and a full screen's, in each
    // language: the whole reading in sight with the diagram and the day's
    // strip under it, nothing to scroll; the wide window's diagram is as
    // large as the height allows, not as the width would make it. Where the
    // screen is smaller than the window, the row skips.
    void nothingToScrollAtTheUsualSizes_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("day");
        for (const auto& [language, name] : {std::pair{Language::English, "English"}, std::pair{Language::Hindi, "Hindi"}})
            for (const QSize size : {QSize(1366, 768), QSize(1600, 1000), QSize(1920, 1080)}) {
                QTest::addRow("%s %dx%d, bodies spread out", name, size.width(), size.height())
                    << int(language) << size << 2000 << 1;
                QTest::addRow("%s %dx%d, eight in one house", name, size.width(), size.height())
                    << int(language) << size << 1962 << 4;
            }
    }
    void nothingToScrollAtTheUsualSizes()
    {
        QFETCH(int, language);
        QFETCH(QSize, size);
        QFETCH(int, year);
        QFETCH(int, day);
        if (available().width() < size.width() || available().height() < size.height())
            QSKIP("the screen is smaller than the window");
        InstallLanguage(Language(language));
        QVERIFY(ShowFreshWindow(dialogs, window));
        Birth birth = Crowded();
        birth.year = year;
        birth.day = day;
        showReading(birth);
        window->resize(size);
        QApplication::processEvents();
        const QString at = QStringLiteral("window %1x%2").arg(window->width()).arg(window->height());
        checkReadable(at);
        auto* scroll = Child<QScrollArea>(*window, "resultsScroll");
        const QSize content = scroll->widget()->size();
        const QSize view = scroll->viewport()->size();
        QVERIFY2(!scroll->verticalScrollBar()->isVisible() && !scroll->horizontalScrollBar()->isVisible()
                     && content.height() <= view.height() && content.width() <= view.width(),
                 qPrintable(QStringLiteral("%1: content %2x%3 in %4x%5").arg(at).arg(content.width()).arg(content.height())
                                .arg(view.width()).arg(view.height())));
        // The diagram no smaller than it need be: it takes the height left,
        // the strip under it down to the view's bottom, unless the rows
        // beside it, at their own width, leave it no wider a column.
        auto* chart = Child<ChartView>(*window, "chartView");
        const double side = chart->currentLayout().square.width();
        QWidget* dayView = Child<QWidget>(*window, "daySlice")->parentWidget();
        const int bottom = dayView->mapTo(scroll->viewport(), QPoint(0, dayView->height())).y();
        const auto* rows = window->findChild<ReadingRowsView*>();
        QVERIFY(rows);
        QVERIFY2(bottom >= view.height() - 2 || rows->width() <= rows->sizeHint().width() + 2,
                 qPrintable(QStringLiteral("%1: diagram %2 in %3x%4, the strip ending at %5 of %6, rows %7 of %8")
                                .arg(at).arg(side).arg(chart->width()).arg(chart->height()).arg(bottom).arg(view.height())
                                .arg(rows->width()).arg(rows->sizeHint().width())));
        // The diagram square at the top of its widget, the strip right under it.
        QCOMPARE(chart->currentLayout().frame.top(), 1.0);
        QVERIFY(side >= 320 - 2);
    }

    void sentencesWrapBesideTheDiagram_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("English") << int(Language::English);
        QTest::newRow("Hindi") << int(Language::Hindi);
    }
    void sentencesWrapBesideTheDiagram()
    {
        // 760 pixels across is room for the diagram and the sentences wrapped
        // beside it: nothing to scroll sideways, and the diagram keeps 320.
        QFETCH(int, language);
        InstallLanguage(Language(language));
        QVERIFY(ShowFreshWindow(dialogs, window));
        showReading(Crowded());
        window->resize(qMax(760, window->minimumSizeHint().width()), window->height());
        QApplication::processEvents();
        auto* scroll = Child<QScrollArea>(*window, "resultsScroll");
        QVERIFY2(!scroll->horizontalScrollBar()->isVisible() && scroll->widget()->width() <= scroll->viewport()->width(),
                 qPrintable(QStringLiteral("window %1x%2: content %3 wide in %4").arg(window->width()).arg(window->height())
                                .arg(scroll->widget()->width()).arg(scroll->viewport()->width())));
        QLabel* longest = Child<QLabel>(*window, "lblGrahas_7");
        QVERIFY(longest->wordWrap());
        const int lines = longest->height() / longest->fontMetrics().lineSpacing();
        QVERIFY2(lines >= 2, qPrintable(QString::number(lines)));
        QWidget* chart = Child<QWidget>(*window, "chartView");
        QVERIFY(longest->mapTo(window.get(), QPoint(0, 0)).x() > chart->mapTo(window.get(), QPoint(chart->width(), 0)).x());
        QVERIFY(qMin(chart->width(), chart->height()) >= 320);
    }
};

QTEST_MAIN(TestWindowSizes)
#include "test_window_sizes.moc"
