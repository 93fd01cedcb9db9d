#include "drawing/reading_page.h"

#include "core/jaimini/jaimini_text.h"
#include "drawing/graha_drishti_page.h"
#include "core/time_window/jaimini_window_text.h"
#include "core/timing/dasha_text.h"

#include "core/reading/calculation_driver.h"
#include "core/chart_files/chart_file_io.h"
#include "core/reading/reading_header.h"
#include "core/time_window/time_window.h"
#include "core/time_window/window_text.h"
#include "core/words/reading_words.h"
#include "drawing/copyable_text.h"
#include "drawing/dasha_page.h"

#include <QBuffer>
#include <QMarginsF>
#include <QPageSize>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <algorithm>

namespace rashi {
namespace {

constexpr int kPdfResolution = 300;

QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QFont PageFont(const ChartOptions& options, int points, bool bold = false)
{
    QFont font;
    font.setFamilies(options.fontFamilies);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(points);
    font.setBold(bold);
    return font;
}

// Draws one line, shrinking its font until it fits the width; returns the
// height used.
double DrawLine(QPainter& painter, const QRectF& line, const QString& text, QFont font, const QColor& colour)
{
    while (font.pixelSize() > 5 && QFontMetricsF(font).horizontalAdvance(text) > line.width())
        font.setPixelSize(font.pixelSize() - 1);
    painter.setFont(font);
    painter.setPen(colour);
    const double height = QFontMetricsF(font).height();
    DrawCopyableText(painter, QRectF(line.left(), line.top(), line.width(), height), Qt::AlignLeft | Qt::AlignVCenter,
                     text);
    return height;
}

} // namespace

void PaintPage(QPainter& painter, const QRectF& page, const ReadingRecords& records, const ChartOptions& given)
{
    ChartOptions options = given;
    options.fontFamilies = FamiliesFor(given.fontFamilies, records.language);
    const ChartColours& colours = options.colours;
    const ReadingWords& words = WordsOf(records.language);
    painter.save();
    double y = page.top();

    // Title and header.
    y += DrawLine(painter, QRectF(page.left(), y, page.width(), 0),
                  FromUtf8(words.pageTitle), PageFont(options, 16, true), colours.lines);
    y += 6;
    const std::vector<HeaderField> header = ReadingHeader(records);
    const QFont labelFont = PageFont(options, 9, true);
    double labelWidth = 0;
    for (const HeaderField& field : header)
        labelWidth = std::max(labelWidth, QFontMetricsF(labelFont).horizontalAdvance(FromUtf8(field.label)));
    labelWidth += 10;
    for (const HeaderField& field : header) {
        DrawLine(painter, QRectF(page.left(), y, labelWidth, 0), FromUtf8(field.label), labelFont, colours.text);
        y += DrawLine(painter, QRectF(page.left() + labelWidth, y, page.width() - labelWidth, 0),
                      FromUtf8(field.value), PageFont(options, 9), colours.text) + 1;
    }
    // How far the birth time can move, when the reading found it.
    std::vector<std::string> window = WindowLines(records.window, words);
    for (std::string& line : JaiminiWindowLines(records.jaiminiWindow, words))
        window.push_back(std::move(line));
    for (std::string& line : NakshatraWindowLines(records.nakshatraWindow, words))
        window.push_back(std::move(line));
    if (!window.empty())
        y += 4;
    const std::vector<bool> near = LinesChangingNear(records.window, records.jaiminiWindow);
    for (std::size_t i = 0; i < window.size(); ++i) {
        const bool stands = i < near.size() && near[i];
        const QFont font = PageFont(options, 8, stands);
        const QColor& colour = stands ? colours.ascendant : colours.text;
        const QString line = FromUtf8(window[i]);
        // A line too long for the page: its notes go on below, indented,
        // wrapped as often as they need, in the same type.
        const qsizetype notes = line.indexOf(FromUtf8(words.notes.before));
        if (QFontMetricsF(font).horizontalAdvance(line) <= page.width() || notes < 0) {
            y += DrawWrapped(painter, QRectF(page.left(), y, page.width(), 0), line, font, colour) + 1;
            continue;
        }
        y += DrawWrapped(painter, QRectF(page.left(), y, page.width(), 0), line.left(notes), font, colour);
        y += DrawWrapped(painter, QRectF(page.left() + 12, y, page.width() - 12, 0), line.mid(notes + 1), font, colour) + 1;
    }
    // The Jaimini lines: the karakas, the karakamsa and the arudha padas.
    const std::vector<std::string> jaimini = JaiminiPanelLines(records);
    if (!jaimini.empty())
        y += 4;
    for (const std::string& line : jaimini)
        y += DrawWrapped(painter, QRectF(page.left(), y, page.width(), 0), FromUtf8(line), PageFont(options, 8),
                         colours.text) + 1;
    y += 10;

    // The diagram, centred.
    // Smaller when the lines above leave the rows below too little room.
    const double rowsNeed = kReportRows * 4 * QFontMetricsF(PageFont(options, 8)).lineSpacing();
    const double side = std::max(160.0, std::min({page.width() * 0.58, 300.0, page.bottom() - y - 14 - rowsNeed}));
    PaintChart(painter, QRectF(page.center().x() - side / 2, y, side, side), ChartModelOf(records), options);
    y += side + 14;

    // The reading: per body its name and position, then its two sentences.
    const Report& report = records.report;
    const double rowStep = std::max(0.0, (page.bottom() - y) / kReportRows);
    for (int i = 0; i < kReportRows; ++i) {
        double line = y;
        const QFont bold = PageFont(options, 9, true);
        const double nameWidth = QFontMetricsF(bold).horizontalAdvance(FromUtf8(report.lblPlanets[i])) + 12;
        DrawLine(painter, QRectF(page.left(), line, nameWidth, 0), FromUtf8(report.lblPlanets[i]), bold,
                 colours.lines);
        // The karaka beside the position, the houses beside the aspect line.
        const std::string karaka = KarakaTag(records, i);
        const std::string houses = HousesNote(records, i);
        const std::string nakshatra = NakshatraNote(records, i);
        line += DrawLine(painter, QRectF(page.left() + nameWidth, line, page.width() - nameWidth, 0),
                         FromUtf8(report.lblPlanets_Position[i] + (karaka.empty() ? "" : "   " + karaka) +
                                  (nakshatra.empty() ? "" : "   " + nakshatra)),
                         bold, colours.ascendant);
        line += DrawLine(painter, QRectF(page.left() + 12, line, page.width() - 12, 0),
                         FromUtf8(report.lblAspects[i] + (houses.empty() ? "" : "  (" + houses + ")")),
                         PageFont(options, 8), colours.text);
        DrawLine(painter, QRectF(page.left() + 12, line, page.width() - 12, 0), FromUtf8(report.lblGrahas[i]),
                 PageFont(options, 8), colours.text);
        y += rowStep;
    }
    painter.restore();
}

QPageLayout ReadingPageLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(40, 40, 40, 40), QPageLayout::Point);
}

