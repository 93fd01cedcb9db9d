#pragma once
// One A4 page of a reading (the header, the diagram, the reading) and the
// pictures of the diagram, written without a window: the report tool calls
// these with a QGuiApplication on the offscreen platform.

#include "drawing/chart_painter.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <string>

class QPageLayout;
class QPagedPaintDevice;
class QPainter;

namespace rashi {

// The page in points (1/72 inch), from its top left corner.
void PaintPage(QPainter& painter, const QRectF& page, const ReadingRecords& records, const ChartOptions& options);

// No printed text comes nearer the paper's edge than this, in points (10 mm).
inline constexpr double kMinPageMarginPoints = 10.0 * 72.0 / 25.4;

// A4 portrait with margins of 14 mm, for the PDF and as a printer's start.
QPageLayout ReadingPageLayout();

// Where the page goes on a device with this layout, in points from the
// painter's origin (the paint rectangle's corner): the paint rectangle, moved
// in from any edge nearer the paper's edge than kMinPageMarginPoints.
QRectF PageArea(const QPageLayout& layout);

// Paints the page on a paged device (a PDF writer or a printer) whose
// resolution is given: the painter is scaled to points, so fonts keep their
// size at any resolution, within PageArea. The painter must be active on the device.
void PaintPageOnDevice(QPainter& painter, QPagedPaintDevice& device, int resolution, const ReadingRecords& records,
                       const ChartOptions& options);

// The page of the graha drishti (PaintGrahaDrishtiPage) on such a device, as
// PaintPageOnDevice paints the reading's; nothing when the reading has none.
void PaintGrahaPageOnDevice(QPainter& painter, QPagedPaintDevice& device, int resolution,
                            const ReadingRecords& records, const ChartOptions& options);

// The drawings as the bytes of their files; empty when they could not be made.
QByteArray ReadingPdfBytes(const ReadingRecords& records, const ChartOptions& options); // one A4 page, 300 dpi
QByteArray ChartSvgBytes(const ReadingRecords& records, const ChartOptions& options, int side);
QImage RenderChart(const ReadingRecords& records, const ChartOptions& options, int side);
QByteArray ChartPngBytes(const ReadingRecords& records, const ChartOptions& options, int side);

// The outcome of writing a file: empty on success, else why not, in the
// system's words.
using WriteError = QString;

// Each file is written as chart files are: a new file beside the target,
// every write checked, renamed over the target when complete, so that an
// existing file is replaced whole or left exactly as it was. `path` is the
// file's name in the file system's own bytes (QFile::encodeName of a name
// typed or chosen), so that a name in any bytes is written as given.
WriteError WriteReadingPdf(const std::string& path, const ReadingRecords& records, const ChartOptions& options);

// The diagram alone as an SVG picture of a square of `side` pixels.
WriteError WriteChartSvg(const std::string& path, const ReadingRecords& records, const ChartOptions& options,
                         int side = 600);

// The diagram alone as a PNG picture, `side` pixels square.
WriteError WriteChartPng(const std::string& path, const ReadingRecords& records, const ChartOptions& options,
                         int side = 800);

} // namespace rashi
