// The diagram's geometry in both styles, the layout of its texts, and the
// files written from it: a PDF page whose text is the reading's, an SVG that
// parses, a picture whose shading follows the chosen body.

#include "drawing/reading_page.h"

#include "core/jaimini/jaimini_text.h"
#include "core/jaimini/navamsa_view.h"
#include "core/reading/calculation_driver.h"
#include "core/reading/reading_header.h"
#include "core/time_window/jaimini_window_text.h"
#include "core/time_window/window_text.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include "tests/core/fixtures.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <tuple>

namespace rashi {
namespace {

const QRectF kSquare(10, 20, 480, 480);

double Area(const QPolygonF& polygon)
{
    double twice = 0;
    for (int i = 0; i < polygon.size(); ++i) {
        const QPointF& a = polygon[i];
        const QPointF& b = polygon[(i + 1) % polygon.size()];
        twice += a.x() * b.y() - b.x() * a.y();
    }
    return std::fabs(twice) / 2;
}

QPointF Centroid(const QPolygonF& polygon)
{
    QPointF sum;
    for (const QPointF& p : polygon)
        sum += p;
    return sum / double(polygon.size());
}

// Unit-square coordinates of a point in kSquare.
QPointF Unit(const QPointF& p)
{
    return {(p.x() - kSquare.left()) / kSquare.width(), (p.y() - kSquare.top()) / kSquare.height()};
}

TEST(ChartGeometry, SouthIndianSignsStandInFixedBoxesClockwiseFromPiscesTopLeft)
{
    // column, row of each sign from Aries
    const int expected[12][2] = {{1, 0}, {2, 0}, {3, 0}, {3, 1}, {3, 2}, {3, 3},
                                 {2, 3}, {1, 3}, {0, 3}, {0, 2}, {0, 1}, {0, 0}};
    for (int sign = 0; sign < 12; ++sign) {
        EXPECT_EQ(SouthGridPosition(sign), QPoint(expected[sign][0], expected[sign][1])) << sign;
        // The ascendant moves nothing.
        for (int ascendant : {-1, 0, 5, 11}) {
            const QRectF cell = SignCell(ChartStyle::South, sign, ascendant, kSquare).boundingRect();
            EXPECT_EQ(cell, QRectF(10 + 120 * expected[sign][0], 20 + 120 * expected[sign][1], 120, 120)) << sign;
        }
    }
}

TEST(ChartGeometry, NorthIndianHousesRunCounterClockwiseFromTheTopDiamond)
{
    // Centre of each house in the unit square, house 1 first.
    const double centres[12][2] = {{0.5, 0.25},     {0.25, 1 / 12.0}, {1 / 12.0, 0.25}, {0.25, 0.5},
                                   {1 / 12.0, 0.75}, {0.25, 11 / 12.0}, {0.5, 0.75},    {0.75, 11 / 12.0},
                                   {11 / 12.0, 0.75}, {0.75, 0.5},    {11 / 12.0, 0.25}, {0.75, 1 / 12.0}};
    for (int house = 1; house <= 12; ++house) {
        const QPointF centre = Unit(Centroid(NorthHouse(house, kSquare)));
        EXPECT_NEAR(centre.x(), centres[house - 1][0], 1e-9) << house;
        EXPECT_NEAR(centre.y(), centres[house - 1][1], 1e-9) << house;
        EXPECT_NEAR(Area(NorthHouse(house, kSquare)), 480.0 * 480 / (house % 3 == 1 ? 8 : 16), 1e-6) << house;
    }
}

TEST(ChartGeometry, NorthIndianSignsFollowTheAscendant)
{
    struct Case {
        int ascendant;
        int houseOfSign[12]; // Aries .. Pisces
    };
    const Case cases[] = {
        {0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
        {5, {8, 9, 10, 11, 12, 1, 2, 3, 4, 5, 6, 7}}, // Virgo rising
        {11, {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 1}},
        {-1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}}, // no ascendant: from Aries
    };
    for (const Case& c : cases) {
        for (int sign = 0; sign < 12; ++sign) {
            const int house = NorthHouseOfSign(sign, c.ascendant);
            EXPECT_EQ(house, c.houseOfSign[sign]) << c.ascendant << " " << sign;
            EXPECT_EQ(SignInNorthHouse(house, c.ascendant), sign);
            EXPECT_EQ(SignCell(ChartStyle::North, sign, c.ascendant, kSquare), NorthHouse(house, kSquare));
        }
    }
}

TEST(ChartGeometry, CellsTileTheSquareAndHoldTheirTextBoxes)
{
    for (ChartStyle style : {ChartStyle::South, ChartStyle::North}) {
        double area = 0;
        for (int sign = 0; sign < 12; ++sign) {
            const QPolygonF cell = SignCell(style, sign, 3, kSquare);
            area += Area(cell);
            const QRectF box = CellTextBox(style, sign, 3, kSquare);
            for (const QPointF& corner : {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()})
                EXPECT_TRUE(cell.containsPoint(corner, Qt::OddEvenFill)) << ChartStyleKey(style) << " " << sign;
            // No other cell holds this cell's anchor.
            const QPointF anchor = CellAnchor(style, sign, 3, kSquare);
            for (int other = 0; other < 12; ++other)
                EXPECT_EQ(SignCell(style, other, 3, kSquare).containsPoint(anchor, Qt::OddEvenFill), other == sign);
        }
        // South: twelve boxes of a sixteenth; North: the whole square.
        EXPECT_NEAR(area, 480.0 * 480 * (style == ChartStyle::South ? 0.75 : 1.0), 1e-6) << ChartStyleKey(style);
    }
}

TEST(ChartGeometry, StyleKeys)
{
    EXPECT_STREQ(ChartStyleKey(ChartStyle::North), "north");
    EXPECT_EQ(ChartStyleFromKey(QStringLiteral("north")), ChartStyle::North);
    EXPECT_EQ(ChartStyleFromKey(QStringLiteral("south")), ChartStyle::South);
    EXPECT_EQ(ChartStyleFromKey(QStringLiteral("whatever")), ChartStyle::South);
}

// Pune, 21 June 1975, 6:30 Indian time: the ascendant in Gemini beside the Sun.
const ReadingRecords& Pune()
{
    static CalculationDriver driver = [] {
        CalculationDriver d;
        EXPECT_FALSE(d.Calculate(testing::PuneBirth(21, 6, 1975, 6, 30)));
        return d;
    }();
    return driver.records();
}

// Greenwich, 1 January 2000, noon: several bodies share a sign.
const ReadingRecords& Greenwich()
{
    static CalculationDriver driver = [] {
        CalculationDriver d;
        EXPECT_FALSE(d.Calculate(testing::GreenwichNoon()));
        return d;
    }();
    return driver.records();
}

TEST(ChartModel, BodiesTheirSignsAndTheAscendant)
{
    const ChartModel model = ChartModelOf(Pune());
    EXPECT_EQ(model.bodies[0].shortName, QStringLiteral("Su"));
    EXPECT_EQ(model.bodies[0].degreeText, QStringLiteral("05\u00B032\u2032")); // 05 Gem 32
    EXPECT_EQ(model.bodies[0].sign, 2);
    EXPECT_EQ(model.bodies[1].sign, 7); // 02 Sco 46
    EXPECT_EQ(model.ascendantSign, 2);  // 11 Gem 46
    EXPECT_EQ(model.ascendantText, QStringLiteral("11\u00B046\u2032"));
    EXPECT_EQ(model.personName, QStringLiteral("Ada"));
    // The Moon in Scorpio aspects Taurus, Leo, Aquarius under our rule.
    EXPECT_EQ(AspectedSigns(model, 1), (1u << 1) | (1u << 4) | (1u << 10));
    EXPECT_EQ(AspectedSigns(model, -1), 0u);
}

TEST(ChartLayout, EveryBodyOnceInItsSignHighlightedWhereTheChosenOneLooks)
{
    const ChartModel model = ChartModelOf(Pune());
    for (ChartStyle style : {ChartStyle::South, ChartStyle::North}) {
        for (double side : {160.0, 400.0, 1200.0}) {
            ChartOptions options;
            options.style = style;
            options.chosenBody = 1; // Moon
            const ChartLayout layout = LayoutChart(QRectF(0, 0, side, side * 1.3), model, options);
            const std::string what = std::string(ChartStyleKey(style)) + " " + std::to_string(int(side));
            // As large as fits, centred; the North Indian one leaves a strip
            // below for its title.
            const double strip = style == ChartStyle::North ? side * 0.07 : 0;
            EXPECT_EQ(layout.square, QRectF(0, side * 0.15 - strip / 2, side, side)) << what;
            int titles = 0;
            for (const PlacedText& text : layout.texts)
                titles += text.kind == PlacedText::Title && text.text.contains(QLatin1String("our rule"));
            EXPECT_EQ(titles, 1) << what << ": the rule is named";
            std::array<int, kReportRows> seen{};
            int ascendants = 0;
            for (const PlacedText& text : layout.texts) {
                EXPECT_TRUE(layout.frame.adjusted(-1, -1, 1, 1).contains(text.box)) << what;
                if (text.kind == PlacedText::Ascendant) {
                    ++ascendants;
                    EXPECT_TRUE(layout.cells[model.ascendantSign].containsPoint(text.box.center(), Qt::OddEvenFill));
                }
                if (text.kind != PlacedText::Body)
                    continue;
                ++seen[text.body];
                const int sign = model.bodies[text.body].sign;
                EXPECT_TRUE(layout.cells[sign].containsPoint(text.box.center(), Qt::OddEvenFill)) << what;
                EXPECT_EQ(BodyAt(layout, text.box.center()), text.body) << what;
                const bool aspected = (AspectedSigns(model, 1) >> sign) & 1u;
                const QColor expected = text.body == 1 ? options.colours.arrow
                                        : aspected     ? options.colours.highlighted
                                                       : options.colours.text;
                EXPECT_EQ(text.colour, expected) << what << " " << text.body;
                EXPECT_EQ(text.bold, text.body == 1 || aspected) << what;
            }
            for (int i = 0; i < kReportRows; ++i)
                EXPECT_GE(seen[i], 1) << what << " body " << i;
            EXPECT_EQ(ascendants, 1) << what;
            EXPECT_EQ(BodyAt(layout, QPointF(-5, -5)), -1);
        }
    }
}

// The arudha lagna and the upapada stand in their signs' cells in the
// chart's language, and the karakamsa in the navamsa chart.
TEST(ChartLayout, JaiminiMarksInTheirSignsInEachLanguage)
{
    struct Case { Language language; const char* lagna; const char* upapada; const char* karakamsa; };
    for (const Case& c : {Case{Language::English, "AL", "UL", "Karakamsa"},
                          Case{Language::Hindi, "आ.ल.", "उ.प.", "कारकांश"}}) {
        CalculationDriver driver;
        driver.setWithJaimini(true);
        driver.SetLanguage(c.language);
        ASSERT_FALSE(driver.Calculate(testing::PuneBirth(4, 2, 1962, 8, 0)));
        const ReadingRecords& r = driver.records();
        const ReadingRecords navamsa = NavamsaView(r);
        for (const auto& [records, mark, sign] :
             {std::tuple{&r, c.lagna, r.jaimini.arudhaPadas[0]}, std::tuple{&r, c.upapada, r.jaimini.arudhaPadas[11]},
              std::tuple{&navamsa, c.karakamsa, r.jaimini.karakas.karakamsa}}) {
            const ChartModel model = ChartModelOf(*records);
            const ChartLayout layout = LayoutChart(QRectF(0, 0, 600, 600), model, ChartOptions{});
            int found = 0;
            for (const PlacedText& text : layout.texts)
                if (text.text.split(QLatin1Char(' ')).contains(QString::fromUtf8(mark))) {
                    ++found;
                    EXPECT_TRUE(layout.cells[sign].containsPoint(text.box.center(), Qt::OddEvenFill)) << mark;
                }
            EXPECT_EQ(found, 1) << mark;
        }
    }
}

// A crowded triangle of the North Indian diagram: four bodies with their
// karakas, the arudha lagna and the upapada in one of the eight small houses,
// in either language. Their type is no smaller than the diagram's size allows
// (9 pixels from its size on screen up, 7 at its least), every line whole
// within the house, none over another or over the house's number.
TEST(ChartLayout, NorthTrianglesKeepTheirTypeReadable)
{
    struct Size { double side; int least; };
    for (const Language language : {Language::English, Language::Hindi}) {
        CalculationDriver driver;
        driver.setWithJaimini(true);
        driver.SetLanguage(language);
        ASSERT_FALSE(driver.Calculate(testing::PuneBirth(21, 6, 1975, 6, 30)));
        const ChartModel reading = ChartModelOf(driver.records());
        for (const int house : {2, 3, 5, 6, 8, 9, 11, 12}) {
            ChartModel model = reading;
            model.ascendantSign = 0;
            const int sign = SignInNorthHouse(house, model.ascendantSign);
            // The Moon and three more with their karakas there, the rest across.
            for (int i = 0; i < kReportRows; ++i)
                model.bodies[i].sign = i >= 1 && i <= 4 ? sign : (sign + 6) % 12;
            model.arudhaLagna = model.upapada = sign;
            for (const Size size : {Size{320, 7}, Size{380, 9}, Size{480, 11}, Size{640, 14}}) {
                ChartOptions options;
                options.style = ChartStyle::North;
                const ChartLayout layout = LayoutChart(QRectF(0, 0, size.side, size.side), model, options);
                const std::string what = std::string(language == Language::Hindi ? "hi" : "en") + " house " +
                                         std::to_string(house) + " at " + std::to_string(int(size.side));
                const QPolygonF& cell = layout.cells[sign];
                std::vector<QRectF> boxes;
                int bodies = 0;
                for (const PlacedText& text : layout.texts) {
                    if (text.kind == PlacedText::Title || !cell.containsPoint(text.box.center(), Qt::OddEvenFill))
                        continue;
                    for (const QRectF& other : boxes)
                        EXPECT_FALSE(text.box.adjusted(0.5, 0.5, -0.5, -0.5).intersects(other))
                            << what << ": " << text.text.toStdString();
                    boxes.push_back(text.box);
                    if (text.kind == PlacedText::SignLabel)
                        continue;
                    bodies += text.kind == PlacedText::Body && text.text.contains(QChar(0x00B0));
                    EXPECT_GE(text.pixelSize, size.least) << what << ": " << text.text.toStdString();
                    for (const QPointF& corner : {text.box.topLeft(), text.box.topRight(), text.box.bottomLeft(),
                                                  text.box.bottomRight()})
                        EXPECT_TRUE(cell.containsPoint(corner, Qt::OddEvenFill)) << what << ": " << text.text.toStdString();
                }
                EXPECT_EQ(bodies, 4) << what;
            }
        }
    }
}

TEST(ChartArrows, GoRoundTheMiddleTextAndOtherCellsLabels)
{
    // Every body chosen in turn, in both styles and at two sizes: an arrow
    // for every aspected sign, none crossing a text that is not its own cells'.
    for (const ReadingRecords* records : {&Pune(), &Greenwich()}) {
        const ChartModel model = ChartModelOf(*records);
        for (ChartStyle style : {ChartStyle::South, ChartStyle::North}) {
            for (double side : {300.0, 600.0}) {
                for (int body = 0; body < kReportRows; ++body) {
                    ChartOptions options;
                    options.style = style;
                    options.chosenBody = body;
                    const ChartLayout layout = LayoutChart(QRectF(0, 0, side, side), model, options);
                    const auto routes = RouteArrows(layout, model, options);
                    const std::string what =
                        std::string(ChartStyleKey(style)) + " " + std::to_string(int(side)) + " body " + std::to_string(body);
                    const unsigned aspected = AspectedSigns(model, body);
                    EXPECT_EQ(routes.size(), std::size_t(std::popcount(aspected))) << what;
                    for (const ArrowRoute& route : routes) {
                        EXPECT_TRUE((aspected >> route.toSign) & 1u) << what;
                        EXPECT_EQ(route.textsCrossed, 0) << what << " to sign " << route.toSign;
                        for (int i = 0; i <= 100; ++i)
                            EXPECT_TRUE(layout.square.contains(route.path.pointAtPercent(i / 100.0))) << what;
                        // The middle field's texts, checked on the drawn path itself.
                        for (const PlacedText& text : layout.texts) {
                            if (text.kind != PlacedText::Title)
                                continue;
                            for (int i = 0; i <= 100; ++i)
                                EXPECT_FALSE(text.box.contains(route.path.pointAtPercent(i / 100.0)))
                                    << what << " " << text.text.toStdString();
                        }
                    }
                }
            }
        }
    }
    ChartOptions none;
    EXPECT_TRUE(RouteArrows(LayoutChart(QRectF(0, 0, 300, 300), ChartModelOf(Pune()), none), ChartModelOf(Pune()), none)
                    .empty());
}

TEST(ChartPicture, TheChosenSignAndTheSignsItAspectsAreShaded)
{
    // The Moon in Scorpio: its box (column 1, row 3) and Leo's (3, 2) take
    // the shading; Virgo's (3, 3) keeps the background. Sampled near a corner,
    // clear of text and arrows.
    ChartOptions options;
    options.chosenBody = 1;
    const QImage image = RenderChart(Pune(), options, 400);
    auto sample = [&](int column, int row) { return image.pixelColor(column * 100 + 8, row * 100 + 95); };
    EXPECT_EQ(sample(1, 3), options.colours.chosenFill);
    EXPECT_EQ(sample(3, 2), options.colours.aspectedFill);
    EXPECT_EQ(sample(3, 3), options.colours.background);
    options.chosenBody = -1;
    EXPECT_EQ(RenderChart(Pune(), options, 400).pixelColor(108, 395), options.colours.background);
}

TEST(PrintedPage, TextKeepsTenMillimetresFromThePapersEdge)
{
    struct Case {
        const char* what;
        QMarginsF marginsMm; // as a printer's dialog leaves them
        QMarginsF insetMm;   // where the page then starts, from the paint rectangle
    };
    const Case cases[] = {
        {"no margins", {0, 0, 0, 0}, {10, 10, 10, 10}},
        {"a printer's 3 mm", {3, 3, 3, 3}, {7, 7, 7, 7}},
        {"uneven", {12, 4, 10, 25}, {0, 6, 0, 0}},
        {"wide enough already", {20, 20, 20, 20}, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait, c.marginsMm, QPageLayout::Millimeter);
        const QRectF paint = layout.paintRect(QPageLayout::Point);
        const QRectF area = PageArea(layout);
        constexpr double mm = 72.0 / 25.4;
        EXPECT_NEAR(area.left(), c.insetMm.left() * mm, 0.5);
        EXPECT_NEAR(area.top(), c.insetMm.top() * mm, 0.5);
        EXPECT_NEAR(paint.width() - area.right(), c.insetMm.right() * mm, 0.5);
        EXPECT_NEAR(paint.height() - area.bottom(), c.insetMm.bottom() * mm, 0.5);
    }
    // The PDF's own page keeps them too.
    const QPageLayout pdf = ReadingPageLayout();
    EXPECT_EQ(PageArea(pdf).topLeft(), QPointF(0, 0));
    EXPECT_GE(pdf.margins(QPageLayout::Millimeter).left(), 10.0);
    EXPECT_GE(pdf.margins(QPageLayout::Millimeter).top(), 10.0);
}

TEST(ReadingFiles, ThePdfHoldsTheReadingsText)
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("reading.pdf"));
    for (AspectRuleChoice rule : {AspectRuleChoice::Ours, AspectRuleChoice::Classical}) {
        ReadingRecords records = Pune();
        records.rule = rule;
        ASSERT_EQ(WriteReadingPdf(pdf.toStdString(), records, ChartOptions{}), QString());
        QProcess process;
        process.start(pdftotext, {pdf, QStringLiteral("-")});
        ASSERT_TRUE(process.waitForFinished(30000));
        // pdftotext may space words differently and keep the font's
        // ligatures (ﬁ): compare with single spaces, ligatures taken apart.
        const QString text = QString::fromUtf8(process.readAllStandardOutput())
                                 .normalized(QString::NormalizationForm_KC)
                                 .simplified();
        for (const std::string& line : ReportLines(records.report))
            EXPECT_TRUE(text.contains(QString::fromStdString(line))) << line;
        for (const HeaderField& field : ReadingHeader(records)) {
            EXPECT_TRUE(text.contains(QString::fromStdString(field.label))) << field.label;
            EXPECT_TRUE(text.contains(QString::fromStdString(field.value).simplified())) << field.value;
        }
        EXPECT_TRUE(text.contains(QStringLiteral("Mo 02\u00B046\u2032"))) << "the diagram's text";
    }
}

