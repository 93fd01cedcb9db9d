// The reading in every language: the words of each table, the Hindi reading
// of a known birth, and the English reading unchanged by the tables.

#include "core/aspects/chart_description.h"
#include "core/aspects/rashi_drishti.h"
#include "core/reading/calculation_driver.h"
#include "core/reading/reading_header.h"
#include "core/time_window/window_text.h"
#include "core/words/language_keys.h"
#include "core/words/reading_words.h"
#include "fixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace rashi {
namespace {

using testing::GreenwichNoon;
using testing::PuneBirth;

bool HasLatinLetter(std::string_view text) {
    for (char c : text)
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return true;
    return false;
}

std::vector<std::string> Reading(const Entries& entries, Language language, AspectRuleChoice rule = AspectRuleChoice::Ours) {
    CalculationDriver driver;
    driver.SetRule(rule);
    driver.SetLanguage(language);
    EXPECT_FALSE(driver.Calculate(entries));
    return ReportLines(driver.report());
}

// The names a Hindi reader expects, each exactly.
TEST(ReadingWords, HindiNamesOfSignsAndBodies) {
    const ReadingWords& hi = WordsOf(Language::Hindi);
    const char* signs[12] = {"मेष", "वृषभ", "मिथुन", "कर्क", "सिंह", "कन्या", "तुला", "वृश्चिक", "धनु", "मकर", "कुंभ", "मीन"};
    const char* bodies[9] = {"सूर्य", "चंद्र", "बुध", "शुक्र", "मंगल", "गुरु", "शनि", "राहु", "केतु"};
    for (int s = 0; s < 12; ++s) EXPECT_EQ(hi.signs[s], signs[s]) << "sign " << s;
    for (int b = 0; b < kReportRows; ++b) EXPECT_EQ(hi.bodies[b], bodies[b]) << "body " << b;
    EXPECT_EQ(hi.bodiesInSentence[kAscendantBody], "लग्न");
    EXPECT_EQ(hi.headerLabels[5], "लग्न");
    EXPECT_EQ(hi.headerLabels[6], "अयनांश");
    EXPECT_EQ(hi.programName, "राशि दृष्टि");
}

// Every word of every table is there: an empty one would leave a hole in a
// caption or a label.
TEST(ReadingWords, NoTableLeavesAWordOut) {
    for (Language language : kLanguages) {
        const ReadingWords& w = WordsOf(language);
        EXPECT_EQ(w.language, language);
        const std::string key(LanguageKey(language));
        for (auto list : {std::vector<std::string_view>(w.signs.begin(), w.signs.end()),
                          std::vector<std::string_view>(w.signLabels.begin(), w.signLabels.end()),
                          std::vector<std::string_view>(w.bodies.begin(), w.bodies.end()),
                          std::vector<std::string_view>(w.bodyTitles.begin(), w.bodyTitles.end()),
                          std::vector<std::string_view>(w.shortBodies.begin(), w.shortBodies.end()),
                          std::vector<std::string_view>(w.bodiesInSentence.begin(), w.bodiesInSentence.end()),
                          std::vector<std::string_view>(w.headerLabels.begin(), w.headerLabels.end()),
                          std::vector<std::string_view>(w.months.begin(), w.months.end()),
                          std::vector<std::string_view>(w.compass.begin(), w.compass.end()),
                          std::vector<std::string_view>(w.ruleTitles.begin(), w.ruleTitles.end()),
                          std::vector<std::string_view>(w.ruleCaptions.begin(), w.ruleCaptions.end()),
                          std::vector<std::string_view>(w.jaimini.karakaTags.begin(), w.jaimini.karakaTags.end()),
                          std::vector<std::string_view>(w.jaimini.karakaNames.begin(), w.jaimini.karakaNames.end()),
                          std::vector<std::string_view>(w.jaimini.byRule.begin(), w.jaimini.byRule.end()),
                          std::vector<std::string_view>(w.jaimini.arudhaLabels.begin(), w.jaimini.arudhaLabels.end()),
                          std::vector<std::string_view>(w.jaimini.chartMarks.begin(), w.jaimini.chartMarks.end()),
                          std::vector<std::string_view>(w.jaimini.houses.begin(), w.jaimini.houses.end())})
            for (std::string_view word : list) EXPECT_FALSE(word.empty()) << key;
        for (std::string_view word : {w.noSign, w.nothingWithinSearch, w.yearsEnd, w.chartTitle, w.pageTitle,
                                      w.programName, w.ascendantMark, w.lagnaTitle, w.listSeparator, w.lastSeparator})
            EXPECT_FALSE(word.empty()) << key;
        EXPECT_FALSE(w.aspects.between.empty()) << key;
        EXPECT_FALSE(w.noGrahas.between.empty() && w.noGrahas.after.empty()) << key;
    }
}

// Locale names as the system gives them.
TEST(ReadingWords, LanguageOfTheLocale) {
    const struct {
        const char* locale;
        Language language;
    } cases[] = {
        {"hi_IN.UTF-8", Language::Hindi}, {"hi_IN", Language::Hindi}, {"hi-IN", Language::Hindi},
        {"hi", Language::Hindi},          {"en_GB.UTF-8", Language::English}, {"C", Language::English},
        {"", Language::English},          {"hil_PH", Language::English},   {"ta_IN", Language::English},
    };
    for (const auto& c : cases) EXPECT_EQ(LanguageOfLocale(c.locale), c.language) << c.locale;
    for (Language language : kLanguages) EXPECT_EQ(LanguageFromKey(LanguageKey(language)), language);
    EXPECT_FALSE(LanguageFromKey("xx"));
    EXPECT_EQ(LanguageOwnName(Language::Hindi), "हिन्दी");
}

// 1 January 2000, 12:00 GMT at Greenwich: the README's reading, in Hindi.
TEST(ReadingWords, HindiReadingOfAKnownBirth) {
    const std::vector<std::string> lines = Reading(GreenwichNoon(), Language::Hindi);
    const std::vector<std::string> english = Reading(GreenwichNoon(), Language::English);
    ASSERT_EQ(lines.size(), 36u);
    // The English reading this is the translation of.
    ASSERT_EQ(english[0], "Sun / Surya");
    ASSERT_EQ(english[1], "16 Sag 31");
    ASSERT_EQ(english[2], "Planet Sun aspects or has Rashi Drishti with Mithuna, Kanya, Meena.");
    ASSERT_EQ(english[3], "Planet Sun has no Rashi Drishti.");
    ASSERT_EQ(english[7], "Planet Moon has Rashi Drishti with Jupiter, Saturn, North Node, South Node.");
    const struct {
        int line;
        const char* text;
    } rows[] = {
        {0, "सूर्य"},
        {1, "16° धनु 31′"},
        {2, "सूर्य की राशि दृष्टि मिथुन, कन्या और मीन पर है।"},
        {3, "सूर्य की राशि दृष्टि किसी ग्रह पर नहीं है।"},
        {4, "चंद्र"},
        {5, "19° तुला 27′"},
        {6, "चंद्र की राशि दृष्टि मेष, कर्क और मकर पर है।"},
        {7, "चंद्र की राशि दृष्टि गुरु, शनि, राहु और केतु पर है।"},
    };
    for (const auto& row : rows) EXPECT_EQ(lines[row.line], row.text) << "line " << row.line;
}

// Every Hindi aspect line names its body and its three signs as the English
// one does, in Devanagari alone; the next names the same bodies. Births over
// a century, both rules.
TEST(ReadingWords, HindiLinesSayWhatTheEnglishSay) {
    const ReadingWords& en = WordsOf(Language::English);
    const ReadingWords& hi = WordsOf(Language::Hindi);
    for (AspectRuleChoice rule : {AspectRuleChoice::Ours, AspectRuleChoice::Classical}) {
        for (int year = 1905; year <= 2045; year += 7) {
            const Entries birth = PuneBirth(1 + year % 28, 1 + year % 12, year, year % 24, year % 60);
            const std::vector<std::string> hindi = Reading(birth, Language::Hindi, rule);
            const std::vector<std::string> english = Reading(birth, Language::English, rule);
            for (int row = 0; row < kReportRows; ++row) {
                const std::string& aspects = hindi[4 * row + 2];
                const std::string& grahas = hindi[4 * row + 3];
                for (int line = 4 * row; line < 4 * row + 4; ++line)
                    EXPECT_FALSE(HasLatinLetter(hindi[line])) << year << ": " << hindi[line];
                EXPECT_TRUE(aspects.starts_with(hi.bodies[row])) << aspects;
                EXPECT_TRUE(grahas.starts_with(hi.bodies[row])) << grahas;
                int signsNamed = 0;
                for (int s = 0; s < 12; ++s) {
                    const bool inEnglish = english[4 * row + 2].find(en.signs[s]) != std::string::npos;
                    const bool inHindi = aspects.find(std::string(" ") + std::string(hi.signs[s]) + " ") != std::string::npos ||
                                         aspects.find(std::string(" ") + std::string(hi.signs[s]) + ",") != std::string::npos;
                    EXPECT_EQ(inHindi, inEnglish) << year << " " << aspects << " / " << english[4 * row + 2];
                    signsNamed += inHindi;
                }
                EXPECT_EQ(signsNamed, 3) << aspects;
                for (int b = 0; b < kReportRows; ++b) {
                    if (b == row) continue;
                    const std::string_view englishTail = std::string_view(english[4 * row + 3]).substr(7 + en.bodies[row].size());
                    const bool inEnglish = englishTail.find(en.bodies[b]) != std::string_view::npos;
                    const std::string_view hindiTail = std::string_view(grahas).substr(hi.bodies[row].size());
                    const bool inHindi = hindiTail.find(hi.bodies[b]) != std::string_view::npos;
                    EXPECT_EQ(inHindi, inEnglish) << year << " " << grahas << " / " << english[4 * row + 3];
                }
            }
        }
    }
}

// Changing the language rewrites the reading on show, and back again gives
// the English captions byte for byte.
TEST(ReadingWords, LanguageChangedOverAReading) {
    CalculationDriver driver;
    ASSERT_FALSE(driver.Calculate(GreenwichNoon()));
    const Report english = driver.report();
    driver.SetLanguage(Language::Hindi);
    EXPECT_EQ(driver.report().lblPlanets[5], "गुरु");
    EXPECT_NE(driver.report(), english);
    driver.SetLanguage(Language::English);
    EXPECT_EQ(driver.report(), english);
}

TEST(ReadingWords, HindiHeaderAndBirthTimeLines) {
    CalculationDriver driver;
    driver.setWithWindow(true);
    driver.SetLanguage(Language::Hindi);
    ASSERT_FALSE(driver.Calculate(GreenwichNoon()));
    const std::vector<std::string> header = HeaderLines(driver.records());
    ASSERT_EQ(header.size(), 8u);
    EXPECT_EQ(header[0], "नाम: Ada");
    EXPECT_EQ(header[1], "जन्म: 1 जनवरी 2000, 12:00");
    EXPECT_EQ(header[2], "समय क्षेत्र: UTC+00:00, डेलाइट सेविंग नहीं");
    EXPECT_EQ(header[4], "निर्देशांक: 51°28' उत्तर, 0°00' पूर्व");
    EXPECT_TRUE(header[5].starts_with("लग्न: ")) << header[5];
    EXPECT_EQ(header[7].substr(0, header[7].find(" (")), "नियम: हमारा नियम");
    const std::vector<std::string> window = WindowLines(driver.records().window, WordsOf(Language::Hindi));
    ASSERT_EQ(window.size(), 2u);
    EXPECT_TRUE(window[0].starts_with("यह फल ")) << window[0];
    EXPECT_NE(window[0].find(" के जन्मों पर लागू है (पहले: "), std::string::npos) << window[0];
    EXPECT_TRUE(window[1].starts_with("कुंडली (लग्न ")) << window[1];
    EXPECT_TRUE(window[1].ends_with(")।")) << window[1];
    // What changes beyond the edges is told in Hindi: no English word is left.
    for (const std::string& line : window)
        for (const char* english : {"from", "enters", "is in", "lines", "the ", "before", "after"})
            EXPECT_EQ(line.find(english), std::string::npos) << line;
}

// The day's slices in Hindi: the birth's own slice is the same chart, the
// others say what differs without an English word; a change of language
// over a reading on show rewrites them.
TEST(ReadingWords, HindiDaySlices) {
    CalculationDriver driver;
    driver.setWithDay(true);
    ASSERT_FALSE(driver.Calculate(PuneBirth(21, 6, 1975, 6, 30)));
    driver.SetLanguage(Language::Hindi);
    const DaySlicesRecord& day = driver.records().day;
    ASSERT_TRUE(day.computed);
    ASSERT_GT(day.slices.size(), 1u);
    int same = 0;
    for (const DaySlice& slice : day.slices) {
        EXPECT_FALSE(HasLatinLetter(slice.differs)) << slice.differs;
        same += slice.differs == "वही कुंडली";
    }
    EXPECT_GE(same, 1);
    EXPECT_TRUE(std::any_of(day.slices.begin(), day.slices.end(),
                            [](const DaySlice& slice) { return slice.differs.starts_with("लग्न "); }));
}

// The chosen body for screen readers, in Hindi.
TEST(ReadingWords, HindiDescriptionOfTheChosenBody) {
    CalculationDriver driver;
    driver.SetLanguage(Language::Hindi);
    ASSERT_FALSE(driver.Calculate(GreenwichNoon()));
    EXPECT_EQ(DescribeChosenBody(driver.records(), 1),
              "चंद्र तुला में है और मेष, कर्क और मकर को देखता है; वहाँ गुरु, शनि, राहु और केतु हैं");
    EXPECT_EQ(DescribeChosenBody(driver.records(), 0),
              "सूर्य धनु में है और मिथुन, कन्या और मीन को देखता है; वहाँ कोई ग्रह नहीं है");
}

} // namespace
} // namespace rashi
