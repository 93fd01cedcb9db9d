#pragma once
// The words of a reading in one language: one table per language, every
// caption, header line and diagram label built from it. A sentence is kept
// as the pieces between the names it takes ("before", "between", "after"),
// so each language orders its words as it must and nothing is parsed while
// a reading is written.
//
// A new language is a new table (core/words/<language>_words.cpp) and a row
// in WordsOf; a new word is a new member here and a row in every table.

#include "core/records/language.h"
#include "core/records/reading_records.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace rashi {

// "A{first}B{second}C": a sentence around two names or lists.
struct Sentence {
    std::string_view before;
    std::string_view between;
    std::string_view after;
};

// The Jaimini reading's words. The seven karakas are the eight without
// the Pitrikaraka (the fifth).
struct JaiminiWords {
    std::array<std::string_view, 8> karakaTags;  // beside a body and in the diagram: "AK", "आत्म"
    std::array<std::string_view, 8> karakaNames; // in the lines: "AK", "आत्मकारक"
    Sentence karakasLine;   // "Chara karakas (", scheme, ") by the precise positions: " ... the karakas ... "."
    Sentence karakamsaLine; // "Karakamsa (the Atmakaraka's navamsa sign): ", sign, "."
    Sentence atmakaraka;    // "The Atmakaraka (", body, ", in " ... sign ... ")"
    Sentence amatyakaraka;  // " and the Amatyakaraka (", body, ", in " ... sign ... ")"
    std::string_view oneSign;  // " stand in one sign: the first test … is met."
    Sentence mutual;           // " are in mutual Rashi Drishti ", by the rule, ": the first test … is met."
    Sentence neither;          // " are neither in mutual Rashi Drishti ", by the rule, " nor in one sign."
    std::array<std::string_view, 2> byRule; // ours, classical: "by our rule"
    Sentence arudhaLine;                     // "Arudha padas: ", A1 .. A12, "."
    std::array<std::string_view, 12> arudhaLabels; // "AL", "A2" .. "A11", "UL"
    std::array<std::string_view, 3> chartMarks;    // in the diagram: the arudha lagna, the upapada, the karakamsa
    Sentence housesLine;                     // "Houses aspected from the lagna (", sign, "): " ... "."
    std::array<std::string_view, 12> houses; // "1st" .. "12th"
    std::string_view housesNote;             // "houses " before a body's three
    Sentence navamsaChart; // "Navamsa (D9) chart: lagna ", sign, ", … the karakamsa is ", sign, "."

    // How long they hold, around the span and notes of the birth-time lines.
    Sentence karakasHold;    // "The karakas (", the order, ") hold " ... span
    Sentence navamsaHolds;   // "The navamsa (lagna ", sign, ") holds " ... span
    Sentence orderBecomes;   // "the order becomes ", the order
    Sentence aheadOf;        // body, " is ahead of ", body
    Sentence passes;         // body, " passes ", body
    Sentence changePlaces;   // ": ", karaka, " and ", karaka, " change places" (before, between, after)
    Sentence navamsaIs;      // body, "'s navamsa is ", sign
    Sentence navamsaBecomes; // body, "'s navamsa becomes ", sign
};

// The graha drishti's words.
struct GrahaWords {
    Sentence heading;  // "Graha drishti (", the nodes' aspects, "; strengths in virupas …):"
    std::array<std::string_view, 2> nodes;     // "the nodes aspect the 7th only", "… the 5th, 7th and 9th"
    Sentence aspects;  // "Graha drishti of ", body, ": " … the signs … "."
    std::array<std::string_view, 4> strengths; // "¼" .. "full": a quarter of 60 virupas .. all of them
    std::string_view house;                    // "house " before a house's number
    Sentence sphuta;   // "Sphuta drishti of ", body, " in virupas: " … "."
    std::string_view houses;                   // "houses 1 to 12: "
    std::array<std::string_view, 4> joins;     // body, " joins by both aspects: ", "; by Rashi Drishti only: ", "; by graha drishti only: "
    std::string_view joinsEnd;                 // "."
    std::string_view none;                     // "none"
    std::string_view pageTitle;                // the PDF's page: "Graha drishti (planet aspects)"
    std::string_view tableTitle;               // above its table of strengths
};

