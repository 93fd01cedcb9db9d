#include "core/time_window/day_slices.h"

#include "core/ascendant/ascendant.h"
#include "core/aspects/rashi_drishti.h"
#include "core/moon/birth_moment.h"
#include "core/planets/position_table.h"
#include "core/time_window/moment_positions.h"
#include "core/time_window/sign_steps.h"
#include "core/time_window/time_window.h"
#include "core/time_window/window_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace rashi {
namespace {


// Walks minutes `first`..`last` (relative to the birth) and calls
// `changed(minute, index, from, to)` for each longitude whose sign differs from
// the minute looked at before. Returns the signs at `first`.
template <std::size_t N, typename Evaluate, typename Changed>
std::array<int, N> Walk(int first, int last, const std::array<double, N>& bounds, Evaluate evaluate, Changed changed) {
    const std::array<double, N> start = evaluate(first);
    std::array<int, N> signs{};
    for (std::size_t i = 0; i < N; ++i) signs[i] = SignOfLongitude(start[i]);
    StepThroughSigns(first, last, bounds, start, evaluate,
                     [&](int minute, const std::array<int, N>& before, const std::array<double, N>& now) {
                         for (std::size_t i = 0; i < N; ++i)
                             if (const int sign = SignOfLongitude(now[i]); sign != before[i])
                                 changed(minute, static_cast<int>(i), before[i], sign);
                         return false;
                     });
    return signs;
}

std::string BodyPart(int body, const std::vector<std::pair<int, int>>& runs, const ReadingWords& words) {
    // runs: (first minute, sign) in order.
    std::string text = Fill(words.sliceBodyIn, BodyInSentence(body, words), SignWord(runs[0].second, words));
    for (std::size_t r = 1; r < runs.size(); ++r)
        text.append(r == 1 ? words.sliceUntilFirst : words.sliceUntilNext)
            .append(DayClockText(runs[r].first - 1))
            .append(words.sliceThen)
            .append(SignWord(runs[r].second, words));
    return text;
}

// What differs in a slice from the given chart: the ascendant, then each
// body that stands elsewhere for any part of the slice.
std::string Differs(const DaySlice& slice, int givenAscendant, const std::array<int, kReportRows>& given,
                    const std::array<int, kReportRows>& dayStart, const std::vector<DayMark>& marks,
                    const ReadingWords& words) {
    std::vector<std::string> parts;
    if (slice.ascendantSign != givenAscendant)
        parts.push_back(Fill(words.sliceLagna, SignWord(slice.ascendantSign, words), SignWord(givenAscendant, words)));
    for (int body = 0; body < kReportRows; ++body) {
        int sign = dayStart[body];
        for (const DayMark& m : marks)
            if (m.body == body && m.minute <= slice.first) sign = m.toSign;
        std::vector<std::pair<int, int>> runs{{slice.first, sign}};
        bool differs = sign != given[body];
        for (const DayMark& m : marks)
            if (m.body == body && m.minute > slice.first && m.minute <= slice.last) {
                runs.push_back({m.minute, m.toSign});
                differs = differs || m.toSign != given[body];
            }
        if (differs) parts.push_back(BodyPart(body, runs, words));
    }
    if (parts.empty()) return std::string(words.sameChart);
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i) text += (i ? "; " : "") + parts[i];
    return text;
}

} // namespace

std::string DayClockText(int minute) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", minute / 60 % 100, minute % 60);
    return text;
}

std::string DaySliceText(const DaySlice& slice) {
    return DayClockText(slice.first) + "\u2013" + DayClockText(slice.last) + ": " + slice.differs;
}

int DaySliceAt(const DaySlicesRecord& day, int minute) {
    for (std::size_t i = 0; i < day.slices.size(); ++i)
        if (minute >= day.slices[i].first && minute <= day.slices[i].last) return static_cast<int>(i);
    return -1;
}

void ComputeDaySlices(ReadingRecords& records) {
    const BirthRecord& birth = records.birth;
    DaySlicesRecord& day = records.day;
    day = DaySlicesRecord{};
    const CivilMoment local = ShiftMoment({birth.Year, birth.Month, birth.Day, birth.Hour, birth.Minute}, 0);
    day.year = local.year;
    day.month = local.month;
    day.day = local.day;
    day.birthMinute = local.hour * 60 + local.minute;
    // The day's minutes, within the program's years.
    const long long at = MinutesOfMoment(local);
    day.firstMinute = static_cast<int>(std::max<long long>(0, day.birthMinute - (at - MinutesOfMoment(kFirstOfferedMoment))));
    day.lastMinute = static_cast<int>(std::min<long long>(1439, day.birthMinute + (MinutesOfMoment(kLastOfferedMoment) - at)));
    const int first = day.firstMinute - day.birthMinute;
    const int last = day.lastMinute - day.birthMinute;

    MomentPositions positions(birth, records.ephemeris);
    std::array<int, kReportRows> given{};
    const auto givenBodies = positions.Bodies(0);
    for (int i = 0; i < kReportRows; ++i) given[i] = SignOfLongitude(givenBodies[i]);
    const int givenAscendant = SignOfLongitude(positions.Ascendant(0));

    const auto dayStart = Walk(first, last, BodyBoundsPerMinute(), [&](int m) { return positions.Bodies(m); },
                               [&](int m, int body, int from, int to) {
                                   day.marks.push_back({m + day.birthMinute, body, from, to});
                               });

    day.slices.push_back({day.firstMinute, day.lastMinute, SignOfLongitude(positions.Ascendant(first)), {}});
    Walk(first, last, AscendantBoundPerMinute(birth), [&](int m) { return std::array<double, 1>{positions.Ascendant(m)}; },
         [&](int m, int, int, int to) {
             day.slices.back().last = m + day.birthMinute - 1;
             day.slices.push_back({m + day.birthMinute, day.lastMinute, to, {}});
         });
    for (DaySlice& slice : day.slices) slice.differs = Differs(slice, givenAscendant, given, dayStart, day.marks, WordsOf(records.language));
    day.computed = true;
}

} // namespace rashi
