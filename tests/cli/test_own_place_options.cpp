// --add-place and --remove-place: the user's places from a script, refused
// with the usual messages, then found by --place and --find-place.

#include "cli/report_tool.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

namespace rashi {
namespace {

struct ToolOutput {
    int status;
    std::string out;
    std::string err;
};

ToolOutput Tool(const std::vector<std::string>& args) {
    std::istringstream in;
    std::ostringstream out, err;
    const int status = RunReportTool(args, in, out, err);
    return {status, out.str(), err.str()};
}

// Points the tool at a places file of the test's own, and back after.
class OwnPlacesFile {
public:
    OwnPlacesFile() : dir_(std::filesystem::temp_directory_path() / ("own-places-" + std::to_string(::getpid()))) {
        std::filesystem::remove_all(dir_);
        path_ = (dir_ / "places" / "own-places.sqlite").string();
        setenv("RASHI_OWN_PLACES", path_.c_str(), 1);
    }
    ~OwnPlacesFile() {
        unsetenv("RASHI_OWN_PLACES");
        std::filesystem::remove_all(dir_);
    }
    const std::string& path() const { return path_; }

private:
    std::filesystem::path dir_;
    std::string path_;
};

const std::vector<std::string> kOzarkhed = {"--add-place", "Ozarkhed, Maharashtra, India", "--lat", "20:05N",
                                            "--lon", "73:55E", "--zone-id", "Asia/Kolkata"};

std::vector<std::string> With(std::vector<std::string> args, const std::string& option, const std::string& value) {
    for (std::size_t i = 0; i + 1 < args.size(); ++i)
        if (args[i] == option) {
            args[i + 1] = value;
            return args;
        }
    args.push_back(option);
    args.push_back(value);
    return args;
}

TEST(OwnPlaceOptions, AddedFoundByPlaceAndFindPlaceThenRemoved) {
    OwnPlacesFile file;
    ToolOutput run = Tool(kOzarkhed);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Added Ozarkhed, Maharashtra, India to " + file.path() + "\n");
    EXPECT_TRUE(std::filesystem::is_regular_file(file.path()));

    run = Tool({"--find-place", "Ozar"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, run.out.find('\n') + 1),
              "Ozarkhed\tMaharashtra\tIndia\t20.0833\t73.9167\tAsia/Kolkata\town\n");
    EXPECT_NE(run.out.find("\nOzar\tMaharashtra\tIndia\t"), std::string::npos) << run.out; // the atlas's follow

    run = Tool({"--json", "--name", "Ada", "--date", "2000-01-01", "--time", "12:00", "--place", "Ozarkhed"});
    ASSERT_EQ(run.status, 0) << run.err;
    for (const char* field : {"\"city\":\"Ozarkhed\"", "\"lat_degrees\":20,\"lat_minutes\":5", "\"zone_id\":\"Asia/Kolkata\""})
        EXPECT_NE(run.out.find(field), std::string::npos) << field;

    run = Tool({"--remove-place", "ozarkhed,maharashtra,india"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Removed ozarkhed, maharashtra, india from " + file.path() + "\n"); // as given
    run = Tool({"--find-place", "Ozarkhed"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "No place in the atlas matches \"Ozarkhed\"\n");
}

// A place of yours with longer names than the boxes hold (added by an older
// copy, or by hand) fills no box, and no chart is saved from it.
TEST(OwnPlaceOptions, NamesLongerThanTheBoxesAreNotTaken) {
    OwnPlacesFile file;
    const std::string longName(40000, 'a');
    const ToolOutput added = Tool(With(kOzarkhed, "--add-place", longName + ", Maharashtra, India"));
    if (added.status != 0) {
        EXPECT_EQ(added.status, 2) << added.err; // refused at once: nothing to take
        return;
    }
    const std::string chart = (std::filesystem::path(file.path()).parent_path() / "long.kqa").string();
    const ToolOutput run = Tool({"--name", "Ada", "--date", "2000-01-01", "--time", "12:00", "--place", longName,
                                 "--save", chart});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "The place's names are longer than the City, State and Country boxes hold (32767 characters "
                       "each)\n");
    EXPECT_FALSE(std::filesystem::exists(chart));
}

TEST(OwnPlaceOptions, BadInputIsRefusedWithTheUsualMessages) {
    OwnPlacesFile file;
    struct Case {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {With(kOzarkhed, "--add-place", "Ozarkhed"), "--add-place takes \"Name, State, Country\" or \"Name, Country\""},
        {With(kOzarkhed, "--add-place", "Ozar 2, India"), "Please enter only letters"},
        {With(kOzarkhed, "--add-place", "Ozar, Nashik\x1b, India"), "Please enter only letters"},
        {With(kOzarkhed, "--add-place", " , India"), "Please Enter The City"},
        {With(kOzarkhed, "--lat", "91:00N"), "Please Enter Correct Degree of Latitude"},
        {With(kOzarkhed, "--lat", "90:01S"), "Please Enter Correct Minutes of Latitude"},
        {With(kOzarkhed, "--lon", "73:60E"), "Please Enter Correct Minute of Longitude"},
        {With(kOzarkhed, "--lon", "73:55"), "--lon takes DEG:MIN followed by E or W"},
        {With(kOzarkhed, "--lat", "2a:05N"), "Please enter only numbers"},
        {With(kOzarkhed, "--zone-id", "Etc/UTC"), "Unknown time zone \"Etc/UTC\""},
        {With(kOzarkhed, "--zone-id", "Asia/Nowhere\x1b"), "Unknown time zone \"Asia/Nowhere\\x1b\""},
        {{"--add-place", "Ozarkhed, India", "--lat", "20:05N", "--lon", "73:55E"}, "--zone-id is needed with --add-place"},
        {{"--add-place", "Ozarkhed, India", "--lon", "73:55E", "--zone-id", "Asia/Kolkata"}, "--lat is needed with --add-place"},
        {With(kOzarkhed, "--name", "Ada"), "--add-place takes only --lat, --lon and --zone-id"},
        {With(kOzarkhed, "--remove-place", "Ozarkhed, India"), "Give --add-place or --remove-place, not both"},
        {{"--remove-place", "Ozarkhed, India", "--lat", "20:05N"}, "--remove-place takes no other option"},
        {{"--remove-place", "Ozarkhed, India"}, "None of your places is named Ozarkhed, India."},
    };
    for (const Case& c : cases) {
        const ToolOutput run = Tool(c.args);
        EXPECT_EQ(run.status, 2) << c.message;
        EXPECT_EQ(run.err, c.message + "\n");
        EXPECT_EQ(run.out, "");
    }
    EXPECT_FALSE(std::filesystem::exists(file.path())); // nothing refused was written

    ASSERT_EQ(Tool(kOzarkhed).status, 0);
    const ToolOutput again = Tool(With(kOzarkhed, "--lat", "21:00N"));
    EXPECT_EQ(again.status, 2);
    EXPECT_EQ(again.err, "You already have a place named Ozarkhed, Maharashtra, India.\n");
    // A file that is not the user's places file is left alone, and said so.
    std::filesystem::remove(file.path());
    std::filesystem::create_directory(file.path());
    const ToolOutput folder = Tool(kOzarkhed);
    EXPECT_EQ(folder.status, 2);
    EXPECT_EQ(folder.err, "Your places file " + file.path() + " is not a regular file.\n");
}

} // namespace
} // namespace rashi