// The timing's words: the nakshatras and the dashas.
struct DashaWords {
    std::array<std::string_view, 27> nakshatras; // Ashwini .. Revati
    std::array<std::string_view, 9> lords;       // the Vimshottari cycle's order: Ketu .. Mercury
    std::array<std::string_view, 5> levels;      // mahadasha .. prana
    std::array<std::string_view, 3> systems;     // Vimshottari, chara, drig, in the line of the periods running
    std::string_view lagna;          // "Lagna" before its nakshatra
    Sentence nakshatraOf;            // body, ": ", nakshatra, "."
    std::string_view pada;           // " pada "
    std::string_view lordOf;         // ", lord "
    Sentence vimshottariHead;        // "Vimshottari dasha: the Moon at ", longitude, " in " ... nakshatra
    Sentence balance;                // "; balance at birth ", lord, " " ... years, " years"
    Sentence year;                   // "; a year of ", days, " days (" ... name, ")."
    std::array<std::string_view, 4> yearNames; // the named years' names: sidereal, julian, tropical, savana
    Sentence span;                   // ": ", start, " to " ... end, " UT"
    std::string_view age;            // ", age "
    std::string_view beforeBirth;    // ", before the birth"
    Sentence shift;                  // "Born a minute later, every Vimshottari date is ", days, " days " ... "earlier"
    std::array<std::string_view, 2> earlierLater; // "earlier", "later"
    std::string_view signShift;      // "; every chara and drig date a minute later."
    std::string_view charaHead;      // "Chara dasha (K.N. Rao's method), from the birth; "
    std::array<std::string_view, 2> exaltation; // off, on: "no year for an exalted or debilitated lord:"
    std::string_view drigHead;       // "Drig dasha, by the classical Rashi Drishti"
    std::string_view drigOurRule;    // " (the reading's captions use our rule)"
    Sentence signPeriod;             // sign, " ", years, " years, cycle " ... cycle
    std::string_view noLength;       // ": no length, at "
    std::string_view aspects;        // "; aspects "
    std::string_view antardashas;    // "  antardashas: "
    Sentence running;                // "Running on ", date, " at noon UT: " ... the systems, "."
    Sentence moonHolds;              // "The Moon's nakshatra (", nakshatra, ": " ... lord, "'s dasha first) holds "
    std::string_view pageTitle;      // the printed page's: "Dashas"
    std::string_view holdsAk;        // "; it holds the AK"
    std::string_view aspectsAk;      // "; it aspects the AK"
};

struct ReadingWords {
    Language language;

    // Signs and bodies.
    std::array<std::string_view, 12> signs;          // in sentences: "Mithuna", "मिथुन"
    std::array<std::string_view, 12> signLabels;     // in the South Indian diagram's corners: "Gem", "मिथुन"
    std::array<std::string_view, kReportRows> bodies;      // in captions: "Sun", "सूर्य"
    std::array<std::string_view, kReportRows> bodyTitles;  // the name caption: "Sun / Surya", "सूर्य"
    std::array<std::string_view, kReportRows> shortBodies; // in the diagram: "Su", "सू"
    // In the birth-time lines, with the ascendant last: "the Sun", "लग्न".
    std::array<std::string_view, kReportRows + 1> bodiesInSentence;

    // The captions. A position caption names its sign when signInPosition
    // ("16° धनु 31′"); otherwise it is the position as computed ("16 Sag 31").
    bool signInPosition;
    Sentence aspects;  // body, signs
    Sentence grahas;   // body, bodies
    Sentence noGrahas; // body
    std::string_view listSeparator;     // between the names of a caption's list
    std::string_view lastSeparator;     // before its last name
    std::string_view sentenceSeparator; // between names in running text: ", "
    std::string_view sentenceLast;      // and before the last: " and "

