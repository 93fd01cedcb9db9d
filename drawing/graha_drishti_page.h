#pragma once
// The PDF's page of the graha drishti: each body's aspects, the table of its
// strengths on the bodies and houses, and the two aspects side by side.

#include "drawing/chart_painter.h"

#include <QRectF>

class QPainter;

namespace rashi {

// Strengths of at least this many virupas stand out in the table.
inline constexpr double kStrongVirupas = 45;

// The page in points from its top left corner; nothing when the reading has
// no graha drishti.
void PaintGrahaDrishtiPage(QPainter& painter, const QRectF& page, const ReadingRecords& records,
                           const ChartOptions& options);

} // namespace rashi
