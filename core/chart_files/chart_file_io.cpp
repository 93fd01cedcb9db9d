#include "core/chart_files/chart_file_io.h"

#include "core/chart_files/chart_file.h"

#include <cerrno>
#include <cstdio>
#include <random>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rashi {
namespace {

std::string Reason(int error) { return std::strerror(error); }

// Closes a file descriptor when it goes out of scope.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() { close(); }
    int get() const { return fd_; }
    int close() {
        const int result = fd_ >= 0 ? ::close(fd_) : 0;
        fd_ = -1;
        return result;
    }

private:
    int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            if (written == 0) errno = ENOSPC;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

} // namespace

std::optional<std::string> ReadRegularFile(const std::string& path, std::size_t maxBytes, std::string& problem) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        problem = Reason(errno) + ".";
        return std::nullopt;
    }
    if (!S_ISREG(info.st_mode)) {
        problem = S_ISDIR(info.st_mode) ? "It is a folder, not a file." : "It is not a regular file.";
        return std::nullopt;
    }
    // Non-blocking, and checked again once open: the name may have been
    // pointed at something else since the look above.
    const FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        problem = fd.get() < 0 ? Reason(errno) + "." : "It is not a regular file.";
        return std::nullopt;
    }
    std::string bytes;
    char chunk[16384];
    while (bytes.size() <= maxBytes) {
        const ssize_t got = ::read(fd.get(), chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            problem = Reason(errno) + ".";
            return std::nullopt;
        }
        if (got == 0) break;
        bytes.append(chunk, static_cast<std::size_t>(got));
    }
    if (bytes.size() > maxBytes + 1) bytes.resize(maxBytes + 1);
    return bytes;
}

std::optional<Entries> LoadChartFile(const std::string& path, std::string& problem) {
    auto bytes = ReadRegularFile(path, kMaxChartFileBytes, problem);
    if (!bytes) return std::nullopt;
    // A longer file may still hold 17 good lines followed by anything.
    if (bytes->size() > kMaxChartFileBytes) bytes->resize(kMaxChartFileBytes);
    return ParseChartFile(*bytes, &problem);
}

bool NamesAFolder(const std::string& path) {
    if (path.empty() || path.back() == '/') return true;
    const std::string_view base = std::string_view(path).substr(path.find_last_of('/') + 1);
    if (base == "." || base == "..") return true;
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

namespace {

// The folder part of `path` ("." when there is none).
std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// A new file of a unique, short name in `folder` (".rd-" and eight hex
// digits: a target's name may already be as long as the system allows),
// created exclusively with the usual permissions (0666 less the umask,
// applied by the system): the name goes to `temporary`.
int CreateTemporaryIn(const std::string& folder, std::string& temporary) {
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        char name[16];
        std::snprintf(name, sizeof name, ".rd-%08x", static_cast<unsigned>(random()));
        temporary = (folder == "/" ? std::string() : folder) + "/" + name;
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// A device or a pipe cannot be replaced by another file: it is written in
// place (a reader of the pipe must be there already, so that nothing waits).
std::optional<std::string> WriteInPlace(const std::string& path, std::string_view bytes) {
    FileDescriptor fd(::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0) return Reason(errno);
    int error = 0;
    const int flags = ::fcntl(fd.get(), F_GETFL);
    if (flags < 0 || ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK) != 0 || !WriteAll(fd.get(), bytes))
        error = errno;
    // Pipes and most devices cannot be synchronised, and need not be.
    if (error == 0 && ::fsync(fd.get()) != 0 && errno != EINVAL && errno != ENOTSUP && errno != EROFS)
        error = errno;
    if (fd.close() != 0 && error == 0) error = errno;
    if (error != 0) return Reason(error);
    return std::nullopt;
}

} // namespace

std::optional<std::string> WriteFileAtomically(const std::string& path, std::string_view bytes) {
    if (NamesAFolder(path)) return "The name is that of a folder, not of a file.";
    struct stat existing {};
    const bool replacing = ::stat(path.c_str(), &existing) == 0;
    if (replacing && !S_ISREG(existing.st_mode)) return WriteInPlace(path, bytes);
    if (replacing && ((existing.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0))
        return std::string("The file is read-only.");
    // The same rule for the folder, which the system would not apply for root.
    const std::string folder = FolderOf(path);
    struct stat folderInfo {};
    if (::stat(folder.c_str(), &folderInfo) == 0 && S_ISDIR(folderInfo.st_mode) && (folderInfo.st_mode & 0222) == 0)
        return std::string("The folder is read-only.");

    std::string temporary;
    FileDescriptor fd(CreateTemporaryIn(folder, temporary));
    if (fd.get() < 0) return Reason(errno);
    int error = 0;
    // A file replaced keeps its permissions.
    if (!WriteAll(fd.get(), bytes) || (replacing && ::fchmod(fd.get(), existing.st_mode & 07777) != 0) ||
        ::fsync(fd.get()) != 0)
        error = errno;
    if (fd.close() != 0 && error == 0) error = errno;
    if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return Reason(error);
    }
    // The new name itself is kept once the folder is on disk; a folder that
    // cannot be synchronised leaves the file written all the same.
    const FileDescriptor folderFd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folderFd.get() >= 0) (void)::fsync(folderFd.get());
    return std::nullopt;
}

} // namespace rashi
