#include "places/place.h"
#include "places/text_fold.h"

#include "qt_printing.h"

#include <gtest/gtest.h>

namespace rashi::places {
namespace {

TEST(TextFold, BoxNamesKeepOnlyLettersAndSingleSpaces) {
    struct Case {
        const char* text;
        const char* box;
        const char* key = nullptr; // when not the box's name in lower case
    };
    const Case cases[] = {
        {"São Paulo", "Sao Paulo"},
        {"Winston-Salem", "Winston Salem"},
        {"Zürich", "Zurich"},
        {"Ürümqi", "Urumqi"},
        {"Kāraikkudi", "Karaikkudi"},
        {"Łódź", "Lodz"},
        {"Køge", "Koge"},
        {"Gießen", "Giessen"},
        {"Hawaiʻi", "Hawaii"},
        {"Coeur d'Alene", "Coeur d Alene"},
        {"  St. John's  ", "St John s"},
        {"Þórshöfn", "Thorshofn"},
        {"İstanbul", "Istanbul"},
        {"Ho Chi Minh City (Saigon)", "Ho Chi Minh City Saigon"},
        {"", ""},
        // Other scripts: the box keeps Latin letters only, the key every
        // script's, case-folded, accents off, vowel signs kept.
        {"Москва", "", "москва"},
        {"Йошкар-Ола", "", "иошкар ола"},
        {"ΑΘΉΝΑ", "", "αθηνα"},
        {"पुणे", "", "पुणे"},
        {"पुणे, India", "India", "पुणे india"},
        {"תֵּל אָבִיב", "", "תל אביב"},
        {"القَاهِرَة", "", "القاهرة"},
        {"Ärhus Øst", "Arhus Ost", "arhus ost"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(FoldForBox(QString::fromUtf8(c.text)), QString::fromLatin1(c.box));
        EXPECT_EQ(SearchKey(QString::fromUtf8(c.text)),
                  c.key ? std::string(c.key) : QString::fromLatin1(c.box).toLower().toStdString());
    }
}

TEST(PlaceCoordinates, RoundToTheNearestMinuteWithDirections) {
    struct Case {
        double degrees;
        bool latitude;
        DegreesMinutes boxes;
    };
    const Case cases[] = {
        {18.5196, true, {18, 31, QLatin1Char('N')}},
        {73.8553, false, {73, 51, QLatin1Char('E')}},
        {-23.5475, true, {23, 33, QLatin1Char('S')}},
        {-46.63611, false, {46, 38, QLatin1Char('W')}},
        {51.99999, true, {52, 0, QLatin1Char('N')}},       // 59.9994' carries into the degree
        {-0.1257, false, {0, 8, QLatin1Char('W')}},
        {-0.004, false, {0, 0, QLatin1Char('E')}},         // rounds to zero: no west of nothing
        {12.50833, true, {12, 30, QLatin1Char('N')}},      // 30.4998' down
        {12.50834, true, {12, 31, QLatin1Char('N')}},      // 30.5004' up
        {95.0, true, {90, 0, QLatin1Char('N')}},
        {-180.0, false, {180, 0, QLatin1Char('W')}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.degrees);
        EXPECT_EQ(c.latitude ? LatitudeForBoxes(c.degrees) : LongitudeForBoxes(c.degrees), c.boxes);
    }
}

} // namespace
} // namespace rashi::places
