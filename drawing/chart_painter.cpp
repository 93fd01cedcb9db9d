#include "drawing/chart_painter.h"

#include "core/chart/reading_header.h"

#include <QFontMetricsF>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace rashi {
namespace {

constexpr std::array<const char*, kReportRows> kShortNames = {"Su", "Mo", "Me", "Ve", "Ma", "Ju", "Sa", "Ra", "Ke"};
constexpr int kSmallestText = 5;  // pixels: text that must fit a crowded cell
constexpr int kReadableText = 10; // pixels: the size text starts from at least

QString FromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// "16°31′" from a position text "16 Sag 31".
QString DegreeText(const std::string& position)
{
    if (position.size() < 9)
        return {};
    return FromUtf8(position.substr(0, 2)) + QChar(0x00B0) + FromUtf8(position.substr(7, 2)) + QChar(0x2032);
}

QFont FontOf(const ChartOptions& options, int pixelSize, bool bold)
{
    QFont font;
    font.setFamilies(options.fontFamilies);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(pixelSize, 1));
    font.setBold(bold);
    return font;
}

// Widths of texts in a bold font of 100 pixels; they scale with the size.
double WidthAt100(const ChartOptions& options, const QString& text)
{
    return QFontMetricsF(FontOf(options, 100, true)).horizontalAdvance(text);
}

struct CellLine {
    PlacedText::Kind kind;
    int body;
    QString text;
    QColor colour;
    bool bold;
};

// Stacks lines centred in a box, as large as fits and no larger than base.
void PlaceLines(const std::vector<CellLine>& lines, const QRectF& box, int base, const ChartOptions& options,
                std::vector<PlacedText>& out)
{
    if (lines.empty())
        return;
    double widest = 0;
    for (const CellLine& line : lines)
        widest = std::max(widest, WidthAt100(options, line.text));
    const double lineFactor = 1.18;
    double size = std::min<double>(base, box.height() / (lines.size() * lineFactor));
    if (widest > 0)
        size = std::min(size, box.width() * 100 / widest);
    const int pixels = std::max(kSmallestText, int(std::floor(size)));
    const QFontMetricsF metrics(FontOf(options, pixels, true));
    const double step = metrics.height() * 1.05;
    double y = box.center().y() - step * lines.size() / 2;
    for (const CellLine& line : lines) {
        const double width = metrics.horizontalAdvance(line.text);
        PlacedText t;
        t.kind = line.kind;
        t.body = line.body;
        t.text = line.text;
        t.box = QRectF(box.center().x() - width / 2, y, width, step);
        t.pixelSize = pixels;
        t.bold = line.bold;
        t.colour = line.colour;
        out.push_back(t);
        y += step;
    }
}

// A body's lines: "Su 16°31′" on one line, or name and degree on two when the
// cell is tall and narrow and one line would have to be much smaller.
std::vector<CellLine> SplitWhenNarrow(const std::vector<CellLine>& lines, const QRectF& box, int base,
                                      const ChartOptions& options)
{
    if (box.height() <= box.width() || lines.empty())
        return lines;
    double widest = 0;
    for (const CellLine& line : lines)
        widest = std::max(widest, WidthAt100(options, line.text));
    const double oneLine = std::min({double(base), box.height() / (lines.size() * 1.18), box.width() * 100 / widest});
    if (oneLine >= 0.8 * base)
        return lines;
    std::vector<CellLine> split;
    for (const CellLine& line : lines) {
        const qsizetype space = line.text.indexOf(QLatin1Char(' '));
        if (space < 0) {
            split.push_back(line);
            continue;
        }
        CellLine first = line;
        first.text = line.text.left(space);
        CellLine second = line;
        second.text = line.text.mid(space + 1);
        split.push_back(first);
        split.push_back(second);
    }
    double splitWidest = 0;
    for (const CellLine& line : split)
        splitWidest = std::max(splitWidest, WidthAt100(options, line.text));
    const double twoLines =
        std::min({double(base), box.height() / (split.size() * 1.18), box.width() * 100 / splitWidest});
    return twoLines > oneLine ? split : lines;
}

// How far from a box's centre a line in direction unit leaves the box shrunk
// by factor.
double ExitDistance(const QRectF& box, const QPointF& unit, double factor)
{
    const double across = std::fabs(unit.x()) > 1e-9 ? box.width() / 2 * factor / std::fabs(unit.x()) : 1e300;
    const double down = std::fabs(unit.y()) > 1e-9 ? box.height() / 2 * factor / std::fabs(unit.y()) : 1e300;
    return std::min(across, down);
}

