#pragma once
// The reading's second A4 page: the Vimshottari mahadashas with their
// antardashas, the chara periods with their antardashas where they fit and
// the drig periods, dates UT, in the reading's language.

#include "drawing/chart_painter.h"

class QPainter;

namespace rashi {

// Whether the reading has a dasha to print.
bool HasDashaPage(const ReadingRecords& records);

// The page in points, from its top left corner.
void PaintDashaPage(QPainter& painter, const QRectF& page, const ReadingRecords& records, const ChartOptions& options);

} // namespace rashi
