#include "core/lookup/search_text.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

struct SearchCase {
    const char* name;
    const char* what;
    bool placeSearch;
    std::string city, state, country;
    std::string expected;
};

// Shown in the names of the cases.
void PrintTo(const SearchCase& c, std::ostream* os) { *os << c.name; }

class BuildSearchTextTest : public ::testing::TestWithParam<SearchCase> {};

TEST_P(BuildSearchTextTest, JoinsThePlaceAfterThePrefix) {
    const SearchCase& c = GetParam();
    EXPECT_EQ(rashi::BuildSearchText(c.placeSearch, c.city, c.state, c.country), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BuildSearchTextTest,
    ::testing::Values(
        SearchCase{"Place", "a place", true, "Pune", "Maharashtra", "India",
                   "Latitude Longitude Pune Maharashtra India"},
        SearchCase{"NoPlaceSearch", "no place asked for: the prefix alone, trailing blank kept", false, "Pune",
                   "Maharashtra", "India", "Latitude Longitude "},
        SearchCase{"BlanksKept", "blanks around the entries are kept as typed", true, "  Pune ", " MH", "India  ",
                   "Latitude Longitude   Pune   MH India  "},
        SearchCase{"BlankOnlyEntries", "blank-only entries still get their separators", true, " ", " ", " ",
                   "Latitude Longitude      "},
        SearchCase{"EmptyEntries", "empty entries still get their separators", true, "", "", "",
                   "Latitude Longitude   "},
        SearchCase{"HostileCharacters", "hostile characters pass through untouched", true, "O'Brien \"x\"", "a\\b</script>",
                   "<img src=x onerror=alert(1)>\r\n",
                   "Latitude Longitude O'Brien \"x\" a\\b</script> <img src=x onerror=alert(1)>\r\n"},
        SearchCase{"Utf8Bytes", "bytes beyond ASCII (UTF-8) are not altered", true, "K\xC3\xB6ln", "NRW",
                   "Deutschland", "Latitude Longitude K\xC3\xB6ln NRW Deutschland"}),
    [](const ::testing::TestParamInfo<SearchCase>& info) { return std::string(info.param.name); });

TEST(BuildSearchText, EmbeddedNulIsKeptAsData) {
    const std::string city("a\0b", 3);
    const std::string text = rashi::BuildSearchText(true, city, "s", "c");
    EXPECT_EQ(text, std::string("Latitude Longitude a\0b s c", 26));
}

} // namespace
