// The report tool's whole command line. The input is split into sections at
// the first two bytes 0x01: the arguments (separated by NUL bytes), standard
// input, and the bytes of "chart.kqa". The tool runs in a scratch folder
// that holds that file, an old picture "old.pdf", a folder "taken.svg" where
// a picture might go, and a read-only folder "locked/". An argument with a
// "/" must stay inside the folder (no leading "/", no "..") or be
// "/dev/full", where every write fails. --place and --find-place search a
// small atlas of four places ($RASHI_ATLAS). For any command line:
// - the status is 0 to 3; on 2 nothing is printed, the message ends with a
//   line end and the folder is left as it was; on 3 there is a message;
// - on 0 standard error is empty and the output is the help (which names
//   --help), one JSON line, --batch lines numbered from 1, places of the
//   atlas (7 tab-separated fields, a zone id among them), or the 36 captions
//   of a whole reading;
// - only the files the options name are written or changed (no temporary is
//   left beside them) and each is whole: a chart file that gives the same
//   reading as the one printed (or, its texts trimmed, has an empty name or
//   place), a PDF from "%PDF-" to "%%EOF", an SVG that ends with "</svg>";
//   whatever is not written stays as it was.

#include "cli/report_tool.h"
#include "cli/tool_options.h"
#include "core/aspects/rashi_drishti.h"
#include "core/chart_files/chart_file.h"
#include "fuzz_support.h"
#include "core/zones/zone_ids.h"
#include "places/birth_zone.h"

#include <QByteArray>
#include <QtGlobal>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
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

// Four places, one without a state, for --place and --find-place.
const char kSmallAtlas[] =
    "rashi-atlas\t1\n"
    "inputs\tfuzzing\n"
    "counts\t3\t1\t3\t4\n"
    "C\tIN\tIndia\n"
    "C\tSG\tSingapore\n"
    "C\tGB\tUnited Kingdom\n"
    "S\t0\t16\tMaharashtra\n"
    "Z\tAsia/Kolkata\n"
    "Z\tAsia/Singapore\n"
    "Z\tEurope/London\n"
    "P\tPune\t0\t0\t185196\t738553\t0\t3124458\tpune|poona\n"
    "P\tMumbai\t0\t0\t190728\t728826\t0\t12691836\tmumbai|bombay\n"
    "P\tSingapore\t1\t-1\t12894\t1038500\t1\t5638700\tsingapore\n"
    "P\tLondon\t2\t-1\t515085\t-1257\t2\t8961989\tlondon\n"
    "end\n";