// An arrow from the edge of one text box to just inside another, so that it
// crosses neither box's names.
void DrawArrow(QPainter& painter, const QRectF& fromBox, const QRectF& toBox, double head)
{
    QPointF from = fromBox.center();
    QPointF to = toBox.center();
    const double length = QLineF(from, to).length();
    if (length < 1)
        return;
    const QPointF unit = (to - from) / length;
    from += unit * ExitDistance(fromBox, unit, 1.0);
    to -= unit * ExitDistance(toBox, unit, 0.75);
    if (QLineF(from, to).length() < 1.5 * head)
        return;
    painter.drawLine(QLineF(from, to - unit * head * 0.6));
    const QPointF normal(-unit.y(), unit.x());
    QPainterPath tip;
    tip.moveTo(to);
    tip.lineTo(to - unit * head + normal * head * 0.45);
    tip.lineTo(to - unit * head - normal * head * 0.45);
    tip.closeSubpath();
    painter.fillPath(tip, painter.pen().color());
}

QString RuleCaption(const ChartModel& model)
{
    return model.rule == kClassicalRule ? QStringLiteral("classical rule") : QStringLiteral("our rule");
}

} // namespace

ChartModel ChartModelOf(const ReadingRecords& records)
{
    ChartModel model;
    for (int i = 0; i < kReportRows; ++i) {
        ChartBody& body = model.bodies[i];
        const std::string& position = records.positions.PlanetPositions[i];
        body.shortName = QString::fromLatin1(kShortNames[i]);
        body.name = FromUtf8(records.positions.PlanetNames[i]);
        body.degreeText = DegreeText(position);
        body.sign = SignOfPosition(position);
    }
    model.ascendantSign = SignOfPosition(records.ascendant.PositionText);
    model.ascendantText = DegreeText(records.ascendant.PositionText);
    model.rule = RuleTable(records.rule);
    model.ruleTitle = FromUtf8(std::string(RuleTitle(records.rule)));
    model.personName = FromUtf8(records.birth.Name).trimmed();
    return model;
}

unsigned AspectedSigns(const ChartModel& model, int body)
{
    if (body < 0 || body >= kReportRows)
        return 0;
    const int sign = model.bodies[body].sign;
    return sign >= 0 && sign < 12 ? model.rule[sign] : 0;
}

ChartLayout LayoutChart(const QRectF& rect, const ChartModel& model, const ChartOptions& options)
{
    ChartLayout layout;
    // The North Indian diagram has no middle field for its title: a strip
    // under it names the person and the rule.
    const double strip = options.style == ChartStyle::North ? std::min(rect.width(), rect.height()) * 0.07 : 0;
    const QRectF square = CentredSquare(rect.adjusted(0, 0, 0, -strip));
    layout.square = square;
    layout.frame = square.adjusted(0, 0, 0, strip);
    const double side = square.width();
    // Text grows with the diagram; small diagrams keep it readable and let
    // it fill more of the cells.
    const int base = std::max(kReadableText, int(side / 24));
    const ChartColours& colours = options.colours;
    const unsigned aspected = AspectedSigns(model, options.chosenBody);

    for (int sign = 0; sign < 12; ++sign) {
        layout.cells[sign] = SignCell(options.style, sign, model.ascendantSign, square);
        QRectF box = CellTextBox(options.style, sign, model.ascendantSign, square);

        // The sign's own label: its abbreviation in a corner (South), its
        // number (North).
        PlacedText label;
        label.kind = PlacedText::SignLabel;
        label.pixelSize = std::max(kReadableText - 1, int(base * 0.72));
        label.colour = colours.signLabel;
        const QFontMetricsF labelMetrics(FontOf(options, label.pixelSize, false));
        if (options.style == ChartStyle::South) {
            label.text = FromUtf8(std::string(kSigns[sign].english.substr(0, 3)));
            label.box = QRectF(box.topLeft(), QSizeF(labelMetrics.horizontalAdvance(label.text), labelMetrics.height()));
            box.setTop(box.top() + labelMetrics.height());
        } else {
            label.text = QString::number(sign + 1);
            const QPointF at = NorthNumberPoint(NorthHouseOfSign(sign, model.ascendantSign), square);
            const QSizeF size(labelMetrics.horizontalAdvance(label.text), labelMetrics.height());
            label.box = QRectF(at - QPointF(size.width() / 2, size.height() / 2), size);
        }
        layout.texts.push_back(label);

        std::vector<CellLine> lines;
        if (sign == model.ascendantSign)
            lines.push_back({PlacedText::Ascendant, -1, QStringLiteral("Asc ") + model.ascendantText,
                             colours.ascendant, true});
        for (int i = 0; i < kReportRows; ++i) {
            const ChartBody& body = model.bodies[i];
            if (body.sign != sign)
                continue;
            const bool chosen = i == options.chosenBody;
            const bool standsAspected = (aspected >> sign) & 1u;
            lines.push_back({PlacedText::Body, i, body.shortName + QLatin1Char(' ') + body.degreeText,
                             chosen ? colours.arrow : standsAspected ? colours.highlighted : colours.text,
                             chosen || standsAspected});
        }
        PlaceLines(SplitWhenNarrow(lines, box, base, options), box, base, options, layout.texts);
    }

    if (options.style == ChartStyle::South) {
        // The middle field: whose chart, the style and the rule.
        const QRectF middle(square.left() + side / 4, square.top() + side / 4, side / 2, side / 2);
        std::vector<CellLine> lines;
        if (!model.personName.isEmpty())
            lines.push_back({PlacedText::Title, -1, model.personName, colours.text, true});
        lines.push_back({PlacedText::Title, -1, QStringLiteral("Rashi chart"), colours.lines, false});
        if (model.ascendantSign >= 0)
            lines.push_back({PlacedText::Title, -1,
                             QStringLiteral("Lagna ") +
                                 FromUtf8(std::string(kSigns[model.ascendantSign].sanskrit)),
                             colours.ascendant, false});
        lines.push_back({PlacedText::Title, -1, RuleCaption(model), colours.signLabel, false});
        const double inset = side * 0.04;
        PlaceLines(lines, middle.adjusted(inset, inset, -inset, -inset), int(base * 1.15), options, layout.texts);
    } else {
        QString title = RuleCaption(model);
        if (!model.personName.isEmpty())
            title = model.personName + QStringLiteral(" \u00B7 ") + title;
        PlaceLines({{PlacedText::Title, -1, title, colours.signLabel, false}},
                   QRectF(square.left(), square.bottom() + strip * 0.1, side, strip * 0.8), base, options,
                   layout.texts);
    }
    return layout;
}

