#include "core/aspects/chart_description.h"

#include <gtest/gtest.h>

namespace rashi {
namespace {

ReadingRecords WithPositions(const std::array<std::string, kReportRows>& positions,
                             AspectRuleChoice rule = AspectRuleChoice::Ours)
{
    static const char* const names[kReportRows] = {"Sun",     "Moon",  "Mercury",    "Venus",     "Mars",
                                                    "Jupiter", "Saturn", "North Node", "South Node"};
    ReadingRecords r;
    for (int i = 0; i < kReportRows; ++i)
        r.positions.PlanetNames[i] = names[i];
    r.positions.PlanetPositions = positions;
    r.rule = rule;
    return r;
}

struct Case {
    const char* what;
    std::array<std::string, kReportRows> positions;
    AspectRuleChoice rule;
    int body;
    std::string expected;
};

TEST(ChartDescription, NamesTheSignsAspectedAndTheBodiesStandingThere)
{
    const Case cases[] = {
        {"four bodies in the aspected signs, in report order",
         {"01 Leo 00", "10 Lib 00", "02 Vir 00", "03 Vir 00", "04 Gem 00", "05 Ari 00", "06 Can 00", "07 Cap 00",
          "08 Cap 00"},
         AspectRuleChoice::Ours, 1,
         "Moon in Thula aspects Mesha, Kataka, Makara; Jupiter, Saturn, North Node and South Node stand there"},
        {"one body",
         {"01 Leo 00", "10 Lib 00", "02 Vir 00", "03 Vir 00", "04 Gem 00", "05 Ari 00", "06 Vir 00", "07 Vir 00",
          "08 Vir 00"},
         AspectRuleChoice::Ours, 1, "Moon in Thula aspects Mesha, Kataka, Makara; Jupiter stands there"},
        {"none; a body in its own sign does not count",
         {"01 Lib 00", "10 Lib 00", "02 Vir 00", "03 Vir 00", "04 Gem 00", "05 Vir 00", "06 Vir 00", "07 Vir 00",
          "08 Vir 00"},
         AspectRuleChoice::Ours, 0, "Sun in Thula aspects Mesha, Kataka, Makara; no body stands there"},
        {"the classical rule gives other signs",
         {"01 Ari 00", "10 Leo 00", "02 Sco 00", "03 Vir 00", "04 Can 00", "05 Vir 00", "06 Vir 00", "07 Vir 00",
          "08 Vir 00"},
         AspectRuleChoice::Classical, 0,
         "Sun in Mesha aspects Simha, Vrischika, Kumbha; Moon and Mercury stand there"},
        {"a body with no known sign is only named",
         {"", "10 Lib 00", "02 Vir 00", "03 Vir 00", "04 Gem 00", "05 Vir 00", "06 Vir 00", "07 Vir 00",
          "08 Vir 00"},
         AspectRuleChoice::Ours, 0, "Sun"},
        {"no body chosen",
         {"01 Leo 00", "10 Lib 00", "02 Vir 00", "03 Vir 00", "04 Gem 00", "05 Ari 00", "06 Can 00", "07 Cap 00",
          "08 Cap 00"},
         AspectRuleChoice::Ours, -1, ""},
        {"a row past the last",
         {"01 Leo 00", "10 Lib 00", "02 Vir 00", "03 Vir 00", "04 Gem 00", "05 Ari 00", "06 Can 00", "07 Cap 00",
          "08 Cap 00"},
         AspectRuleChoice::Ours, kReportRows, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DescribeChosenBody(WithPositions(c.positions, c.rule), c.body), c.expected) << c.what;
}

} // namespace
} // namespace rashi
