#pragma once
// Names as the input boxes accept them, and the form the atlas searches by.

#include <QString>
#include <QStringView>

#include <string>

namespace rashi::places {

// Letters reduced to A-Z and a-z (accents dropped, a few letters spelled out:
// "ß" to "ss", "ø" to "o"), every other run of characters one space, trimmed:
// "São Paulo" gives "Sao Paulo", "Winston-Salem" "Winston Salem".
QString FoldForBox(QStringView text);

// The key names are searched by: Latin text as FoldForBox gives it, in lower
// case ("sao paulo"); letters of every other script kept, case-folded and
// without accents ("пуне", "पुणे"), so that the user's own places may be
// named in any script the boxes take. The atlas's keys are all Latin.
std::string SearchKey(QStringView text);

} // namespace rashi::places