    // The header.
    std::array<std::string_view, 8> headerLabels; // Name, Born, Zone, Place, Coordinates, Ascendant, Ayanamsa, Rule
    std::array<std::string_view, 12> months;
    std::string_view julianDate;    // after a date given in the Julian calendar: " (Julian date)"
    std::string_view preciseByDate; // after the ayanamsa when the formulas' years do not hold the birth
    std::string_view preciseByNodes; // after the ayanamsa when the true node is asked of the formulas
    std::string_view trueNode;      // after it when the nodes are the true ones
    std::string_view zoneRowDaylight;    // ", daylight saving (clock one hour ahead)"
    std::string_view zoneRowNoDaylight;  // ", no daylight saving"
    Sentence zoneExact;                  // " (", zone id, " at that moment" ... ")"
    std::string_view zoneExactDaylight;  // ", daylight saving"
    std::array<std::string_view, 4> compass; // N, S, E, W
    std::string_view neverRise;          // after the ascendant beyond 66.5° latitude
    std::string_view ayanamsaPrecise;    // after the ayanamsa: " Lahiri (precise positions, IAU models)"
    std::string_view ayanamsaFormulas;   // " (the program's formulas)"
    // Each ayanamsa's name, in the order of AyanamsaKind: the program's own,
    // Lahiri … True Mula, the user's own.
    std::array<std::string_view, 17> ayanamsaTitles;
    Sentence ayanamsaCustom;             // "Custom (", degrees, "° at J2000, " ... rate ... "\" a year)"
    std::array<std::string_view, 2> ruleTitles;   // ours, classical
    std::array<std::string_view, 2> ruleCaptions; // in the diagram: "our rule", "classical rule"

    // The birth-time lines.
    Sentence readingHolds; // "The reading holds for births ", span, ""
    Sentence chartHolds;   // "The chart (lagna ", sign, ") holds " ... span
    Sentence span;         // "from ", first, " to " ... last, then the notes
    Sentence notes;        // " (before: ", before, "; after: " ... after, ")."
    Sentence enters;       // body, sign: "the Moon enters Mithuna"
    Sentence isIn;         // body, sign: "the Moon is in Vrishabha"
    Sentence linesChange;  // "the lines of ", bodies, " change"
    std::string_view noteSeparator;      // between what changes and the lines that change: ", "
    std::string_view nothingWithinSearch; // "nothing changes within three days"
    std::string_view yearsEnd;           // "the program's years end"
    std::string_view noSign;             // "no sign"

    // The day's slices: what differs from the given chart in each.
    Sentence sliceLagna;          // "lagna ", sign, " instead of ", given sign
    Sentence sliceBodyIn;         // body, " in ", sign
    std::string_view sliceUntilFirst; // " until " before the first change's time
    std::string_view sliceUntilNext;  // ", until " before a later one's
    std::string_view sliceThen;       // ", then " before the sign after it
    std::string_view sameChart;       // "the same chart"

    // The chosen body for screen readers: "Moon in Thula aspects Mesha,
    // Kataka, Makara; Jupiter and Saturn stand there".
    Sentence chosenIn;        // body, sign, then the signs it aspects
    std::string_view chosenAfterSigns;
    Sentence oneStands;       // "; ", body, " stands there"
    Sentence manyStand;       // "; ", bodies, " stand there"
    std::string_view noneStands; // "; no body stands there"

    // The diagram and the page.
    std::string_view ascendantMark; // "Asc " before the ascendant's degree
    std::string_view chartTitle;    // "Rashi chart"
    std::string_view navamsaTitle;  // "Navamsa (D9)"
    std::string_view lagnaTitle;    // "Lagna " before the ascendant's sign
    std::string_view pageTitle;     // "Rashi Drishti (Sign Aspects) Reading"
    std::string_view programName;   // "Rashi Drishti"

    JaiminiWords jaimini;
    GrahaWords graha;
    DashaWords dasha;
};

// The table of a language; English for any language without one.
const ReadingWords& WordsOf(Language language);

// The names joined as a caption lists them: "a, b, c" (English) or "a, b और c".
// `first` when no name is listed yet (the list may follow other text).
inline void AppendListed(std::string& list, std::string_view name, bool first, bool last, const ReadingWords& words) {
    if (!first) list += last ? words.lastSeparator : words.listSeparator;
    list += name;
}
// The same where the list is the whole text.
inline void AppendListed(std::string& list, std::string_view name, bool last, const ReadingWords& words) {
    AppendListed(list, name, list.empty(), last, words);
}
// The names joined in running text: "a", "a and b", "a, b and c".
std::string JoinedInSentence(const std::vector<std::string>& names, const ReadingWords& words);
// The sentence around one or two texts.
std::string Fill(const Sentence& sentence, std::string_view first, std::string_view second = {});

// A position caption from a computed position such as "16 Sag 31".
std::string PositionCaption(const std::string& position, const ReadingWords& words);
// The same written into `caption`, whose buffer is kept.
void WritePositionCaption(const std::string& position, const ReadingWords& words, std::string& caption);

// A sign in sentences; the table's "no sign" for anything but 0..11.
std::string_view SignWord(int sign, const ReadingWords& words);

} // namespace rashi
