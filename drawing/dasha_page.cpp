#include "drawing/dasha_page.h"

#include "core/timing/dasha_text.h"
#include "core/words/reading_words.h"
#include "drawing/copyable_text.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cstdio>

namespace rashi {
namespace {

QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

std::string Date(double second) { return UtcText(second).substr(0, 10); }

// Lines of text to set in one column, each with its weight.
struct Line {
    QString text;
    bool bold = false;
};

// The type of the lines, in points (the painter is scaled to points): 7,
// smaller where the lines would not fit the height given, never below 5.
int TypeFor(int lines, double height) { return std::clamp(static_cast<int>(height / std::max(1, lines) / 1.2), 5, 7); }

// Draws the lines in `columns` columns of `area` top down; returns the height used.
double DrawColumns(QPainter& painter, const QRectF& area, const std::vector<Line>& lines, int columns,
                   const ChartOptions& options, int type)
{
    QFont font;
    font.setFamilies(options.fontFamilies);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(type);
    const double step = QFontMetricsF(font).height();
    const int perColumn = (static_cast<int>(lines.size()) + columns - 1) / columns;
    const double width = area.width() / columns;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int column = static_cast<int>(i) / perColumn;
        const int row = static_cast<int>(i) % perColumn;
        // A line wider than its column in smaller type, down to 4 points.
        QFont fitted = font;
        fitted.setBold(lines[i].bold);
        while (fitted.pixelSize() > 4 && QFontMetricsF(fitted).horizontalAdvance(lines[i].text) > width - 6)
            fitted.setPixelSize(fitted.pixelSize() - 1);
        painter.setFont(fitted);
        painter.setPen(lines[i].bold ? options.colours.lines : options.colours.text);
        DrawCopyableText(painter, QRectF(area.left() + column * width, area.top() + row * step, width - 6, step),
                         Qt::AlignLeft | Qt::AlignVCenter, lines[i].text);
    }
    return perColumn * step;
}

std::vector<Line> VimshottariLines(const DashaRecord& d, const ReadingWords& words)
{
    std::vector<Line> lines;
    const DashaWords& w = words.dasha;
    for (int i = 0; i < d.vimshottari.top; ++i) {
        const DashaPeriod& p = d.vimshottari.periods[static_cast<std::size_t>(i)];
        lines.push_back({FromUtf8(std::string(w.lords[p.key]) + " " + std::string(w.levels[0]) + "  " + Date(p.start) +
                                  " – " + Date(p.end)),
                         true});
        for (int k = 0; k < p.count; ++k) {
            const DashaPeriod& a = d.vimshottari.periods[static_cast<std::size_t>(p.first + k)];
            lines.push_back({FromUtf8("   " + std::string(w.lords[p.key]) + "/" + std::string(w.lords[a.key]) + "  " +
                                      Date(a.start) + " – " + Date(a.end))});
        }
    }
    return lines;
}

std::vector<Line> SignLines(const DashaList& list, bool parts, const ReadingWords& words)
{
    std::vector<Line> lines;
    for (int i = 0; i < list.top; ++i) {
        const DashaPeriod& p = list.periods[static_cast<std::size_t>(i)];
        std::string head = Fill(words.dasha.signPeriod, SignWord(p.key, words), std::to_string(p.years)) +
                           std::to_string(p.cycle) + "  " + Date(p.start) + " – " + Date(p.end);
        lines.push_back({FromUtf8(head), true});
        if (!parts || p.count == 0 || p.years == 0) continue;
        std::string signs = "   ";
        for (int k = 0; k < p.count; ++k)
            AppendListed(signs, SignWord(list.periods[static_cast<std::size_t>(p.first + k)].key, words), k == 0, false,
                         words);
        lines.push_back({FromUtf8(signs)});
    }
    return lines;
}

} // namespace

bool HasDashaPage(const ReadingRecords& records)
{
    const DashaRecord& d = records.dashas;
    return d.computed && (d.vimshottari.top > 0 || d.chara.top > 0 || d.drig.top > 0);
}

void PaintDashaPage(QPainter& painter, const QRectF& page, const ReadingRecords& records, const ChartOptions& given)
{
    ChartOptions options = given;
    options.fontFamilies = FamiliesFor(given.fontFamilies, records.language);
    const ReadingWords& words = WordsOf(records.language);
    const DashaRecord& d = records.dashas;
    painter.save();
    QFont title;
    title.setFamilies(options.fontFamilies);
    title.setPixelSize(16);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(options.colours.lines);
    const double titleHeight = QFontMetricsF(title).height();
    DrawCopyableText(painter, QRectF(page.left(), page.top(), page.width(), titleHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     FromUtf8(std::string(words.dasha.pageTitle) + " — " + std::string(words.programName)));
    double y = page.top() + titleHeight + 6;

    // The heads first, then the periods: the Vimshottari in three columns,
    // the chara and drig dashas side by side below.
    std::vector<Line> heads;
    for (const std::string& line : DashaLines(records, DashaDayOf(d.birthSecond), words))
        if (line.front() != ' ' && (line.rfind(std::string(words.dasha.vimshottariHead.before), 0) == 0 ||
                                    line.rfind(std::string(words.dasha.charaHead), 0) == 0 ||
                                    line.rfind(std::string(words.dasha.drigHead), 0) == 0 ||
                                    line.rfind(std::string(words.dasha.shift.before), 0) == 0))
            heads.push_back({FromUtf8(line)});
    y += DrawColumns(painter, QRectF(page.left(), y, page.width(), 0), heads, 1, options, 7) + 8;

    const std::vector<Line> vimshottari = VimshottariLines(d, words);
    const std::vector<Line> chara = SignLines(d.chara, true, words);
    const std::vector<Line> drig = SignLines(d.drig, false, words);
    const double left = page.bottom() - y;
    const int vimRows = (static_cast<int>(vimshottari.size()) + 2) / 3;
    const int signRows = static_cast<int>(std::max(chara.size(), drig.size()));
    const int type = TypeFor(vimRows + signRows + 3, left);
    if (!vimshottari.empty())
        y += DrawColumns(painter, QRectF(page.left(), y, page.width(), 0), vimshottari, 3, options, type) + 10;
    // The chara antardashas only where they fit.
    std::vector<Line> charaShown = chara;
    QFont probe;
    probe.setFamilies(options.fontFamilies);
    probe.setPixelSize(type);
    if ((page.bottom() - y) < static_cast<double>(chara.size()) * QFontMetricsF(probe).height())
        charaShown = SignLines(d.chara, false, words);
    const bool both = !charaShown.empty() && !drig.empty();
    const double half = both ? page.width() / 2 : page.width();
    if (!charaShown.empty()) DrawColumns(painter, QRectF(page.left(), y, half, 0), charaShown, 1, options, type);
    if (!drig.empty()) DrawColumns(painter, QRectF(page.left() + (both ? half : 0), y, half, 0), drig, 1, options, type);
    painter.restore();
}

} // namespace rashi
