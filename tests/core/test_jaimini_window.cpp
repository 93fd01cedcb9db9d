// How long the karakas and the navamsa hold, against a scan of every minute.

#include "core/jaimini/chara_karakas.h"
#include "core/jaimini/chart_signs.h"
#include "core/jaimini/navamsa.h"
#include "core/reading/calculation_driver.h"
#include "core/time_window/jaimini_window.h"
#include "core/time_window/jaimini_window_text.h"
#include "core/time_window/sign_steps.h"
#include "core/time_window/moment_positions.h"
#include "core/time_window/time_window.h"
#include "fixtures.h"

#include <gtest/gtest.h>

#include <cmath>

namespace rashi {
namespace {

std::vector<int> OrderAt(MomentPositions& positions, int minutes, int scheme) {
    const auto bodies = positions.Bodies(minutes);
    std::array<int, kReportRows> signs{};
    for (int i = 0; i < kReportRows; ++i) signs[i] = SignOfLongitude(bodies[i]);
    return KarakaOrder(bodies, signs, scheme);
}

std::array<int, kReportRows + 1> NavamsaAt(MomentPositions& positions, int minutes) {
    const auto bodies = positions.Bodies(minutes);
    std::array<int, kReportRows + 1> signs{};
    for (int i = 0; i < kReportRows; ++i) signs[i] = NavamsaSign(bodies[i]);
    signs[kReportRows] = NavamsaSign(positions.Ascendant(minutes));
    return signs;
}

// Inside the window every minute has the birth's order (or navamsa signs);
// one minute beyond a changing edge differs, as the edge says. The scan takes
// the precise positions whatever the reading's mode, as the Jaimini pieces do.
void CheckAgainstScan(const ReadingRecords& records) {
    const JaiminiWindowRecord& w = records.jaiminiWindow;
    ASSERT_TRUE(w.computed);
    MomentPositions positions(records.birth, Ephemeris::Precise);
    const auto order = OrderAt(positions, 0, w.scheme);
    EXPECT_EQ(w.karakaOrder, order);
    EXPECT_EQ(w.karakaOrder, records.jaimini.karakas.order) << "the window starts from the reading's own karakas";
    for (int m = w.karakas.from.minutes; m <= w.karakas.until.minutes; ++m)
        ASSERT_EQ(OrderAt(positions, m, w.scheme), order) << "minute " << m;
    for (const auto& [edge, direction, beyond] :
         {std::tuple{&w.karakas.from, -1, &w.karakasBefore}, std::tuple{&w.karakas.until, 1, &w.karakasAfter}}) {
        if (edge->limit == WindowLimit::Search) {
            EXPECT_EQ(std::abs(edge->minutes), kWindowSearchMinutes);
        }
        if (edge->limit == WindowLimit::Years) {
            EXPECT_TRUE(beyond->empty());
        }
        if (edge->limit != WindowLimit::Change) continue;
        EXPECT_EQ(OrderAt(positions, edge->minutes + direction, w.scheme), *beyond) << "edge " << edge->minutes;
        EXPECT_NE(*beyond, order);
    }

    const auto navamsa = NavamsaAt(positions, 0);
    EXPECT_EQ(w.navamsaLagna, records.jaimini.navamsa.lagna);
    for (int m = w.navamsa.from.minutes; m <= w.navamsa.until.minutes; ++m)
        ASSERT_EQ(NavamsaAt(positions, m), navamsa) << "minute " << m;
    for (const auto& [edge, direction] : {std::pair{&w.navamsa.from, -1}, std::pair{&w.navamsa.until, 1}}) {
        if (edge->limit != WindowLimit::Change) continue;
        const auto beyond = NavamsaAt(positions, edge->minutes + direction);
        std::vector<SignChange> expected;
        for (int i = 0; i <= kReportRows; ++i)
            if (beyond[i] != navamsa[i]) expected.push_back({i, navamsa[i], beyond[i]});
        EXPECT_EQ(edge->changes, expected) << "edge " << edge->minutes;
    }
}

ReadingRecords WindowReading(const Entries& entries, Ephemeris ephemeris, int scheme = 8) {
    CalculationDriver driver;
    driver.setEphemeris(ephemeris);
    driver.setWithWindow(true);
    driver.setWithJaimini(true);
    driver.SetJaiminiChoices({scheme, true});
    EXPECT_FALSE(driver.Calculate(entries));
    return driver.records();
}

Entries AbovePolarCircle() {
    Entries e = testing::PuneBirth(21, 6, 1980, 3, 0);
    e.LatDeg = "69";
    return e;
}

TEST(JaiminiWindow, MatchesAMinuteByMinuteScan) {
    const Entries births[] = {
        AbovePolarCircle(),
        testing::GreenwichNoon(),
        testing::PuneBirth(4, 2, 1962, 8, 0),
        testing::PuneBirth(15, 8, 1947, 0, 0),
        testing::PuneBirth(29, 2, 1996, 23, 59),
        testing::PuneBirth(1, 1, 1901, 0, 5),   // the window meets the first of the offered years
        testing::PuneBirth(31, 12, 2050, 23, 50),
    };
    int n = 0;
    for (const Entries& entries : births)
        for (const Ephemeris ephemeris : {Ephemeris::Formulas, Ephemeris::Precise})
            for (const int scheme : {8, 7}) {
                SCOPED_TRACE(::testing::Message() << "birth " << n++ / 4 << (ephemeris == Ephemeris::Precise ? " precise" : " formulas")
                                                  << " scheme " << scheme);
                CheckAgainstScan(WindowReading(entries, ephemeris, scheme));
            }
}

// Two bodies closing at their greatest speeds, the Moon forward and Mercury
// backward: the stepper finds the minute they change places, never a look
// past it. (With the faster body's bound taken for the pair, the first look
// past the swap at minute 758 is at 819.)
TEST(JaiminiWindow, ASwapOfBodiesAtTheirFastestIsNotSteppedOver) {
    const auto bodyBound = BodyBoundsPerMinute();
    const double moon = bodyBound[row::Moon], mercury = bodyBound[row::Mercury];
    const auto at = [&](int minutes) {
        // Sun, Venus, Mars, Jupiter, Saturn and Rahu stand still, their
        // degrees away from the two bodies' (Rahu's counted backwards).
        std::array<double, kReportRows> longitudes = {2, 10 + moon * minutes, 50 - mercury * minutes, 64, 96, 146, 178, 209, 29};
        return longitudes;
    };
    const double swap = 10 / (moon + mercury); // the Moon's 10° meets Mercury's 20°
    struct Row {
        int from, to;
    } rows[] = {{0, 3000}, {1300, 0}};
    for (const Row& row : rows) {
        int seen = row.from;
        StepThroughSigns(row.from, row.to, KarakaBounds(), KarakaWatched(at(row.from)),
                         [&](int minutes) { return KarakaWatched(at(minutes)); },
                         [&](int minutes, const auto&, const auto&) {
                             seen = minutes;
                             return true;
                         });
        // The first minute looked at beyond the swap, either way.
        EXPECT_EQ(seen, row.from < row.to ? static_cast<int>(std::ceil(swap)) : static_cast<int>(std::floor(swap)))
            << row.from << " to " << row.to;
        const int inside = row.from < row.to ? seen - 1 : seen + 1;
        std::array<int, kReportRows> before{}, after{};
        for (int i = 0; i < kReportRows; ++i) {
            before[i] = SignOfLongitude(at(inside)[i]);
            after[i] = SignOfLongitude(at(seen)[i]);
        }
        EXPECT_EQ(before, after) << "the swap, not a change of sign";
    }
}

TEST(JaiminiWindow, OnlyWithBothTheWindowAndTheJaiminiReading) {
    CalculationDriver driver;
    driver.setWithWindow(true);
    ASSERT_FALSE(driver.Calculate(testing::GreenwichNoon()));
    EXPECT_FALSE(driver.records().jaiminiWindow.computed);
    EXPECT_TRUE(JaiminiWindowLines(driver.records().jaiminiWindow).empty());
    driver.setWithJaimini(true);
    ASSERT_FALSE(driver.Calculate(testing::GreenwichNoon()));
    EXPECT_TRUE(driver.records().jaiminiWindow.computed);
    // The scheme chosen afterwards is the window's too.
    driver.SetJaiminiChoices({7, true});
    EXPECT_EQ(driver.records().jaiminiWindow.scheme, 7);
    EXPECT_EQ(driver.records().jaiminiWindow.karakaOrder.size(), 7u);
}

TEST(JaiminiWindowText, SaysWhoPassesWhom) {
    JaiminiWindowRecord w;
    w.computed = true;
    w.scheme = 8;
    w.navamsaLagna = 6;
    w.karakaOrder = {1, 3, 0, 6, 2, 4, 5, 7};
    w.karakas.from = {-30, 2000, 1, 1, 11, 30, WindowLimit::Change, {}, {}};
    w.karakas.until = {60, 2000, 1, 1, 13, 0, WindowLimit::Change, {}, {}};
    w.karakasBefore = {3, 1, 0, 6, 2, 4, 5, 7};
    w.karakasAfter = {1, 0, 3, 6, 2, 4, 5, 7};
    w.navamsa.from = {-3, 2000, 1, 1, 11, 57, WindowLimit::Change, {{kAscendantBody, 6, 5}}, {}};
    w.navamsa.until = {kWindowSearchMinutes, 2000, 1, 4, 12, 0, WindowLimit::Search, {}, {}};
    const auto lines = JaiminiWindowLines(w);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "The karakas (AK the Moon, AmK Venus, BK the Sun, MK Saturn, PiK Mercury, PK Mars, GK Jupiter, "
                        "DK the North Node) hold from 2000-01-01 11:30 to 2000-01-01 13:00 (before: Venus is ahead of "
                        "the Moon: AK and AmK change places; after: the Sun passes Venus: AmK and BK change places).");
    EXPECT_EQ(lines[1], "The navamsa (lagna Thula) holds from 2000-01-01 11:57 to 2000-01-04 12:00 (before: the "
                        "ascendant's navamsa is Kanya; after: nothing changes within three days).");
    // A body entering a sign reorders them more than one place.
    w.karakas.until.changes = {{0, 9, 10}};
    w.karakasAfter = {1, 3, 6, 2, 4, 5, 7, 0};
    EXPECT_EQ(KarakaBeyondText(w, false), "the Sun enters Kumbha: the order becomes AK the Moon, AmK Venus, BK Saturn, "
                                          "MK Mercury, PiK Mars, PK Jupiter, GK the North Node, DK the Sun");

