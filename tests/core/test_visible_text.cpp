#include "core/chart_files/visible_text.h"

#include <gtest/gtest.h>

namespace rashi {
namespace {

TEST(VisibleText, ControlCharactersAreShownAndTheRestKept) {
    struct Case {
        const char* what;
        std::string text;
        bool keepLineEnds;
        std::string shown;
    };
    const Case cases[] = {
        {"plain text", "Asia/Kolkata", false, "Asia/Kolkata"},
        {"a terminal's title", "\x1b]0;owned\x07", false, "\\x1b]0;owned\\x07"},
        {"DEL", "Asia/Kolkata\x7f", false, "Asia/Kolkata\\x7f"},
        {"NUL and tab", std::string("a\0b\tc", 5), false, "a\\x00b\\x09c"},
        {"line ends", "one\ntwo\r", false, "one\\x0atwo\\x0d"},
        {"line feeds kept", "one\ntwo\r", true, "one\ntwo\\x0d"},
        {"C1 CSI in UTF-8", "a\xc2\x9b" "31m", false, "a\\u009b31m"},
        {"a no-break space is no control", "a\xc2\xa0" "b", false, "a\xc2\xa0" "b"},
        {"UTF-8 letters", "M\xc3\xbcnchen \xe0\xa4\x95 \xf0\x9f\x99\x82", false, "M\xc3\xbcnchen \xe0\xa4\x95 \xf0\x9f\x99\x82"},
        {"a lone C1 byte", "a\x9b" "b", false, "a\\x9bb"},
        {"a cut sequence", "a\xe0\xa4", false, "a\\xe0\\xa4"},
        {"an overlong slash", "\xc0\xaf", false, "\\xc0\\xaf"},
        {"a surrogate", "\xed\xa0\x80", false, "\\xed\\xa0\\x80"},
        {"backslashes stay", "C:\\x1b", false, "C:\\x1b"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(VisibleText(c.text, c.keepLineEnds), c.shown) << c.what;
        EXPECT_EQ(VisibleText(VisibleText(c.text, c.keepLineEnds), c.keepLineEnds), c.shown) << c.what << ", twice";
    }
}

} // namespace
} // namespace rashi