void PaintChart(QPainter& painter, const QRectF& rect, const ChartModel& model, const ChartOptions& options)
{
    const ChartLayout layout = LayoutChart(rect, model, options);
    const QRectF& square = layout.square;
    const double side = square.width();
    const ChartColours& colours = options.colours;
    const unsigned aspected = AspectedSigns(model, options.chosenBody);
    const int chosenSign =
        options.chosenBody >= 0 && options.chosenBody < kReportRows ? model.bodies[options.chosenBody].sign : -1;

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.fillRect(layout.frame, colours.background);

    // Shading: the chosen body's sign and the signs it aspects.
    painter.setPen(Qt::NoPen);
    for (int sign = 0; sign < 12; ++sign) {
        if (sign == chosenSign)
            painter.setBrush(colours.chosenFill);
        else if ((aspected >> sign) & 1u)
            painter.setBrush(colours.aspectedFill);
        else
            continue;
        painter.drawPolygon(layout.cells[sign]);
    }

    // The lines of the diagram.
    QPen linePen(colours.lines, std::max(1.0, side * 0.004));
    linePen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(linePen);
    painter.setBrush(Qt::NoBrush);
    if (options.style == ChartStyle::South) {
        for (const QPolygonF& cell : layout.cells)
            painter.drawPolygon(cell);
    } else {
        // The diagonals and the diamond through the middles of the sides.
        const QPointF top(square.center().x(), square.top());
        const QPointF right(square.right(), square.center().y());
        const QPointF bottom(square.center().x(), square.bottom());
        const QPointF left(square.left(), square.center().y());
        const QLineF lines[] = {{square.topLeft(), square.bottomRight()}, {square.topRight(), square.bottomLeft()},
                                {top, right}, {right, bottom}, {bottom, left}, {left, top}};
        painter.drawLines(lines, 6);
    }
    painter.drawRect(square);

    // The ascendant's mark in the South Indian diagram: a stroke across the
    // corner of its box.
    if (options.style == ChartStyle::South && model.ascendantSign >= 0) {
        const QRectF box = layout.cells[model.ascendantSign].boundingRect();
        QPen mark(colours.ascendant, std::max(1.0, side * 0.005));
        painter.setPen(mark);
        const double reach = box.width() * 0.28;
        painter.drawLine(QPointF(box.right() - reach, box.top()), QPointF(box.right(), box.top() + reach));
    }

    // Arrows from the chosen body's sign to the signs it aspects.
    if (chosenSign >= 0) {
        QColor arrowColour = colours.arrow;
        arrowColour.setAlpha(190);
        QPen arrowPen(arrowColour, std::max(1.0, side * 0.006));
        arrowPen.setCapStyle(Qt::RoundCap);
        painter.setPen(arrowPen);
        const QRectF from = CellTextBox(options.style, chosenSign, model.ascendantSign, square);
        for (int sign = 0; sign < 12; ++sign) {
            if ((aspected >> sign) & 1u)
                DrawArrow(painter, from, CellTextBox(options.style, sign, model.ascendantSign, square), side * 0.03);
        }
    }

    for (const PlacedText& text : layout.texts) {
        painter.setFont(FontOf(options, text.pixelSize, text.bold));
        painter.setPen(text.colour);
        painter.drawText(text.box, Qt::AlignCenter | Qt::TextDontClip, text.text);
    }
    painter.restore();
}

int BodyAt(const ChartLayout& layout, const QPointF& point)
{
    for (const PlacedText& text : layout.texts) {
        if (text.kind == PlacedText::Body && text.box.adjusted(-2, -1, 2, 1).contains(point))
            return text.body;
    }
    return -1;
}

} // namespace rashi
