#include "core/words/reading_words.h"

#include "core/words/word_tables.h"

namespace rashi {

const ReadingWords& WordsOf(Language language) {
    switch (language) {
    case Language::Hindi: return kHindiWords;
    case Language::English: break;
    }
    return kEnglishWords;
}

std::string JoinedInSentence(const std::vector<std::string>& names, const ReadingWords& words) {
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) text += i + 1 == names.size() ? words.sentenceLast : words.sentenceSeparator;
        text += names[i];
    }
    return text;
}

std::string Fill(const Sentence& sentence, std::string_view first, std::string_view second) {
    std::string text;
    text.reserve(sentence.before.size() + first.size() + sentence.between.size() + second.size() +
                 sentence.after.size());
    text.append(sentence.before).append(first).append(sentence.between).append(second).append(sentence.after);
    return text;
}

std::string_view SignWord(int sign, const ReadingWords& words) {
    return sign >= 0 && sign < 12 ? words.signs[sign] : words.noSign;
}

std::string PositionCaption(const std::string& position, const ReadingWords& words) {
    std::string caption;
    WritePositionCaption(position, words, caption);
    return caption;
}

void WritePositionCaption(const std::string& position, const ReadingWords& words, std::string& caption) {
    caption.assign(position);
    if (!words.signInPosition || position.size() != 9) return;
    // "16 Sag 31": degrees, the sign's first three letters, minutes.
    const std::string_view text(position);
    const std::string_view abbreviation = text.substr(3, 3);
    for (int s = 0; s < 12; ++s)
        if (kEnglishWords.signLabels[s] == abbreviation) {
            caption.assign(text.substr(0, 2)).append("\u00B0 ").append(words.signs[s]).append(" ");
            caption.append(text.substr(7, 2)).append("\u2032");
            return;
        }
}

} // namespace rashi