// One word of pdftotext -bbox: its text and box in points.
struct PdfWord {
    QString text;
    QRectF box;
};

std::vector<PdfWord> PdfWords(const QString& pdftotext, const QString& pdf, QSizeF* page)
{
    QProcess process;
    process.start(pdftotext, {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    if (!process.waitForFinished(30000))
        return {};
    std::vector<PdfWord> words;
    QXmlStreamReader xml(process.readAllStandardOutput());
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        if (xml.name() == QLatin1String("page"))
            *page = QSizeF(a.value(QLatin1String("width")).toDouble(), a.value(QLatin1String("height")).toDouble());
        if (xml.name() != QLatin1String("word"))
            continue;
        const QRectF box(QPointF(a.value(QLatin1String("xMin")).toDouble(), a.value(QLatin1String("yMin")).toDouble()),
                         QPointF(a.value(QLatin1String("xMax")).toDouble(), a.value(QLatin1String("yMax")).toDouble()));
        words.push_back({xml.readElementText().normalized(QString::NormalizationForm_KC), box});
    }
    return words;
}

// The lines of how far the birth time can move ("The reading holds ...
// (before: ... after: ...)") are long: on the PDF's A4 page and on a printer's
// smaller paper each comes out whole, every word inside the paper's margin
// and in the type of the lines around it, however many lines it takes.
TEST(ReadingFiles, TheTimeWindowsLinesComeOutWholeInTheirType)
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    struct Case {
        const char* what;
        Entries birth;
        QPageSize::PageSizeId paper; // A4: the PDF as exported
    };
    const Case cases[] = {
        {"Pune 1985, A4", testing::PuneBirth(7, 3, 1985, 17, 45), QPageSize::A4},
        {"Pune 1985, A5 paper", testing::PuneBirth(7, 3, 1985, 17, 45), QPageSize::A5},
        {"Greenwich 2000, A6 paper", testing::GreenwichNoon(), QPageSize::A6},
    };
    QTemporaryDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CalculationDriver driver;
        driver.setWithWindow(true);
        ASSERT_FALSE(driver.Calculate(c.birth));
        const ReadingRecords& records = driver.records();
        const std::vector<std::string> lines = WindowLines(records.window);
        ASSERT_EQ(lines.size(), 2u);
        const QString pdf = dir.filePath(QStringLiteral("window.pdf"));
        if (c.paper == QPageSize::A4) {
            ASSERT_EQ(WriteReadingPdf(pdf.toStdString(), records, ChartOptions{}), QString());
        } else {
            QPdfWriter writer(pdf);
            writer.setResolution(300);
            writer.setPageLayout(QPageLayout(QPageSize(c.paper), QPageLayout::Portrait, QMarginsF(5, 5, 5, 5),
                                             QPageLayout::Millimeter));
            QPainter painter(&writer);
            PaintPageOnDevice(painter, writer, 300, records, ChartOptions{});
        }
        QSizeF page;
        const std::vector<PdfWord> words = PdfWords(pdftotext, pdf, &page);
        ASSERT_FALSE(words.empty());
        const double right = page.width() - kMinPageMarginPoints + 0.5;
        for (const std::string& line : lines) {
            SCOPED_TRACE(line);
            const QStringList expected = QString::fromStdString(line).split(QLatin1Char(' '), Qt::SkipEmptyParts);
            std::size_t at = 0;
            for (; at + expected.size() <= words.size(); ++at) {
                qsizetype k = 0;
                while (k < expected.size() && words[at + std::size_t(k)].text == expected[k])
                    ++k;
                if (k == expected.size())
                    break;
            }
            ASSERT_LE(at + expected.size(), words.size()) << "the line is not on the page whole";
            for (qsizetype k = 0; k < expected.size(); ++k) {
                const PdfWord& word = words[at + std::size_t(k)];
                EXPECT_LE(word.box.right(), right) << word.text.toStdString() << " runs into the margin";
                // The 8-pixel type is about 9 points high in pdftotext's boxes;
                // shrunk to fit, it was under 6.
                EXPECT_GE(word.box.height(), 8.5) << word.text.toStdString() << " is shrunk";
            }
        }
    }
}

