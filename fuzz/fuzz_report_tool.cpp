// The report tool's whole command line. The input is split into sections at
// the first two bytes 0x01: the arguments (separated by NUL bytes), standard
// input, and the bytes of "chart.kqa". The tool runs in a scratch folder
// that holds only that file, and an input with a "/" in any argument is
// skipped, so whatever the tool opens or writes stays inside the folder.
// The atlas (--place, --find-place) and the drawings (--pdf, --svg) have
// harnesses and tests of their own and are left out here: an input naming
// them is skipped. For any command line:
// - the status is 0, 1 or 2; on 2 nothing is printed, the message ends
//   with a line end and the folder is left as it was;
// - on 0 standard error is empty and the output is the help (which names
//   --help), one JSON line, --batch lines numbered from 1, or the 36 captions
//   of a whole reading;
// - at most one file is written (no temporary is left beside it), and it is
//   a chart file that gives the same reading as the one printed (or, its
//   texts trimmed, has an empty name or place).

#include "cli/report_tool.h"
#include "cli/tool_options.h"
#include "core/aspects/rashi_drishti.h"
#include "core/chart/chart_file.h"
#include "fuzz_support.h"
#include "places/birth_zone.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace rashi;
namespace fs = std::filesystem;

// A new folder in the temporary folder (scripts/fuzz.sh points TMPDIR into
// build-fuzz/), removed at exit.
const fs::path& Scratch() {
    static const fs::path folder = [] {
        std::string name = (fs::temp_directory_path() / "rashi-fuzz-XXXXXX").string();
        FUZZ_CHECK(mkdtemp(name.data()));
        return fs::path(name);
    }();
    // Registered after the path exists, so it runs before the path is destroyed.
    static const int removal = std::atexit([] {
        std::error_code ignored;
        fs::remove_all(Scratch(), ignored);
    });
    (void)removal;
    return folder;
}

std::string Contents(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

using Folder = std::map<std::string, std::string>; // file name to bytes

Folder Listing() {
    Folder folder;
    for (const fs::directory_entry& entry : fs::directory_iterator(Scratch()))
        folder[entry.path().filename().string()] = entry.is_regular_file() ? Contents(entry.path()) : "<folder>";
    return folder;
}

std::vector<std::string> Split(std::string_view text, char separator) {
    std::vector<std::string> parts;
    for (std::size_t start = 0;;) {
        const auto end = text.find(separator, start);
        parts.emplace_back(text.substr(start, end - start));
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines = Split(text, '\n');
    if (!lines.empty() && lines.back().empty()) lines.pop_back();
    return lines;
}

bool IsBatchOutput(const std::vector<std::string>& lines) {
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].rfind(std::to_string(i + 1) + "\t", 0) != 0) return false;
    return true;
}

struct Run {
    int status;
    std::string out;
    std::string err;
};

// Runs the tool inside the scratch folder, then goes back where it was.
Run RunInScratch(const std::vector<std::string>& args, const std::string& input) {
    const int back = open(".", O_RDONLY | O_DIRECTORY);
    FUZZ_CHECK(back >= 0 && chdir(Scratch().c_str()) == 0);
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunReportTool(args, in, out, err);
    FUZZ_CHECK(fchdir(back) == 0 && close(back) == 0);
    return {status, out.str(), err.str()};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> sections = Split({reinterpret_cast<const char*>(data), size}, '\x01');
    const std::vector<std::string> args = Split(sections[0], '\0');
    for (const std::string& arg : args) {
        if (arg.find('/') != std::string::npos) return -1;
        for (const char* skipped : {"--pdf", "--svg", "--place", "--find-place"})
            if (arg.starts_with(skipped)) return -1;
    }
    const std::string input = sections.size() > 1 ? sections[1] : "";

    for (const fs::directory_entry& entry : fs::directory_iterator(Scratch())) fs::remove_all(entry.path());
    if (sections.size() > 2) std::ofstream(Scratch() / "chart.kqa", std::ios::binary) << sections[2];
    const Folder before = Listing();

    const Run run = RunInScratch(args, input);
    const Folder after = Listing();
    FUZZ_CHECK(run.status >= 0 && run.status <= 2);
    if (run.status == 2) {
        FUZZ_CHECK(run.out.empty());
        FUZZ_CHECK(run.err.size() > 1 && run.err.back() == '\n');
        FUZZ_CHECK(after == before);
        return 0;
    }

    // What was printed, told by its shape (the texts of help and messages may change).
    const std::vector<std::string> lines = Lines(run.out);
    const bool json = run.out.starts_with('{');
    const bool batch = !json && IsBatchOutput(lines);
    const bool help = !json && !batch && run.out.find("--help") != std::string::npos;
    const bool reading = !json && !batch && !help;
    if (run.status == 0) {
        FUZZ_CHECK(run.err.empty());
        if (json) FUZZ_CHECK(lines.size() == 1 && lines[0].back() == '}');
        if (reading) CheckCaptions(lines);
    }
    for (const auto& [name, bytes] : before) FUZZ_CHECK(after.count(name));
    int written = 0;
    for (const auto& [name, bytes] : after) {
        if (before.count(name) && before.at(name) == bytes) continue;
        ++written;
        FUZZ_CHECK(run.status == 0 && written == 1);
        auto entries = ParseChartFile(bytes);
        FUZZ_CHECK(entries);
        // The same ephemeris and rule, and the zone's offset found again.
        const ToolOptions options = ParseToolOptions(args);
        CalculationDriver driver;
        driver.setEphemeris(options.precise ? Ephemeris::Precise : Ephemeris::Formulas);
        driver.SetRule(*RuleFromKey(options.rule));
        FUZZ_CHECK(!places::ApplyZoneOffset(*entries));
        // The file keeps the texts trimmed, so a name or place of spaces alone
        // (which a reading accepts) comes back empty and is refused then.
        if (driver.Calculate(*entries)) {
            FUZZ_CHECK(entries->Name.empty() || entries->City.empty() || entries->State.empty() ||
                       entries->Country.empty());
            continue;
        }
        if (reading) FUZZ_CHECK(ReportLines(driver.report()) == lines);
    }
    return 0;
}
