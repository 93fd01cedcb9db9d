#include "cli/report_tool.h"
#include "tool_run.h"

#include "core/chart_files/chart_file.h"
#include "core/chart_files/stored_text.h"

#include <gtest/gtest.h>

#include <QString>
#include <QtGlobal>

#include <algorithm>
#include <nlohmann/json.hpp>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rashi {
namespace {

using testing::Tool;
using testing::ToolRun;

std::string LastLine(const std::string& text) {
    const auto end = text.find_last_not_of('\n');
    const auto start = text.rfind('\n', end);
    return text.substr(start == std::string::npos ? 0 : start + 1, end - (start == std::string::npos ? 0 : start + 1) + 1);
}

std::filesystem::path TempDir() {
    auto dir = std::filesystem::temp_directory_path() / ("rashi-report-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir);
    return dir;
}

const std::vector<std::string> kGreenwich = {"--name", "Ada",     "--date",  "2000-01-01", "--time", "12:00",
                                             "--zone", "29",      "--lat",   "51:28N",     "--lon",  "0:0E",
                                             "--city", "London",  "--state", "England",    "--country", "UK"};

// Names as people write them go through the tool, a chart file saved by it
// and a .mtx import alike, apostrophes of both kinds kept as they were typed.
TEST(ReportTool, NamesWithApostrophesHyphensAndFullStops) {
    const auto dir = TempDir();
    const struct {
        std::string name, city, state, country;
    } rows[] = {{"Siobhan O'Brien", "St. John's", "Newfoundland", "Canada"},
                {"Jean-Paul D\u2019Souza", "Panaji", "Goa", "India"},
                {"Mary-Kate Jr.", "Stratford-upon-Avon", "England", "U.K."}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string chart = (dir / "named.kqa").string();
        std::vector<std::string> args = kGreenwich;
        for (std::size_t i = 0; i + 1 < args.size(); i += 2) {
            if (args[i] == "--name") args[i + 1] = row.name;
            if (args[i] == "--city") args[i + 1] = row.city;
            if (args[i] == "--state") args[i + 1] = row.state;
            if (args[i] == "--country") args[i + 1] = row.country;
        }
        args.insert(args.end(), {"--json", "--save", chart});
        const ToolRun typed = Tool(args);
        ASSERT_EQ(typed.status, 0) << typed.err;
        const ToolRun reopened = Tool({"--json", chart});
        ASSERT_EQ(reopened.status, 0) << reopened.err;
        const std::string mtxPath = (dir / "named.mtx").string();
        std::ofstream(mtxPath) << "# chart\n" << row.name << "\n1\n1\n2000\n12\n0\n0\n"
                               << row.city << ", " << row.state << ", " << row.country << "\n0\n51.466667\n";
        const ToolRun imported = Tool({"--json", mtxPath});
        ASSERT_EQ(imported.status, 0) << imported.err;
        for (const ToolRun* run : {&typed, &reopened, &imported}) {
            const auto birth = nlohmann::json::parse(run->out)["birth"];
            EXPECT_EQ(birth["name"], row.name);
            EXPECT_EQ(birth["city"], row.city);
            EXPECT_EQ(birth["state"], row.state);
            EXPECT_EQ(birth["country"], row.country);
        }
    }
    std::filesystem::remove_all(dir);
}

TEST(ReportTool, SampleChartFilePrintsTheWorkedReading) {
    const ToolRun run = Tool({RASHI_SAMPLE_DIR "/greenwich-2000.kqa"});
    ASSERT_EQ(run.status, 0) << run.err;
    std::istringstream lines(run.out);
    std::vector<std::string> captions;
    for (std::string line; std::getline(lines, line);) captions.push_back(line);
    ASSERT_EQ(captions.size(), 36u);
    EXPECT_EQ(captions[0], "Sun / Surya");
    EXPECT_EQ(captions[1], "16 Sag 31");
    EXPECT_EQ(captions[5], "19 Lib 27");
    EXPECT_EQ(captions[6], "Planet Moon aspects or has Rashi Drishti with Mesha, Kataka, Makara.");
    EXPECT_EQ(captions[33], "10 Cap 16");
    EXPECT_EQ(run.err, "");
}

bool HasLatinLetter(const std::string& text) {
    return std::any_of(text.begin(), text.end(), [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); });
}

// --lang hi: the 36 lines in Hindi, each aspect line naming its body and its
// signs in Devanagari alone; the birth-time lines too. The JSON and --batch
// stay English for scripts, and a language without a table is refused.
TEST(ReportTool, HindiReading) {
    const ToolRun run = Tool({"--lang", "hi", "--window", RASHI_SAMPLE_DIR "/greenwich-2000.kqa"});
    ASSERT_EQ(run.status, 0) << run.err;
    std::istringstream lines(run.out);
    std::vector<std::string> captions;
    for (std::string line; std::getline(lines, line);) captions.push_back(line);
    ASSERT_EQ(captions.size(), 38u);
    EXPECT_EQ(captions[0], "सूर्य");
    EXPECT_EQ(captions[1], "16° धनु 31′");
    EXPECT_EQ(captions[2], "सूर्य की राशि दृष्टि मिथुन, कन्या और मीन पर है।");
    EXPECT_EQ(captions[6], "चंद्र की राशि दृष्टि मेष, कर्क और मकर पर है।");
    EXPECT_EQ(captions[7], "चंद्र की राशि दृष्टि गुरु, शनि, राहु और केतु पर है।");
    EXPECT_EQ(captions[33], "10° मकर 16′");
    for (const std::string& line : captions) {
        if (line.find("20") == 0) continue;
        EXPECT_FALSE(HasLatinLetter(line)) << line;
    }
    EXPECT_TRUE(captions[36].starts_with("यह फल ")) << captions[36];
    EXPECT_TRUE(captions[37].starts_with("कुंडली (लग्न मेष) ")) << captions[37];

    const std::string english = Tool({"--json", RASHI_SAMPLE_DIR "/greenwich-2000.kqa"}).out;
    EXPECT_EQ(Tool({"--json", "--lang", "hi", RASHI_SAMPLE_DIR "/greenwich-2000.kqa"}).out, english);
    const std::string chart = "Ada\t1\t1\t2000\t12\t0\t29\t0\t0\t51\t28\tTrue\tFalse\tFalse\tLondon\tEngland\tUK\n";
    EXPECT_EQ(Tool({"--batch", "--lang", "hi"}, chart).out, Tool({"--batch"}, chart).out);
    const ToolRun wrong = Tool({"--lang", "ta", RASHI_SAMPLE_DIR "/greenwich-2000.kqa"});
    EXPECT_EQ(wrong.status, 2);
    EXPECT_EQ(wrong.out, "");
}

TEST(ReportTool, OptionsGiveTheSameReadingAsTheFile) {
    const ToolRun fromOptions = Tool(kGreenwich);
    ASSERT_EQ(fromOptions.status, 0) << fromOptions.err;
    EXPECT_EQ(fromOptions.out, Tool({RASHI_SAMPLE_DIR "/greenwich-2000.kqa"}).out);
}

TEST(ReportTool, BirthsBeyondTheFormulasYearsAndJulianDates) {
    const auto with = [](std::initializer_list<std::string> more) {
        std::vector<std::string> args = kGreenwich;
        args.insert(args.end(), more);
        return args;
    };
    struct Case {
        const char* what;
        std::vector<std::string> args;
        const char* ephemeris;
        int gregorianDay;  // the birth's day in the Gregorian calendar
        const char* given; // the julian_date's dump, or "null"
    };
    const Case cases[] = {
        {"1850 by the formulas", with({"--date", "1850-06-01", "--json"}), "precise", 1, "null"},
        {"2000 by the formulas", with({"--date", "2000-01-01", "--json"}), "formulas", 1, "null"},
        {"1700 Julian", with({"--date", "1700-02-29", "--calendar", "julian", "--json"}), "precise", 11,
         R"({"day":29,"month":2,"year":1700})"},
        {"2400 true node", with({"--date", "2400-12-31", "--nodes", "true", "--json"}), "precise", 31, "null"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ToolRun run = Tool(c.args);
        ASSERT_EQ(run.status, 0) << run.err;
        const auto json = nlohmann::json::parse(run.out);
        EXPECT_EQ(json.at("ephemeris"), c.ephemeris);
        EXPECT_EQ(json.at("birth").at("day"), c.gregorianDay);
        EXPECT_EQ(json.value("julian_date", nlohmann::json()).dump(), c.given);
        EXPECT_EQ(json.contains("nodes"), std::string(c.what).ends_with("node"));
    }
    // The same moment: a Julian date and its Gregorian day agree.
    const ToolRun julian = Tool(with({"--date", "1700-03-01", "--calendar", "julian", "--json"}));
    const ToolRun gregorian = Tool(with({"--date", "1700-03-12", "--json"}));
    EXPECT_EQ(nlohmann::json::parse(julian.out).at("longitudes"), nlohmann::json::parse(gregorian.out).at("longitudes"));
}

TEST(ReportTool, WrongInputGivesTheProgramsMessageAndNoOutput) {
    struct Case {
        const char* what;
        std::vector<std::string> args;
        const char* message;
    };
    const auto with = [](std::vector<std::string> args, std::initializer_list<std::string> more) {
        args.insert(args.end(), more);
        return args;
    };
    const Case cases[] = {
        {"no name", {"--date", "2000-01-01", "--lat", "1:1N"}, "Please Enter Your Name"},
        {"31 April", with(kGreenwich, {"--date", "1990-04-31"}), "Please Enter Correct Date Or Month !"},
        {"29 February 1901", with(kGreenwich, {"--date", "1901-02-29"}), "Please Enter Correct Date Or Month!"},
        {"digit in a name", with(kGreenwich, {"--name", "R2D2"}), "Please enter only letters"},
        {"comma in a city", with(kGreenwich, {"--city", "Fallon, MO"}), "Please enter only letters"},
        {"apostrophe alone", with(kGreenwich, {"--name", "'"}), "Please enter only letters"},
        {"four-digit degrees", with(kGreenwich, {"--lat", "1234:0N"}), "Please enter only numbers"},
        {"latitude 99", with(kGreenwich, {"--lat", "99:0N"}), "Please Enter Correct Degree of Latitude"},
        {"latitude 999:99", with(kGreenwich, {"--lat", "999:99N"}), "Please Enter Correct Degree of Latitude"},
        {"latitude minutes 60", with(kGreenwich, {"--lat", "51:60N"}), "Please Enter Correct Minutes of Latitude"},
        {"longitude 181", with(kGreenwich, {"--lon", "181:0E"}), "Please Enter Correct Degree of Longitude"},
        {"longitude 180:01", with(kGreenwich, {"--lon", "180:1W"}), "Please Enter Correct Minute of Longitude"},
        {"an atlas birth on 31 April: the day's message, not the zone's",
         {"--name", "Ada", "--date", "1990-04-31", "--time", "12:00", "--place", "Pune"},
         "Please Enter Correct Date Or Month !"},
        {"an atlas birth off the globe by hand", {"--name", "Ada", "--date", "1990-04-30", "--time", "12:00",
                                                  "--place", "Pune", "--lat", "91:0N"},
         "Please Enter Correct Degree of Latitude"},
        {"upper-case extension", {"chart.KQA"}, "Please Check The File."},
        {"missing file", {"/nonexistent/chart.kqa"}, "Please Check The File."},
        {"year outside the list", with(kGreenwich, {"--date", "1599-12-31"}), "The year must be 1600 to 2400"},
        {"year after the list", with(kGreenwich, {"--date", "2401-01-01"}), "The year must be 1600 to 2400"},
        {"29 February 1700", with(kGreenwich, {"--date", "1700-02-29"}), "Please Enter Correct Date Or Month!"},
        {"30 February 1700 Julian", with(kGreenwich, {"--date", "1700-02-30", "--calendar", "julian"}),
         "Please Enter Correct Date Or Month!"},
        {"unknown calendar", with(kGreenwich, {"--calendar", "hijri"}),
         "Unknown calendar \"hijri\"; give one of julian, gregorian"},
        {"unknown nodes", with(kGreenwich, {"--nodes", "osculating"}),
         "Unknown nodes \"osculating\"; give one of true, mean"},
        {"unknown option", {"--frobnicate"}, "Unknown option --frobnicate; see --help"},
        {"nothing at all", {}, "Give a chart file or the birth; see --help"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ToolRun run = Tool(c.args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(LastLine(run.err), c.message);
    }
}

TEST(ReportTool, CorruptChartFilesAreRefusedWhole) {
    const auto dir = TempDir();
    std::ifstream sample(RASHI_SAMPLE_DIR "/greenwich-2000.kqa", std::ios::binary);
    const std::string good((std::istreambuf_iterator<char>(sample)), {});
    std::string monthThirteen = good;
    const auto secondLine = good.find("\r\n") + 2;
    monthThirteen.replace(secondLine, good.find('\r', secondLine) - secondLine, EncodeText("13"));
    const std::string cases[] = {good.substr(0, good.size() / 2), monthThirteen, std::string(200000, '\xA0')};
    int n = 0;
    for (const std::string& bytes : cases) {
        const auto path = dir / ("bad" + std::to_string(n++) + ".kqa");
        std::ofstream(path, std::ios::binary) << bytes;
        const ToolRun run = Tool({path.string()});
        EXPECT_EQ(run.status, 2) << n;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(LastLine(run.err), "Please Check The File.");
    }
    std::filesystem::remove_all(dir);
}

TEST(ReportTool, SaveWritesTheSampleBytes) {
    const auto dir = TempDir();
    const auto path = dir / "greenwich";
    std::vector<std::string> args = kGreenwich;
    args[13] = "London ";
    args.insert(args.end(), {"--save", path.string()});
    args[17] = "United Kingdom";
    const ToolRun run = Tool(args);
    ASSERT_EQ(run.status, 0) << run.err;
    std::ifstream saved(path.string() + ".kqa", std::ios::binary);
    std::ifstream sample(RASHI_SAMPLE_DIR "/greenwich-2000.kqa", std::ios::binary);
    EXPECT_EQ(std::string((std::istreambuf_iterator<char>(saved)), {}),
              std::string((std::istreambuf_iterator<char>(sample)), {}));
    std::filesystem::remove_all(dir);
}

TEST(ReportTool, JsonCarriesTheWholeReading) {
    std::vector<std::string> args = kGreenwich;
    args.push_back("--json");
    const ToolRun run = Tool(args);
    ASSERT_EQ(run.status, 0) << run.err;
    for (const char* part : {"\"moon_position_text\":\"19\u00B0 27' 44\\\" Lib\"", "\"chart_ayanamsa\":-23.85",
                             "\"name\":\"Ada\"", "\"position\":\"16 Sag 31\"", "\"grahas\":[",
                             "\"signed_zone_hours\":0", "{\"schema_version\":1,"})
        EXPECT_NE(run.out.find(part), std::string::npos) << part;
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1);
}

TEST(ReportTool, BatchGoesOnPastBadLines) {
    const std::string good = "Ada\t1\t1\t2000\t12\t0\t29\t0\t0\t51\t28\tTrue\tFalse\tFalse\tLondon\tEngland\tUK";
    const std::string input = good + "\n" +
                              "\t1\t1\t2000\t12\t0\t29\t0\t0\t51\t28\tTrue\tFalse\tFalse\tLondon\tEngland\tUK\n" +
                              "too\tfew\tfields\n" + good + "\r\n";
    const ToolRun run = Tool({"--batch"}, input);
    EXPECT_EQ(run.status, 1);
    std::istringstream lines(run.out);
    std::vector<std::string> out;
    for (std::string line; std::getline(lines, line);) out.push_back(line);
    ASSERT_EQ(out.size(), 4u);
    EXPECT_EQ(out[0].substr(0, 14), "1\tSun / Surya\t");
    EXPECT_EQ(std::count(out[0].begin(), out[0].end(), '\t'), 36);
    EXPECT_EQ(out[1], "2\terror\tPlease Enter Your Name");
    EXPECT_EQ(out[2], "3\terror\tPlease Check The File.");
    EXPECT_EQ(out[3].substr(1), out[0].substr(1));
    EXPECT_EQ(Tool({"--batch"}, good + "\n").status, 0);
}

// Streams whose device fails: a full disk on writing, an unreadable input.
struct FullDevice : std::streambuf {
    int_type overflow(int_type) override { return traits_type::eof(); }
    std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};
struct BrokenDevice : std::streambuf {
    int_type underflow() override { throw std::ios_base::failure("read error"); }
};

TEST(ReportTool, FailedWritesAndReadsAreErrors) {
    const std::string good = "Ada\t1\t1\t2000\t12\t0\t29\t0\t0\t51\t28\tTrue\tFalse\tFalse\tLondon\tEngland\tUK\n";
    struct Case {
        const char* what;
        std::vector<std::string> args;
        bool brokenInput;
        const char* message;
    };
    const Case cases[] = {
        {"report", {RASHI_SAMPLE_DIR "/greenwich-2000.kqa"}, false, "Cannot write the output"},
        {"json", {"--json", RASHI_SAMPLE_DIR "/greenwich-2000.kqa"}, false, "Cannot write the output"},
        {"help", {"--help"}, false, "Cannot write the output"},
        {"batch output", {"--batch"}, false, "Cannot write the output"},
        {"batch input", {"--batch"}, true, "Cannot read the charts from standard input"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FullDevice full;
        BrokenDevice broken;
        std::istringstream goodInput(good);
        std::istream brokenInput(&broken);
        std::ostringstream captured;
        std::ostream fullOutput(&full);
        std::ostringstream err;
        const int status = RunReportTool(c.args, c.brokenInput ? brokenInput : goodInput,
                                         c.brokenInput ? static_cast<std::ostream&>(captured) : fullOutput, err);
        EXPECT_EQ(status, 3);
        EXPECT_EQ(LastLine(err.str()).substr(0, std::string(c.message).size()), c.message) << err.str();
    }
}

// A disk that fills up part of the way: the first `room` bytes go, then
// every write fails as the system's would, with errno set.
struct FillingDevice : std::streambuf {
    explicit FillingDevice(std::size_t room) : room(room) {}
    std::size_t room;
    int_type overflow(int_type c) override {
        const char byte = traits_type::to_char_type(c);
        return xsputn(&byte, 1) == 1 ? c : traits_type::eof();
    }
    std::streamsize xsputn(const char*, std::streamsize n) override {
        if (room < std::size_t(n)) {
            errno = ENOSPC;
            return 0;
        }
        room -= std::size_t(n);
        return n;
    }
};

// The system's reason is said however far the output got: on the first
// write, or once the first 64 KB of a long batch went through.
TEST(ReportTool, BatchSaysWhyTheOutputFailedWhereverItFailed) {
    const std::string good = "Ada\t1\t1\t2000\t12\t0\t29\t0\t0\t51\t28\tTrue\tFalse\tFalse\tLondon\tEngland\tUK\n";
    std::string many;
    for (int i = 0; i < 300; ++i) many += good; // about 500 KB of output
    const std::size_t rooms[] = {0, 100, std::size_t(1) << 16, (std::size_t(1) << 16) + 5000, 300000};
    for (const std::size_t room : rooms) {
        SCOPED_TRACE(room);
        FillingDevice device(room);
        std::ostream out(&device);
        std::istringstream in(many);
        std::ostringstream err;
        EXPECT_EQ(RunReportTool({"--batch"}, in, out, err), 3);
        EXPECT_EQ(err.str(), "Cannot write the output: No space left on device\n");
    }
}

TEST(ReportTool, BatchRefusesAnOverlongLineInPlace) {
    const std::string good = "Ada\t1\t1\t2000\t12\t0\t29\t0\t0\t51\t28\tTrue\tFalse\tFalse\tLondon\tEngland\tUK";
    const std::string input = good + "\n" + std::string(MaxBatchLineBytes() + 1, 'A') + "\n" + good;
    const ToolRun run = Tool({"--batch"}, input);
    EXPECT_EQ(run.status, 1);
    std::istringstream lines(run.out);
    std::vector<std::string> out;
    for (std::string line; std::getline(lines, line);) out.push_back(line);
    ASSERT_EQ(out.size(), 3u);
    EXPECT_EQ(out[1], "2\terror\tPlease Check The File.");
    EXPECT_EQ(out[2].substr(1), out[0].substr(1));
    // The longest line a chart can make is still read.
    EXPECT_EQ(Tool({"--batch"}, std::string(MaxBatchLineBytes(), 'A') + "\n").out, "1\terror\tPlease Check The File.\n");
}

TEST(ReportTool, OnlyRegularFilesAreRead) {
    const auto dir = TempDir();
    ASSERT_EQ(mkfifo((dir / "pipe.kqa").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", dir / "device.kqa");
    std::filesystem::create_directory(dir / "folder.kqa");
    for (const char* name : {"pipe.kqa", "device.kqa", "folder.kqa"}) {
        SCOPED_TRACE(name);
        const ToolRun run = Tool({(dir / name).string()}); // would hang if the pipe were opened for reading
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(LastLine(run.err), "Please Check The File.");
        EXPECT_NE(run.err.find(name), std::string::npos) << "the detail names the file";
    }
    std::filesystem::remove_all(dir);
}

TEST(ReportTool, AFolderNamedForOneFileWritesNoneOfThem) {
    const auto dir = TempDir();
    std::filesystem::create_directory(dir / "taken");
    struct Case {
        const char* what;
        std::vector<std::string> options;
        const char* message;
    };
    const std::string pdf = (dir / "p.pdf").string(), svg = (dir / "s.svg").string(),
                      save = (dir / "c.kqa").string(), taken = (dir / "taken").string();
    const Case cases[] = {
        {"svg", {"--pdf", pdf, "--save", save, "--svg", taken}, "--svg must name a file, not a folder"},
        {"pdf", {"--save", save, "--svg", svg, "--pdf", taken}, "--pdf must name a file, not a folder"},
        {"save", {"--pdf", pdf, "--svg", svg, "--save", taken}, "--save must name a file, not a folder"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::string> args = kGreenwich;
        args.insert(args.end(), c.options.begin(), c.options.end());
        const ToolRun run = Tool(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(LastLine(run.err), c.message);
        for (const std::string& file : {pdf, svg, save}) EXPECT_FALSE(std::filesystem::exists(file)) << file;
    }
    std::filesystem::remove_all(dir);
}

TEST(ReportTool, SaveNamesAFileAndNeverWritesThroughAnotherOne) {
    const auto dir = TempDir();
    const auto saveTo = [&](const std::string& target) {
        std::vector<std::string> args = kGreenwich;
        args.insert(args.end(), {"--save", target});
        return Tool(args);
    };
    for (const std::string& target : {std::string(), (dir / "").string(), std::string("/"), (dir / ".").string(),
                                      (dir / "..").string()}) {
        SCOPED_TRACE(target);
        const ToolRun run = saveTo(target);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(LastLine(run.err), "--save must name a file, not a folder");
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir));

    // A file and a symbolic link where a fixed temporary name would be stay untouched.
    std::ofstream(dir / "victim") << "keep me";
    std::filesystem::create_symlink(dir / "victim", dir / "chart.kqa.part");
    ASSERT_EQ(saveTo((dir / "chart.kqa").string()).status, 0);
    std::ifstream victim(dir / "victim");
    EXPECT_EQ(std::string((std::istreambuf_iterator<char>(victim)), {}), "keep me");

    // An existing chart keeps its permissions; a read-only one is refused and kept.
    chmod((dir / "chart.kqa").c_str(), 0640);
    ASSERT_EQ(saveTo((dir / "chart.kqa").string()).status, 0);
    EXPECT_EQ(std::filesystem::status(dir / "chart.kqa").permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                  std::filesystem::perms::group_read);
    std::ofstream(dir / "locked.kqa") << "old";
    chmod((dir / "locked.kqa").c_str(), 0444);
    const ToolRun locked = saveTo((dir / "locked.kqa").string());
    EXPECT_EQ(locked.status, 3);
    EXPECT_NE(locked.err.find("read-only"), std::string::npos) << locked.err;
    std::ifstream old(dir / "locked.kqa");
    EXPECT_EQ(std::string((std::istreambuf_iterator<char>(old)), {}), "old");
    // Nothing but the charts, the victim and the link is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 4);
    std::filesystem::remove_all(dir);
}

// A text longer than its box holds is refused at once with the box's
// limit, and nothing is written: saved, the program would refuse the chart.
// The longest the box holds is saved and read back.
TEST(ReportTool, TextsTakeNoMoreThanTheirBoxesHold) {
    const auto dir = TempDir();
    const std::string chart = (dir / "long.kqa").string();
    const std::string longest(kMaxChartLineBytes, 'a');
    struct Case {
        const char* option;
        std::string value;
        const char* message; // empty: saved and read back
    };
    const Case cases[] = {
        {"--name", longest + "a", "--name takes at most 32767 characters, as its box does"},
        {"--city", longest + "a", "--city takes at most 32767 characters, as its box does"},
        {"--state", std::string(40000, 'b'), "--state takes at most 32767 characters, as its box does"},
        {"--country", longest + " ", "--country takes at most 32767 characters, as its box does"},
        {"--name", longest, ""},
        {"--country", longest, ""},
        // The box counts letters, not bytes: राम's are three bytes each.
        {"--city", [] { std::string c; for (int i = 0; i < 20000; ++i) c += "र"; return c; }(), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.option) + " of " + std::to_string(c.value.size()));
        std::filesystem::remove(chart);
        std::vector<std::string> args = kGreenwich;
        args.insert(args.end(), {c.option, c.value, "--save", chart});
        const ToolRun run = Tool(args);
        if (*c.message) {
            EXPECT_EQ(run.status, 2);
            EXPECT_EQ(run.out, "");
            EXPECT_EQ(LastLine(run.err), c.message);
            EXPECT_FALSE(std::filesystem::exists(chart));
            continue;
        }
        ASSERT_EQ(run.status, 0) << run.err;
        const ToolRun again = Tool({chart});
        EXPECT_EQ(again.status, 0) << LastLine(again.err);
        EXPECT_EQ(again.out, run.out);
    }
    std::filesystem::remove_all(dir);
}

// A file's name may be as long as the system allows (255 bytes): the
// temporary file beside it must not need a longer one.
TEST(ReportTool, FilesOfTheLongestNamesAreWritten) {
    const auto dir = TempDir();
    for (const std::size_t length : {240u, 246u, 247u, 250u, 255u}) {
        SCOPED_TRACE(length);
        struct Target {
            const char* option;
            std::string name;
        };
        const Target targets[] = {
            {"--save", std::string(length - 4, 'c') + ".kqa"},
            {"--pdf", std::string(length - 4, 'p') + ".pdf"},
            {"--svg", std::string(length - 4, 's') + ".svg"},
        };
        std::vector<std::string> args = kGreenwich;
        for (const Target& t : targets) args.insert(args.end(), {t.option, (dir / t.name).string()});
        const ToolRun run = Tool(args);
        EXPECT_EQ(run.status, 0) << run.err;
        for (const Target& t : targets) EXPECT_TRUE(std::filesystem::is_regular_file(dir / t.name)) << t.option;
        // The chart reads back.
        EXPECT_EQ(Tool({(dir / targets[0].name).string()}).out, run.out);
    }
    // Nothing but the files asked for.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 15);
    std::filesystem::remove_all(dir);
}

TEST(ReportTool, OptionsTakeOnlyWhatTheBoxesWould) {
    struct Case {
        const char* option;
        std::string value;
        const char* message;
    };
    const Case cases[] = {
        {"--name", "A\bda", "Please enter only letters"},
        {"--city", "Lon\x7f", "Please enter only letters"},
        {"--lat", "\b:0N", "Please enter only numbers"},
        {"--lon", "\x7f\x7f:0E", "Please enter only numbers"},
        {"--lat", "51:\x7fN", "Please enter only numbers"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.option);
        std::vector<std::string> args = kGreenwich;
        args.insert(args.end(), {c.option, c.value});
        const ToolRun run = Tool(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(LastLine(run.err), c.message);
    }
}

TEST(ReportTool, PreciseIsChosenPerRunAndNamedInJson) {
    std::vector<std::string> json = kGreenwich;
    json.push_back("--json");
    std::vector<std::string> preciseJson = json;
    preciseJson.push_back("--precise");
    const ToolRun formulas = Tool(json);
    const ToolRun precise = Tool(preciseJson);
    ASSERT_EQ(precise.status, 0) << precise.err;
    EXPECT_NE(formulas.out.find("\"ephemeris\":\"formulas\""), std::string::npos);
    EXPECT_NE(precise.out.find("\"ephemeris\":\"precise\""), std::string::npos);
    // The precise mean node has no fixed degree: North Node 10 Can 16 becomes 11 Can.
    EXPECT_NE(precise.out.find("\"position\":\"11 Can"), std::string::npos) << precise.out;

    const std::string chart = "Ada\t1\t1\t2000\t12\t0\t29\t0\t0\t51\t28\tTrue\tFalse\tFalse\tLondon\tEngland\tUK\n";
    const ToolRun batch = Tool({"--batch"}, chart);
    const ToolRun preciseBatch = Tool({"--batch", "--precise"}, chart);
    ASSERT_EQ(preciseBatch.status, 0) << preciseBatch.err;
    EXPECT_NE(preciseBatch.out, batch.out);
    EXPECT_NE(preciseBatch.out.find("\t11 Can "), std::string::npos) << preciseBatch.out;
    // Without the option nothing changes.
    EXPECT_EQ(Tool(kGreenwich).out, Tool({RASHI_SAMPLE_DIR "/greenwich-2000.kqa"}).out);
}

TEST(ReportTool, PlacesAndZonesFromTheAtlas) {
    const std::vector<std::string> birth = {"--name", "Ada", "--date", "1942-09-01", "--time", "12:00"};
    const auto with = [&](std::initializer_list<std::string> more) {
        std::vector<std::string> args = birth;
        args.insert(args.end(), more);
        return args;
    };
    struct Case {
        const char* what;
        std::vector<std::string> args;
        std::vector<std::string> inJson; // parts of the JSON, or the last line of stderr for exit 2
        int status;
    };
    const Case cases[] = {
        {"war time in Kolkata: the exact offset, row and box",
         with({"--place", "Kolkata", "--json"}),
         {"\"city\":\"Kolkata\"", "\"state\":\"West Bengal\"", "\"zone_id\":\"Asia/Kolkata\"",
          "\"utc_offset_minutes\":390", "\"daylight_saving\":true", "\"lat_degrees\":22"},
         0},
        {"an alternate name, narrowed by state", with({"--place", "Bombay, Maharashtra", "--json"}),
         {"\"city\":\"Mumbai\""}, 0},
        {"options beside --place win", with({"--place", "Pune", "--city", "Poona", "--json"}),
         {"\"city\":\"Poona\"", "\"zone_id\":\"Asia/Kolkata\""}, 0},
        {"a row by hand drops the zone id", with({"--place", "Pune", "--zone", "34", "--json"}),
         {"\"zone_id\":null", "\"utc_offset_minutes\":330"}, 0},
        {"Kathmandu, +5:45, which no row gives",
         {"--name", "Ada", "--date", "2000-01-01", "--time", "12:00", "--place", "Kathmandu", "--json"},
         {"\"utc_offset_minutes\":345", "\"zone_id\":\"Asia/Kathmandu\""}, 0},
        {"a zone id for a birth given by options",
         {"--name", "Ada", "--date", "1950-07-01", "--time", "12:00", "--lat", "40:43N", "--lon", "74:0W", "--city",
          "New York", "--state", "New York", "--country", "USA", "--zone-id", "America/New_York", "--json"},
         {"\"utc_offset_minutes\":-240", "\"daylight_saving\":true"}, 0},
        {"a city state takes its country as the state", with({"--place", "Singapore", "--json"}),
         {"\"city\":\"Singapore\"", "\"state\":\"Singapore\"", "\"country\":\"Singapore\""}, 0},
        {"so does Gibraltar", with({"--place", "Gibraltar", "--json"}), {"\"state\":\"Gibraltar\""}, 0},
        {"and Vatican City", with({"--place", "Vatican City", "--json"}), {"\"state\":\"Vatican City\""}, 0},
        {"and Macau", with({"--place", "Macau", "--json"}), {"\"state\":\"Macau\"", "\"zone_id\":\"Asia/Macau\""}, 0},
        {"a state given beside it wins", with({"--place", "Singapore", "--state", "Central", "--json"}),
         {"\"state\":\"Central\""}, 0},
        {"no such place", with({"--place", "Xyzzyville"}), {"No place in the atlas matches \"Xyzzyville\""}, 2},
        {"no such zone", with({"--place", "Pune", "--zone-id", "Mars/Olympus"}),
         {"The time zone \"Mars/Olympus\" is not known to this computer."}, 2},
        {"this machine's own zone", with({"--place", "Pune", "--zone-id", "localtime"}),
         {"The time zone \"localtime\" names no place; give the zone of the birth's place, such as Asia/Kolkata."}, 2},
        {"a bare offset", with({"--place", "Pune", "--zone-id", "Etc/GMT-5"}),
         {"The time zone \"Etc/GMT-5\" names no place; give the zone of the birth's place, such as Asia/Kolkata."}, 2},
        {"an old name of a place's zone", with({"--place", "Pune", "--zone-id", "Asia/Calcutta", "--json"}),
         {"\"zone_id\":\"Asia/Calcutta\"", "\"utc_offset_minutes\":390"}, 0},
        {"a zone id of a bad shape", with({"--place", "Pune", "--zone-id", "../etc/passwd"}),
         {"Unknown time zone \"../etc/passwd\""}, 2},
        {"a clock time that never was",
         {"--name", "Ada", "--date", "2020-03-08", "--time", "02:30", "--place", "New York City"},
         {"America/New_York on 8 Mar 2020 02:30 never happened: the clocks went forward from UTC-5:00 to "
          "UTC-4:00."},
         2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ToolRun run = Tool(c.args);
        EXPECT_EQ(run.status, c.status) << run.err;
        for (const std::string& part : c.inJson) {
            if (c.status == 0) EXPECT_NE(run.out.find(part), std::string::npos) << part << "\n" << run.out;
            else EXPECT_EQ(LastLine(run.err), part);
        }
    }
    // A clock time that happened twice says so and how to choose.
    const ToolRun twice = Tool({"--name", "Ada", "--date", "2020-11-01", "--time", "01:30", "--place", "New York City"});
    EXPECT_EQ(twice.status, 2);
    EXPECT_NE(twice.err.find("happened twice"), std::string::npos) << twice.err;
}

// The birthplace's own time in the JSON: the offset, and the note the window
// shows beside the zone.
TEST(ReportTool, LocalMeanTimeAndCityTimesFromThePlace) {
    struct Case {
        const char* place;
        const char* date;
        long offsetMinutes;
        std::vector<std::string> inNote;
        std::vector<std::string> notInNote;
    };
    const Case cases[] = {
        {"Jeddah", "1930-06-01", 157, {"local mean time of Jeddah, 39°11′ E: UTC+2:36:44"}, {}},
        {"Riyadh", "1930-06-01", 187, {"local mean time of Riyadh"}, {}},
        {"Pokhara", "1910-06-01", 336, {"local mean time of Pokhara"}, {}},
        {"Abu Dhabi", "1912-06-01", 218, {"local mean time of Abu Dhabi"}, {}},
        {"Mumbai", "1930-06-01", 291, {"Bombay Time", "choose Indian Time"}, {}},
        {"Mumbai", "1960-06-01", 330, {"Indian Time"}, {"Bombay Time"}},
        {"Kolkata", "1940-06-01", 353, {"Calcutta Time"}, {}},
        {"Kolkata", "1950-06-01", 330, {"Indian Time"}, {"Calcutta Time"}},
        {"Chennai", "1930-06-01", 330, {"Indian Time"}, {"Bombay Time", "Calcutta Time"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.place) + " " + c.date);
        const ToolRun run = Tool({"--name", "Ada", "--date", c.date, "--time", "12:00", "--place", c.place, "--json"});
        ASSERT_EQ(run.status, 0) << run.err;
        const auto birth = nlohmann::json::parse(run.out).at("birth");
        EXPECT_EQ(birth.at("utc_offset_minutes").get<long>(), c.offsetMinutes);
        const std::string note = birth.at("zone_note").get<std::string>();
        for (const std::string& part : c.inNote) EXPECT_NE(note.find(part), std::string::npos) << note;
        for (const std::string& part : c.notInNote) EXPECT_EQ(note.find(part), std::string::npos) << note;
    }
    // A row chosen by hand has no zone id and so no note.
    const ToolRun byHand = Tool({"--name", "Ada", "--date", "1930-06-01", "--time", "12:00", "--place", "Mumbai",
                                 "--zone", "34", "--json"});
    ASSERT_EQ(byHand.status, 0) << byHand.err;
    const auto birth = nlohmann::json::parse(byHand.out).at("birth");
    EXPECT_TRUE(birth.at("zone_note").is_null());
    EXPECT_EQ(birth.at("utc_offset_minutes").get<long>(), 330);
}

// Name, state, country, latitude, longitude, zone, population and the
// alternate name a place was found by (empty when its own name found it),
// the most populous first; guesses alike.
TEST(ReportTool, FindPlaceListsMatchesAsTabSeparatedLines) {
    const std::vector<std::string> kolkata = {"Kolkata", "West Bengal", "India", "22.5626", "88.3630", "Asia/Kolkata", "4631392"};
    struct Case {
        const char* typed;
        std::vector<std::string> first; // the first line's fields
    } cases[] = {
        {"Calcutta", testing::With(kolkata, {"Calcutta"})},
        {"Kolkata", testing::With(kolkata, {""})},
        {"Kolkatta", testing::With(kolkata, {""})}, // a guess by its own name
        {"Madrass", {"Chennai", "Tamil Nadu", "India", "13.0878", "80.2785", "Asia/Kolkata", "4681087", "Madras"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const ToolRun run = Tool({"--find-place", c.typed});
        ASSERT_EQ(run.status, 0) << run.err;
        const std::vector<std::string> lines = testing::Lines(run.out);
        ASSERT_FALSE(lines.empty());
        EXPECT_LE(lines.size(), 10u);
        EXPECT_EQ(testing::Fields(lines.front()), c.first);
        for (const std::string& line : lines) EXPECT_EQ(testing::Fields(line).size(), 8u) << line;
    }
    EXPECT_EQ(Tool({"--find-place", "Xyzzyville"}).status, 2);
}

TEST(ReportTool, BatchTakesAZoneIdAsAnEighteenthField) {
    const std::string chart = "Ada\t9\t1\t1942\t12\t0\t34\t88\t22\t22\t34\tTrue\tFalse\tTrue\tKolkata\tWest Bengal\tIndia";
    const ToolRun run = Tool({"--batch"}, chart + "\n" + chart + "\tAsia/Kolkata\n" + chart + "\tAsia/Nowhere\n" +
                                              chart + "\t\n" + chart + "\tlocaltime\n" + chart + "\tposix/Asia/Kolkata\n");
    EXPECT_EQ(run.status, 1);
    std::istringstream lines(run.out);
    std::vector<std::string> out;
    for (std::string line; std::getline(lines, line);) out.push_back(line);
    ASSERT_EQ(out.size(), 6u);
    // Indian Time with the box is exactly the war-time offset: the same reading.
    EXPECT_EQ(out[1].substr(1), out[0].substr(1));
    EXPECT_EQ(out[2], "3\terror\tPlease Check The File.");
    EXPECT_EQ(out[3].substr(1), out[0].substr(1)); // an empty 18th field is none
    // This machine's own zone, and the database's copies, name no place.
    EXPECT_EQ(out[4], "5\terror\tPlease Check The File.");
    EXPECT_EQ(out[5], "6\terror\tPlease Check The File.");
    // A 19th field is the calendar's (BatchReadsTheCalendarAndTheNodes); a 20th is no chart.
    EXPECT_EQ(Tool({"--batch"}, chart + "\tAsia/Kolkata\tmore\n").out, "1\terror\tPlease Check The File.\n");
    EXPECT_EQ(Tool({"--batch"}, chart + "\tAsia/Kolkata\t\t\n").out, "1\terror\tPlease Check The File.\n");
}

TEST(ReportTool, BatchReadsTheCalendarAndTheNodes) {
    // A London birth; 1 March 1700 Julian is 12 March Gregorian.
    const auto chart = [](int day) {
        return "Ada\t3\t" + std::to_string(day) + "\t1700\t12\t0\t29\t0\t0\t51\t28\tTrue\tFalse\tFalse\tLondon\tEngland\tUK";
    };
    const auto reading = [](const ToolRun& run) {
        EXPECT_EQ(run.status, 0) << run.out;
        return run.out.substr(run.out.find('\t')); // without the line number
    };
    const std::string gregorian = reading(Tool({"--batch"}, chart(12) + "\n"));
    const std::string julian = reading(Tool({"--batch"}, chart(1) + "\n"));
    ASSERT_NE(gregorian, julian);
    struct Case {
        const char* what;
        std::vector<std::string> args;
        std::string line;
        std::string expected;
    };
    const Case cases[] = {
        {"the 19th field", {"--batch"}, chart(1) + "\t\tjulian", gregorian},
        {"the option", {"--batch", "--calendar", "julian"}, chart(1), gregorian},
        {"the field before the option", {"--batch", "--calendar", "julian"}, chart(12) + "\t\tgregorian", gregorian},
        {"an empty field leaves the option", {"--batch", "--calendar", "julian"}, chart(1) + "\t\t", gregorian},
        {"Gregorian unless told", {"--batch"}, chart(1) + "\t\t", julian},
        {"beside a zone id", {"--batch"}, chart(1) + "\tEurope/London\tjulian", gregorian},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(reading(Tool(c.args, c.line + "\n")), c.expected);
    }
    // 29 February 1700 is a Julian date only.
    EXPECT_EQ(Tool({"--batch"}, "Ada\t2\t29\t1700\t12\t0\t29\t0\t0\t51\t28\tTrue\tFalse\tFalse\tLondon\tEngland\tUK\t\tjulian\n")
                  .status,
              0);
    EXPECT_EQ(Tool({"--batch"}, chart(1) + "\t\thijri\n").out, "1\terror\tPlease Check The File.\n");

    // --nodes holds for every line: the true node's sign and degree, as one reading gives them.
    const std::string now = "Ada\t1\t1\t2000\t12\t0\t29\t0\t0\t51\t28\tTrue\tFalse\tFalse\tLondon\tEngland\tUK\n";
    const std::vector<std::string> mean = testing::Fields(Tool({"--batch", "--precise"}, now).out);
    const std::vector<std::string> osculating = testing::Fields(Tool({"--batch", "--precise", "--nodes", "true"}, now).out);
    ASSERT_EQ(mean.size(), osculating.size());
    const int northNode = 1 + 4 * 7 + 1; // the line number, then four captions a body
    EXPECT_NE(mean[northNode], osculating[northNode]);
    const ToolRun one = Tool({"--precise", "--nodes", "true", RASHI_SAMPLE_DIR "/greenwich-2000.kqa"});
    EXPECT_NE(one.out.find(osculating[northNode]), std::string::npos) << osculating[northNode] << "\n" << one.out;
    EXPECT_EQ(Tool({"--batch", "--nodes", "osculating"}, now).status, 2);
}

TEST(ReportTool, BatchNamesTheBoxOfAPlaceOffTheGlobe) {
    const auto line = [](const char* lonDeg, const char* latDeg, const char* latMin) {
        return std::string("Ada\t1\t1\t2000\t12\t0\t29\t") + lonDeg + "\t0\t" + latDeg + "\t" + latMin +
               "\tTrue\tFalse\tFalse\tLondon\tEngland\tUK\n";
    };
    const ToolRun run = Tool({"--batch"}, line("0", "99", "0") + line("181", "51", "28") + line("0", "51", "60") +
                                              line("180", "90", "0"));
    EXPECT_EQ(run.status, 1);
    std::istringstream lines(run.out);
    std::vector<std::string> out;
    for (std::string l; std::getline(lines, l);) out.push_back(l);
    ASSERT_EQ(out.size(), 4u);
    EXPECT_EQ(out[0], "1\terror\tPlease Enter Correct Degree of Latitude");
    EXPECT_EQ(out[1], "2\terror\tPlease Enter Correct Degree of Longitude");
    EXPECT_EQ(out[2], "3\terror\tPlease Enter Correct Minutes of Latitude");
    EXPECT_EQ(out[3].substr(0, 14), "4\tSun / Surya\t");
}

TEST(ReportTool, TheTwiceHappenedHourIsReadByTheBox) {
    // New York, 1 Nov 2020, 01:30, row Eastern Standard Time, zone id America/New_York.
    const auto dir = TempDir();
    struct Case {
        const char* box;
        const char* offset;
    };
    const Case cases[] = {{"False", "\"utc_offset_minutes\":-300"}, {"True", "\"utc_offset_minutes\":-240"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.box);
        const std::vector<std::string> lines = {"Ada",  "11",    "1",     "2020", "1",  "30",       "27",
                                                "74",   "0",     "40",    "43",   "False", "False", c.box,
                                                "New York", "New York", "USA", "America/New_York"};
        std::string bytes;
        for (const std::string& l : lines) bytes += EncodeText(l) + "\r\n";
        const auto path = dir / (std::string(c.box) + ".kqa");
        std::ofstream(path, std::ios::binary) << bytes;
        const ToolRun run = Tool({path.string(), "--json"});
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_NE(run.out.find(c.offset), std::string::npos) << run.out;
        // The batch reads the same line the same way.
        std::string tabbed;
        for (const std::string& l : lines) tabbed += (tabbed.empty() ? "" : "\t") + l;
        const ToolRun batch = Tool({"--batch"}, tabbed + "\n");
        EXPECT_EQ(batch.status, 0) << batch.out;
        // Row and box given by hand decide too.
        std::vector<std::string> args = {"--name", "Ada", "--date", "2020-11-01", "--time", "01:30",
                                         "--place", "New York City", "--zone", "27", "--json"};
        if (std::string(c.box) == "True") args.push_back("--dst");
        const ToolRun options = Tool(args);
        ASSERT_EQ(options.status, 0) << options.err;
        EXPECT_NE(options.out.find(c.offset), std::string::npos) << options.out;
    }
    std::filesystem::remove_all(dir);
}

TEST(ReportTool, RuleAscendantAndLongitudesInTheReading) {
    std::vector<std::string> json = kGreenwich;
    json.push_back("--json");
    const ToolRun ours = Tool(json);
    ASSERT_EQ(ours.status, 0) << ours.err;
    for (const char* part : {"\"rule\":\"ours\"", "\"ascendant\":{\"longitude\":", "\"position\":\"",
                             "\"longitudes\":[256.5"})
        EXPECT_NE(ours.out.find(part), std::string::npos) << part << "\n" << ours.out;

    std::vector<std::string> classicalArgs = kGreenwich;
    classicalArgs.insert(classicalArgs.end(), {"--rule", "classical"});
    const ToolRun classical = Tool(classicalArgs);
    ASSERT_EQ(classical.status, 0) << classical.err;
    // The Moon in Libra aspects the fixed signs but Scorpio.
    EXPECT_NE(classical.out.find("Planet Moon aspects or has Rashi Drishti with Vrishabha, Simha, Kumbha."),
              std::string::npos);
    EXPECT_EQ(Tool({"--batch", "--rule", "classical"},
                   "Ada\t1\t1\t2000\t12\t0\t29\t0\t0\t51\t28\tTrue\tFalse\tFalse\tLondon\tEngland\tUK\n")
                  .out.find("Vrishabha, Simha, Kumbha") != std::string::npos,
              true);
    std::vector<std::string> wrongRule = kGreenwich;
    wrongRule.insert(wrongRule.end(), {"--rule", "mine"});
    EXPECT_EQ(Tool(wrongRule).status, 2);
}

// A Hindi page registers fonts of its own for its shaped text; the program
// still ends cleanly (the test's process would crash at its exit otherwise).
TEST(ReportTool, AHindiPdfAndAnOrdinaryEnd) {
    const auto dir = TempDir();
    const std::string pdf = (dir / "hindi.pdf").string();
    std::vector<std::string> args = kGreenwich;
    args.insert(args.end(), {"--lang", "hi", "--pdf", pdf});
    const ToolRun run = Tool(args);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_GT(std::filesystem::file_size(pdf), 1000u);
    std::filesystem::remove_all(dir);
}

TEST(ReportTool, PdfAndSvgWithoutADisplay) {
    const auto dir = TempDir();
    const std::string pdf = (dir / "ada.pdf").string();
    const std::string svg = (dir / "ada.svg").string();
    std::vector<std::string> args = kGreenwich;
    args.insert(args.end(), {"--pdf", pdf, "--svg", svg, "--chart", "north", "--rule", "classical"});
    const ToolRun run = Tool(args);
    ASSERT_EQ(run.status, 0) << run.err;
    std::ifstream pdfFile(pdf, std::ios::binary);
    const std::string pdfBytes((std::istreambuf_iterator<char>(pdfFile)), {});
    EXPECT_EQ(pdfBytes.substr(0, 5), "%PDF-");
    std::ifstream svgFile(svg);
    const std::string svgText((std::istreambuf_iterator<char>(svgFile)), {});
    EXPECT_NE(svgText.find("<svg"), std::string::npos);
    EXPECT_NE(svgText.find("</svg>"), std::string::npos);
    // The page holds the reading's words (pdftotext, when it is there).
    if (std::system("command -v pdftotext >/dev/null 2>&1") == 0) {
        const std::string text = (dir / "ada.txt").string();
        ASSERT_EQ(std::system(("pdftotext '" + pdf + "' '" + text + "'").c_str()), 0);
        std::ifstream textFile(text);
        const std::string words((std::istreambuf_iterator<char>(textFile)), {});
        for (const char* part : {"Ada", "Classical", "Planet Moon aspects or has Rashi Drishti with"})
            EXPECT_NE(words.find(part), std::string::npos) << part;
    }
    // A name is written as given, in whatever bytes: not UTF-8, or UTF-8.
    for (const std::string name : {"ada\xff\xfe.pdf", "\xe0\xa4\x85" "da.svg", "caf\xe9 \x01.pdf"}) {
        std::vector<std::string> odd = kGreenwich;
        odd.insert(odd.end(), {name.ends_with(".svg") ? "--svg" : "--pdf", (dir / name).string()});
        ASSERT_EQ(Tool(odd).status, 0) << name;
        EXPECT_TRUE(std::filesystem::is_regular_file(dir / name)) << name;
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 6) << "no file under another name";
    std::vector<std::string> folder = kGreenwich;
    folder.insert(folder.end(), {"--pdf", dir.string() + "/"});
    EXPECT_EQ(Tool(folder).status, 2);
    std::filesystem::remove_all(dir);
}

// What the user gave never reaches the terminal raw: ESC and BEL could set
// its title, and a DEL would hide in the message.
TEST(ReportTool, ControlCharactersInMessagesAreShown) {
    const std::vector<std::string> birth = {"--name", "Ada", "--date", "2000-01-01", "--time", "12:00"};
    const auto with = [&](std::initializer_list<std::string> more) {
        std::vector<std::string> args = birth;
        args.insert(args.end(), more);
        return args;
    };
    const auto dir = TempDir();
    const std::string chart = (dir / "del.kqa").string();
    {
        std::ifstream sample(RASHI_SAMPLE_DIR "/greenwich-2000.kqa", std::ios::binary);
        std::ofstream(chart, std::ios::binary) << sample.rdbuf() << EncodeText("Europe/London\x7f") << "\r\n";
    }
    struct Case {
        const char* what;
        std::vector<std::string> args;
        std::string message; // stderr's last line
    };
    const Case cases[] = {
        {"--place", with({"--place", "\x1b]0;owned\x07"}), "No place in the atlas matches \"\\x1b]0;owned\\x07\""},
        {"--find-place", {"--find-place", "Xyzzy\x1b[2J"}, "No place in the atlas matches \"Xyzzy\\x1b[2J\""},
        {"--zone-id", with({"--place", "Pune", "--zone-id", "Asia/\x1b"}), "Unknown time zone \"Asia/\\x1b\""},
        {"an unknown option", {"--\x07x"}, "Unknown option --\\x07x; see --help"},
        {"a chart file's name", {(dir / "a\x1b.txt").string()}, "Please Check The File."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ToolRun run = Tool(c.args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(LastLine(run.err), c.message);
        EXPECT_EQ(run.err.find_first_of("\x07\x1b\x7f"), std::string::npos) << run.err;
    }
    // A DEL after the zone of the 18th line is shown, so the message does not seem to name a good zone.
    const ToolRun run = Tool({chart});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("\"Europe/London\\x7f\""), std::string::npos) << run.err;
    std::filesystem::remove_all(dir);
}

// An atlas that is a pipe or a device is refused at once, with one message;
// a birth typed by hand still gives its reading.
TEST(ReportTool, AnAtlasThatIsNoFileIsRefusedAtOnce) {
    const auto dir = TempDir();
    ASSERT_EQ(mkfifo((dir / "pipe.atlas").c_str(), 0600), 0);
    const char* old = std::getenv("RASHI_ATLAS");
    const std::string kept = old ? old : "";
    for (const std::string& atlas : {(dir / "pipe.atlas").string(), std::string("/dev/zero")}) {
        SCOPED_TRACE(atlas);
        setenv("RASHI_ATLAS", atlas.c_str(), 1);
        for (const std::vector<std::string>& args :
             {std::vector<std::string>{"--find-place", "Pune"},
              std::vector<std::string>{"--name", "Ada", "--date", "2000-01-01", "--time", "12:00", "--place", "Pune"}}) {
            const ToolRun run = Tool(args); // would hang on the pipe, or fill the memory from /dev/zero
            EXPECT_EQ(run.status, 2);
            EXPECT_EQ(run.err, "The atlas of places could not be loaded: The atlas file " + atlas +
                                   " cannot be read: it is not a regular file.\n");
        }
        EXPECT_EQ(Tool(kGreenwich).status, 0);
    }
    if (old) setenv("RASHI_ATLAS", kept.c_str(), 1);
    else unsetenv("RASHI_ATLAS");
    std::filesystem::remove_all(dir);
}

// A damaged atlas gives the tool's one message, and no line of Qt's
// (qUncompress's) before it.
TEST(ReportTool, ADamagedAtlasGivesOneMessage) {
    static std::vector<std::string> logged;
    logged.clear();
    const QtMessageHandler before =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) { logged.push_back(text.toStdString()); });
    const auto dir = TempDir();
    const auto atlas = dir / "damaged.atlas";
    std::ofstream(atlas, std::ios::binary) << std::string("RDATLAS1\x00\x00\x10\x00", 12) << std::string(64, '\x5a');
    const char* old = std::getenv("RASHI_ATLAS");
    const std::string kept = old ? old : "";
    setenv("RASHI_ATLAS", atlas.c_str(), 1);
    const ToolRun run = Tool({"--find-place", "Pune"});
    if (old) setenv("RASHI_ATLAS", kept.c_str(), 1);
    else unsetenv("RASHI_ATLAS");
    qInstallMessageHandler(before);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_NE(run.err.find("damaged"), std::string::npos) << run.err;
    EXPECT_EQ(logged, std::vector<std::string>{});
    std::filesystem::remove_all(dir);
}

std::string FileText(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), {});
}

// Every file the tool writes is put in place whole or not at all: a failed
// write is exit status 3 with the system's reason, and what was there stays.
TEST(ReportTool, FilesAreWrittenWholeOrNotAtAll) {
    const auto dir = TempDir();
    std::filesystem::create_directory(dir / "locked");
    std::ofstream(dir / "locked" / "old.out") << "old";
    chmod((dir / "locked").c_str(), 0555);
    std::ofstream(dir / "readonly.out") << "old";
    chmod((dir / "readonly.out").c_str(), 0444);
    std::ofstream(dir / "limited.out") << "old";
    struct Case {
        const char* what;
        std::string target;
        const char* reason; // after "Cannot write TARGET: "
        bool limitFileSize = false; // as a disk that fills up during the write
    };
    const Case cases[] = {
        {"a device that is always full", "/dev/full", "No space left on device"},
        {"a read-only folder", (dir / "locked" / "new.out").string(), "The folder is read-only."},
        {"an existing file in a read-only folder", (dir / "locked" / "old.out").string(), "The folder is read-only."},
        {"a read-only file", (dir / "readonly.out").string(), "The file is read-only."},
        {"the disk fills up", (dir / "limited.out").string(), "File too large", true},
        {"no such folder", (dir / "none" / "new.out").string(), "No such file or directory"},
    };
    for (const char* option : {"--pdf", "--svg", "--save"}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(option) + ": " + c.what);
            if (std::string(option) == "--save" && c.target == "/dev/full") continue; // would name /dev/full.kqa
            std::vector<std::string> args = kGreenwich;
            args.insert(args.end(), {option, c.target});
            rlimit before{};
            getrlimit(RLIMIT_FSIZE, &before);
            const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
            if (c.limitFileSize) {
                rlimit small = before;
                small.rlim_cur = 10; // less than even a chart file
                setrlimit(RLIMIT_FSIZE, &small);
            }
            const ToolRun run = Tool(args);
            setrlimit(RLIMIT_FSIZE, &before);
            std::signal(SIGXFSZ, oldSignal);
            EXPECT_EQ(run.status, 3);
            EXPECT_EQ(run.out, "") << "no reading when a file could not be written";
            EXPECT_EQ(LastLine(run.err), "Cannot write " + c.target + ": " + c.reason);
        }
    }
    EXPECT_EQ(FileText(dir / "locked" / "old.out"), "old");
    EXPECT_EQ(FileText(dir / "readonly.out"), "old");
    EXPECT_EQ(FileText(dir / "limited.out"), "old");
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 3);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir / "locked"), {}), 1);

    // A good write replaces the old file whole and keeps its permissions.
    chmod((dir / "limited.out").c_str(), 0640);
    std::vector<std::string> args = kGreenwich;
    args.insert(args.end(), {"--pdf", (dir / "limited.out").string()});
    ASSERT_EQ(Tool(args).status, 0);
    EXPECT_EQ(FileText(dir / "limited.out").substr(0, 5), "%PDF-");
    EXPECT_EQ(std::filesystem::status(dir / "limited.out").permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                  std::filesystem::perms::group_read);
    chmod((dir / "locked").c_str(), 0755);
    std::filesystem::remove_all(dir);
}

TEST(ReportTool, Help) {
    const ToolRun run = Tool({"--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("--batch"), std::string::npos);
}

} // namespace
} // namespace rashi

namespace rashi {
namespace {

// The reading without the birth's own fields (the row a file's offset takes
// may be another row of the same offset).
std::string WithoutBirth(const std::string& json) {
    const auto start = json.find("\"birth\":{");
    return start == std::string::npos ? json : json.substr(0, start) + json.substr(json.find('}', start) + 1);
}

TEST(ReportTool, ImportedChartsGiveTheReadingOfTheBirthTypedIn) {
    struct Case {
        const char* what;
        std::vector<std::string> typed;
        std::string jhd; // lines 1 to 10 and 13, 14 of the layout
        std::string mtx;
    };
    const auto jhd = [](std::initializer_list<const char*> first, const char* city, const char* country) {
        std::string text;
        for (const char* line : first) text += std::string(line) + "\r\n";
        return text + "0\r\n0\r\n" + city + "\r\n" + country + "\r\n1\r\n1013.250000\r\n20.000000\r\n1\r\n";
    };
    const Case cases[] = {
        {"Pune 1985",
         {"--name", "Pune", "--date", "1985-03-21", "--time", "10:30", "--zone", "34", "--lat", "18:31N", "--lon",
          "73:51E", "--city", "Pune", "--state", "India", "--country", "India"},
         jhd({"3", "21", "1985", "10.300000000000000", "-5.300000", "-73.510000", "18.310000", "560.000000",
              "-5.500000", "-5.500000"},
             "Pune", "India"),
         "# chart\nPune\n21\n3\n1985\n10.5\n5.5\n0\nPune, India\n73.85\n18.516667\n"},
        {"London 1990 in summer time",
         {"--name", "London", "--date", "1990-07-15", "--time", "14:30", "--zone", "29", "--dst", "--lat", "51:30N",
          "--lon", "0:07W", "--city", "London", "--state", "England", "--country", "UK"},
         jhd({"7", "15", "1990", "14.300000", "-1.000000", "0.070000", "51.300000", "0", "-1.000000", "-1.000000"},
             "London", "United Kingdom"),
         "# chart\nLondon\n15\n7\n1990\n14.500000\n0.000000\n1.000000\nLondon, United Kingdom\n-0.116667\n51.5\n"},
        {"Quito 1975",
         {"--name", "Quito", "--date", "1975-01-01", "--time", "08:15", "--zone", "27", "--lat", "0:13S", "--lon",
          "78:30W", "--city", "Quito", "--state", "Ecuador", "--country", "Ecuador"},
         jhd({"1", "1", "1975", "8.150000", "5.000000", "78.300000", "-0.130000", "2850", "5.000000", "5.000000"},
             "Quito", "Ecuador"),
         "# chart\nQuito\n1\n1\n1975\n8.25\n-5\n0\nQuito, Ecuador\n-78.5\n-0.216667\n"},
        {"Auckland 2000 at UTC+13",
         {"--name", "Auckland", "--date", "2000-01-01", "--time", "09:00", "--zone", "46", "--lat", "36:51S", "--lon",
          "174:46E", "--city", "Auckland", "--state", "Auckland", "--country", "New Zealand"},
         jhd({"1", "1", "2000", "9.000000", "-13.000000", "-174.460000", "-36.510000", "0", "-13.000000",
              "-13.000000"},
             "Auckland", "New Zealand"),
         "# chart\nAuckland\n1\n1\n2000\n9\n13\n0\nAuckland, New Zealand\n174.766667\n-36.85\n"},
    };
    const auto dir = TempDir();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ToolRun typed = Tool(c.typed);
        ASSERT_EQ(typed.status, 0) << typed.err;
        auto typedJson = c.typed;
        typedJson.push_back("--json");
        const std::string typedReading = WithoutBirth(Tool(typedJson).out);
        for (const auto& [extension, bytes] : {std::pair{".jhd", c.jhd}, std::pair{".mtx", c.mtx}}) {
            const auto path = (dir / (std::string(c.typed[1]) + extension)).string();
            std::ofstream(path, std::ios::binary) << bytes;
            const ToolRun run = Tool({path});
            ASSERT_EQ(run.status, 0) << extension << ": " << run.err;
            EXPECT_EQ(run.out, typed.out) << extension;
            EXPECT_EQ(WithoutBirth(Tool({"--json", path}).out), typedReading) << extension;
        }
    }
    std::filesystem::remove_all(dir);
}

// A .jhd names no state, nor does an .mtx of "city, country": the atlas's
// place of that city in that country near the file's coordinates gives it,
// never the country copied; a place the atlas lacks keeps the old rule.
TEST(ReportTool, ImportsTakeTheStateFromTheAtlas) {
    const auto jhd = [](const char* lat, const char* lon, const char* city, const char* country) {
        return std::string("3\r\n21\r\n1985\r\n10.30\r\n-5.30\r\n") + lon + "\r\n" + lat +
               "\r\n0\r\n-5.5\r\n-5.5\r\n0\r\n0\r\n" + city + "\r\n" + country + "\r\n1\r\n1013.25\r\n20\r\n1\r\n";
    };
    const auto mtx = [](const char* place, const char* lon, const char* lat) {
        return std::string("# chart\nRavi\n21\n3\n1985\n10.5\n5.5\n0\n") + place + "\n" + lon + "\n" + lat + "\n";
    };
    const struct {
        const char* what;
        const char* extension;
        std::string bytes;
        const char* state;
    } rows[] = {
        {"Pune", ".jhd", jhd("18.31", "-73.51", "Pune", "India"), "Maharashtra"},
        {"Quito", ".jhd", jhd("-0.13", "78.30", "Quito", "Ecuador"), "Pichincha"},
        {"London", ".jhd", jhd("51.30", "0.07", "london", "United Kingdom"), "England"},
        {"Pune's name far from Pune", ".jhd", jhd("28.36", "-77.12", "Pune", "India"), "India"},
        {"a village the atlas lacks", ".jhd", jhd("18.31", "-73.51", "Qqqzville", "India"), "India"},
        {"Pune, India", ".mtx", mtx("Pune, India", "73.85", "18.516667"), "Maharashtra"},
        {"the file's own state", ".mtx", mtx("Pune, Deccan, India", "73.85", "18.516667"), "Deccan"},
    };
    const auto dir = TempDir();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const auto path = (dir / (std::string("Ravi") + row.extension)).string();
        std::ofstream(path, std::ios::binary) << row.bytes;
        const ToolRun run = Tool({"--json", path});
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(nlohmann::json::parse(run.out)["birth"]["state"], row.state);
    }
    std::filesystem::remove_all(dir);
}

// Files as other programs print them (through floating point, a hair either
// side) with offsets no row gives: the same reading as the birth typed in
// with the zone that gives the offset, Universal Time to the second, and a
// zone note saying the file's offset was taken.
TEST(ReportTool, ImportedOffsetsNoRowGivesAreTakenToTheSecond) {
    struct Case {
        const char* what;
        std::vector<std::string> typed;
        std::string jhd; // lines 1 to 10, 13 and 14
        int offsetSeconds;
        std::string born;
    };
    const auto jhd = [](std::initializer_list<const char*> first, const char* city, const char* country) {
        std::string text;
        for (const char* line : first) text += std::string(line) + "\r\n";
        return text + "0\r\n0\r\n" + city + "\r\n" + country + "\r\n1\r\n1013.250000\r\n20.000000\r\n1\r\n";
    };
    const Case cases[] = {
        {"Kathmandu 2001, UTC+5:45",
         {"--name", "Ravi", "--date", "2001-03-21", "--time", "17:45", "--zone-id", "Asia/Kathmandu", "--lat",
          "27:43N", "--lon", "85:19E", "--city", "Kathmandu", "--state", "Nepal", "--country", "Nepal"},
         jhd({"3", "21", "2001", "17.449999999999999", "-5.4500000000000002", "-85.189999999999998",
              "27.430000000000003", "1400", "-5.75", "-5.75"},
             "Kathmandu", "Nepal"),
         20700, "\"hour\":17,\"minute\":45,\"second\":0"},
        {"Calcutta Time 1921, UTC+5:53:20, at 18:30:30",
         {"--name", "Ravi", "--date", "1921-05-02", "--time", "18:30", "--zone-id", "Asia/Kolkata", "--lat",
          "22:34N", "--lon", "88:22E", "--city", "Kolkata", "--state", "West Bengal", "--country", "India"},
         jhd({"5", "2", "1921", "18.302999999999997", "-5.5300000000000002", "-88.219999999999999", "22.34", "0",
              "-5.8888888888888893", "-5.8888888888888893"},
             "Kolkata", "India"),
         21200, "\"hour\":18,\"minute\":30,\"second\":30"},
    };
    const auto dir = TempDir();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto path = (dir / "Ravi.JHD").string();
        std::ofstream(path, std::ios::binary) << c.jhd;
        const ToolRun run = Tool({"--json", path});
        ASSERT_EQ(run.status, 0) << run.err;
        const nlohmann::json reading = nlohmann::json::parse(run.out);
        const nlohmann::json& birth = reading.at("birth");
        EXPECT_EQ(birth.at("utc_offset_seconds"), c.offsetSeconds);
        EXPECT_TRUE(birth.at("zone_id").is_null());
        EXPECT_NE(birth.at("zone_note").get<std::string>().find(", is used exactly"), std::string::npos);
        EXPECT_NE(run.out.find(c.born), std::string::npos) << run.out;
        // The typed birth at the whole minute: the same signs; the seconds
        // move the ascendant by a few arc seconds at most.
        auto typed = c.typed;
        typed.push_back("--json");
        const ToolRun same = Tool(typed);
        ASSERT_EQ(same.status, 0) << same.err;
        const nlohmann::json typedReading = nlohmann::json::parse(same.out);
        EXPECT_EQ(typedReading.at("birth").at("utc_offset_seconds"), c.offsetSeconds);
        EXPECT_EQ(reading.at("captions"), typedReading.at("captions"));
        const double seconds = birth.at("second").get<int>();
        EXPECT_NEAR(reading.at("ascendant").at("longitude").get<double>(),
                    typedReading.at("ascendant").at("longitude").get<double>(), 0.5 / 60 + seconds * 0.005);
    }
    std::filesystem::remove_all(dir);
}

