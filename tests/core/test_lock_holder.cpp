// The holder of the single-instance lock, from the lock file's text: only a
// positive process id names one; the file is read only when it is a small
// plain file, so a FIFO or a device there can never block the start.

#include "core/files/lock_holder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace fs = std::filesystem;
using rashi::ParseLockHolder;
using rashi::ReadLockHolder;

namespace {

TEST(LockHolder, TextsOfLockFiles)
{
    struct Case {
        const char* text;
        long long pid; // 0: names no holder
        const char* application;
        const char* host;
    };
    const Case cases[] = {
        {"1234\nrashi-drishti\nhost-a\n", 1234, "rashi-drishti", "host-a"},
        {"1234\nrashi-drishti\nhost-a\nmachine-id\n99\n", 1234, "rashi-drishti", "host-a"},
        {"1234\n", 1234, "", ""},
        {"1234", 1234, "", ""},
        {"4194304\nx\nh\n", 4194304, "x", "h"},
        {"", 0, "", ""},
        {"\n\n", 0, "", ""},
        {"0\nx\nh\n", 0, "", ""},
        {"-5\nx\nh\n", 0, "", ""},
        {"+5\nx\nh\n", 0, "", ""},
        {" 5\nx\nh\n", 0, "", ""},
        {"5 \nx\nh\n", 0, "", ""},
        {"4194305\nx\nh\n", 0, "", ""},
        {"99999999999999999999999\nx\n", 0, "", ""},
        {"12ab\nx\n", 0, "", ""},
        {"\x01\x02 not a lock\n", 0, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const auto holder = ParseLockHolder(c.text);
        if (c.pid == 0) {
            EXPECT_FALSE(holder.has_value());
            continue;
        }
        ASSERT_TRUE(holder.has_value());
        EXPECT_EQ(holder->pid, c.pid);
        EXPECT_EQ(holder->application, c.application);
        EXPECT_EQ(holder->host, c.host);
    }
}

TEST(LockHolder, OnlySmallPlainFilesAreRead)
{
    std::string pattern = (fs::temp_directory_path() / "lock-holder-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    const fs::path dir = pattern;
    const std::string lock = (dir / "instance.lock").string();

    std::ofstream(lock) << "77\nrashi\nhost\n";
    ASSERT_TRUE(ReadLockHolder(lock).has_value());
    EXPECT_EQ(ReadLockHolder(lock)->pid, 77);

    fs::resize_file(lock, rashi::kLargestLockFile + 1);
    EXPECT_FALSE(ReadLockHolder(lock).has_value()) << "oversized";
    fs::remove(lock);

    ASSERT_EQ(::mkfifo(lock.c_str(), 0600), 0);
    EXPECT_FALSE(ReadLockHolder(lock).has_value()) << "FIFO"; // returns at once: no writer needed
    fs::remove(lock);

    fs::create_symlink("/dev/zero", lock);
    EXPECT_FALSE(ReadLockHolder(lock).has_value()) << "device behind a link";
    fs::remove(lock);

    EXPECT_FALSE(ReadLockHolder(lock).has_value()) << "missing";
    fs::remove_all(dir);
}

} // namespace
