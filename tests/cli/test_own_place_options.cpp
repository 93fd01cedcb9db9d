// --add-place and --remove-place: the user's places from a script, refused
// with the usual messages, then found by --place and --find-place.

#include "cli/report_tool.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

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
              "Ozarkhed\tMaharashtra\tIndia\t20.0833\t73.9167\tAsia/Kolkata\town\t\n");
    EXPECT_NE(run.out.find("\nOzar\tMaharashtra\tIndia\t"), std::string::npos) << run.out; // the atlas's follow

    run = Tool({"--json", "--name", "Ada", "--date", "2000-01-01", "--time", "12:00", "--place", "Ozarkhed"});
    ASSERT_EQ(run.status, 0) << run.err;
    for (const char* field : {"\"city\":\"Ozarkhed\"", "\"lat_degrees\":20,\"lat_minutes\":5", "\"zone_id\":\"Asia/Kolkata\""})
        EXPECT_NE(run.out.find(field), std::string::npos) << field;

    run = Tool({"--remove-place", "ozarkhed,maharashtra,india"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Removed ozarkhed, maharashtra, india from " + file.path() + "\n"); // as given
    run = Tool({"--find-place", "Ozarkhed"}); // only the atlas's nearest names now
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "No place in the atlas matches \"Ozarkhed\"; the nearest names are listed.\n");
    EXPECT_EQ(run.out.find("\town\t"), std::string::npos) << run.out;
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
        {With(kOzarkhed, "--ayanamsa", "raman"), "--add-place takes only --lat, --lon and --zone-id"},
        {With(kOzarkhed, "--lang", "hi"), "--add-place takes only --lat, --lon and --zone-id"},
        {With(kOzarkhed, "--lang", "en"), "--add-place takes only --lat, --lon and --zone-id"}, // the default, given
        {With(kOzarkhed, "--rule=classical", "--jaimini"), "--add-place takes only --lat, --lon and --zone-id"},
        {With(kOzarkhed, "--chart", "north"), "--add-place takes only --lat, --lon and --zone-id"},
        {With(kOzarkhed, "--zone-id", std::string(100000, 'z')),
         "Unknown time zone \"zzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzz\u2026\""},
        {{"--remove-place", "Ozarkhed, India", "--precise"}, "--remove-place takes no other option"},
        {{"--remove-place", std::string(100000, 'O') + ", India"},
         "None of your places is named " + std::string(40, 'O') + "\u2026."},
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

// A places file that cannot be read is never passed over: --place refuses
// with the reason (it cannot know whether the name meant one of the user's),
// and --find-place says that it lists the atlas's places only.
TEST(OwnPlaceOptions, AnUnreadableFileIsSaidNotPassedOver) {
    OwnPlacesFile file;
    ASSERT_EQ(Tool(With(kOzarkhed, "--add-place", "Alpha, India")).status, 0);
    const std::vector<std::string> reading = {"--name", "Ada", "--date", "2000-01-01", "--time", "12:00", "--place", "Alpha"};
    ASSERT_EQ(Tool(reading).status, 0);
    struct Case {
        const char* what;
        const char* sql; // run on the file
        std::string reason;
    } cases[] = {
        {"a latitude edited to 200", "UPDATE own_places SET latitude = 200",
         "Your places file " + file.path() + " is damaged: its place \"Alpha, India\" is wrong (The latitude must lie "
                                             "between 90 degrees south and 90 degrees north)."},
        {"another program's table", "DROP TABLE own_places; CREATE TABLE own_places(a, b, c, d, e, f, g)",
         "The file " + file.path() + " is not a places file of this program; it is left as it is."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(file.path());
        ASSERT_EQ(Tool(With(kOzarkhed, "--add-place", "Alpha, India")).status, 0);
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(file.path().c_str(), &db), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(db, c.sql, nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);

        ToolOutput run = Tool(reading);
        EXPECT_EQ(run.status, 3);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "--place cannot tell your places from the atlas's: " + c.reason + "\n");

        run = Tool({"--find-place", "Pune"});
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, c.reason + " Only the atlas's places are listed.\n");
        EXPECT_TRUE(run.out.starts_with("Pune\tMaharashtra\tIndia\t")) << run.out;
    }
}

// A mistyped name, of the atlas's or of yours: --find-place lists the nearest
// names and says it guessed; --place refuses and names them as the City box
// does, yours marked and the alternate name a place was found by beside it.
TEST(OwnPlaceOptions, MistypedNamesAreGuessedAndSaidSo) {
    OwnPlacesFile file;
    ASSERT_EQ(Tool(With(kOzarkhed, "--add-place", "Chandanpur, Maharashtra, India")).status, 0);
    const std::string ours = "Chandanpur\tMaharashtra\tIndia\t20.0833\t73.9167\tAsia/Kolkata\town\t\n";
    struct Case {
        const char* typed;
        std::string rows;    // --find-place's first lines
        std::string refusal; // how --place's message begins
    } cases[] = {
        {"Kolkatta", "Kolkata\tWest Bengal\tIndia\t22.5626\t88.3630\tAsia/Kolkata\t4631392\t\n",
         "did you mean Kolkata, West Bengal, India; "},
        {"Mumbia", "Mumbai\tMaharashtra\tIndia\t", "did you mean Mumbai, Maharashtra, India; "},
        {"Madrass", "Chennai\tTamil Nadu\tIndia\t13.0878\t80.2785\tAsia/Kolkata\t4681087\tMadras\n",
         "did you mean Chennai, Tamil Nadu, India (Madras); "},
        {"Chandanpru", ours, "did you mean Chandanpur, Maharashtra, India (your place)?\n"}, // the atlas has none
        {"Chandnpur", ours + "Chānda\tMaharashtra\tIndia\t19.9508\t79.2952\tAsia/Kolkata\t328351\tChandrapur\n",
         "did you mean Chandanpur, Maharashtra, India (your place); Chānda, Maharashtra, India (Chandrapur); "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const std::string none = "No place in the atlas matches \"" + std::string(c.typed) + "\"";
        ToolOutput run = Tool({"--find-place", c.typed});
        EXPECT_EQ(run.status, 0);
        EXPECT_TRUE(run.out.starts_with(c.rows)) << run.out;
        EXPECT_EQ(run.err, none + "; the nearest names are listed.\n");
        run = Tool({"--date", "2000-01-01", "--time", "12:00", "--name", "Ada", "--place", c.typed});
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(run.err.starts_with(none + "; " + c.refusal)) << run.err;
    }
}

// A value of 100,000 characters is quoted shortened, as imports quote a line.
TEST(OwnPlaceOptions, LongValuesAreQuotedShortened) {
    OwnPlacesFile file;
    const std::string cut = "\"" + std::string(40, 'x') + "\u2026\"";
    ToolOutput run = Tool({"--find-place", std::string(100000, 'x')});
    EXPECT_EQ(run.err, "No place in the atlas matches " + cut + "\n");
    run = Tool({"--date", "2000-01-01", "--time", "12:00", "--name", "Ada", "--place", std::string(100000, 'x')});
    EXPECT_EQ(run.err, "No place in the atlas matches " + cut + "\n");
    run = Tool({"--date", "2000-01-01", "--time", "12:00", "--name", "Ada", "--place", "Pune", "--zone-id",
                std::string(100000, 'x')});
    EXPECT_EQ(run.err, "Unknown time zone " + cut + "\n");
}

} // namespace
} // namespace rashi