TEST(ReportTool, DamagedImportsAreRefusedWithTheLine) {
    const auto dir = TempDir();
    const std::pair<const char*, std::string> cases[] = {
        {"short.jhd", "3\r\n21\r\n1985\r\n"},
        {"month.jhd", "13\r\n21\r\n1985\r\n10.30\r\n-5.30\r\n-73.51\r\n18.31\r\n0\r\n-5.5\r\n-5.5\r\n0\r\n0\r\n"
                      "Pune\r\nIndia\r\n1\r\n1013.25\r\n20\r\n1\r\n"},
        {"zone.mtx", "# chart\nX\n1\n1\n2000\n9\n15.1\n0\nAuckland\n174\n-36\n"},
        {"February.MTX", "# chart\nX\n30\n2\n2000\n9\n13\n0\nAuckland\n174\n-36\n"},
        {"huge.mtx", std::string(100000, '#')},
    };
    const char* details[] = {"Line 4 is missing: the file ends after 3 of its 18 lines.",
                             "Line 1 (month) holds \"13\", not a month from 1 to 12.",
                             "Line 7 (time zone) holds \"15.1\", not a time zone in hours of at most 15.",
                             "Lines 3 to 5 (day, month, year) hold \"30/2/2000\", a day that month does not have.",
                             "The file is larger than a chart can be."};
    int n = 0;
    for (const auto& [name, bytes] : cases) {
        const auto path = (dir / name).string();
        std::ofstream(path, std::ios::binary) << bytes;
        const ToolRun run = Tool({path});
        EXPECT_EQ(run.status, 2) << name;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(LastLine(run.err), "Please Check The File.");
        EXPECT_NE(run.err.find(path + ": "), std::string::npos) << run.err;
        EXPECT_NE(run.err.find(details[n++]), std::string::npos) << run.err;
    }
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace rashi
