// The single-instance lock file's text, through the parser and through the
// reader that takes it from a scratch file. For any bytes:
// - a holder has a process id a process can have, and lines without line
//   ends in them; written back as a lock file, it reads the same;
// - the reader gives what the parser gives for the same bytes, up to the
//   largest lock file, and nothing past it.

#include "core/files/lock_holder.h"
#include "fuzz_support.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

using namespace rashi;

namespace {

bool SameHolder(const std::optional<LockHolder>& a, const std::optional<LockHolder>& b)
{
    if (a.has_value() != b.has_value())
        return false;
    return !a || (a->pid == b->pid && a->application == b->application && a->host == b->host);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto holder = ParseLockHolder(text);
    if (holder) {
        FUZZ_CHECK(holder->pid > 0 && holder->pid <= (1 << 22));
        FUZZ_CHECK(holder->application.find('\n') == std::string::npos);
        FUZZ_CHECK(holder->host.find('\n') == std::string::npos);
        const std::string again = std::to_string(holder->pid) + "\n" + holder->application + "\n" + holder->host + "\n";
        FUZZ_CHECK(SameHolder(ParseLockHolder(again), holder));
    }

    static const std::string path = [] {
        const char* scratch = std::getenv("TMPDIR");
        return std::string(scratch ? scratch : "/tmp") + "/fuzz_lock_file." + std::to_string(::getpid()) + ".lock";
    }();
    {
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(text.data(), std::streamsize(text.size()));
    }
    const auto read = ReadLockHolder(path);
    FUZZ_CHECK(SameHolder(read, size <= kLargestLockFile ? holder : std::nullopt));
    return 0;
}
