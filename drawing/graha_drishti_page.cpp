#include "drawing/graha_drishti_page.h"

#include "core/aspects/graha_drishti_text.h"
#include "core/words/reading_words.h"
#include "drawing/copyable_text.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

namespace rashi {
namespace {

QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

QFont PageFont(const QStringList& families, int points, bool bold = false) {
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(points);
    font.setBold(bold);
    return font;
}

// The strengths: a row a body, its short name first; a column each for the
// nine bodies and the twelve houses. Returns the height used.
double StrengthTable(QPainter& painter, const QRectF& area, const ReadingRecords& records, const ReadingWords& words,
                     const QStringList& families, const ChartColours& colours) {
    const GrahaDrishtiRecord& graha = records.grahaDrishti;
    constexpr int kColumns = 1 + kSphutaPoints;
    const double cell = area.width() / kColumns;
    const QFont plain = PageFont(families, 7), bold = PageFont(families, 7, true);
    const double rowHeight = QFontMetricsF(bold).height() + 3;
    const auto text = [&](double x, double y, const QString& s, const QFont& font, const QColor& colour) {
        painter.setFont(font);
        painter.setPen(colour);
        DrawCopyableText(painter, QRectF(x, y, cell, rowHeight), Qt::AlignHCenter | Qt::AlignVCenter, s);
    };
    double y = area.top();
    for (int k = 0; k < kSphutaPoints; ++k)
        text(area.left() + (k + 1) * cell, y,
             k < kReportRows ? FromUtf8(words.shortBodies[k]) : QString::number(k - kReportRows + 1), bold, colours.lines);
    y += rowHeight;
    for (int i = 0; i < kReportRows; ++i) {
        if (i % 2 == 0) painter.fillRect(QRectF(area.left(), y, area.width(), rowHeight), colours.aspectedFill);
        text(area.left(), y, FromUtf8(words.shortBodies[i]), bold, colours.lines);
        for (int k = 0; k < kSphutaPoints; ++k) {
            if (k == i) continue;
            const double v = graha.sphuta[i][k];
            const bool strong = v >= kStrongVirupas;
            text(area.left() + (k + 1) * cell, y, QString::fromStdString(VirupaText(v)), strong ? bold : plain,
                 strong ? colours.ascendant : colours.text);
        }
        y += rowHeight;
    }
    // A rule between the bodies and the houses.
    painter.setPen(colours.lines);
    const double x = area.left() + (1 + kReportRows) * cell;
    painter.drawLine(QPointF(x, area.top()), QPointF(x, y));
    return y - area.top();
}

} // namespace

void PaintGrahaDrishtiPage(QPainter& painter, const QRectF& page, const ReadingRecords& records,
                           const ChartOptions& options) {
    if (!records.grahaDrishti.computed) return;
    const ReadingWords& words = WordsOf(records.language);
    const QStringList families = FamiliesFor(options.fontFamilies, records.language);
    const ChartColours& colours = options.colours;
    painter.save();
    double y = page.top();
    const auto wrapped = [&](const std::string& line, int points, bool bold, const QColor& colour, double indent = 0) {
        y += DrawWrapped(painter, QRectF(page.left() + indent, y, page.width() - indent, 0), QString::fromStdString(line),
                     PageFont(families, points, bold), colour) + 1;
    };
    wrapped(std::string(words.graha.pageTitle), 16, true, colours.lines);
    y += 4;
    const std::vector<std::string> lines = GrahaDrishtiLines(records);
    wrapped(lines[0], 9, false, colours.text);
    y += 4;
    // Each body's aspects, then (after the table) the bodies it joins.
    for (int i = 0; i < kReportRows; ++i) wrapped(lines[1 + 3 * i], 8, false, colours.text);
    y += 8;
    wrapped(std::string(words.graha.tableTitle), 9, true, colours.lines);
    y += 2;
    y += StrengthTable(painter, QRectF(page.left(), y, page.width(), 0), records, words, families, colours) + 10;
    for (int i = 0; i < kReportRows; ++i) wrapped(lines[3 + 3 * i], 8, false, colours.text);
    painter.restore();
}

} // namespace rashi
