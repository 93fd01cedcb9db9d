#include "core/aspects/graha_drishti_text.h"

#include <charconv>

namespace rashi {
namespace {

// The bodies of a mask, a bit each, in report order; "none" for none.
std::string BodiesText(unsigned bodies, const ReadingWords& words) {
    if (bodies == 0) return std::string(words.graha.none);
    std::string text;
    for (int k = 0; k < kReportRows; ++k)
        if (bodies >> k & 1u) AppendListed(text, words.bodies[k], (bodies >> (k + 1)) == 0, words);
    return text;
}

} // namespace

std::string VirupaText(double virupas) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, virupas, std::chars_format::fixed, 1);
    return std::string(buffer, result.ptr);
}

std::string GrahaAspectsText(const std::array<GrahaAspect, kGrahaCounts>& aspects, const ReadingWords& words) {
    std::string text;
    for (const GrahaAspect& a : aspects) {
        if (a.sign < 0 || a.quarters < 1 || a.quarters > 4) continue;
        if (!text.empty()) text += words.sentenceSeparator;
        text.append(words.signs[a.sign]).append(" ").append(words.graha.strengths[a.quarters - 1]).append(" (");
        text.append(words.jaimini.houses[a.count - 1]);
        if (a.house > 0) text.append(words.listSeparator).append(words.graha.house).append(std::to_string(a.house));
        if (a.bodies != 0) text.append(": ").append(BodiesText(a.bodies, words));
        text += ')';
    }
    return text.empty() ? std::string(words.graha.none) : text;
}

std::vector<std::string> GrahaDrishtiLines(const ReadingRecords& records) {
    const GrahaDrishtiRecord& graha = records.grahaDrishti;
    if (!graha.computed) return {};
    const ReadingWords& words = WordsOf(records.language);
    const GrahaWords& g = words.graha;
    std::vector<std::string> lines;
    lines.reserve(1 + 3 * kReportRows);
    lines.push_back(Fill(g.heading, g.nodes[graha.nodes == NodeAspects::FifthNinth ? 1 : 0]));
    for (int i = 0; i < kReportRows; ++i) {
        const std::string_view body = words.bodies[i];
        lines.push_back(Fill(g.aspects, body, GrahaAspectsText(graha.aspects[i], words)));
        std::string strengths;
        for (int j = 0; j < kReportRows; ++j) {
            if (j == i) continue;
            if (!strengths.empty()) strengths += words.sentenceSeparator;
            strengths.append(words.bodies[j]).append(" ").append(VirupaText(graha.sphuta[i][j]));
        }
        strengths.append("; ").append(g.houses);
        for (int n = 0; n < 12; ++n) {
            if (n > 0) strengths += words.sentenceSeparator;
            strengths += VirupaText(graha.sphuta[i][kReportRows + n]);
        }
        lines.push_back(Fill(g.sphuta, body, strengths));
        std::string joins(g.joins[0]);
        joins.append(body).append(g.joins[1]).append(BodiesText(graha.both[i], words));
        joins.append(g.joins[2]).append(BodiesText(graha.rashiOnly[i], words));
        joins.append(g.joins[3]).append(BodiesText(graha.grahaOnly[i], words)).append(g.joinsEnd);
        lines.push_back(std::move(joins));
    }
    return lines;
}

} // namespace rashi
