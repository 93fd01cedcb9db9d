#include "core/time_window/day_slices.h"

#include "core/ascendant/ascendant.h"
#include "core/aspects/rashi_drishti.h"
#include "core/moon/birth_moment.h"
#include "core/planets/position_table.h"
#include "core/time_window/moment_positions.h"
#include "core/time_window/place_clock.h"
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

std::string BodyPart(const DaySlicesRecord& day, int body, const std::vector<std::pair<int, int>>& runs,
                     const ReadingWords& words) {
    // runs: (first minute, sign) in order.
    std::string text = Fill(words.sliceBodyIn, BodyInSentence(body, words), SignWord(runs[0].second, words));
    for (std::size_t r = 1; r < runs.size(); ++r)
        text.append(r == 1 ? words.sliceUntilFirst : words.sliceUntilNext)
            .append(DayClockText(day, runs[r].first - 1))
            .append(words.sliceThen)
            .append(SignWord(runs[r].second, words));
    return text;
}

// The clock minutes a run of the day's clock showed: [first, end).
std::pair<int, int> RunClockMinutes(const DaySlicesRecord& day, std::size_t run) {
    const int until = run + 1 < day.clock.size() ? day.clock[run + 1].from : day.length;
    return {day.clock[run].clockMinute, day.clock[run].clockMinute + until - day.clock[run].from};
}

// What differs in a slice from the given chart: the ascendant, then each
// body that stands elsewhere for any part of the slice.
std::string Differs(const DaySlicesRecord& day, const DaySlice& slice, int givenAscendant,
                    const std::array<int, kReportRows>& given, const std::array<int, kReportRows>& dayStart,
                    const std::vector<DayMark>& marks, const ReadingWords& words) {
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
        if (differs) parts.push_back(BodyPart(day, body, runs, words));
    }
    if (parts.empty()) return std::string(words.sameChart);
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i) text += (i ? "; " : "") + parts[i];
    return text;
}

} // namespace

int DayClockMinute(const DaySlicesRecord& day, int minute) {
    std::size_t run = 0;
    while (run + 1 < day.clock.size() && day.clock[run + 1].from <= minute) ++run;
    return day.clock[run].clockMinute + minute - day.clock[run].from;
}

int DayClockOffset(const DaySlicesRecord& day, int minute) {
    std::size_t run = 0;
    while (run + 1 < day.clock.size() && day.clock[run + 1].from <= minute) ++run;
    return day.clock[run].offsetSeconds;
}

bool DayClockRepeats(const DaySlicesRecord& day, int clockMinute) {
    int showing = 0;
    for (std::size_t run = 0; run < day.clock.size(); ++run) {
        const auto [first, end] = RunClockMinutes(day, run);
        if (clockMinute >= first && clockMinute < end) ++showing;
    }
    return showing > 1;
}

std::string DayClockText(const DaySlicesRecord& day, int minute) {
    const int clock = DayClockMinute(day, minute);
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", clock / 60 % 100, clock % 60);
    std::string shown = text;
    if (DayClockRepeats(day, clock)) shown += " " + UtcOffsetText(DayClockOffset(day, minute));
    return shown;
}

std::vector<std::pair<int, int>> DayHours(const DaySlicesRecord& day) {
    std::vector<std::pair<int, int>> hours;
    for (std::size_t run = 0; run < day.clock.size(); ++run) {
        const auto [first, end] = RunClockMinutes(day, run);
        for (int hour = (first + 59) / 60; hour * 60 < end || (run + 1 == day.clock.size() && hour * 60 == end); ++hour)
            hours.push_back({day.clock[run].from + hour * 60 - first, hour});
    }
    return hours;
}

std::string DaySliceText(const DaySlicesRecord& day, const DaySlice& slice) {
    return DayClockText(day, slice.first) + "\u2013" + DayClockText(day, slice.last) + ": " + slice.differs;
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

    // The day as the place's clock ran: from the first moment it showed
    // 00:00 (or later, where the clocks went forward over midnight) to the
    // first it showed the next day.
    const int own = UtcOffsetSeconds(birth);
    const long long midnight = SecondOfMoment({local.year, local.month, local.day, 0, 0});
    const long long start = FirstMomentShowing(records.clock, own, midnight);
    const long long end = FirstMomentShowing(records.clock, own, midnight + 86400);
    const auto minutesFrom = [start](long long second) { return static_cast<int>((second - start) / 60); };
    day.length = minutesFrom(end);
    day.clock = {{0, static_cast<int>((start + OffsetAt(records.clock, own, start) - midnight) / 60),
                  OffsetAt(records.clock, own, start)}};
    for (const ClockOffset& change : records.clock.offsets)
        if (change.fromUtcSecond > start && change.fromUtcSecond < end)
            day.clock.push_back({minutesFrom(change.fromUtcSecond + 59),
                                 static_cast<int>((change.fromUtcSecond + change.offsetSeconds - midnight) / 60),
                                 change.offsetSeconds});
    day.birthMinute = minutesFrom(BirthUtcSecond(birth));

    // The day's minutes, within the program's years.
    const long long at = MinutesOfMoment(local);
    day.firstMinute = static_cast<int>(std::max<long long>(0, day.birthMinute - (at - MinutesOfMoment(kFirstOfferedMoment))));
    day.lastMinute = static_cast<int>(
        std::min<long long>(day.length - 1, day.birthMinute + (MinutesOfMoment(kLastOfferedMoment) - at)));
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
    for (DaySlice& slice : day.slices)
        slice.differs = Differs(day, slice, givenAscendant, given, dayStart, day.marks, WordsOf(records.language));
    day.computed = true;
}

} // namespace rashi
