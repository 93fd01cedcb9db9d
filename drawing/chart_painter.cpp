#include "drawing/chart_painter.h"

#include "core/jaimini/jaimini_text.h"

#include "core/reading/reading_header.h"
#include "core/words/reading_words.h"
#include "drawing/copyable_text.h"

#include <QFontMetricsF>
#include <QHash>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <optional>

namespace rashi {
namespace {

constexpr int kSmallestText = 5;  // pixels: text that must fit a crowded cell
constexpr int kReadableText = 10; // pixels: the size text starts from at least

QString FromUtf8(std::string_view text)
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

// The options with the fonts of the language's script first.
ChartOptions InLanguage(const ChartOptions& options, Language language)
{
    ChartOptions in = options;
    in.fontFamilies = FamiliesFor(options.fontFamilies, language);
    return in;
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

// How far across a convex cell reaches at a height: between the least and the
// greatest x where its edges cross it; empty where it does not.
std::optional<std::pair<double, double>> ReachAt(const QPolygonF& cell, double y)
{
    double left = 1e300;
    double right = -1e300;
    for (qsizetype i = 0; i < cell.size(); ++i) {
        const QPointF& a = cell[i];
        const QPointF& b = cell[(i + 1) % cell.size()];
        if ((y < a.y() && y < b.y()) || (y > a.y() && y > b.y()))
            continue;
        const double x = std::fabs(b.y() - a.y()) < 1e-9 ? std::min(a.x(), b.x())
                                                       : a.x() + (b.x() - a.x()) * (y - a.y()) / (b.y() - a.y());
        const double other = std::fabs(b.y() - a.y()) < 1e-9 ? std::max(a.x(), b.x()) : x;
        left = std::min(left, x);
        right = std::max(right, other);
    }
    if (left > right)
        return std::nullopt;
    return std::pair{left, right};
}

// A small North Indian house is a triangle: its lines are laid in rows that
// use the width it has at their height (the whole of its base, little near
// its apex), clear of its number. At each size from base down, the first of
// these that fits is taken: a line to a row; lines side by side where a row
// has room for more; each body's name and karaka over its degree. Near the
// middle of the cell's text box where there is room to spare.
void PlaceInTriangle(const std::vector<CellLine>& lines, const QPolygonF& cell, const QRectF& preferred,
                     const QRectF& number, int base, double margin, const ChartOptions& options,
                     std::vector<PlacedText>& out)
{
    if (lines.empty())
        return;
    // A body's line in two: its name and karaka over its degree.
    const auto halves = [](const CellLine& line) -> std::optional<std::pair<CellLine, CellLine>> {
        const qsizetype space = line.text.lastIndexOf(QLatin1Char(' '));
        if (line.kind != PlacedText::Body || space < 0)
            return std::nullopt;
        CellLine name = line;
        name.text = line.text.left(space);
        CellLine degree = line;
        degree.text = line.text.mid(space + 1);
        return std::pair{name, degree};
    };
    std::vector<CellLine> split;
    for (const CellLine& line : lines) {
        if (const auto two = halves(line)) {
            split.push_back(two->first);
            split.push_back(two->second);
        } else {
            split.push_back(line);
        }
    }
    // Whole lines, one to a row; side by side; each in two where its row is
    // too narrow for it; all in two.
    struct Way {
        const std::vector<CellLine>* lines;
        bool sideBySide;
        bool splitWhereNarrow;
    };
    const Way ways[] = {{&lines, false, false}, {&lines, true, false}, {&lines, false, true}, {&split, false, false}};
    const QRectF bounds = cell.boundingRect().adjusted(margin, margin, -margin, -margin);
    const QRectF avoid = number.adjusted(-margin, -margin, margin, margin);
    for (int pixels = base; pixels >= kSmallestText; --pixels) {
        const QFontMetricsF metrics(FontOf(options, pixels, true));
        const double step = metrics.height() * 1.05;
        const double gap = metrics.horizontalAdvance(QLatin1Char(' ')) * 2;
        // Each text measured once at this size: the rows below try it at many heights.
        QHash<QString, double> measured;
        const auto advance = [&](const QString& text) {
            auto found = measured.find(text);
            if (found == measured.end())
                found = measured.insert(text, metrics.horizontalAdvance(text));
            return *found;
        };
        // The room across a row from y, beside the number on its roomier side.
        const auto room = [&](double y) -> std::optional<std::pair<double, double>> {
            const auto upper = ReachAt(cell, y);
            const auto lower = ReachAt(cell, y + step);
            if (!upper || !lower)
                return std::nullopt;
            double left = std::max(upper->first, lower->first) + margin;
            double right = std::min(upper->second, lower->second) - margin;
            if (y < avoid.bottom() && y + step > avoid.top() && avoid.right() > left && avoid.left() < right) {
                if (avoid.left() - left >= right - avoid.right())
                    right = std::min(right, avoid.left());
                else
                    left = std::max(left, avoid.right());
            }
            return std::pair{left, right};
        };
        for (const Way& way : ways) {
            std::optional<std::vector<PlacedText>> best;
            double bestDistance = 0;
            for (double top = bounds.top(); top + step <= bounds.bottom(); top += 1) {
                std::vector<CellLine> items = *way.lines;
                std::vector<bool> halved(items.size(), false);
                std::vector<PlacedText> placed;
                double y = top;
                std::size_t next = 0;
                while (next < items.size() && y + step <= bounds.bottom()) {
                    const auto across = room(y);
                    if (!across)
                        break;
                    // As many lines as the row holds (one unless side by side).
                    std::size_t end = next;
                    double width = 0;
                    while (end < items.size() && (end == next || way.sideBySide)) {
                        const double wider = width + (end > next ? gap : 0) + advance(items[end].text);
                        if (wider > across->second - across->first)
                            break;
                        width = wider;
                        ++end;
                    }
                    if (end == next) {
                        const auto two = way.splitWhereNarrow && !halved[next] ? halves(items[next]) : std::nullopt;
                        if (!two)
                            break;
                        items[next] = two->first;
                        items.insert(items.begin() + std::ptrdiff_t(next) + 1, two->second);
                        halved[next] = true;
                        halved.insert(halved.begin() + std::ptrdiff_t(next) + 1, true);
                        continue;
                    }
                    double x = std::clamp(preferred.center().x() - width / 2, across->first, across->second - width);
                    for (; next < end; ++next) {
                        const CellLine& line = items[next];
                        PlacedText t;
                        t.kind = line.kind;
                        t.body = line.body;
                        t.text = line.text;
                        t.box = QRectF(x, y, advance(line.text), step);
                        t.pixelSize = pixels;
                        t.bold = line.bold;
                        t.colour = line.colour;
                        placed.push_back(t);
                        x += t.box.width() + gap;
                    }
                    y += step;
                }
                if (next < items.size())
                    continue; // the lines did not all fit from this top
                const double distance = std::fabs((top + y) / 2 - preferred.center().y());
                if (!best || distance < bestDistance) {
                    best = std::move(placed);
                    bestDistance = distance;
                }
            }
            if (best) {
                out.insert(out.end(), best->begin(), best->end());
                return;
            }
        }
    }
    // Nothing fits even at the least size: stacked in the text box.
    PlaceLines(SplitWhenNarrow(lines, preferred, base, options), preferred, base, options, out);
}

// How far from a box's centre a line in direction unit leaves the box shrunk
// by factor.
double ExitDistance(const QRectF& box, const QPointF& unit, double factor)
{
    const double across = std::fabs(unit.x()) > 1e-9 ? box.width() / 2 * factor / std::fabs(unit.x()) : 1e300;
    const double down = std::fabs(unit.y()) > 1e-9 ? box.height() / 2 * factor / std::fabs(unit.y()) : 1e300;
    return std::min(across, down);
}

// A cubic curve from the edge of one text box to just inside another.
struct Curve {
    QPointF start, first, second, end; // the ends and the two control points

    QPointF at(double t) const
    {
        const double u = 1 - t;
        return start * (u * u * u) + first * (3 * u * u * t) + second * (3 * u * t * t) + end * (t * t * t);
    }
};

QPointF Towards(const QPointF& a, const QPointF& b)
{
    const double d = QLineF(a, b).length();
    return d < 1e-9 ? QPointF(1, 0) : (b - a) / d;
}

// The curve from box to box that leaves towards `first` and arrives from `second`.
Curve CurveVia(const QRectF& fromBox, const QRectF& toBox, const QPointF& first, const QPointF& second)
{
    const QPointF out = Towards(fromBox.center(), first);
    const QPointF in = Towards(second, toBox.center());
    return {fromBox.center() + out * ExitDistance(fromBox, out, 1.0), first, second,
            toBox.center() - in * ExitDistance(toBox, in, 0.75)};
}

// The bow whose middle passes through a point: the quadratic curve of that
// middle, as a cubic.
Curve CurveThrough(const QRectF& fromBox, const QRectF& toBox, const QPointF& through)
{
    const QPointF from = fromBox.center();
    const QPointF to = toBox.center();
    const QPointF control = through * 2 - (from + to) / 2;
    return CurveVia(fromBox, toBox, from + (control - from) * (2.0 / 3), to + (control - to) * (2.0 / 3));
}

constexpr int kCurveSamples = 48;

double CurveLength(const Curve& curve)
{
    double length = 0;
    QPointF previous = curve.start;
    for (int i = 1; i <= 16; ++i) {
        const QPointF point = curve.at(i / 16.0);
        length += QLineF(previous, point).length();
        previous = point;
    }
    return length;
}

int TextsCrossed(const Curve& curve, const std::vector<QRectF>& obstacles)
{
    std::array<QPointF, kCurveSamples + 1> points;
    for (int i = 0; i <= kCurveSamples; ++i)
        points[i] = curve.at(double(i) / kCurveSamples);
    int crossed = 0;
    for (const QRectF& box : obstacles)
        crossed += std::any_of(points.begin(), points.end(), [&](const QPointF& p) { return box.contains(p); });
    return crossed;
}

bool InsideSquare(const Curve& curve, const QRectF& square)
{
    const QRectF inside = square.adjusted(2, 2, -2, -2);
    for (int i = 0; i <= kCurveSamples; ++i)
        if (!inside.contains(curve.at(double(i) / kCurveSamples)))
            return false;
    return true;
}

QString RuleCaption(const ChartModel& model)
{
    return FromUtf8(WordsOf(model.language).ruleCaptions[model.rule == kClassicalRule ? 1 : 0]);
}

void PaintArrowHead(QPainter& painter, const ArrowRoute& route, double head, const QColor& colour)
{
    const QPointF normal(-route.direction.y(), route.direction.x());
    QPainterPath tip;
    tip.moveTo(route.tip);
    tip.lineTo(route.tip - route.direction * head + normal * head * 0.45);
    tip.lineTo(route.tip - route.direction * head - normal * head * 0.45);
    tip.closeSubpath();
    painter.fillPath(tip, colour);
}

// The sign aspects: solid arrows.
void PaintSignArrows(QPainter& painter, const ChartLayout& layout, const ChartModel& model, const ChartOptions& options)
{
    const double side = layout.square.width();
    QColor arrowColour = options.colours.arrow;
    arrowColour.setAlpha(190);
    QPen arrowPen(arrowColour, std::max(1.0, side * 0.006));
    arrowPen.setCapStyle(Qt::RoundCap);
    for (const ArrowRoute& route : RouteArrows(layout, model, options)) {
        painter.strokePath(route.path, arrowPen);
        PaintArrowHead(painter, route, side * 0.03, arrowColour);
    }
}

// The planet aspects: dashed arrows in a colour of their own, each with its
// strength in virupas in a label on its way, toward its head where that
// covers no text nor another label.
void PaintGrahaArrows(QPainter& painter, const ChartLayout& layout, const ChartModel& model,
                      const ChartOptions& options)
{
    const double side = layout.square.width();
    const ChartColours& colours = options.colours;
    QPen arrowPen(colours.grahaArrow, std::max(1.0, side * 0.005));
    arrowPen.setStyle(Qt::DashLine);
    arrowPen.setCapStyle(Qt::FlatCap);
    const QFont font = FontOf(options, std::max(kReadableText, int(side / 30)), true);
    const QFontMetricsF metrics(font);
    const int body = options.chosenBody;
    std::vector<QRectF> taken;
    for (const PlacedText& text : layout.texts)
        taken.push_back(text.box);
    const std::vector<ArrowRoute> routes = RouteArrows(layout, model, options);
    for (const ArrowRoute& route : routes) {
        painter.strokePath(route.path, arrowPen);
        PaintArrowHead(painter, route, side * 0.03, colours.grahaArrow);
    }
    for (const ArrowRoute& route : routes) {
        const QString text = QString::number(model.grahaVirupas[body][route.toSign], 'f', 1);
        const QSizeF size(metrics.horizontalAdvance(text) + 4, metrics.height());
        const auto boxAt = [&](double along) {
            return QRectF(route.path.pointAtPercent(along) - QPointF(size.width() / 2, size.height() / 2), size);
        };
        QRectF box = boxAt(0.75);
        for (const double along : {0.75, 0.65, 0.85, 0.55, 0.45, 0.35}) {
            const QRectF tried = boxAt(along);
            if (std::none_of(taken.begin(), taken.end(), [&](const QRectF& other) { return other.intersects(tried); })) {
                box = tried;
                break;
            }
        }
        taken.push_back(box);
        painter.setPen(QPen(colours.grahaArrow, 1));
        painter.setBrush(colours.background);
        painter.drawRoundedRect(box, 3, 3);
        painter.setFont(font);
        DrawCopyableText(painter, box, Qt::AlignCenter, text);
    }
    painter.setBrush(Qt::NoBrush);
}

} // namespace

ChartModel ChartModelOf(const ReadingRecords& records)
{
    ChartModel model;
    const ReadingWords& words = WordsOf(records.language);
    model.language = records.language;
    model.chartName = FromUtf8(words.chartTitle);
    for (int i = 0; i < kReportRows; ++i) {
        ChartBody& body = model.bodies[i];
        const std::string& position = records.positions.PlanetPositions[i];
        body.shortName = FromUtf8(words.shortBodies[i]);
        body.name = FromUtf8(words.bodies[i]);
        body.degreeText = DegreeText(position);
        body.sign = SignOfPosition(position);
        body.karaka = FromUtf8(KarakaTag(records, i));
    }
    if (records.jaimini.computed) {
        model.arudhaLagna = records.jaimini.arudhaPadas[0];
        model.upapada = records.jaimini.arudhaPadas[11];
        if (records.jaimini.navamsaShown) {
            model.chartName = FromUtf8(words.navamsaTitle);
            model.karakamsa = records.jaimini.karakas.karakamsa;
        }
    }
    model.ascendantSign = SignOfPosition(records.ascendant.PositionText);
    model.ascendantText = DegreeText(records.ascendant.PositionText);
    model.rule = RuleTable(records.rule);
    model.ruleTitle = FromUtf8(words.ruleTitles[records.rule == AspectRuleChoice::Classical ? 1 : 0]);
    model.personName = FromUtf8(records.birth.Name).trimmed();
    if (records.grahaDrishti.computed) {
        model.hasGrahaDrishti = true;
        const GrahaDrishtiRecord& graha = records.grahaDrishti;
        for (int i = 0; i < kReportRows; ++i) {
            for (const GrahaAspect& aspect : graha.aspects[i]) {
                if (aspect.sign < 0)
                    continue;
                model.grahaSigns[i] |= 1u << aspect.sign;
                // Without a lagna, the strength of the whole sign.
                model.grahaVirupas[i][aspect.sign] =
                    aspect.house > 0 ? graha.sphuta[i][kReportRows + aspect.house - 1] : 15.0 * aspect.quarters;
            }
        }
    }
    return model;
}

unsigned AspectedSigns(const ChartModel& model, int body)
{
    if (body < 0 || body >= kReportRows)
        return 0;
    const int sign = model.bodies[body].sign;
    return sign >= 0 && sign < 12 ? model.rule[sign] : 0;
}

bool ShowsGrahaDrishti(const ChartModel& model, const ChartOptions& options)
{
    return options.grahaDrishti && model.hasGrahaDrishti;
}

unsigned ShownAspectSigns(const ChartModel& model, const ChartOptions& options)
{
    const int body = options.chosenBody;
    if (!ShowsGrahaDrishti(model, options))
        return AspectedSigns(model, body);
    return body >= 0 && body < kReportRows && model.bodies[body].sign >= 0 ? model.grahaSigns[body] : 0;
}

ChartLayout LayoutChart(const QRectF& rect, const ChartModel& model, const ChartOptions& given)
{
    const ChartOptions options = InLanguage(given, model.language);
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
    const unsigned aspected = ShownAspectSigns(model, options);
    const bool graha = ShowsGrahaDrishti(model, options);
    const ReadingWords& words = WordsOf(model.language);

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
            label.text = FromUtf8(words.signLabels[sign]);
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
            lines.push_back({PlacedText::Ascendant, -1, FromUtf8(words.ascendantMark) + model.ascendantText,
                             colours.ascendant, true});
        // The arudha lagna, the upapada and the karakamsa, where they fall.
        QStringList marks;
        const std::array<int, 3> marked = {model.arudhaLagna, model.upapada, model.karakamsa};
        for (std::size_t m = 0; m < marked.size(); ++m)
            if (sign == marked[m])
                marks << FromUtf8(words.jaimini.chartMarks[m]);
        if (!marks.isEmpty())
            lines.push_back({PlacedText::Ascendant, -1, marks.join(QLatin1Char(' ')), colours.signLabel, true});
        for (int i = 0; i < kReportRows; ++i) {
            const ChartBody& body = model.bodies[i];
            if (body.sign != sign)
                continue;
            const bool chosen = i == options.chosenBody;
            const bool standsAspected = (aspected >> sign) & 1u;
            const QString name = body.karaka.isEmpty() ? body.shortName : body.shortName + QLatin1Char(' ') + body.karaka;
            lines.push_back({PlacedText::Body, i, name + QLatin1Char(' ') + body.degreeText,
                             chosen ? colours.arrow : !standsAspected ? colours.text : graha ? colours.grahaArrow : colours.highlighted,
                             chosen || standsAspected});
        }
        if (options.style == ChartStyle::North && layout.cells[sign].size() == 3)
            PlaceInTriangle(lines, layout.cells[sign], box, label.box, base, std::max(2.0, side * 0.008), options,
                            layout.texts);
        else
            PlaceLines(SplitWhenNarrow(lines, box, base, options), box, base, options, layout.texts);
    }

