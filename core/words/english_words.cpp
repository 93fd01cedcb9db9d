#include "core/words/word_tables.h"

namespace rashi {

// The program's own words: every caption, header and label as it has always
// been written. The reading's goldens are written in these.
extern const ReadingWords kEnglishWords = {
    .language = Language::English,

    .signs = {"Mesha", "Vrishabha", "Mithuna", "Kataka", "Simha", "Kanya", "Thula", "Vrischika", "Dhanus", "Makara",
              "Kumbha", "Meena"},
    .signLabels = {"Ari", "Tau", "Gem", "Can", "Leo", "Vir", "Lib", "Sco", "Sag", "Cap", "Aqu", "Pis"},
    .bodies = {"Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "North Node", "South Node"},
    .bodyTitles = {"Sun / Surya", "Moon / Chandra", "Mercury / Budha", "Venus / Shukra", "Mars / Mangala",
                   "Jupiter / Guru", "Saturn / Shani", "North Node / Rahu", "South Node / Ketu"},
    .shortBodies = {"Su", "Mo", "Me", "Ve", "Ma", "Ju", "Sa", "Ra", "Ke"},
    .bodiesInSentence = {"the Sun", "the Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "the North Node",
                         "the South Node", "the ascendant"},

    .signInPosition = false,
    .aspects = {"Planet ", " aspects or has Rashi Drishti with ", "."},
    .grahas = {"Planet ", " has Rashi Drishti with ", "."},
    .noGrahas = {"Planet ", " has no Rashi Drishti.", ""},
    .listSeparator = ", ",
    .lastSeparator = ", ",
    .sentenceSeparator = ", ",
    .sentenceLast = " and ",

    .headerLabels = {"Name", "Born", "Zone", "Place", "Coordinates", "Ascendant", "Ayanamsa", "Rule"},
    .months = {"January", "February", "March", "April", "May", "June", "July", "August", "September", "October",
               "November", "December"},
    .zoneRowDaylight = ", daylight saving (clock one hour ahead)",
    .zoneRowNoDaylight = ", no daylight saving",
    .zoneExact = {" (", " at that moment", ")"},
    .zoneExactDaylight = ", daylight saving",
    .compass = {"N", "S", "E", "W"},
    .neverRise = " (beyond 66.5\u00B0 latitude some signs never rise)",
    .ayanamsaPrecise = " Lahiri (precise positions, IAU models)",
    .ayanamsaFormulas = " (the program's formulas)",
    .ruleTitles = {"Our rule (each sign aspects the other three of its quality)",
                   "Classical rule (movable and fixed signs, duals among themselves)"},
    .ruleCaptions = {"our rule", "classical rule"},

    .readingHolds = {"The reading holds for births ", "", ""},
    .chartHolds = {"The chart (lagna ", ") holds ", ""},
    .span = {"from ", " to ", ""},
    .notes = {" (before: ", "; after: ", ")."},
    .enters = {"", " enters ", ""},
    .isIn = {"", " is in ", ""},
    .linesChange = {"the lines of ", " change", ""},
    .noteSeparator = ", ",
    .nothingWithinSearch = "nothing changes within three days",
    .yearsEnd = "the program's years end",
    .noSign = "no sign",

    .sliceLagna = {"lagna ", " instead of ", ""},
    .sliceBodyIn = {"", " in ", ""},
    .sliceUntilFirst = " until ",
    .sliceUntilNext = ", until ",
    .sliceThen = ", then ",
    .sameChart = "the same chart",

    .chosenIn = {"", " in ", " aspects "},
    .chosenAfterSigns = "",
    .oneStands = {"; ", " stands there", ""},
    .manyStand = {"; ", " stand there", ""},
    .noneStands = "; no body stands there",

    .ascendantMark = "Asc ",
    .chartTitle = "Rashi chart",
    .navamsaTitle = "Navamsa (D9)",
    .lagnaTitle = "Lagna ",
    .pageTitle = "Rashi Drishti (Sign Aspects) Reading",
    .programName = "Rashi Drishti",
};

} // namespace rashi
