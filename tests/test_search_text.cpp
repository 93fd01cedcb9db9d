#include "web/search_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct SearchCase {
    const char* what;
    bool placeSearch;
    std::string city, state, country;
    std::string expected;
};

class BuildSearchTextTest : public ::testing::TestWithParam<SearchCase> {};

TEST_P(BuildSearchTextTest, JoinsThePlaceAfterThePrefix) {
    const SearchCase& c = GetParam();
    EXPECT_EQ(rashi::BuildSearchText(c.placeSearch, c.city, c.state, c.country), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BuildSearchTextTest,
    ::testing::Values(
        SearchCase{"a place", true, "Pune", "Maharashtra", "India",
                   "Latitude Longitude Pune Maharashtra India"},
        SearchCase{"no place asked for: the prefix alone, trailing blank kept", false, "Pune",
                   "Maharashtra", "India", "Latitude Longitude "},
        SearchCase{"blanks around the entries are kept as typed", true, "  Pune ", " MH", "India  ",
                   "Latitude Longitude   Pune   MH India  "},
        SearchCase{"blank-only entries still get their separators", true, " ", " ", " ",
                   "Latitude Longitude      "},
        SearchCase{"empty entries still get their separators", true, "", "", "",
                   "Latitude Longitude   "},
        SearchCase{"hostile characters pass through untouched", true, "O'Brien \"x\"", "a\\b</script>",
                   "<img src=x onerror=alert(1)>\r\n",
                   "Latitude Longitude O'Brien \"x\" a\\b</script> <img src=x onerror=alert(1)>\r\n"},
        SearchCase{"bytes beyond ASCII (UTF-8) are not altered", true, "K\xC3\xB6ln", "NRW",
                   "Deutschland", "Latitude Longitude K\xC3\xB6ln NRW Deutschland"}));

TEST(BuildSearchText, EmbeddedNulIsKeptAsData) {
    const std::string city("a\0b", 3);
    const std::string text = rashi::BuildSearchText(true, city, "s", "c");
    EXPECT_EQ(text, std::string("Latitude Longitude a\0b s c", 26));
}

} // namespace
