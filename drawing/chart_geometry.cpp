#include "drawing/chart_geometry.h"

#include <QString>

#include <array>

namespace rashi {
namespace {

// South Indian boxes, sign by sign from Aries: column, row.
constexpr std::array<std::array<int, 2>, 12> kSouthBoxes = {{
    {1, 0}, // Aries
    {2, 0}, // Taurus
    {3, 0}, // Gemini
    {3, 1}, // Cancer
    {3, 2}, // Leo
    {3, 3}, // Virgo
    {2, 3}, // Libra
    {1, 3}, // Scorpio
    {0, 3}, // Sagittarius
    {0, 2}, // Capricorn
    {0, 1}, // Aquarius
    {0, 0}, // Pisces
}};

// North Indian houses as corners in the unit square (x right, y down), and the
// box of each house's text in the same units: left, top, width, height.
struct HouseShape {
    std::array<std::array<double, 2>, 4> corners;
    int cornerCount;
    std::array<double, 4> textBox;
};

constexpr std::array<HouseShape, 12> kNorthHouses = {{
    {{{{0.5, 0}, {0.75, 0.25}, {0.5, 0.5}, {0.25, 0.25}}}, 4, {0.36, 0.155, 0.28, 0.19}}, // 1: top diamond
    {{{{0, 0}, {0.5, 0}, {0.25, 0.25}, {}}}, 3, {0.13, 0.012, 0.24, 0.11}}, // 2
    {{{{0, 0}, {0.25, 0.25}, {0, 0.5}, {}}}, 3, {0.012, 0.13, 0.11, 0.24}}, // 3
    {{{{0, 0.5}, {0.25, 0.25}, {0.5, 0.5}, {0.25, 0.75}}}, 4, {0.11, 0.405, 0.28, 0.19}}, // 4: left diamond
    {{{{0, 0.5}, {0.25, 0.75}, {0, 1}, {}}}, 3, {0.012, 0.63, 0.11, 0.24}}, // 5
    {{{{0, 1}, {0.25, 0.75}, {0.5, 1}, {}}}, 3, {0.13, 0.878, 0.24, 0.11}}, // 6
    {{{{0.5, 1}, {0.25, 0.75}, {0.5, 0.5}, {0.75, 0.75}}}, 4, {0.36, 0.655, 0.28, 0.19}}, // 7: bottom diamond
    {{{{0.5, 1}, {0.75, 0.75}, {1, 1}, {}}}, 3, {0.63, 0.878, 0.24, 0.11}}, // 8
    {{{{1, 1}, {0.75, 0.75}, {1, 0.5}, {}}}, 3, {0.878, 0.63, 0.11, 0.24}}, // 9
    {{{{1, 0.5}, {0.75, 0.75}, {0.5, 0.5}, {0.75, 0.25}}}, 4, {0.61, 0.405, 0.28, 0.19}}, // 10: right diamond
    {{{{1, 0.5}, {0.75, 0.25}, {1, 0}, {}}}, 3, {0.878, 0.13, 0.11, 0.24}}, // 11
    {{{{1, 0}, {0.75, 0.25}, {0.5, 0}, {}}}, 3, {0.63, 0.012, 0.24, 0.11}}, // 12
}};

int Wrapped(int sign)
{
    return ((sign % 12) + 12) % 12;
}

QPointF InSquare(double x, double y, const QRectF& square)
{
    return {square.left() + x * square.width(), square.top() + y * square.height()};
}

const HouseShape& HouseOf(int house)
{
    return kNorthHouses[static_cast<std::size_t>(Wrapped(house - 1))];
}

int StartSign(int ascendantSign)
{
    return ascendantSign >= 0 && ascendantSign < 12 ? ascendantSign : 0;
}

} // namespace

const char* ChartStyleKey(ChartStyle style)
{
    return style == ChartStyle::North ? "north" : "south";
}

ChartStyle ChartStyleFromKey(const QString& key)
{
    return key == QLatin1String("north") ? ChartStyle::North : ChartStyle::South;
}

QPoint SouthGridPosition(int sign)
{
    const auto& box = kSouthBoxes[static_cast<std::size_t>(Wrapped(sign))];
    return {box[0], box[1]};
}

int NorthHouseOfSign(int sign, int ascendantSign)
{
    return Wrapped(sign - StartSign(ascendantSign)) + 1;
}

int SignInNorthHouse(int house, int ascendantSign)
{
    return Wrapped(StartSign(ascendantSign) + house - 1);
}

QPolygonF NorthHouse(int house, const QRectF& square)
{
    const HouseShape& shape = HouseOf(house);
    QPolygonF outline;
    for (int i = 0; i < shape.cornerCount; ++i)
        outline << InSquare(shape.corners[i][0], shape.corners[i][1], square);
    return outline;
}

QPolygonF SignCell(ChartStyle style, int sign, int ascendantSign, const QRectF& square)
{
    if (style == ChartStyle::North)
        return NorthHouse(NorthHouseOfSign(sign, ascendantSign), square);
    const QPoint at = SouthGridPosition(sign);
    const double side = square.width() / 4;
    return QPolygonF(QRectF(square.left() + at.x() * side, square.top() + at.y() * side, side, side));
}

QRectF CellTextBox(ChartStyle style, int sign, int ascendantSign, const QRectF& square)
{
    if (style == ChartStyle::South) {
        const QRectF box = SignCell(style, sign, ascendantSign, square).boundingRect();
        const double margin = box.width() * 0.05;
        return box.adjusted(margin, margin, -margin, -margin);
    }
    const auto& t = HouseOf(NorthHouseOfSign(sign, ascendantSign)).textBox;
    return {InSquare(t[0], t[1], square), QSizeF(t[2] * square.width(), t[3] * square.height())};
}

QPointF NorthNumberPoint(int house, const QRectF& square)
{
    const HouseShape& shape = HouseOf(house);
    double x = 0;
    double y = 0;
    std::array<double, 2> inner = shape.corners[0];
    for (int i = 0; i < shape.cornerCount; ++i) {
        x += shape.corners[i][0] / shape.cornerCount;
        y += shape.corners[i][1] / shape.cornerCount;
        const auto& c = shape.corners[i];
        if ((c[0] - 0.5) * (c[0] - 0.5) + (c[1] - 0.5) * (c[1] - 0.5) <
            (inner[0] - 0.5) * (inner[0] - 0.5) + (inner[1] - 0.5) * (inner[1] - 0.5))
            inner = c;
    }
    return InSquare(x + 0.6 * (inner[0] - x), y + 0.6 * (inner[1] - y), square);
}

QPointF CellAnchor(ChartStyle style, int sign, int ascendantSign, const QRectF& square)
{
    return CellTextBox(style, sign, ascendantSign, square).center();
}

QRectF CentredSquare(const QRectF& rect)
{
    const double side = qMin(rect.width(), rect.height());
    return {rect.center().x() - side / 2, rect.center().y() - side / 2, side, side};
}

} // namespace rashi
