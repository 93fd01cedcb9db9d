#pragma once
// The name a save proposes for a chart that has no file of its own yet: the
// person's name with the chart extension ("Ada Lovelace.kqa").

#include <cstddef>
#include <string>
#include <string_view>

namespace rashi {

// The longest name proposed, in bytes, before the extension: well inside
// the 255 bytes a file name may have, whatever the name's script.
inline constexpr std::size_t kMaxProposedNameBytes = 200;

// The UTF-8 name as a file name: what cannot stand in one (a slash, control
// characters, leading dots that would hide the file) becomes a space, spaces
// are trimmed, a long name is cut at a whole character; then ".kqa". Empty
// when nothing of the name is left.
std::string ProposedChartFileName(std::string_view personName);

} // namespace rashi
