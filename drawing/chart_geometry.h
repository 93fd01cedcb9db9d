#pragma once
// Where each sign stands in the two diagrams.
//
// South Indian: a square of four by four boxes whose twelve outer boxes are
// the signs, fixed: Pisces top left, then clockwise Aries, Taurus... The four
// middle boxes are one empty field.
//
// North Indian: a square with its diagonals and the diamond through the
// middles of its sides, which make twelve houses, fixed: house 1 is the top
// diamond, and the houses follow counter-clockwise. The ascendant's sign
// stands in house 1, the next sign in house 2, and so on.

#include <QPoint>
#include <QPolygonF>
#include <QRectF>

namespace rashi {

enum class ChartStyle { South, North };

// "south" or "north", for settings and the command line; and back (South for
// anything else).
const char* ChartStyleKey(ChartStyle style);
ChartStyle ChartStyleFromKey(const QString& key);

// Column and row (0..3) of a sign's box in the South Indian diagram.
QPoint SouthGridPosition(int sign);

// The house (1..12) of a sign in the North Indian diagram, and back.
int NorthHouseOfSign(int sign, int ascendantSign);
int SignInNorthHouse(int house, int ascendantSign);

// The outline of a North Indian house in a square.
QPolygonF NorthHouse(int house, const QRectF& square);

// The outline of a sign's cell in either diagram. Without an ascendant
// (ascendantSign outside 0..11) the North Indian diagram starts at Aries.
QPolygonF SignCell(ChartStyle style, int sign, int ascendantSign, const QRectF& square);

// The rectangle inside a sign's cell that holds its text.
QRectF CellTextBox(ChartStyle style, int sign, int ascendantSign, const QRectF& square);

// Where a North Indian house shows its sign's number: between its middle and
// its corner nearest the centre.
QPointF NorthNumberPoint(int house, const QRectF& square);

// Where arrows to a sign's cell point: the middle of its text box.
QPointF CellAnchor(ChartStyle style, int sign, int ascendantSign, const QRectF& square);

// The largest square centred in a rectangle.
QRectF CentredSquare(const QRectF& rect);

} // namespace rashi
