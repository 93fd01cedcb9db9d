#include "core/jaimini/arudha_padas.h"

#include "core/jaimini/chart_signs.h"

#include <string>

namespace rashi {
namespace {

// The lord of each sign; Vrischika's and Kumbha's other lords are the nodes.
constexpr std::array<int, 12> kLords = {
    row::Mars,    // Mesha
    row::Venus,   // Vrishabha
    row::Mercury, // Mithuna
    row::Moon,    // Kataka
    row::Sun,     // Simha
    row::Mercury, // Kanya
    row::Venus,   // Thula
    row::Mars,    // Vrischika, with Ketu
    row::Jupiter, // Dhanus
    row::Saturn,  // Makara
    row::Saturn,  // Kumbha, with Rahu
    row::Jupiter, // Meena
};

constexpr int SecondLord(int sign) {
    return sign == sign::Scorpio ? row::Ketu : sign == sign::Aquarius ? row::Rahu : -1;
}

// Where each of the four lords of two signs is exalted.
int ExaltationSign(int body) {
    switch (body) {
    case row::Saturn: return sign::Libra;
    case row::Rahu: return sign::Taurus;
    case row::Mars: return sign::Capricorn;
    case row::Ketu: return sign::Scorpio;
    default: return -1;
    }
}

int KindStrength(int sign) {
    switch (kSigns[sign].quality) {
    case SignQuality::Mixed: return 3;
    case SignQuality::Fixed: return 2;
    case SignQuality::Movable: break;
    }
    return 1;
}

// The other bodies standing with `body`.
int Companions(int body, const ArudhaChart& chart) {
    int count = 0;
    for (int k = 0; k < kReportRows; ++k)
        if (k != body && chart.signs[k] == chart.signs[body]) ++count;
    return count;
}

// How many of Jupiter, Mercury and the body's dispositor join it or aspect it.
int Supporters(int body, const ArudhaChart& chart, const AspectRule& rule) {
    const int at = chart.signs[body];
    const std::array<int, 3> candidates = {row::Jupiter, row::Mercury, kLords[at]};
    int count = 0;
    for (std::size_t c = 0; c < candidates.size(); ++c) {
        const int k = candidates[c];
        if (k == body || (c == 2 && (k == row::Jupiter || k == row::Mercury)) || chart.signs[k] < 0) continue;
        if (chart.signs[k] == at || (rule[chart.signs[k]] & (1u << at))) ++count;
    }
    return count;
}

// +1 when `a` wins, -1 when `b` does, 0 when this step does not separate them.
int Compare(double a, double b) { return a > b ? 1 : a < b ? -1 : 0; }

} // namespace

int OwnLord(int sign) { return kLords[sign]; }
int OtherLord(int sign) { return SecondLord(sign); }
int BodiesWith(int body, const ArudhaChart& chart) { return Companions(body, chart); }

int SignLord(int sign, const ArudhaChart& chart, const AspectRule& rule) {
    const int a = kLords[sign];
    const int b = SecondLord(sign);
    if (b < 0 || chart.signs[b] < 0) return a;
    if (chart.signs[a] < 0) return b;
    const bool aHome = chart.signs[a] == sign;
    const bool bHome = chart.signs[b] == sign;
    if (aHome != bHome) return aHome ? b : a;
    const auto exalted = [&](int body) { return chart.signs[body] == ExaltationSign(body) ? 1.0 : 0.0; };
    const int steps[] = {
        Compare(Companions(a, chart), Companions(b, chart)),
        Compare(Supporters(a, chart, rule), Supporters(b, chart, rule)),
        Compare(exalted(a), exalted(b)),
        Compare(KindStrength(chart.signs[a]), KindStrength(chart.signs[b])),
        Compare(chart.degrees[a], chart.degrees[b]),
    };
    for (int step : steps)
        if (step != 0) return step > 0 ? a : b;
    return a;
}

int ArudhaOfSign(int sign, const ArudhaChart& chart, const AspectRule& rule, bool exceptions) {
    const int lordSign = chart.signs[SignLord(sign, chart, rule)];
    if (lordSign < 0) return -1;
    const int pada = (2 * lordSign - sign + 24) % 12; // as far again from the lord as the lord from the sign
    if (!exceptions) return pada;
    if (pada == sign) return (sign + 9) % 12;            // the 10th from the house
    if (pada == (sign + 6) % 12) return (sign + 3) % 12; // the 4th from the house
    return pada;
}

std::array<int, 12> ArudhaPadas(int lagna, const ArudhaChart& chart, const AspectRule& rule, bool exceptions) {
    std::array<int, 12> padas{};
    for (int house = 0; house < 12; ++house)
        padas[house] = lagna < 0 ? -1 : ArudhaOfSign((lagna + house) % 12, chart, rule, exceptions);
    return padas;
}

std::string_view ArudhaLabel(int house, const ReadingWords& words) {
    return house >= 1 && house <= 12 ? words.jaimini.arudhaLabels[static_cast<std::size_t>(house - 1)]
                                     : std::string_view();
}

void ComputeArudhaPadas(ReadingRecords& records) {
    // The signs the captions name; the degrees measured. The stronger lord's
    // support (c) is Jaimini's aspect, so by the classical rule whatever
    // rule the captions use.
    ArudhaChart chart;
    chart.signs = records.jaimini.signs;
    chart.degrees = DegreesInOwnSigns(JaiminiLongitudes(records), chart.signs);
    records.jaimini.arudhaPadas = ArudhaPadas(records.jaimini.lagna, chart, RuleTable(AspectRuleChoice::Classical),
                                              records.jaiminiChoices.arudhaExceptions);
}

} // namespace rashi