    // The same in Hindi, the seven karakas named without the Pitrikaraka.
    const ReadingWords& hi = WordsOf(Language::Hindi);
    w.scheme = 7;
    w.karakaOrder = {1, 3, 0, 6, 2, 4, 5};
    w.karakasBefore = {3, 1, 0, 6, 2, 4, 5};
    w.karakasAfter = {1, 0, 3, 6, 2, 4, 5};
    w.karakas.until.changes = {};
    const auto hindi = JaiminiWindowLines(w, hi);
    ASSERT_EQ(hindi.size(), 2u);
    EXPECT_EQ(hindi[0], "कारक (आत्मकारक चंद्र, अमात्यकारक शुक्र, भ्रातृकारक सूर्य, मातृकारक शनि, पुत्रकारक बुध, "
                        "ज्ञातिकारक मंगल, दाराकारक गुरु) 2000-01-01 11:30 से 2000-01-01 13:00 तक बने रहते हैं "
                        "(पहले: शुक्र चंद्र से आगे है: आत्मकारक और अमात्यकारक आपस में स्थान बदलते हैं; "
                        "बाद में: सूर्य शुक्र से आगे निकलता है: अमात्यकारक और भ्रातृकारक आपस में स्थान बदलते हैं)।");
    EXPECT_EQ(hindi[1], "नवांश (लग्न तुला) 2000-01-01 11:57 से 2000-01-04 12:00 तक बना रहता है (पहले: लग्न का "
                        "नवांश कन्या है; बाद में: तीन दिन के भीतर कुछ नहीं बदलता)।");
}

} // namespace
} // namespace rashi
