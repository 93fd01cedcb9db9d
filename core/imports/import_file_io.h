#pragma once
// Other programs' chart files on disk (.jhd, .mtx), read by their extension.

#include "core/imports/imported_birth.h"
#include "core/records/entries.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace rashi {

// No chart of those programs comes near this.
inline constexpr std::size_t kMaxImportFileBytes = 64 * 1024;

// True when the name ends in ".jhd" or ".mtx" (any letter case).
bool HasImportExtension(std::string_view fileName);

// The entries of the .jhd or .mtx file at `path`, read whole; refused whole,
// with `problem` saying why (which line held what), as chart files are.
// `findState` gives the state of a place the file names none for (see
// EntriesFromImport).
std::optional<Entries> LoadImportedChart(const std::string& path, std::string& problem,
                                         const StateFinder& findState = {});

} // namespace rashi
