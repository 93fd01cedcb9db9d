#pragma once
// The birth's day as a strip: the chart's slices as tinted blocks named by
// their ascendant sign where the name fits, the bodies' sign changes as ticks
// above with the body's short name, the hours below, and the given time
// marked. One paint function for the window and a picture alike.

#include "core/records/reading_records.h"

#include <QFont>
#include <QRectF>
#include <QString>

#include <vector>

class QPainter;

namespace rashi {

struct DayStripLayout {
    QRectF marks; // the band of the bodies' ticks and names
    QRectF bar;   // the slices
    QRectF hours; // the hour ticks and their numbers
};

// The strip's bands in `rect`, with texts in `font`.
DayStripLayout DayStripLayoutOf(const QRectF& rect, const QFont& font);

// Where a minute of the day (0 .. its length) falls on the bar, and the
// other way: the bar is the day's time as it passed, 23 or 25 hours on a day
// the clocks changed, its hours as the clock showed them.
double DayStripX(const QRectF& bar, const DaySlicesRecord& day, double minute);
int DayStripMinuteAt(const QRectF& bar, const DaySlicesRecord& day, double x);

// A text placed on the strip.
struct DayStripText {
    int index = -1;  // the slice, mark or hour it belongs to
    QString text;
    QRectF box;
};

// The slices' sign names that fit their blocks (a short name when the whole
// does not: three letters, Vrs and Vrc for Vrishabha and Vrischika, then the
// sign's number; a name in Devanagari is never cut), and the marks' body names
// that do not overlap one another.
std::vector<DayStripText> DayStripSliceLabels(const DayStripLayout& layout, const DaySlicesRecord& day, const QFont& font,
                                              Language language = Language::English);
std::vector<DayStripText> DayStripMarkLabels(const DayStripLayout& layout, const DaySlicesRecord& day, const QFont& font,
                                             Language language = Language::English);

// Draws the strip; `chosenSlice` (or -1) stands out.
void PaintDayStrip(QPainter& painter, const QRectF& rect, const DaySlicesRecord& day, int chosenSlice = -1,
                   Language language = Language::English);

} // namespace rashi
