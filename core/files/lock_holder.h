#pragma once
// Who holds the single-instance lock, read from the lock file's text as the
// toolkit's lock writes it: the process id, the application name and the
// host name, one a line (later lines, if any, are not ours to read).
// Reading never blocks and never reads much: the file is looked at first and
// anything but a small plain file names no holder.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rashi {

struct LockHolder {
    std::int64_t pid = 0; // always > 0
    std::string application;
    std::string host; // may be empty: then this host
};

// A lock file is a few dozen bytes; a larger one names no holder.
inline constexpr std::size_t kLargestLockFile = 4096;

// The holder the text names, or nothing when it names none (no process id,
// or one that is not a positive decimal number a process can have).
std::optional<LockHolder> ParseLockHolder(std::string_view text);

// Reads and parses the file; nothing for a missing, unreadable, non-plain
// (FIFO, folder, device) or oversized file.
std::optional<LockHolder> ReadLockHolder(const std::string& path);

} // namespace rashi
