#include "core/aspects/graha_drishti.h"

#include "core/aspects/aspect_comparison.h"
#include "core/aspects/rashi_drishti.h"

namespace rashi {
namespace {

constexpr int kNorthNode = 7, kSouthNode = 8;

} // namespace

const DrishtiCurve& SignAspectCurve(int reportRow, NodeAspects nodes) {
    const bool node = reportRow == kNorthNode || reportRow == kSouthNode;
    return node && nodes == NodeAspects::FifthNinth ? kNodesFifthNinthCurve : SphutaCurve(reportRow);
}

std::array<std::array<GrahaAspect, kGrahaCounts>, kReportRows> GrahaAspects(const std::array<int, kReportRows>& signs,
                                                                           int lagna, NodeAspects nodes) {
    std::array<unsigned, 12> standing{};
    for (int k = 0; k < kReportRows; ++k)
        if (signs[k] >= 0 && signs[k] < 12) standing[signs[k]] |= 1u << k;
    std::array<std::array<GrahaAspect, kGrahaCounts>, kReportRows> aspects{};
    for (int i = 0; i < kReportRows; ++i) {
        const DrishtiCurve& curve = SignAspectCurve(i, nodes);
        const bool known = signs[i] >= 0 && signs[i] < 12;
        for (int c = 0; c < kGrahaCounts; ++c) {
            GrahaAspect& a = aspects[i][c];
            a.count = kGrahaCountsFromBody[c];
            a.quarters = static_cast<int>(curve[a.count - 1] / 15);
            if (!known) continue;
            a.sign = (signs[i] + a.count - 1) % 12;
            a.house = lagna >= 0 && lagna < 12 ? (a.sign - lagna + 12) % 12 + 1 : 0;
            a.bodies = standing[a.sign];
        }
    }
    return aspects;
}

unsigned FullAspectSigns(const std::array<GrahaAspect, kGrahaCounts>& aspects) {
    unsigned signs = 0;
    for (const GrahaAspect& a : aspects)
        if (a.quarters == 4 && a.sign >= 0) signs |= 1u << a.sign;
    return signs;
}

std::string_view NodeAspectsKey(NodeAspects nodes) { return nodes == NodeAspects::FifthNinth ? "5-9" : "7"; }

std::optional<NodeAspects> NodeAspectsFromKey(std::string_view key) {
    if (key == "7") return NodeAspects::Seventh;
    if (key == "5-9") return NodeAspects::FifthNinth;
    return std::nullopt;
}

void ComputeGrahaDrishti(ReadingRecords& records) {
    GrahaDrishtiRecord& graha = records.grahaDrishti;
    graha.computed = false;
    graha.nodes = records.nodeAspects;
    const std::array<int, kReportRows> signs = SignsOfPositions(records.positions);
    graha.aspects = GrahaAspects(signs, SignOfPosition(records.ascendant.PositionText), graha.nodes);
    graha.sphuta = SphutaTable(records.degrees.longitudes, records.degrees.ascendant);
    std::array<unsigned, kReportRows> full{};
    for (int i = 0; i < kReportRows; ++i) full[i] = FullAspectSigns(graha.aspects[i]);
    CompareAspects(signs, RuleTable(records.rule), full, graha);
    graha.computed = true;
}

} // namespace rashi