// The Hindi page: its Devanagari font embedded, and every line of the
// reading given back by a PDF reader as it was written, conjuncts (दृष्टि,
// जन्म) and vowel signs drawn before their consonants (ि) included.
TEST(ReadingFiles, TheHindiPdfGivesItsTextBack)
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    const QString pdffonts = QStandardPaths::findExecutable(QStringLiteral("pdffonts"));
    if (pdftotext.isEmpty() || pdffonts.isEmpty())
        GTEST_SKIP() << "pdftotext and pdffonts (poppler-utils) are not installed";
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("hindi.pdf"));
    CalculationDriver driver;
    driver.setWithWindow(true);
    driver.setWithJaimini(true);
    driver.SetLanguage(Language::Hindi);
    ASSERT_FALSE(driver.Calculate(testing::PuneBirth(21, 6, 1975, 6, 30)));
    ASSERT_EQ(WriteReadingPdf(pdf.toStdString(), driver.records(), ChartOptions{}), QString());

    QProcess fonts;
    fonts.start(pdffonts, {pdf});
    ASSERT_TRUE(fonts.waitForFinished(30000));
    const QString fontList = QString::fromUtf8(fonts.readAllStandardOutput());
    bool embedded = false;
    for (const QString& row : fontList.split(QLatin1Char('\n')))
        if (row.contains(QLatin1String("Devanagari")) && row.contains(QLatin1String(" yes ")))
            embedded = true;
    EXPECT_TRUE(embedded) << fontList.toStdString();

    QProcess process;
    process.start(pdftotext, {pdf, QStringLiteral("-")});
    ASSERT_TRUE(process.waitForFinished(30000));
    const QString text = QString::fromUtf8(process.readAllStandardOutput()).simplified();
    // The captions, and the long lines that wrap: how long the reading, the
    // chart, the karakas and the navamsa hold, and the Jaimini lines.
    std::vector<std::string> lines = ReportLines(driver.report());
    for (std::vector<std::string> more : {WindowLines(driver.records().window, WordsOf(Language::Hindi)),
                                          JaiminiWindowLines(driver.records().jaiminiWindow, WordsOf(Language::Hindi)),
                                          JaiminiPanelLines(driver.records())})
        lines.insert(lines.end(), more.begin(), more.end());
    for (const std::string& line : lines)
        EXPECT_TRUE(text.contains(QString::fromStdString(line).simplified())) << line << "\n" << text.toStdString();
    for (const HeaderField& field : ReadingHeader(driver.records()))
        EXPECT_TRUE(text.contains(QString::fromStdString(field.label))) << field.label;
    EXPECT_TRUE(text.contains(QStringLiteral("राशि दृष्टि फल")));
    EXPECT_TRUE(text.contains(QStringLiteral("जनवरी")) || text.contains(QStringLiteral("जून")));
}

