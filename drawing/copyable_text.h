#pragma once
// Text in a box, drawn so that a PDF reader gives it back as it was written.
//
// A PDF names the characters behind each glyph by the font's character map.
// Devanagari shaped for the eye has glyphs no character maps to (conjuncts
// such as ष्ट्र) and glyphs out of the order of their characters (the vowel
// sign ि before its consonant), so copied text comes back broken. On a PDF
// page such text is therefore drawn twice: the shaped text for the eye, in
// the glyphs of its font's twin that no character maps to (glyph_only_font.h),
// and under it, invisible, each character in order in the font's own glyph
// for it, for copying and searching. Every other device, and text without
// such characters, gets the one ordinary drawText.

#include "core/records/language.h"

#include <QRectF>
#include <QString>
#include <QStringList>

class QColor;
class QFont;
class QPainter;

namespace rashi {

// True for text with characters of a script that is shaped (Devanagari and
// the other Indian scripts).
bool NeedsShaping(const QString& text);

// Draws `text` in the painter's font and pen, aligned in `box` by `flags`
// (Qt::AlignLeft, AlignHCenter, AlignRight with AlignTop, AlignVCenter).
void DrawCopyableText(QPainter& painter, const QRectF& box, int flags, const QString& text);

// Draws the text in lines of the area's width, broken between words (inside
// a word only when it is wider than the line), each line as copyable text in
// `font` and `colour`; returns the height used.
double DrawWrapped(QPainter& painter, const QRectF& area, const QString& text, const QFont& font,
                   const QColor& colour);

// The families to draw a language in: its own script's fonts first, so that
// each script is shaped by a font made for it.
QStringList FamiliesFor(const QStringList& families, Language language);

} // namespace rashi
