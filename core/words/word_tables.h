#pragma once
// The tables of every language, each in a file of its own; WordsOf picks one.

#include "core/words/reading_words.h"

namespace rashi {

extern const ReadingWords kEnglishWords;
extern const ReadingWords kHindiWords;

} // namespace rashi