QRectF PageArea(const QPageLayout& layout)
{
    const QRectF paper = layout.fullRectPoints();
    const QRectF paint = layout.paintRect(QPageLayout::Point);
    // A printer's dialog may leave margins of a few millimetres: keep clear of them.
    const double left = std::max(0.0, kMinPageMarginPoints - (paint.left() - paper.left()));
    const double top = std::max(0.0, kMinPageMarginPoints - (paint.top() - paper.top()));
    const double right = std::max(0.0, kMinPageMarginPoints - (paper.right() - paint.right()));
    const double bottom = std::max(0.0, kMinPageMarginPoints - (paper.bottom() - paint.bottom()));
    return QRectF(left, top, paint.width() - left - right, paint.height() - top - bottom);
}

void PaintPageOnDevice(QPainter& painter, QPagedPaintDevice& device, int resolution, const ReadingRecords& records,
                       const ChartOptions& options)
{
    painter.save();
    painter.scale(resolution / 72.0, resolution / 72.0);
    PaintPage(painter, PageArea(device.pageLayout()), records, options);
    painter.restore();
}

void PaintGrahaPageOnDevice(QPainter& painter, QPagedPaintDevice& device, int resolution,
                            const ReadingRecords& records, const ChartOptions& options)
{
    painter.save();
    painter.scale(resolution / 72.0, resolution / 72.0);
    PaintGrahaDrishtiPage(painter, PageArea(device.pageLayout()), records, options);
    painter.restore();
}

