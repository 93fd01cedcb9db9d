// The settings file is judged without being opened: whatever is not a plain
// file of a sensible size is renamed out of the way, never read.

#include "core/files/settings_file_check.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using rashi::CheckSettingsFile;
using State = rashi::SettingsFileCheck::State;

namespace {

class SettingsFileCheckTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "settings-check-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        path_ = (dir_ / "Rashi Drishti.conf").string();
    }
    void TearDown() override
    {
        ::chmod(dir_.c_str(), 0700);
        fs::remove_all(dir_);
    }
    fs::path dir_;
    std::string path_;
};

constexpr std::time_t kNow = 1773310500; // 2026-03-12 10:15:00 UTC

struct Case {
    const char* name;
    const char* what; // empty: usable, "missing": nothing there
    void (*make)(const std::string& path);
};

const Case kCases[] = {
    {"plain file", "", [](const std::string& p) { std::ofstream(p) << "[General]\nLastReminderDate=x\n"; }},
    {"empty file", "", [](const std::string& p) { std::ofstream{p}; }},
    {"exactly the largest size", "", [](const std::string& p) { std::ofstream{p}; fs::resize_file(p, rashi::kLargestSettingsFile); }},
    {"nothing there", "missing", [](const std::string&) {}},
    {"FIFO", "a FIFO", [](const std::string& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); }},
    {"folder", "a folder", [](const std::string& p) { fs::create_directory(p); }},
    {"link to a device", "a device", [](const std::string& p) { fs::create_symlink("/dev/zero", p); }},
    {"huge sparse file", "a file far too large for settings",
     [](const std::string& p) { std::ofstream{p}; fs::resize_file(p, std::uintmax_t(3) << 30); }},
    {"link to nothing", "a link to nothing", [](const std::string& p) { fs::create_symlink("nowhere", p); }},
};

TEST_F(SettingsFileCheckTest, EachKindOfFile)
{
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(path_);
        for (const auto& entry : fs::directory_iterator(dir_))
            fs::remove_all(entry.path());
        c.make(path_);
        const auto check = CheckSettingsFile(path_, kNow);
        const std::string what = c.what;
        if (what.empty()) {
            EXPECT_EQ(check.state, State::Usable);
        } else if (what == "missing") {
            EXPECT_EQ(check.state, State::Missing);
        } else {
            ASSERT_EQ(check.state, State::SetAside);
            EXPECT_EQ(check.what, what);
            EXPECT_EQ(check.setAsideAs, path_ + ".bad-20260312T101500Z");
            EXPECT_FALSE(fs::exists(fs::symlink_status(path_)));
            EXPECT_TRUE(fs::exists(fs::symlink_status(check.setAsideAs)));
        }
    }
}

TEST_F(SettingsFileCheckTest, EarlierSetAsideCopiesAreKept)
{
    for (const char* expected : {".bad-20260312T101500Z", ".bad-20260312T101500Z-2", ".bad-20260312T101500Z-3"}) {
        ASSERT_EQ(::mkfifo(path_.c_str(), 0600), 0);
        const auto check = CheckSettingsFile(path_, kNow);
        ASSERT_EQ(check.state, State::SetAside);
        EXPECT_EQ(check.setAsideAs, path_ + expected);
    }
}

TEST_F(SettingsFileCheckTest, AFileThatCannotBeRenamedIsStuckWithTheReason)
{
    // A pipe seen through /proc: nobody, not even the superuser, renames it.
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    const std::string pipe = "/proc/self/fd/" + std::to_string(ends[0]);
    const auto check = CheckSettingsFile(pipe, kNow);
    ::close(ends[0]);
    ::close(ends[1]);
    EXPECT_EQ(check.state, State::Stuck);
    EXPECT_EQ(check.what, "a FIFO");
    EXPECT_FALSE(check.reason.empty());
}

} // namespace
