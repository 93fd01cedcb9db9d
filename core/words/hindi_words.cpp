#include "core/words/word_tables.h"

namespace rashi {

// हिन्दी: the reading as a Hindi reader writes it. Captions name the body
// first: "सूर्य की राशि दृष्टि मिथुन, कन्या और मीन पर है।" Digits stay the
// international ones, as Hindi papers and almanacs print them.
extern const ReadingWords kHindiWords = {
    .language = Language::Hindi,

    .signs = {"मेष", "वृषभ", "मिथुन", "कर्क", "सिंह", "कन्या", "तुला", "वृश्चिक", "धनु", "मकर", "कुंभ", "मीन"},
    .signLabels = {"मेष", "वृषभ", "मिथुन", "कर्क", "सिंह", "कन्या", "तुला", "वृश्चिक", "धनु", "मकर", "कुंभ", "मीन"},
    .bodies = {"सूर्य", "चंद्र", "बुध", "शुक्र", "मंगल", "गुरु", "शनि", "राहु", "केतु"},
    .bodyTitles = {"सूर्य", "चंद्र", "बुध", "शुक्र", "मंगल", "गुरु", "शनि", "राहु", "केतु"},
    .shortBodies = {"सू", "चं", "बु", "शु", "मं", "गु", "श", "रा", "के"},
    .bodiesInSentence = {"सूर्य", "चंद्र", "बुध", "शुक्र", "मंगल", "गुरु", "शनि", "राहु", "केतु", "लग्न"},

    .signInPosition = true,
    .aspects = {"", " की राशि दृष्टि ", " पर है।"},
    .grahas = {"", " की राशि दृष्टि ", " पर है।"},
    .noGrahas = {"", " की राशि दृष्टि किसी ग्रह पर नहीं है।", ""},
    .listSeparator = ", ",
    .lastSeparator = " और ",
    .sentenceSeparator = ", ",
    .sentenceLast = " और ",

    .headerLabels = {"नाम", "जन्म", "समय क्षेत्र", "स्थान", "निर्देशांक", "लग्न", "अयनांश", "नियम"},
    .months = {"जनवरी", "फ़रवरी", "मार्च", "अप्रैल", "मई", "जून", "जुलाई", "अगस्त", "सितंबर", "अक्टूबर", "नवंबर",
               "दिसंबर"},
    .zoneRowDaylight = ", डेलाइट सेविंग (घड़ी एक घंटा आगे)",
    .zoneRowNoDaylight = ", डेलाइट सेविंग नहीं",
    .zoneExact = {" (उस क्षण ", "", ")"},
    .zoneExactDaylight = ", डेलाइट सेविंग",
    .compass = {"उत्तर", "दक्षिण", "पूर्व", "पश्चिम"},
    .neverRise = " (66.5\u00B0 अक्षांश से आगे कुछ राशियाँ कभी उदित नहीं होतीं)",
    .ayanamsaPrecise = " लाहिड़ी (सटीक स्थितियाँ, IAU मॉडल)",
    .ayanamsaFormulas = " (प्रोग्राम के अपने सूत्र)",
    .ruleTitles = {"हमारा नियम (हर राशि अपने स्वभाव की अन्य तीन राशियों को देखती है)",
                   "शास्त्रीय नियम (चर और स्थिर राशियाँ एक-दूसरे को, द्विस्वभाव राशियाँ आपस में)"},
    .ruleCaptions = {"हमारा नियम", "शास्त्रीय नियम"},

    .readingHolds = {"यह फल ", "", " के जन्मों पर लागू है"},
    .chartHolds = {"कुंडली (लग्न ", ") ", " लागू है"},
    .span = {"", " से ", " तक"},
    .notes = {" (पहले: ", "; बाद में: ", ")।"},
    .enters = {"", " ", " में प्रवेश करता है"},
    .isIn = {"", " ", " में है"},
    .linesChange = {"", " की पंक्तियाँ बदलती हैं", ""},
    .noteSeparator = ", ",
    .nothingWithinSearch = "तीन दिन के भीतर कुछ नहीं बदलता",
    .yearsEnd = "प्रोग्राम के वर्ष समाप्त होते हैं",
    .noSign = "कोई राशि नहीं",

    .sliceLagna = {"लग्न ", ", ", " के स्थान पर"},
    .sliceBodyIn = {"", " ", " में"},
    .sliceUntilFirst = " ",
    .sliceUntilNext = " ",
    .sliceThen = " तक, फिर ",
    .sameChart = "वही कुंडली",

    .chosenIn = {"", " ", " में है और "},
    .chosenAfterSigns = " को देखता है",
    .oneStands = {"; वहाँ ", " है", ""},
    .manyStand = {"; वहाँ ", " हैं", ""},
    .noneStands = "; वहाँ कोई ग्रह नहीं है",

    .ascendantMark = "लग्न ",
    .chartTitle = "राशि चक्र",
    .navamsaTitle = "नवांश (D9)",
    .lagnaTitle = "लग्न ",
    .pageTitle = "राशि दृष्टि फल",
    .programName = "राशि दृष्टि",
};

} // namespace rashi