QByteArray ReadingPdfBytes(const ReadingRecords& records, const ChartOptions& options)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfResolution);
        writer.setPageLayout(ReadingPageLayout());
        const QString name = FromUtf8(records.birth.Name).trimmed();
        writer.setTitle(records.language == Language::English ? QStringLiteral("Rashi Drishti reading of ") + name
                                                              : FromUtf8(WordsOf(records.language).pageTitle) +
                                                                    QStringLiteral(": ") + name);
        writer.setCreator(QStringLiteral("Rashi Drishti"));
        QPainter painter;
        if (!painter.begin(&writer))
            return {};
        PaintPageOnDevice(painter, writer, kPdfResolution, records, options);
        // The dashas, then the graha drishti, when the reading has them, each
        // on a page of its own.
        if (HasDashaPage(records)) {
            writer.newPage();
            painter.save();
            painter.scale(kPdfResolution / 72.0, kPdfResolution / 72.0);
            PaintDashaPage(painter, PageArea(writer.pageLayout()), records, options);
            painter.restore();
        }
        if (records.grahaDrishti.computed) {
            writer.newPage();
            PaintGrahaPageOnDevice(painter, writer, kPdfResolution, records, options);
        }
        if (!painter.end())
            return {};
    }
    return bytes;
}

QByteArray ChartSvgBytes(const ReadingRecords& records, const ChartOptions& options, int side)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(QSize(side, side));
    generator.setViewBox(QRect(0, 0, side, side));
    generator.setTitle(QStringLiteral("Rashi chart of ") + FromUtf8(records.birth.Name).trimmed());
    generator.setDescription(FromUtf8(std::string(RuleTitle(records.rule))));
    QPainter painter;
    if (!painter.begin(&generator))
        return {};
    PaintChart(painter, QRectF(0, 0, side, side), ChartModelOf(records), options);
    if (!painter.end())
        return {};
    return bytes;
}

QByteArray ChartPngBytes(const ReadingRecords& records, const ChartOptions& options, int side)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!RenderChart(records, options, side).save(&buffer, "PNG"))
        return {};
    return bytes;
}

WriteError WriteDrawing(const std::string& path, const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return QStringLiteral("The drawing could not be made.");
    const auto reason = WriteFileAtomically(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    return reason ? QString::fromLocal8Bit(reason->c_str()) : WriteError();
}

WriteError WriteReadingPdf(const std::string& path, const ReadingRecords& records, const ChartOptions& options)
{
    return WriteDrawing(path, ReadingPdfBytes(records, options));
}

WriteError WriteChartSvg(const std::string& path, const ReadingRecords& records, const ChartOptions& options, int side)
{
    return WriteDrawing(path, ChartSvgBytes(records, options, side));
}

WriteError WriteChartPng(const std::string& path, const ReadingRecords& records, const ChartOptions& options, int side)
{
    return WriteDrawing(path, ChartPngBytes(records, options, side));
}

QImage RenderChart(const ReadingRecords& records, const ChartOptions& options, int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(options.colours.background);
    QPainter painter(&image);
    PaintChart(painter, QRectF(0, 0, side, side), ChartModelOf(records), options);
    painter.end();
    return image;
}

} // namespace rashi
