// Time to lay out and draw the chart diagram (into a picture and into SVG),
// to write the A4 PDF page, and to compute the ascendant.

#include "core/ascendant/ascendant.h"
#include "core/reading/calculation_driver.h"
#include "drawing/reading_page.h"
#include "tests/core/fixtures.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace rashi;

const ReadingRecords& Reading() {
    static CalculationDriver driver;
    if (!driver.hasReading()) driver.Calculate(testing::PuneBirth(21, 6, 1975, 6, 30));
    return driver.records();
}

ChartOptions Options(int style, int chosen) {
    ChartOptions options;
    options.style = style == 0 ? ChartStyle::South : ChartStyle::North;
    options.chosenBody = chosen;
    return options;
}

// One paint of the diagram into a 600-pixel picture, as the window does.
void DrawChart(benchmark::State& state) {
    const ChartModel model = ChartModelOf(Reading());
    const ChartOptions options = Options(int(state.range(0)), int(state.range(1)));
    QImage image(600, 600, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        PaintChart(painter, QRectF(0, 0, 600, 600), model, options);
    }
}
BENCHMARK(DrawChart)->ArgNames({"north", "chosen"})->Args({0, -1})->Args({0, 1})->Args({1, -1})->Args({1, 1})
    ->Unit(benchmark::kMicrosecond);

void LayoutOnly(benchmark::State& state) {
    const ChartModel model = ChartModelOf(Reading());
    const ChartOptions options = Options(int(state.range(0)), 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(LayoutChart(QRectF(0, 0, 600, 600), model, options));
}
BENCHMARK(LayoutOnly)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void ChartToSvg(benchmark::State& state) {
    const ChartModel model = ChartModelOf(Reading());
    const ChartOptions options = Options(0, 1);
    for (auto _ : state) {
        QBuffer buffer;
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(QSize(600, 600));
        QPainter painter(&generator);
        PaintChart(painter, QRectF(0, 0, 600, 600), model, options);
        painter.end();
        benchmark::DoNotOptimize(buffer.size());
    }
}
BENCHMARK(ChartToSvg)->Unit(benchmark::kMicrosecond);

// The same with the planet aspects (dashed arrows, their strengths placed
// clear of the texts), as the window draws them when switched to.
void DrawGrahaChart(benchmark::State& state) {
    static CalculationDriver driver;
    driver.setWithGrahaDrishti(true);
    if (!driver.hasReading()) driver.Calculate(testing::PuneBirth(21, 6, 1975, 6, 30));
    const ChartModel model = ChartModelOf(driver.records());
    ChartOptions options = Options(int(state.range(0)), int(state.range(1)));
    options.grahaDrishti = true;
    QImage image(600, 600, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        PaintChart(painter, QRectF(0, 0, 600, 600), model, options);
    }
}
BENCHMARK(DrawGrahaChart)->ArgNames({"north", "chosen"})->Args({0, 4})->Args({1, 4})->Args({0, 5})
    ->Unit(benchmark::kMicrosecond);

void WritePdf(benchmark::State& state) {
    QTemporaryDir dir;
    const std::string file = dir.filePath(QStringLiteral("reading.pdf")).toStdString();
    const ChartOptions options = Options(int(state.range(0)), 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(WriteReadingPdf(file, Reading(), options));
}
BENCHMARK(WritePdf)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void Ascendant(benchmark::State& state) {
    ReadingRecords records = Reading();
    for (auto _ : state) {
        ComputeAscendant(records);
        benchmark::DoNotOptimize(records.ascendant.SiderealLongitude);
    }
}
BENCHMARK(Ascendant);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
