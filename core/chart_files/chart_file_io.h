#pragma once
// Chart files on disk: reading one by its path, and writing one so that an
// existing chart is either replaced whole or left exactly as it was.

#include "core/records/entries.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace rashi {

// Reads the chart file at `path`. Anything that is not a regular file (a
// folder, a FIFO, a device, also through a symbolic link) is refused before
// it is opened for reading, so that nothing can hang. On refusal `problem`
// says why, for the user.
std::optional<Entries> LoadChartFile(const std::string& path, std::string& problem);

// The bytes of the regular file at `path`, refused as LoadChartFile refuses;
// never more than `maxBytes` + 1 of them, so that a caller sees a file too long.
std::optional<std::string> ReadRegularFile(const std::string& path, std::size_t maxBytes, std::string& problem);

// Writes `bytes` to `path` through a temporary file of a unique, short name
// (".rd-" and eight hex digits, so that a target named as long as the system
// allows can still be written), created exclusively in the same folder and
// renamed over the target when complete.
// The umask is never changed, so other threads' files are not touched.
// Every write, flush and close is checked; on failure the temporary file
// goes and an existing target is left exactly as it was.
// A target that is read-only (no write permission for anyone, or none for
// this user), or in a folder without write permission for anyone, is
// refused, as is a path that names a folder. An existing target that is a
// device or a pipe is written in place. An existing target's permissions are
// kept; a new file gets the usual ones (0666 less the umask). Returns nothing
// on success, else the reason (the system's words, e.g. "No space left on
// device").
std::optional<std::string> WriteFileAtomically(const std::string& path, std::string_view bytes);

// True when the path cannot name a file: empty, ending in a slash, ending in
// "." or "..", or naming an existing folder.
bool NamesAFolder(const std::string& path);

} // namespace rashi
