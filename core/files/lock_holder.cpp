#include "core/files/lock_holder.h"

#include <charconv>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rashi {
namespace {

// Process ids of Linux fit in 22 bits; anything past this is not one.
constexpr std::int64_t kLargestPid = 1 << 22;

std::string_view Line(std::string_view& text)
{
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    return line;
}

} // namespace

std::optional<LockHolder> ParseLockHolder(std::string_view text)
{
    const std::string_view pidText = Line(text);
    LockHolder holder;
    const auto [end, ec] = std::from_chars(pidText.data(), pidText.data() + pidText.size(), holder.pid);
    if (pidText.empty() || ec != std::errc() || end != pidText.data() + pidText.size() || holder.pid <= 0 ||
        holder.pid > kLargestPid)
        return std::nullopt;
    holder.application = std::string(Line(text));
    holder.host = std::string(Line(text));
    return holder;
}

std::optional<LockHolder> ReadLockHolder(const std::string& path)
{
    struct stat seen {};
    if (::lstat(path.c_str(), &seen) != 0 || !S_ISREG(seen.st_mode))
        return std::nullopt;
    // O_NONBLOCK: should a FIFO take the file's place between the look and
    // the open, the open still returns at once.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat info {};
    std::string text;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && std::size_t(info.st_size) <= kLargestLockFile) {
        text.resize(kLargestLockFile + 1);
        std::size_t got = 0;
        ssize_t n = 0;
        while (got < text.size() && (n = ::read(fd, text.data() + got, text.size() - got)) > 0)
            got += std::size_t(n);
        text.resize(n < 0 || got > kLargestLockFile ? 0 : got);
    }
    ::close(fd);
    if (text.empty())
        return std::nullopt;
    return ParseLockHolder(text);
}

} // namespace rashi
