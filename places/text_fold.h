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

// FoldForBox in lower case, as plain ASCII: the key the atlas is searched by.
std::string SearchKey(QStringView text);

} // namespace rashi::places