// Devanagari costs the PDF each glyph once, as it does Latin, not an outline
// wherever the glyph stands: the Hindi reading, alone and with every page,
// stays near the size of the English one and still gives its text back.
TEST(ReadingFiles, TheHindiPdfStaysNearTheEnglishInSize)
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    struct Case {
        const char* name;
        bool everyPage;
        qsizetype mostBytes;
    };
    for (const Case& c : {Case{"the reading", false, 100 * 1024}, Case{"every page", true, 200 * 1024}}) {
        SCOPED_TRACE(c.name);
        QByteArray pdfs[2];
        CalculationDriver driver;
        for (const Language language : {Language::English, Language::Hindi}) {
            driver.SetLanguage(language);
            driver.setWithWindow(c.everyPage);
            driver.setWithJaimini(c.everyPage);
            driver.setWithGrahaDrishti(c.everyPage);
            DashaChoices dashas;
            dashas.systems = c.everyPage ? unsigned(dasha::All) : 0u;
            driver.SetDashaChoices(dashas);
            ASSERT_FALSE(driver.Calculate(testing::PuneBirth(21, 6, 1975, 6, 30)));
            pdfs[language == Language::Hindi] = ReadingPdfBytes(driver.records(), ChartOptions{});
        }
        const QByteArray& english = pdfs[0];
        const QByteArray& hindi = pdfs[1];
        ASSERT_FALSE(english.isEmpty());
        EXPECT_LT(hindi.size(), c.mostBytes);
        EXPECT_LT(hindi.size(), 3 * english.size()) << "English " << english.size() << " bytes";

        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("hindi.pdf"));
        QFile file(pdf);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(hindi) == hindi.size());
        file.close();
        QProcess process;
        process.start(pdftotext, {pdf, QStringLiteral("-")});
        ASSERT_TRUE(process.waitForFinished(30000));
        const QString text = QString::fromUtf8(process.readAllStandardOutput()).simplified();
        for (const std::string& line : ReportLines(driver.report()))
            EXPECT_TRUE(text.contains(QString::fromStdString(line).simplified())) << line;
    }
}

