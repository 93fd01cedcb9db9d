#pragma once
// Longitudes of many moments from the series evaluated at a few: time is cut
// into segments centred on minute 0 (the first from −kSegmentMinutes/2 to
// +kSegmentMinutes/2, shared ends belonging to the segment nearer 0), each
// sampled at kPoints minutes near the Chebyshev–Lobatto points and read
// between them by barycentric Lagrange interpolation. The bodies' motion is
// smooth over days: the Moon's shortest terms of note have periods of a week
// and more, so eleven points over six days hold every body within a
// ten-thousandth of an arcsecond, the osculating node (whose own difference
// quotient is that noisy) within two thousandths.

#include <array>
#include <cmath>
#include <functional>
#include <map>

namespace rashi {

template <std::size_t N, int kSegmentMinutes = 6 * 1440, int kPoints = 11>
class InterpolatedLongitudes {
public:
    using Longitudes = std::array<double, N>;
    using Exact = std::function<Longitudes(int minutes)>;

    explicit InterpolatedLongitudes(Exact exact) : exact_(std::move(exact)) {}

    // Degrees, each within a turn of the exact value's (not brought into [0, 360)).
    Longitudes At(int minutes) {
        const int segment = SegmentOf(minutes);
        const Segment& s = SegmentAt(segment);
        Longitudes value{};
        double below = 0;
        std::array<double, kPoints> terms{};
        for (int j = 0; j < kPoints; ++j) {
            if (minutes == s.minutes[j]) return s.values[j];
            terms[j] = s.weights[j] / (minutes - s.minutes[j]);
            below += terms[j];
        }
        for (std::size_t b = 0; b < N; ++b) {
            double above = 0;
            for (int j = 0; j < kPoints; ++j) above += terms[j] * s.values[j][b];
            value[b] = above / below;
        }
        return value;
    }

    // Moments the series were evaluated at so far.
    int evaluations() const { return static_cast<int>(samples_.size()); }

private:
    struct Segment {
        std::array<int, kPoints> minutes{};
        std::array<double, kPoints> weights{};
        std::array<Longitudes, kPoints> values{};
    };

    static int SegmentOf(int minutes) {
        constexpr int half = kSegmentMinutes / 2;
        return minutes >= 0 ? (minutes + half - 1) / kSegmentMinutes : -((-minutes + half - 1) / kSegmentMinutes);
    }

    const Longitudes& Sample(int minutes) {
        auto it = samples_.find(minutes);
        if (it == samples_.end()) it = samples_.emplace(minutes, exact_(minutes)).first;
        return it->second;
    }

    const Segment& SegmentAt(int segment) {
        auto it = segments_.find(segment);
        if (it != segments_.end()) return it->second;
        Segment s;
        const int start = segment * kSegmentMinutes - kSegmentMinutes / 2;
        for (int j = 0; j < kPoints; ++j) {
            // Lobatto points cos(πj/(n−1)) mapped onto the segment, to the whole minute.
            const double cosine = std::cos(3.14159265358979323846 * j / (kPoints - 1));
            s.minutes[j] = start + static_cast<int>(std::lround((1 - cosine) / 2 * kSegmentMinutes));
            s.values[j] = Sample(s.minutes[j]);
            // Unwrapped against the first point: no body moves half a turn in six days.
            for (std::size_t b = 0; b < N; ++b)
                s.values[j][b] -= 360 * std::round((s.values[j][b] - s.values[0][b]) / 360);
        }
        for (int j = 0; j < kPoints; ++j) {
            double product = 1;
            for (int k = 0; k < kPoints; ++k)
                if (k != j) product *= s.minutes[j] - s.minutes[k];
            s.weights[j] = 1 / product;
        }
        return segments_.emplace(segment, s).first->second;
    }

    Exact exact_;
    std::map<int, Longitudes> samples_;
    std::map<int, Segment> segments_;
};

} // namespace rashi