std::string Contents(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

using Folder = std::map<std::string, std::string>; // file name to bytes

void ListInto(Folder& folder, const fs::path& dir, const std::string& prefix);

Folder Listing() {
    Folder folder;
    ListInto(folder, Scratch(), "");
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

// The names an option gives a file, as the tool writes them.
std::vector<std::string> Targets(const ToolOptions& options) {
    std::vector<std::string> targets;
    if (options.save) {
        std::string save = *options.save;
        const std::string_view base = std::string_view(save).substr(save.find_last_of('/') + 1);
        if (base.find('.') == std::string_view::npos) save += ".kqa";
        targets.push_back(save);
    }
    for (const auto* file : {&options.pdf, &options.svg})
        if (*file) targets.push_back(**file);
    return targets;
}

bool StaysInScratch(const std::string& arg) {
    if (arg.find('/') == std::string::npos || arg == "/dev/full") return true;
    if (arg.starts_with('/')) return false;
    for (const std::string& part : Split(arg, '/'))
        if (part == "..") return false;
    return true;
}

bool Within(const std::string& bytes, std::string_view start, std::string_view end) {
    std::string_view text = bytes;
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.remove_suffix(1);
    return text.starts_with(start) && text.ends_with(end);
}

// Every file under the scratch folder, by its path inside it.
void ListInto(Folder& folder, const fs::path& dir, const std::string& prefix) {
    for (const fs::directory_entry& entry : fs::directory_iterator(dir)) {
        const std::string name = prefix + entry.path().filename().string();
        if (entry.is_directory()) {
            folder[name] = "<folder>";
            ListInto(folder, entry.path(), name + "/");
        } else {
            folder[name] = Contents(entry.path());
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // qUncompress and the drawings report on the message log.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    const fs::path atlas = Scratch().parent_path() / ("fuzz-atlas-" + std::to_string(getpid()));
    const QByteArray bytes = QByteArray("RDATLAS1") + qCompress(QByteArray(kSmallAtlas));
    std::ofstream(atlas, std::ios::binary).write(bytes.constData(), bytes.size());
    setenv("RASHI_ATLAS", atlas.c_str(), 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> sections = Split({reinterpret_cast<const char*>(data), size}, '\x01');
    const std::vector<std::string> args = Split(sections[0], '\0');
    for (const std::string& arg : args)
        if (!StaysInScratch(arg)) return -1;
    const std::string input = sections.size() > 1 ? sections[1] : "";

    for (const fs::directory_entry& entry : fs::directory_iterator(Scratch())) {
        fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(entry.path());
    }
    if (sections.size() > 2) std::ofstream(Scratch() / "chart.kqa", std::ios::binary) << sections[2];
    std::ofstream(Scratch() / "old.pdf", std::ios::binary) << "old picture";
    fs::create_directory(Scratch() / "taken.svg");
    fs::create_directory(Scratch() / "locked");
    chmod((Scratch() / "locked").c_str(), 0500);
    const Folder before = Listing();

    const Run run = RunInScratch(args, input);
    const Folder after = Listing();
    FUZZ_CHECK(run.status >= 0 && run.status <= 3);
    if (run.status == 2) {
        FUZZ_CHECK(run.out.empty());
        FUZZ_CHECK(run.err.size() > 1 && run.err.back() == '\n');
        FUZZ_CHECK(after == before);
        return 0;
    }
    if (run.status == 3) FUZZ_CHECK(run.err.size() > 1 && run.err.back() == '\n');

    // What was printed, told by its shape (the texts of help and messages may change).
    const ToolOptions options = ParseToolOptions(args);
    const std::vector<std::string> lines = Lines(run.out);
    const bool json = run.out.starts_with('{');
    // Help comes before anything else asked for (no place or reading names "--help").
    const bool help = !json && run.out.find("--help") != std::string::npos;
    const bool places = !json && !help && options.findPlace.has_value();
    const bool batch = !json && !places && !help && IsBatchOutput(lines);
    const bool reading = !json && !batch && !help && !places;
    if (run.status == 0) {
        // Nothing on standard error, but --find-place's word that it guessed.
        const bool guessed = places && run.err.starts_with("No place in the atlas matches ") &&
                             run.err.ends_with("; the nearest names are listed.\n") &&
                             std::count(run.err.begin(), run.err.end(), '\n') == 1;
        FUZZ_CHECK(run.err.empty() || guessed);
        if (json) FUZZ_CHECK(lines.size() == 1 && lines[0].back() == '}');
        if (reading) CheckCaptions(lines);
        if (places) {
            FUZZ_CHECK(!lines.empty() && lines.size() <= 10);
            for (const std::string& line : lines) {
                const auto fields = Split(line, '\t');
                FUZZ_CHECK(fields.size() == 8 && !fields[0].empty() && !fields[2].empty());
                FUZZ_CHECK(IsZoneIdShape(fields[5]));
            }
        }
    }
    for (const auto& [name, bytes] : before) FUZZ_CHECK(after.count(name));
    const std::vector<std::string> targets = Targets(options);
    for (const auto& [name, bytes] : after) {
        if (before.count(name) && before.at(name) == bytes) continue;
        // Only a named file changes, and only as a whole.
        FUZZ_CHECK(run.status == 0 || run.status == 3);
        FUZZ_CHECK(std::find(targets.begin(), targets.end(), name) != targets.end());
        if (options.pdf && name == *options.pdf) {
            FUZZ_CHECK(Within(bytes, "%PDF-", "%%EOF"));
            continue;
        }
        if (options.svg && name == *options.svg) {
            FUZZ_CHECK(bytes.find("<svg") != std::string::npos && Within(bytes, "", "</svg>"));
            continue;
        }
        auto entries = ParseChartFile(bytes);
        FUZZ_CHECK(entries);
        // The same ephemeris and rule, and the zone's offset found again.
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
