#pragma once
// A font's glyphs with no characters behind them, for drawing shaped text
// into a PDF as text rather than outlines.
//
// A PDF writer embeds the glyphs a page uses and maps each back to the
// character the font's cmap gives it, so a reader can copy the text. For
// shaped Devanagari that map gives broken text (conjuncts come back as
// nothing, the vowel sign ि before its consonant), and the page draws the
// characters in order, unseen, for copying. The shapes the eye sees are
// drawn in the font's twin here: the same glyphs and metrics, under a name of
// its own, without a cmap, so a reader finds no characters in them and
// copies only the unseen ones; the PDF embeds each glyph once instead of
// repeating its outline wherever it stands.

#include <QByteArray>
#include <QRawFont>

namespace rashi {

// The sfnt data of `font`'s outlines and metrics (its head, hhea, hmtx, maxp,
// loca, glyf and OS/2 tables) named `family`, without a cmap or the glyph
// names a cmap could be made up from; empty when the font has no TrueType
// outlines.
QByteArray GlyphOnlyFontData(const QRawFont& font, const QString& family);

// `font`'s twin at `font`'s pixel size, the same glyph numbers drawing the
// same shapes; invalid when the font cannot be copied (no TrueType outlines).
// The twin of each font is made once and kept for the program's life.
QRawFont GlyphOnlyTwin(const QRawFont& font);

} // namespace rashi
