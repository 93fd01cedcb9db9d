// The diagram's planet aspects: with them asked for, the chosen body's
// arrows go to the signs it aspects by the graha drishti and are drawn in
// their own colour, never the sign aspects', their strengths those on the
// houses in the signs they reach.

#include "drawing/chart_painter.h"
#include "drawing/reading_page.h"

#include "core/reading/calculation_driver.h"
#include "tests/core/fixtures.h"

#include <QImage>

#include <algorithm>

#include <gtest/gtest.h>

namespace rashi {
namespace {

// How many pixels of the picture are (nearly) this colour, outside the
// diagram's texts (the bodies standing in aspected signs share it).
int PixelsOf(const QImage& image, const QColor& colour, const ChartLayout& layout) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (std::any_of(layout.texts.begin(), layout.texts.end(),
                            [&](const PlacedText& text) { return text.box.adjusted(-2, -2, 2, 2).contains(x, y); }))
                continue;
            const QColor pixel = image.pixelColor(x, y);
            count += std::abs(pixel.red() - colour.red()) + std::abs(pixel.green() - colour.green()) +
                         std::abs(pixel.blue() - colour.blue()) < 24;
        }
    return count;
}

unsigned GrahaSigns(const ReadingRecords& records, int body) {
    unsigned signs = 0;
    for (const GrahaAspect& aspect : records.grahaDrishti.aspects[body])
        if (aspect.sign >= 0) signs |= 1u << aspect.sign;
    return signs;
}

class GrahaArrows : public ::testing::TestWithParam<int> {};

TEST_P(GrahaArrows, GoToTheGrahaSignsInTheirOwnColour) {
    const int body = GetParam();
    CalculationDriver driver;
    driver.setWithGrahaDrishti(true);
    ASSERT_FALSE(driver.Calculate(testing::PuneBirth(4, 2, 1962, 8, 0)));
    const ReadingRecords& records = driver.records();
    const ChartModel model = ChartModelOf(records);
    ASSERT_TRUE(model.hasGrahaDrishti);
    for (const ChartStyle style : {ChartStyle::South, ChartStyle::North}) {
        ChartOptions options;
        options.style = style;
        options.chosenBody = body;
        const QImage signs = RenderChart(records, options, 600);
        const ChartLayout signLayout = LayoutChart(QRectF(0, 0, 600, 600), model, options);
        options.grahaDrishti = true;
        const QImage planets = RenderChart(records, options, 600);
        const ChartLayout layout = LayoutChart(QRectF(0, 0, 600, 600), model, options);
        // The planet aspects' colour only where they are asked for.
        EXPECT_EQ(PixelsOf(signs, options.colours.grahaArrow, signLayout), 0);
        EXPECT_GT(PixelsOf(planets, options.colours.grahaArrow, layout), 500);

        unsigned reached = 0;
        for (const ArrowRoute& route : RouteArrows(layout, model, options)) reached |= 1u << route.toSign;
        EXPECT_EQ(reached, GrahaSigns(records, body));
        EXPECT_EQ(ShownAspectSigns(model, options), GrahaSigns(records, body));
        // Each sign's strength is the strength on the house standing there.
        for (const GrahaAspect& aspect : records.grahaDrishti.aspects[body])
            EXPECT_DOUBLE_EQ(model.grahaVirupas[body][aspect.sign],
                             records.grahaDrishti.sphuta[body][kReportRows + aspect.house - 1]);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryBody, GrahaArrows, ::testing::Range(0, kReportRows));

// Without the graha drishti in the reading, asking for it shows the sign aspects.
TEST(GrahaArrowsWithoutTheReading, FallBackToTheSignAspects) {
    CalculationDriver driver;
    ASSERT_FALSE(driver.Calculate(testing::PuneBirth(4, 2, 1962, 8, 0)));
    const ChartModel model = ChartModelOf(driver.records());
    ChartOptions options;
    options.chosenBody = 0;
    options.grahaDrishti = true;
    EXPECT_FALSE(ShowsGrahaDrishti(model, options));
    EXPECT_EQ(ShownAspectSigns(model, options), AspectedSigns(model, 0));
}

} // namespace
} // namespace rashi
