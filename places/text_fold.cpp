#include "places/text_fold.h"

#include "core/entries/key_filters.h"

#include <QList>

namespace rashi::places {
namespace {

// Letters that do not decompose into an ASCII letter and a mark; the same
// table as scripts/make-atlas.py.
struct Spelling {
    char16_t letter;
    const char* ascii;
};
constexpr Spelling kSpellings[] = {
    {u'ß', "ss"}, {u'ẞ', "SS"}, {u'æ', "ae"}, {u'Æ', "AE"}, {u'œ', "oe"}, {u'Œ', "OE"},
    {u'ø', "o"},  {u'Ø', "O"},  {u'ł', "l"},  {u'Ł', "L"},  {u'đ', "d"},  {u'Đ', "D"},
    {u'ð', "d"},  {u'Ð', "D"},  {u'þ', "th"}, {u'Þ', "Th"}, {u'ı', "i"},  {u'ħ', "h"},
    {u'Ħ', "H"},  {u'ŀ', "l"},  {u'Ŀ', "L"},  {u'ŋ', "ng"}, {u'Ŋ', "Ng"}, {u'ĸ', "k"},
    {u'ſ', "s"},
};
// Marks inside Latin names that vanish without leaving a space ("Hawaiʻi").
constexpr char16_t kSilent[] = {u'ʻ', u'ʼ', u'ʿ', u'ʾ'};

bool IsAsciiLetter(char16_t c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

// Appends c's letters to out, or one space for anything else, never two
// spaces in a row and none at the start.
void AppendFolded(char16_t c, std::string& out) {
    if (IsAsciiLetter(c)) {
        out += static_cast<char>(c);
        return;
    }
    for (const Spelling& s : kSpellings) {
        if (s.letter == c) {
            out += s.ascii;
            return;
        }
    }
    if (QChar(c).category() == QChar::Mark_NonSpacing) return;
    for (char16_t silent : kSilent) {
        if (silent == c) return;
    }
    if (!out.empty() && out.back() != ' ') out += ' ';
}

std::string Fold(QStringView text) {
    std::string out;
    out.reserve(text.size());
    bool ascii = true;
    for (QChar c : text) ascii = ascii && c.unicode() < 0x80;
    if (ascii) {
        for (QChar c : text) AppendFolded(c.unicode(), out);
    } else {
        const QString decomposed = text.toString().normalized(QString::NormalizationForm_D);
        for (QChar c : decomposed) AppendFolded(c.unicode(), out);
    }
    if (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

// Marks that are accents, dropped from a key as they are from a box's name:
// the combining diacritics, Hebrew points and Arabic vowel marks. The vowel
// signs of the Indian scripts are letters' parts, and stay.
bool IsAccent(char32_t c) {
    return (c >= 0x0300 && c <= 0x036F) || (c >= 0x1AB0 && c <= 0x1AFF) || (c >= 0x1DC0 && c <= 0x1DFF) ||
           (c >= 0x20D0 && c <= 0x20FF) || (c >= 0xFE20 && c <= 0xFE2F) || (c >= 0x0591 && c <= 0x05C7) ||
           (c >= 0x064B && c <= 0x065F) || c == 0x0670;
}

} // namespace

QString FoldForBox(QStringView text) {
    return QString::fromLatin1(Fold(text));
}

std::string SearchKey(QStringView text) {
    bool latinOnly = true;
    for (QChar c : text) latinOnly = latinOnly && (c.unicode() < 0x80 || c.script() == QChar::Script_Latin ||
                                                   c.script() == QChar::Script_Common || c.script() == QChar::Script_Inherited);
    std::string key;
    if (latinOnly) {
        key = Fold(text);
    } else {
        // Letters of other scripts kept, case-folded and without accents;
        // Latin ones folded as the box folds them.
        const QString decomposed = text.toString().toCaseFolded().normalized(QString::NormalizationForm_D);
        const QList<uint> codes = decomposed.toUcs4();
        for (uint code : codes) {
            const char32_t c = code;
            if (c < 0x10000 && (c < 0x80 || QChar::script(c) == QChar::Script_Latin || IsAccent(c))) {
                AppendFolded(char16_t(c), key);
            } else if (IsLetterOfAnyScript(c)) {
                key += QString::fromUcs4(&c, 1).toStdString();
            } else if (!key.empty() && key.back() != ' ') {
                key += ' ';
            }
        }
        if (!key.empty() && key.back() == ' ') key.pop_back();
    }
    for (char& c : key) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return key;
}

} // namespace rashi::places