    if (options.style == ChartStyle::South) {
        // The middle field: whose chart, the style and the rule.
        const QRectF middle(square.left() + side / 4, square.top() + side / 4, side / 2, side / 2);
        std::vector<CellLine> lines;
        if (!model.personName.isEmpty())
            lines.push_back({PlacedText::Title, -1, model.personName, colours.text, true});
        lines.push_back({PlacedText::Title, -1, model.chartName, colours.lines, false});
        if (model.ascendantSign >= 0)
            lines.push_back({PlacedText::Title, -1,
                             FromUtf8(words.lagnaTitle) + FromUtf8(words.signs[model.ascendantSign]),
                             colours.ascendant, false});
        lines.push_back({PlacedText::Title, -1, RuleCaption(model), colours.signLabel, false});
        const double inset = side * 0.04;
        PlaceLines(lines, middle.adjusted(inset, inset, -inset, -inset), int(base * 1.15), options, layout.texts);
    } else {
        QString title = RuleCaption(model);
        if (model.karakamsa >= 0 || model.chartName != FromUtf8(words.chartTitle))
            title = model.chartName + QStringLiteral(" \u00B7 ") + title;
        if (!model.personName.isEmpty())
            title = model.personName + QStringLiteral(" \u00B7 ") + title;
        PlaceLines({{PlacedText::Title, -1, title, colours.signLabel, false}},
                   QRectF(square.left(), square.bottom() + strip * 0.1, side, strip * 0.8), base, options,
                   layout.texts);
    }
    return layout;
}

std::vector<ArrowRoute> RouteArrows(const ChartLayout& layout, const ChartModel& model, const ChartOptions& options)
{
    std::vector<ArrowRoute> routes;
    const int chosen = options.chosenBody;
    if (chosen < 0 || chosen >= kReportRows || model.bodies[chosen].sign < 0)
        return routes;
    const int fromSign = model.bodies[chosen].sign;
    const QRectF& square = layout.square;
    const double side = square.width();
    const double clearance = std::max(1.0, side * 0.006);
    const QRectF fromBox = CellTextBox(options.style, fromSign, model.ascendantSign, square);
    const unsigned aspected = ShownAspectSigns(model, options);
    for (int sign = 0; sign < 12; ++sign) {
        if (!((aspected >> sign) & 1u))
            continue;
        const QRectF toBox = CellTextBox(options.style, sign, model.ascendantSign, square);
        if (QLineF(fromBox.center(), toBox.center()).length() < 1)
            continue;
        // Every text but the two cells' own, a little widened for the pen.
        std::vector<QRectF> obstacles;
        for (const PlacedText& text : layout.texts) {
            if (fromBox.contains(text.box.center()) || toBox.contains(text.box.center()))
                continue;
            obstacles.push_back(text.box.adjusted(-clearance, -clearance, clearance, clearance));
        }
        // The straight way first, then curves through points of a grid over
        // the square: the one crossing fewest texts, of those the shortest.
        std::optional<Curve> best;
        int bestCrossed = 0;
        double bestLength = 0;
        const auto consider = [&](const Curve& curve) {
            const int crossed = TextsCrossed(curve, obstacles);
            const double length = CurveLength(curve);
            if (!best || crossed < bestCrossed || (crossed == bestCrossed && length < bestLength)) {
                best = curve;
                bestCrossed = crossed;
                bestLength = length;
            }
        };
        consider(CurveThrough(fromBox, toBox, (fromBox.center() + toBox.center()) / 2));
        const auto gridPoint = [&](int i, int j, int grid) {
            return QPointF(square.left() + side * (i + 0.5) / grid, square.top() + side * (j + 0.5) / grid);
        };
        constexpr int kGrid = 12;
        for (int i = 0; i < kGrid && bestCrossed > 0; ++i) {
            for (int j = 0; j < kGrid; ++j) {
                const Curve curve = CurveThrough(fromBox, toBox, gridPoint(i, j, kGrid));
                if (InsideSquare(curve, square))
                    consider(curve);
            }
        }
        // Round a corner: two control points, where one bow is not enough.
        constexpr int kCoarse = 7;
        for (int a = 0; a < kCoarse * kCoarse && bestCrossed > 0; ++a) {
            for (int b = 0; b < kCoarse * kCoarse; ++b) {
                const Curve curve = CurveVia(fromBox, toBox, gridPoint(a % kCoarse, a / kCoarse, kCoarse),
                                             gridPoint(b % kCoarse, b / kCoarse, kCoarse));
                if (InsideSquare(curve, square))
                    consider(curve);
            }
        }
        const double head = side * 0.03;
        const QPointF toward = best->end - best->at(0.9);
        const double towardLength = QLineF(QPointF(), toward).length();
        if (QLineF(best->start, best->end).length() < 1.5 * head || towardLength < 1e-9)
            continue;
        ArrowRoute route;
        route.toSign = sign;
        route.tip = best->end;
        route.direction = toward / towardLength;
        route.path.moveTo(best->start);
        // Stop the line under the head so that its round end does not blunt the tip.
        route.path.cubicTo(best->first, best->second, best->end - route.direction * head * 0.6);
        route.textsCrossed = bestCrossed;
        routes.push_back(route);
    }
    return routes;
}

void PaintChart(QPainter& painter, const QRectF& rect, const ChartModel& model, const ChartOptions& given)
{
    const ChartOptions options = InLanguage(given, model.language);
    const ChartLayout layout = LayoutChart(rect, model, options);
    const QRectF& square = layout.square;
    const double side = square.width();
    const ChartColours& colours = options.colours;
    const unsigned aspected = ShownAspectSigns(model, options);
    const int chosenSign =
        options.chosenBody >= 0 && options.chosenBody < kReportRows ? model.bodies[options.chosenBody].sign : -1;
    const bool graha = ShowsGrahaDrishti(model, options);

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
            painter.setBrush(graha ? colours.grahaFill : colours.aspectedFill);
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
        if (graha)
            PaintGrahaArrows(painter, layout, model, options);
        else
            PaintSignArrows(painter, layout, model, options);
    }

    for (const PlacedText& text : layout.texts) {
        painter.setFont(FontOf(options, text.pixelSize, text.bold));
        painter.setPen(text.colour);
        DrawCopyableText(painter, text.box, Qt::AlignCenter | Qt::TextDontClip, text.text);
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
