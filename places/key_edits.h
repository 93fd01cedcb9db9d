#pragma once
// How far a name typed is from a search key (SearchKey's form): the edits
// that turn one into the other, for guessing at a name mistyped.

#include <string>
#include <string_view>

namespace rashi::places {

// Levenshtein's distance (letters put in, left out or changed), counted no
// further than kBeyondGuess: a guess is one or two edits away.
inline constexpr int kBeyondGuess = 3;

// By bytes: fast, and right for the atlas's keys, which are all Latin.
int KeyEdits(std::string_view a, std::string_view b);
// By letters (code points): for keys in any script ("पुणे").
int KeyEdits(std::u32string_view a, std::u32string_view b);

// A key's letters, for the second form.
std::u32string KeyLetters(std::string_view key);

} // namespace rashi::places
