#include "cli/report_tool.h"

#include "core/chart/chart_file.h"
#include "core/chart/stored_text.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace rashi {
namespace {

struct ToolRun {
    int status;
    std::string out;
    std::string err;
};

ToolRun Tool(const std::vector<std::string>& args, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunReportTool(args, in, out, err);
    return {status, out.str(), err.str()};
}

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

TEST(ReportTool, OptionsGiveTheSameReadingAsTheFile) {
    const ToolRun fromOptions = Tool(kGreenwich);
    ASSERT_EQ(fromOptions.status, 0) << fromOptions.err;
    EXPECT_EQ(fromOptions.out, Tool({RASHI_SAMPLE_DIR "/greenwich-2000.kqa"}).out);
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
        {"apostrophe in a city", with(kGreenwich, {"--city", "O'Fallon"}), "Please enter only letters"},
        {"four-digit degrees", with(kGreenwich, {"--lat", "1234:0N"}), "Please enter only numbers"},
        {"upper-case extension", {"chart.KQA"}, "Please Check The File."},
        {"missing file", {"/nonexistent/chart.kqa"}, "Please Check The File."},
        {"year outside the list", with(kGreenwich, {"--date", "1850-01-01"}), "The year must be 1901 to 2050"},
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
    for (const char* part : {"\"MoonPositionText\":\"19\u00B0 27' 44\\\" Lib\"", "\"ChartAyanamsa\":-23.85",
                             "\"Name\":\"Ada\"", "\"position\":\"16 Sag 31\"", "\"lblGrahas\":[",
                             "\"SignedZoneHours\":0"})
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

TEST(ReportTool, Help) {
    const ToolRun run = Tool({"--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("--batch"), std::string::npos);
}

} // namespace
} // namespace rashi
