// A font's twin for the shaped text of a PDF page: each glyph the shape and
// advance of the font's own, no character behind any of them.

#include "drawing/glyph_only_font.h"

#include <QFont>
#include <QPainterPath>

#include <gtest/gtest.h>

namespace rashi {
namespace {

TEST(GlyphOnlyFont, TheFontsGlyphsWithoutItsCharacters)
{
    struct Case {
        const char* family;
        bool bold;
        const char* text;
    };
    for (const Case& c : {Case{"Lohit Devanagari", false, "राशि दृष्टि फल क्षेत्र"},
                          Case{"Lohit Devanagari", true, "निर्देशांक"}, Case{"DejaVu Sans", true, "Rashi 12° (ok)"}}) {
        SCOPED_TRACE(std::string(c.family) + (c.bold ? " bold" : ""));
        QFont font(QString::fromLatin1(c.family));
        font.setPixelSize(9);
        font.setBold(c.bold);
        const QRawFont raw = QRawFont::fromFont(font);
        if (raw.familyName() != QLatin1String(c.family)) {
            ADD_FAILURE() << "the font is not installed";
            continue;
        }
        const QRawFont twin = GlyphOnlyTwin(raw);
        ASSERT_TRUE(twin.isValid());
        EXPECT_NE(twin.familyName(), raw.familyName());
        EXPECT_EQ(twin.pixelSize(), raw.pixelSize());
        EXPECT_EQ(GlyphOnlyTwin(raw).familyName(), twin.familyName()) << "one twin of each font";

        const QString text = QString::fromUtf8(c.text);
        const QList<quint32> glyphs = raw.glyphIndexesForString(text);
        ASSERT_FALSE(glyphs.contains(0u));
        EXPECT_EQ(twin.advancesForGlyphIndexes(glyphs), raw.advancesForGlyphIndexes(glyphs));
        for (const quint32 glyph : glyphs)
            EXPECT_EQ(twin.pathForGlyph(glyph), raw.pathForGlyph(glyph)) << glyph;
        for (const QChar ch : text)
            EXPECT_FALSE(twin.supportsCharacter(ch)) << int(ch.unicode());
    }
}

} // namespace
} // namespace rashi
