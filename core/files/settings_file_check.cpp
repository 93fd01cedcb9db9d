#include "core/files/settings_file_check.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>

namespace rashi {
namespace {

std::string Kind(const struct stat& info, std::uintmax_t largest)
{
    if (S_ISREG(info.st_mode))
        return std::uintmax_t(info.st_size) > largest ? "a file far too large for settings" : std::string();
    if (S_ISDIR(info.st_mode))
        return "a folder";
    if (S_ISFIFO(info.st_mode))
        return "a FIFO";
    if (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode))
        return "a device";
    if (S_ISSOCK(info.st_mode))
        return "a socket";
    return "not a plain file";
}

std::string Stamp(std::time_t now)
{
    std::tm utc{};
    gmtime_r(&now, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%dT%H%M%SZ", &utc);
    return text;
}

bool Exists(const std::string& path)
{
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

} // namespace

SettingsFileCheck CheckSettingsFile(const std::string& path, std::time_t now, std::uintmax_t largest)
{
    SettingsFileCheck check;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        if (errno == ENOENT && !Exists(path))
            return check; // Missing
        // A link to nowhere, a loop of links, a folder we may not look into.
        check.what = errno == ENOENT ? "a link to nothing" : "a file that cannot be looked at";
    } else {
        check.what = Kind(info, largest);
        if (check.what.empty()) {
            check.state = SettingsFileCheck::State::Usable;
            return check;
        }
    }

    const std::string base = path + ".bad-" + Stamp(now);
    std::string target = base;
    for (int n = 2; Exists(target) && n < 1000; ++n)
        target = base + "-" + std::to_string(n);
    if (!Exists(target) && std::rename(path.c_str(), target.c_str()) == 0) {
        check.state = SettingsFileCheck::State::SetAside;
        check.setAsideAs = target;
    } else {
        check.state = SettingsFileCheck::State::Stuck;
        check.reason = Exists(target) ? "too many set-aside copies" : std::strerror(errno);
    }
    return check;
}

} // namespace rashi
