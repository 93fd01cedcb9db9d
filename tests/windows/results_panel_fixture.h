#pragma once
// The results panel's tests: a panel over a driver of its own, as the main
// window makes them, shown at a working size, and the readings shown on it.

#include "ui_helpers.h"

#include "core/reading/calculation_driver.h"
#include "windows/chart_view.h"
#include "windows/program_settings.h"
#include "windows/results_panel.h"

#include <QApplication>
#include <QStandardPaths>
#include <QStringList>
#include <QtTest>

#include <memory>
#include <string>
#include <vector>

namespace rashi::testing {

inline QStringList Lines(const std::vector<std::string>& lines)
{
    QStringList out;
    for (const std::string& line : lines)
        out << QString::fromStdString(line);
    return out;
}

template <class Dialogs>
class ResultsPanelFixture {
protected:
    std::unique_ptr<Dialogs> dialogs;
    std::unique_ptr<CalculationDriver> driver;
    std::unique_ptr<ResultsPanel> panel;

    // The settings of a test program of this name, in test mode.
    static void useTestSettings(const QString& application)
    {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("Tarvek"));
        QCoreApplication::setApplicationName(application);
    }
    // Before each test: settings cleared, fresh dialogs and a fresh panel.
    void setUpPanel()
    {
        ProgramSettings().clear();
        dialogs = std::make_unique<Dialogs>();
        freshPanel();
    }
    void tearDownPanel()
    {
        panel.reset();
        driver.reset();
        dialogs.reset();
        ProgramSettings().clear();
    }

    // A fresh panel over a fresh driver (dialogs made beforehand).
    void freshPanel()
    {
        panel.reset();
        driver = std::make_unique<CalculationDriver>();
        panel = std::make_unique<ResultsPanel>(*driver, *dialogs);
        panel->resize(1100, 720);
        panel->show();
    }
    void reading(const Birth& birth = Greenwich2000())
    {
        QVERIFY(!driver->Calculate(EntriesOf(birth)));
        panel->showReading();
        QApplication::processEvents();
    }
    ChartView* chart() const { return Child<ChartView>(*panel, "chartView"); }
};

} // namespace rashi::testing
