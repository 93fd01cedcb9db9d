#include "drawing/copyable_text.h"

#include "drawing/glyph_only_font.h"

#include <QTextLayout>

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>

#include <vector>

namespace rashi {
namespace {

bool OnPdfPage(const QPainter& painter)
{
    const QPaintEngine* engine = painter.paintEngine();
    return engine && engine->type() == QPaintEngine::Pdf;
}

// The fonts of the painter's families, for looking characters up one by one.
std::vector<QRawFont> RawFontsOf(const QFont& font)
{
    std::vector<QRawFont> fonts;
    for (const QString& family : font.families()) {
        QFont one = font;
        one.setFamilies({family});
        const QRawFont raw = QRawFont::fromFont(one);
        if (raw.isValid() && QFontInfo(one).family() == family)
            fonts.push_back(raw);
    }
    const QRawFont fallback = QRawFont::fromFont(font);
    if (fallback.isValid())
        fonts.push_back(fallback);
    return fonts;
}

// Each character of the text in its font's own glyph, one after another
// from `origin`, squeezed or spread to `width`.
void DrawCharactersUnseen(QPainter& painter, QPointF origin, double width, const QString& text)
{
    const std::vector<QRawFont> fonts = RawFontsOf(painter.font());
    struct Piece {
        const QRawFont* font;
        quint32 glyph;
        double advance;
    };
    std::vector<Piece> pieces;
    double natural = 0;
    for (const char32_t code : text.toUcs4()) {
        for (const QRawFont& font : fonts) {
            if (!font.supportsCharacter(code))
                continue;
            const QString one = QString::fromUcs4(&code, 1);
            const QList<quint32> glyphs = font.glyphIndexesForString(one);
            if (glyphs.isEmpty() || glyphs.front() == 0)
                continue;
            const QList<QPointF> advances = font.advancesForGlyphIndexes(glyphs);
            const double advance = advances.isEmpty() ? 0 : advances.front().x();
            pieces.push_back({&font, glyphs.front(), advance});
            natural += advance;
            break;
        }
    }
    const double scale = natural > 0 ? width / natural : 1;
    painter.save();
    QColor unseen = painter.pen().color();
    unseen.setAlpha(0);
    painter.setPen(unseen);
    // One run for each stretch of characters in the same font.
    double x = 0;
    for (std::size_t start = 0; start < pieces.size();) {
        std::size_t end = start;
        QList<quint32> glyphs;
        QList<QPointF> positions;
        for (; end < pieces.size() && pieces[end].font == pieces[start].font; ++end) {
            glyphs.append(pieces[end].glyph);
            positions.append(QPointF(x, 0));
            x += pieces[end].advance * scale;
        }
        QGlyphRun run;
        run.setRawFont(*pieces[start].font);
        run.setGlyphIndexes(glyphs);
        run.setPositions(positions);
        painter.drawGlyphRun(origin, run);
        start = end;
    }
    painter.restore();
}

// The text shaped for the eye with its baseline from `origin`, in the glyphs
// of its fonts' twins that no character maps to; a glyph whose font has no
// twin is drawn as its outline.
void DrawShapedUncopyable(QPainter& painter, QPointF origin, const QString& text)
{
    QTextLayout layout(text, painter.font());
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    if (!line.isValid())
        return;
    const QPointF at(origin.x(), origin.y() - line.ascent());
    QPainterPath outlines;
    for (QGlyphRun run : layout.glyphRuns()) {
        const QRawFont twin = GlyphOnlyTwin(run.rawFont());
        if (twin.isValid()) {
            run.setRawFont(twin);
            painter.drawGlyphRun(at, run);
            continue;
        }
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < glyphs.size() && i < positions.size(); ++i)
            outlines.addPath(run.rawFont().pathForGlyph(glyphs[i]).translated(at + positions[i]));
    }
    if (outlines.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillPath(outlines, painter.pen().color());
    painter.restore();
}

} // namespace

bool NeedsShaping(const QString& text)
{
    for (const QChar c : text)
        if (c.unicode() >= 0x0900 && c.unicode() <= 0x0DFF)
            return true;
    return false;
}

void DrawCopyableText(QPainter& painter, const QRectF& box, int flags, const QString& text)
{
    if (!OnPdfPage(painter) || !NeedsShaping(text)) {
        painter.drawText(box, flags, text);
        return;
    }
    const QFontMetricsF metrics(painter.font());
    const double width = metrics.horizontalAdvance(text);
    double x = box.left();
    if (flags & Qt::AlignHCenter)
        x = box.center().x() - width / 2;
    else if (flags & Qt::AlignRight)
        x = box.right() - width;
    double top = box.top();
    if (flags & Qt::AlignVCenter)
        top = box.center().y() - metrics.height() / 2;
    else if (flags & Qt::AlignBottom)
        top = box.bottom() - metrics.height();
    const QPointF baseline(x, top + metrics.ascent());

    DrawShapedUncopyable(painter, baseline, text);
    DrawCharactersUnseen(painter, baseline, width, text);
}

QStringList FamiliesFor(const QStringList& families, Language language)
{
    if (language == Language::English)
        return families;
    QStringList ordered;
    for (const QString& family : families)
        if (family.contains(QLatin1String("Devanagari")))
            ordered << family;
    for (const QString& family : families)
        if (!ordered.contains(family))
            ordered << family;
    return ordered;
}

double DrawWrapped(QPainter& painter, const QRectF& area, const QString& text, const QFont& font,
                   const QColor& colour)
{
    QTextLayout layout(text, font, painter.device());
    QTextOption option(Qt::AlignLeft);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    double height = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(area.width());
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout.endLayout();
    // Each line drawn as a line of its own, so that text needing shaping
    // (Devanagari) comes out of a PDF as the characters it is.
    painter.setFont(font);
    painter.setPen(colour);
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        const QRectF box(area.left() + line.x(), area.top() + line.y(), area.width(), line.height());
        DrawCopyableText(painter, box, Qt::AlignLeft | Qt::AlignVCenter,
                         text.mid(line.textStart(), line.textLength()).trimmed());
    }
    return height;
}

} // namespace rashi
