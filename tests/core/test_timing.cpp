// The nakshatras and the three dashas against rows worked out by hand from
// the rules as the books give them, and whole readings' periods checked for
// the sums every dasha must keep.

#include "core/aspects/rashi_drishti.h"
#include "core/jaimini/chart_signs.h"
#include "core/reading/calculation_driver.h"
#include "core/reading/reading_header.h"
#include "core/time_window/nakshatra_window.h"
#include "core/timing/chara_dasha.h"
#include "core/timing/dasha_text.h"
#include "core/timing/dasha_tree.h"
#include "core/timing/drig_dasha.h"
#include "core/timing/nakshatras.h"
#include "core/timing/period_reading.h"
#include "core/timing/sign_dasha.h"
#include "core/timing/vimshottari.h"
#include "fixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace rashi {
namespace {

constexpr double kYear = kSiderealYearDays * kSecondsPerDay;
const auto& kNakshatraNames = WordsOf(Language::English).dasha.nakshatras;
const auto& kLordNames = WordsOf(Language::English).dasha.lords;

TEST(Nakshatras, NamesPadasAndLordsByLongitude) {
    struct Row {
        double longitude;
        std::string_view name;
        int pada;
        std::string_view lord;
    } rows[] = {
        {0, "Ashwini", 1, "Ketu"},
        {3.34, "Ashwini", 2, "Ketu"},
        {13.34, "Bharani", 1, "Venus"},
        {40.0 + 1e-9, "Rohini", 1, "Moon"},  // 40° is Rohini's start
        {93.98, "Pushya", 1, "Saturn"},
        {106.6, "Pushya", 4, "Saturn"},
        {120.01, "Magha", 1, "Ketu"},        // the second round of lords
        {200.5, "Vishakha", 1, "Jupiter"},
        {240.01, "Mula", 1, "Ketu"},
        {359.99, "Revati", 4, "Mercury"},
        {-0.01, "Revati", 4, "Mercury"},     // taken into the circle
        {720.01, "Ashwini", 1, "Ketu"},
    };
    for (const Row& r : rows) {
        const NakshatraPlace place = NakshatraOf(r.longitude);
        ASSERT_GE(place.index, 0) << r.longitude;
        EXPECT_EQ(kNakshatraNames[place.index], r.name) << r.longitude;
        EXPECT_EQ(place.pada, r.pada) << r.longitude;
        EXPECT_EQ(kLordNames[place.lord], r.lord) << r.longitude;
    }
    EXPECT_EQ(NakshatraOf(std::nan("")).index, -1);
}

TEST(Nakshatras, EveryPadaEdgeBeginsItsPada) {
    for (int pada = 0; pada < 108; ++pada) {
        const double start = pada * 10.0 / 3;
        for (const double longitude : {start + 1e-7, start + 10.0 / 3 - 1e-7}) {
            const NakshatraPlace p = NakshatraOf(longitude);
            EXPECT_EQ(p.index * 4 + p.pada - 1, pada) << longitude;
            EXPECT_NEAR(p.travelled, (longitude - p.index * kNakshatraDegrees) / kNakshatraDegrees, 1e-12);
        }
    }
}

TEST(Vimshottari, YearsOfTheCycleAndTheBalanceAtBirth) {
    EXPECT_EQ(std::accumulate(kVimshottariYears.begin(), kVimshottariYears.end(), 0), 120);
    struct Row {
        double moon;
        std::string_view first;
        double balance; // years
    } rows[] = {
        {10, "Ketu", 7 * 0.25},                            // three quarters of Ashwini behind
        {93.98, "Saturn", 19 * (1 - (93.98 - 280.0 / 3) / (40.0 / 3))},
        {20.0 / 3, "Ketu", 3.5},                           // half of Ashwini
        {40.0 / 3 * 26 + 1e-9, "Mercury", 17},             // Revati's first second
        {300, "Mars", 7 * (1 - (300 - 40.0 / 3 * 22) / (40.0 / 3))}, // Dhanishta
    };
    for (const Row& r : rows) {
        DashaList list;
        const double balance = BuildVimshottari(r.moon, 0, 1, kSiderealYearDays, list);
        ASSERT_EQ(list.top, 9);
        EXPECT_EQ(kLordNames[list.periods[0].key], r.first) << r.moon;
        EXPECT_NEAR(balance, r.balance, 1e-8) << r.moon;
        EXPECT_NEAR(list.periods[0].end / kYear, r.balance, 1e-8) << "the first ends its balance after the birth";
        EXPECT_NEAR((list.periods[8].end - list.periods[0].start) / kYear, 120, 1e-9);
        for (int k = 0; k < 9; ++k) {
            EXPECT_EQ(list.periods[k].key, (list.periods[0].key + k) % 9);
            EXPECT_NEAR((list.periods[k].end - list.periods[k].start) / kYear, kVimshottariYears[list.periods[k].key], 1e-9);
        }
    }
}

// Each period's parts: nine, from its own lord, filling it, each M × A / 120.
void CheckParts(const DashaList& list, int index, int level, int levels, int& counted) {
    ++counted;
    const DashaPeriod& p = list.periods[index];
    if (level == levels) {
        EXPECT_EQ(p.count, 0);
        return;
    }
    ASSERT_EQ(p.count, 9);
    const DashaPeriod& first = list.periods[p.first];
    EXPECT_EQ(first.key, p.key) << "a period's first part is its own lord's";
    EXPECT_EQ(first.start, p.start);
    EXPECT_EQ(list.periods[p.first + 8].end, p.end);
    for (int k = 0; k < 9; ++k) {
        const DashaPeriod& part = list.periods[p.first + k];
        EXPECT_EQ(part.key, (p.key + k) % 9);
        EXPECT_NEAR(part.end - part.start, (p.end - p.start) * kVimshottariYears[part.key] / 120, 1e-3);
        if (k > 0) {
            EXPECT_EQ(part.start, list.periods[p.first + k - 1].end);
        }
        CheckParts(list, p.first + k, level + 1, levels, counted);
    }
}

TEST(Vimshottari, EveryLevelDividesItsPeriodExactly) {
    for (const int levels : {1, 2, 3, 5}) {
        DashaList list;
        BuildVimshottari(93.98, 1e9, levels, 360, list);
        int counted = 0;
        for (int i = 0; i < list.top; ++i) CheckParts(list, i, 1, levels, counted);
        int expected = 0;
        for (int l = 1, n = 9; l <= levels; ++l, n *= 9) expected += n;
        EXPECT_EQ(counted, expected);
        EXPECT_EQ(static_cast<int>(list.periods.size()), expected);
    }
    // Saturn-Saturn: 19 × 19 / 120 years.
    DashaList list;
    BuildVimshottari(93.98, 0, 2, kSiderealYearDays, list);
    const DashaPeriod& ss = list.periods[list.periods[0].first];
    EXPECT_NEAR((ss.end - ss.start) / kYear, 19.0 * 19 / 120, 1e-9);
}

TEST(Vimshottari, YearLengths) {
    struct Row {
        std::string_view text;
        double days; // 0: refused
    } rows[] = {
        {"sidereal", 365.256363}, {"julian", 365.25}, {"tropical", 365.24219}, {"savana", 360},
        {"300", 300}, {"400", 400}, {"364.5", 364.5}, {"299.99", 0}, {"400.01", 0}, {"", 0},
        {"abc", 0}, {"365x", 0}, {"Julian", 0}, {"nan", 0}, {"inf", 0},
    };
    for (const Row& r : rows) {
        const auto days = YearDaysFromText(r.text);
        EXPECT_EQ(days.value_or(0), r.days) << r.text;
    }
    EXPECT_EQ(YearKey(360), "savana");
    EXPECT_EQ(YearKey(364.5), "");
}

TEST(DashaTree, PeriodsRunningAtAMoment) {
    DashaList list;
    BuildVimshottari(93.98, 0, 3, kSiderealYearDays, list);
    const double balance = list.periods[0].end;
    struct Row {
        double second;
        std::vector<std::string_view> lords;
    } rows[] = {
        // 0.92 years into Saturn's mahadasha: past the pratyantars of Saturn
        // (0.48 years) and Mercury (0.43), in Ketu's.
        {0, {"Saturn", "Saturn", "Ketu"}},
        // Saturn's antardashas end with Jupiter's, and Jupiter's pratyantars with Rahu's.
        {balance - 1, {"Saturn", "Jupiter", "Rahu"}},
        {balance, {"Mercury", "Mercury", "Mercury"}},
        {list.periods[8].end, {}},
        {list.periods[0].start - 1, {}},
    };
    for (const Row& r : rows) {
        std::vector<std::string_view> lords;
        for (int i : RunningAt(list, r.second, 3)) lords.push_back(kLordNames[list.periods[i].key]);
        EXPECT_EQ(lords, r.lords) << r.second;
    }
    EXPECT_EQ(RunningAt(list, 0, 1).size(), 1u);
}

TEST(SignDasha, YearsCountedToTheLord) {
    struct Row {
        int sign, lordSign, years;
    } rows[] = {
        {sign::Aries, sign::Leo, 4},        // odd-footed: forward, Mesha to Simha is 5 signs
        {sign::Aries, sign::Aries, 12},     // its lord in it
        {sign::Aries, sign::Pisces, 11},
        {sign::Cancer, sign::Capricorn, 6}, // even-footed: backward
        {sign::Cancer, sign::Gemini, 1},
        {sign::Leo, sign::Scorpio, 9},
        {sign::Libra, sign::Sagittarius, 2},
        {sign::Scorpio, sign::Capricorn, 2},
        {sign::Pisces, sign::Taurus, 10},
        {sign::Aquarius, sign::Cancer, 7},
    };
    for (const Row& r : rows) EXPECT_EQ(YearsToLord(r.sign, r.lordSign), r.years) << kSigns[r.sign].sanskrit;
    struct Exalt {
        int row, sign, year;
    } exalted[] = {
        {row::Sun, sign::Aries, 1},     {row::Sun, sign::Libra, -1},      {row::Moon, sign::Taurus, 1},
        {row::Moon, sign::Scorpio, -1}, {row::Mercury, sign::Virgo, 1},   {row::Venus, sign::Pisces, 1},
        {row::Venus, sign::Virgo, -1},  {row::Mars, sign::Capricorn, 1},  {row::Mars, sign::Cancer, -1},
        {row::Jupiter, sign::Cancer, 1}, {row::Saturn, sign::Libra, 1},   {row::Saturn, sign::Aries, -1},
        {row::Rahu, sign::Taurus, 1},   {row::Ketu, sign::Scorpio, 1},    {row::Ketu, sign::Taurus, -1},
        {row::Jupiter, sign::Leo, 0},   {row::Sun, -1, 0},
    };
    for (const Exalt& e : exalted) EXPECT_EQ(ExaltationYear(e.row, e.sign), e.year) << e.row << " in " << e.sign;
}

// The signs of a well-known birth of 1917 (lagna Kataka) as they are usually
// printed: Saturn and Rahu in Kataka, Mars in Simha, the Sun and Mercury in
// Vrischika, Venus in Dhanus, the Moon and Ketu in Makara, Jupiter in
// Vrishabha (the degrees made up). Its years below are counted by hand.
ArudhaChart Chart1917() {
    ArudhaChart chart;
    chart.signs = {sign::Scorpio, sign::Capricorn, sign::Scorpio, sign::Sagittarius, sign::Leo,
                   sign::Taurus,  sign::Cancer,    sign::Cancer,  sign::Capricorn};
    chart.degrees = {3, 5, 20, 26, 25, 12, 19, 5, 27};
    return chart;
}

TEST(CharaDasha, TheBirthOf1917ByRaosMethod) {
    const ArudhaChart chart = Chart1917();
    const auto order = CharaOrder(sign::Cancer); // its 9th, Meena, is even-footed: backward
    const std::array<int, 12> expectedOrder = {3, 2, 1, 0, 11, 10, 9, 8, 7, 6, 5, 4};
    EXPECT_EQ(order, expectedOrder);
    //                                        Cn Ge Ta Ar Pi Aq Cp Sg Sc Li Vi Le
    const std::array<int, 12> expectedYears = {6, 5, 7, 4, 10, 7, 6, 5, 2, 2, 10, 9};
    for (int k = 0; k < 12; ++k)
        EXPECT_EQ(CharaYears(order[k], chart, false), expectedYears[k]) << kSigns[order[k]].sanskrit;
    // Vrischika: neither lord in it; Ketu has the Moon with it, Mars none: to Ketu.
    ArudhaChart alone = chart;
    alone.signs[row::Moon] = sign::Aries;
    EXPECT_EQ(CharaYears(sign::Scorpio, alone, false), 2) << "alone both: the further, Ketu at 27 over Mars at 25";
    alone.degrees[row::Mars] = 28;
    EXPECT_EQ(CharaYears(sign::Scorpio, alone, false), 9) << "Mars further in its sign";
}

TEST(CharaDasha, CoLordsAndTheExaltationOption) {
    struct Row {
        std::string_view name;
        int sign;
        std::array<int, 9> signs; // Su Mo Me Ve Ma Ju Sa Ra Ke
        bool exaltation;
        int years;
    } rows[] = {
        {"both lords in Vrischika", sign::Scorpio, {0, 1, 2, 3, 7, 5, 6, 1, 7}, false, 12},
        {"Mars in it: count to Ketu", sign::Scorpio, {0, 1, 2, 3, 7, 5, 6, 4, 10}, false, 3},
        {"Ketu in it: count to Mars", sign::Scorpio, {0, 1, 2, 3, 9, 5, 6, 1, 7}, false, 2},
        {"Saturn in Kumbha: to Rahu, backward", sign::Aquarius, {0, 1, 2, 3, 7, 5, 10, 4, 10}, false, 6},
        {"Rahu with more company", sign::Aquarius, {4, 4, 2, 3, 7, 5, 0, 4, 10}, false, 6},
        {"Saturn with more company", sign::Aquarius, {0, 0, 2, 3, 7, 5, 0, 4, 10}, false, 10},
        {"exalted Sun adds a year", sign::Leo, {0, 1, 2, 3, 7, 5, 6, 4, 10}, true, 5},
        {"no year without the option", sign::Leo, {0, 1, 2, 3, 7, 5, 6, 4, 10}, false, 4},
        {"debilitated Saturn takes one", sign::Capricorn, {0, 1, 2, 3, 7, 5, 0, 4, 10}, true, 8},
        {"own and exalted stays 12", sign::Virgo, {0, 1, 5, 3, 7, 5, 0, 4, 10}, true, 12},
    };
    for (const Row& r : rows) {
        ArudhaChart chart;
        chart.signs = r.signs;
        chart.degrees = {10, 10, 10, 10, 10, 10, 10, 10, 10};
        EXPECT_EQ(CharaYears(r.sign, chart, r.exaltation), r.years) << r.name;
    }
}

TEST(CharaDasha, AntardashasGoByThePeriodsOwnSign) {
    std::array<int, 12> years{};
    years.fill(6);
    std::array<int, 12> order{};
    std::iota(order.begin(), order.end(), 0);
    DashaList list;
    BuildSignDasha(order, years, 0, 360, true, list);
    ASSERT_EQ(list.top, 24);
    struct Row {
        int sign, first, second;
    } rows[] = {
        {sign::Pisces, sign::Aries, sign::Taurus},       // its 9th Vrischika is odd-footed: forward
        {sign::Aries, sign::Taurus, sign::Gemini},       // its 9th Dhanus
        {sign::Taurus, sign::Aries, sign::Pisces},       // its 9th Makara is even-footed: backward
        {sign::Leo, sign::Virgo, sign::Libra},           // its 9th Mesha
        {sign::Cancer, sign::Gemini, sign::Taurus},      // its 9th Meena: backward
        {sign::Libra, sign::Scorpio, sign::Sagittarius}, // its 9th Mithuna
    };
    for (const Row& r : rows) {
        const DashaPeriod& p = list.periods[r.sign];
        ASSERT_EQ(p.count, 12);
        EXPECT_EQ(list.periods[p.first].key, r.first) << kSigns[r.sign].sanskrit;
        EXPECT_EQ(list.periods[p.first + 1].key, r.second) << kSigns[r.sign].sanskrit;
        EXPECT_EQ(list.periods[p.first + 11].key, r.sign) << "its own sign last";
        EXPECT_NEAR(list.periods[p.first].end - p.start, 0.5 * 360 * kSecondsPerDay, 1e-6);
    }
    // The second cycle: 12 less, in the same order, after the first.
    EXPECT_EQ(list.periods[12].key, 0);
    EXPECT_EQ(list.periods[12].years, 6);
    EXPECT_EQ(list.periods[12].cycle, 2);
    EXPECT_EQ(list.periods[12].start, list.periods[11].end);
    EXPECT_NEAR(list.periods[23].end / (360 * kSecondsPerDay), 144, 1e-9);
}

TEST(DrigDasha, OrderFromTheNinthAndItsAspects) {
    struct Row {
        int lagna;
        std::array<int, 12> order;
    } rows[] = {
        // 9th Mesha: Simha, Vrischika, Kumbha forward; 10th Vrishabha; 11th Mithuna.
        {sign::Leo, {0, 4, 7, 10, 1, 3, 6, 9, 2, 5, 8, 11}},
        // A dual lagna: the 9th, 8th and 7th (Kumbha back, Makara back, Dhanus forward).
        {sign::Gemini, {10, 6, 3, 0, 9, 7, 4, 1, 8, 11, 2, 5}},
        // 9th Makara (even: back), 10th Kumbha (even: back), 11th Meena (even: back).
        {sign::Taurus, {9, 7, 4, 1, 10, 6, 3, 0, 11, 8, 5, 2}},
    };
    for (const Row& r : rows) EXPECT_EQ(DrigOrder(r.lagna), r.order) << kSigns[r.lagna].sanskrit;
    for (int lagna = 0; lagna < 12; ++lagna) {
        auto order = DrigOrder(lagna);
        std::sort(order.begin(), order.end());
        std::array<int, 12> all{};
        std::iota(all.begin(), all.end(), 0);
        EXPECT_EQ(order, all) << "twelve signs from " << kSigns[lagna].sanskrit;
    }
}

TEST(DrigDasha, YearsWithExaltationAndTheStrongerCoLord) {
    const ArudhaChart chart = Chart1917();
    struct Row {
        std::string_view name;
        int sign, years;
    } rows[] = {
        {"Gemini to Mercury in Vrischika", sign::Gemini, 5},
        {"Pisces to Jupiter, no exaltation in Vrishabha", sign::Pisces, 10},
        {"Capricorn to Saturn in Kataka", sign::Capricorn, 6},
        {"Leo to the Sun in Vrischika", sign::Leo, 9},
        // Vrischika: neither lord in it; (b) Ketu has the Moon with it.
        {"Scorpio to the stronger, Ketu", sign::Scorpio, 2},
        {"Cancer to the Moon in Makara", sign::Cancer, 6},
    };
    for (const Row& r : rows) EXPECT_EQ(DrigYears(r.sign, chart), r.years) << r.name;
    ArudhaChart exalted = chart;
    exalted.signs[row::Jupiter] = sign::Cancer; // Meena's lord exalted: 8 + 1
    EXPECT_EQ(DrigYears(sign::Pisces, exalted), 9);
    exalted.signs[row::Jupiter] = sign::Capricorn; // debilitated: 2 - 1
    EXPECT_EQ(DrigYears(sign::Pisces, exalted), 1);
    exalted.signs[row::Mars] = sign::Scorpio;
    exalted.signs[row::Ketu] = sign::Scorpio;
    EXPECT_EQ(DrigYears(sign::Scorpio, exalted), 12);
}

TEST(PeriodReading, KarakasArudhasAndTheAtmakarakaInTheSignsAspected) {
    JaiminiRecord j;
    j.computed = true;
    j.signs = {sign::Capricorn, sign::Leo, sign::Capricorn, sign::Aries, sign::Cancer,
               sign::Taurus,    sign::Leo, sign::Cancer,    sign::Capricorn};
    j.karakas.scheme = 8;
    j.karakas.order = {row::Jupiter, row::Mercury, row::Venus, row::Sun, row::Saturn, row::Moon, row::Mars, row::Rahu};
    j.arudhaPadas = {8, 7, 3, 5, 4, 0, 2, 1, 9, 11, 10, 6}; // AL Dhanus .. UL Thula
    struct Row {
        int sign;
        std::string text;
    } rows[] = {
        // Vrischika aspects Mesha, Kataka and Makara; the AK (Jupiter) is in Vrishabha.
        {sign::Scorpio, "Mesha (BK, A6), Kataka (GK, DK, A3), Makara (AmK, MK, A9)"},
        {sign::Libra, "Vrishabha (AK, A8), Simha (PiK, PK, A5), Kumbha (A11); it aspects the AK"},
        {sign::Taurus, "Kataka (GK, DK, A3), Thula (UL), Makara (AmK, MK, A9); it holds the AK"},
        {sign::Virgo, "Mithuna (A7), Dhanus (AL), Meena (A10)"},
    };
    for (const Row& r : rows) EXPECT_EQ(PeriodReadingText(ReadPeriod(r.sign, j), 8), r.text) << kSigns[r.sign].sanskrit;
    j.computed = false;
    EXPECT_EQ(PeriodReadingText(ReadPeriod(sign::Scorpio, j), 8), "Mesha, Kataka, Makara");
}

TEST(DashaText, UtcDatesAndDays) {
    struct Moment {
        double second;
        std::string minute, iso;
    } moments[] = {
        {0, "1970-01-01 00:00", "1970-01-01T00:00:00Z"},
        {-1, "1969-12-31 23:59", "1969-12-31T23:59:59Z"},
        {951782400 + 59.5, "2000-02-29 00:01", "2000-02-29T00:01:00Z"}, // half a second rounds up
        {-2177452800.0 + 86399.4, "1901-01-01 23:59", "1901-01-01T23:59:59Z"},
        {4102444800.0 + 86400 * 59, "2100-03-01 00:00", "2100-03-01T00:00:00Z"}, // 2100 has no 29 February
    };
    for (const Moment& m : moments) {
        EXPECT_EQ(UtcText(m.second), m.minute) << m.second;
        EXPECT_EQ(UtcText(m.second, true), m.iso) << m.second;
    }
    struct Day {
        std::string text;
        bool real;
    } days[] = {
        {"2024-02-29", true}, {"2000-02-29", true}, {"2026-02-29", false}, {"1900-02-29", false},
        {"2026-04-31", false}, {"2026-12-31", true}, {"2026-1-01", false}, {"2026-01-01x", false},
        {"2026/01/01", false}, {"", false},       {"2026-00-10", false}, {"+026-01-01", false},
    };
    for (const Day& d : days) {
        const auto day = DashaDayFromText(d.text);
        EXPECT_EQ(day.has_value(), d.real) << d.text;
        if (day) {
            EXPECT_EQ(UtcText(day->second), d.text + " 12:00");
        }
    }
    EXPECT_EQ(DashaDayOf(951782400 + 86399).date, "2000-02-29");
}

// Born a minute later, the Vimshottari dates move by what the shift says,
// the sign dashas' by the minute.
TEST(Dashas, DatesMovePerMinuteOfBirthTimeAsSaid) {
    DashaChoices choices;
    choices.systems = dasha::All;
    for (const auto& [hour, minute] : {std::pair{8, 0}, std::pair{23, 30}}) {
        CalculationDriver birth, later;
        birth.SetDashaChoices(choices);
        later.SetDashaChoices(choices);
        ASSERT_FALSE(birth.Calculate(testing::PuneBirth(4, 2, 1962, hour, minute)));
        ASSERT_FALSE(later.Calculate(testing::PuneBirth(4, 2, 1962, hour, minute + 1)));
        const DashaRecord& a = birth.records().dashas;
        const DashaRecord& b = later.records().dashas;
        ASSERT_EQ(a.vimshottari.periods[0].key, b.vimshottari.periods[0].key);
        const double moved = (b.vimshottari.periods[3].start - a.vimshottari.periods[3].start) / kSecondsPerDay;
        const double said = VimshottariShiftDays(birth.records());
        EXPECT_LT(said, -0.5) << "the Moon's minute moves the dates back by days";
        EXPECT_NEAR(moved, said, std::fabs(said) * 0.01);
        EXPECT_EQ(b.chara.periods[5].start - a.chara.periods[5].start, 60);
    }
}

TEST(Dashas, CopyReadingCarriesTheNakshatrasAndTheDashas) {
    CalculationDriver driver;
    ASSERT_FALSE(driver.Calculate(testing::PuneBirth(4, 2, 1962, 8, 0)));
    const std::string plain = ReadingText(driver.records());
    DashaChoices choices;
    choices.systems = dasha::Vimshottari;
    driver.SetDashaChoices(choices);
    const std::string text = ReadingText(driver.records());
    EXPECT_NE(text.find("08 Cap 52 (Uttara Ashadha pada 4, lord Sun)\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\nVimshottari dasha: the Moon at 278°52′"), std::string::npos);
    EXPECT_NE(text.find("\nRunning on "), std::string::npos);
    driver.SetDashaChoices({});
    EXPECT_EQ(ReadingText(driver.records()), plain) << "nothing of the timing when not asked";
}

TEST(Dashas, AReadingComputesOnlyWhatIsAsked) {
    CalculationDriver driver;
    ASSERT_FALSE(driver.Calculate(testing::PuneBirth(4, 2, 1962, 8, 0)));
    EXPECT_FALSE(driver.records().dashas.computed);
    EXPECT_FALSE(driver.records().degrees.computed) << "a reading without dashas measures nothing more";
    DashaChoices choices;
    choices.systems = dasha::Vimshottari | dasha::Drig;
    driver.SetDashaChoices(choices);
    const DashaRecord& d = driver.records().dashas;
    ASSERT_TRUE(d.computed);
    EXPECT_EQ(d.vimshottari.top, 9);
    EXPECT_EQ(d.chara.top, 0);
    EXPECT_EQ(d.drig.top, 24);
    EXPECT_EQ(d.moonLongitude, driver.records().degrees.longitudes[row::Moon]);
    // The Vimshottari's Moon is the precise one in both modes.
    CalculationDriver formulas, precise;
    formulas.SetDashaChoices(choices);
    precise.SetDashaChoices(choices);
    precise.setEphemeris(Ephemeris::Precise);
    ASSERT_FALSE(formulas.Calculate(testing::PuneBirth(4, 2, 1962, 8, 0)));
    ASSERT_FALSE(precise.Calculate(testing::PuneBirth(4, 2, 1962, 8, 0)));
    EXPECT_EQ(formulas.records().dashas.vimshottari.periods, precise.records().dashas.vimshottari.periods);
    EXPECT_NEAR(formulas.records().dashas.moonLongitude, precise.records().positions.SiderealLongitudes[row::Moon], 1e-9);
}

TEST(Dashas, SignDashasOfAReadingStartAtTheBirth) {
    CalculationDriver driver;
    DashaChoices choices;
    choices.systems = dasha::All;
    driver.SetDashaChoices(choices);
    for (const Entries& entries : {testing::PuneBirth(4, 2, 1962, 8, 0), testing::GreenwichNoon(),
                                   testing::PuneBirth(15, 8, 1947, 0, 0)}) {
        ASSERT_FALSE(driver.Calculate(entries));
        const DashaRecord& d = driver.records().dashas;
        for (const DashaList* list : {&d.chara, &d.drig}) {
            ASSERT_EQ(list->top, 24);
            EXPECT_EQ(list->periods[0].start, d.birthSecond);
            EXPECT_NEAR((list->periods[23].end - d.birthSecond) / kYear, 144, 1e-9) << "two cycles of 12 years a sign";
        }
        EXPECT_EQ(d.chara.periods[0].key, d.lagna);
        const double birth = d.birthSecond;
        EXPECT_LE(d.vimshottari.periods[0].start, birth);
        EXPECT_GT(d.vimshottari.periods[0].end, birth);
        EXPECT_NEAR((d.vimshottari.periods[0].end - birth) / kYear, d.balanceYears, 1e-6);
        EXPECT_EQ(d.nakshatras[row::Moon].lord, d.vimshottari.periods[0].key);
    }
}

TEST(NakshatraWindow, EdgesWhereTheMoonChangesNakshatra) {
    CalculationDriver driver;
    DashaChoices choices;
    choices.systems = dasha::Vimshottari;
    driver.SetDashaChoices(choices);
    driver.setWithWindow(true);
    for (const Entries& entries : {testing::PuneBirth(4, 2, 1962, 8, 0), testing::GreenwichNoon()}) {
        ASSERT_FALSE(driver.Calculate(entries));
        const NakshatraWindowRecord& w = driver.records().nakshatraWindow;
        ASSERT_TRUE(w.computed);
        EXPECT_EQ(w.nakshatra, driver.records().dashas.nakshatras[row::Moon].index);
        // A minute by minute look at the edges: the same nakshatra on them, another one beyond.
        MomentPositions positions(driver.records().birth, Ephemeris::Precise);
        const auto at = [&](int minutes) { return NakshatraOf(positions.Bodies(minutes)[row::Moon]).index; };
        for (const WindowEdge* edge : {&w.moon.from, &w.moon.until}) {
            const int beyond = edge == &w.moon.from ? -1 : 1;
            EXPECT_EQ(at(edge->minutes), w.nakshatra);
            if (edge->limit != WindowLimit::Change) continue;
            EXPECT_NE(at(edge->minutes + beyond), w.nakshatra);
            ASSERT_EQ(edge->changes.size(), 1u);
            EXPECT_EQ(edge->changes[0].toSign, at(edge->minutes + beyond));
        }
        // The Moon needs about a day for a nakshatra: both edges within two days.
        EXPECT_LT(w.moon.until.minutes - w.moon.from.minutes, 2 * 1440);
    }
}

} // namespace
} // namespace rashi