TEST(ReadingFiles, TheSvgParsesAndShowsTheBodies)
{
    QTemporaryDir dir;
    const QString svg = dir.filePath(QStringLiteral("chart.svg"));
    for (ChartStyle style : {ChartStyle::South, ChartStyle::North}) {
        ChartOptions options;
        options.style = style;
        options.chosenBody = 4;
        ASSERT_EQ(WriteChartSvg(svg.toStdString(), Pune(), options, 500), QString());
        QFile file(svg);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QStringList texts;
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("text"))
                texts << xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
        }
        EXPECT_FALSE(xml.hasError()) << qPrintable(xml.errorString());
        for (const char* body : {"Su 05", "Mo 02", "Ma 29", "Ke 05"})
            EXPECT_TRUE(texts.filter(QString::fromLatin1(body)).size() == 1) << body;
        EXPECT_TRUE(QSvgRenderer(svg).isValid());
    }
}

TEST(ReadingFiles, APngOfTheRequestedSize)
{
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("chart.png"));
    ASSERT_EQ(WriteChartPng(png.toStdString(), Pune(), ChartOptions{}, 321), QString());
    EXPECT_EQ(QImage(png).size(), QSize(321, 321));
    EXPECT_NE(WriteChartPng(dir.filePath(QStringLiteral("no/such/folder/chart.png")).toStdString(), Pune(), ChartOptions{}),
              QString());
}

} // namespace
} // namespace rashi

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
