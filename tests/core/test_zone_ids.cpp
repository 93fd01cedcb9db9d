#include "core/zones/zone_ids.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

namespace rashi {
namespace {

// A tz database folder of our own, with the files given; TZDIR points at it
// while the object lives.
class ScratchDatabase {
public:
    explicit ScratchDatabase(const std::string& name) {
        folder_ = std::filesystem::temp_directory_path() /
                  ("rashi-zones-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" + name);
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        const char* old = std::getenv("TZDIR");
        if (old) old_ = old;
        setenv("TZDIR", folder_.c_str(), 1);
    }
    ~ScratchDatabase() {
        if (old_) setenv("TZDIR", old_->c_str(), 1);
        else unsetenv("TZDIR");
        std::filesystem::remove_all(folder_);
    }
    void zone(const std::string& id) { file(id, "TZif2 and the rest"); }
    void file(const std::string& path, const std::string& text) {
        std::filesystem::create_directories((folder_ / path).parent_path());
        std::ofstream(folder_ / path) << text;
    }

private:
    std::filesystem::path folder_;
    std::optional<std::string> old_;
};

struct Expected {
    const char* id;
    bool known;
};

void Check(std::initializer_list<Expected> cases) {
    for (const Expected& c : cases) EXPECT_EQ(IsKnownZoneId(c.id), c.known) << c.id;
}

// The shape alone: nothing that could leave the database's folder, or name
// a file beside a zone, is an id.
TEST(ZoneIds, TheShapeOfAnId) {
    const Expected cases[] = {
        {"Asia/Kolkata", true},          {"America/Argentina/Salta", true}, {"Etc/GMT+5", true},
        {"America/Port-au-Prince", true}, {"Asia/Ho_Chi_Minh", true},
        {"..", false},                   {".", false},                      {"../etc/passwd", false},
        {"Asia/..", false},              {"Asia/../Kolkata", false},        {"Asia/./Kolkata", false},
        {"Asia/Kol..kata", false},       {"Asia/Kolkata.", false},          {".Asia/Kolkata", false},
        {"Asia//Kolkata", false},        {"/Asia/Kolkata", false},          {"Asia/Kolkata/", false},
        {"Asia\\Kolkata", false},       {"Asia/Kolk ata", false},          {"", false},
        {"Asia/Kolkata\x7f", false},     {"Asia/K\xC3\xB6lkata", false},
    };
    for (const Expected& c : cases) EXPECT_EQ(IsZoneIdShape(c.id), c.known) << c.id;
    EXPECT_TRUE(IsZoneIdShape(std::string(64, 'A')));
    EXPECT_FALSE(IsZoneIdShape(std::string(65, 'A')));
}

TEST(ZoneIds, TheZoneTableAndItsLinksNamePlaces) {
    ScratchDatabase db("table");
    for (const char* id : {"Asia/Kolkata", "Asia/Calcutta", "Asia/Dhaka", "localtime", "Factory", "Etc/UTC",
                           "posix/Asia/Kolkata", "CET", "Asia/Gone"})
        db.zone(id);
    db.file("zone1970.tab", "# comment\nIN\t+2232+08822\tAsia/Kolkata\nBD\t+2343+09025\tAsia/Dhaka\n");
    db.file("tzdata.zi", "# version\nZ Asia/Kolkata 5:53:28 - LMT 1854 Jun 28\nZ CET 1 c CE%sT\nZ Factory 0 - -00\n"
                         "L Asia/Kolkata Asia/Calcutta\nL Etc/UTC UTC\nL Asia/Kolkata localtime\n");
    Check({{"Asia/Kolkata", true},
           {"Asia/Calcutta", true},
           {"Asia/Dhaka", true},
           {"CET", false}, // a zone of the database, but of no place
           {"Factory", false},
           {"Etc/UTC", false},
           {"UTC", false},
           {"localtime", false}, // even when linked
           {"posix/Asia/Kolkata", false},
           {"Asia/Gone", false}, // a file, but in neither list
           {"Asia/Nowhere", false}});
}

TEST(ZoneIds, WithoutTheTablesTheFilesDecideButNotTheMachinesOwn) {
    ScratchDatabase db("bare");
    for (const char* id : {"Asia/Kolkata", "Singapore", "localtime", "posixrules", "Factory", "Etc/GMT+5", "UTC",
                           "right/Asia/Kolkata"})
        db.zone(id);
    db.file("Asia/NotAZone", "plain text");
    Check({{"Asia/Kolkata", true},
           {"Singapore", true},
           {"localtime", false},
           {"posixrules", false},
           {"Factory", false},
           {"Etc/GMT+5", false},
           {"UTC", false},
           {"right/Asia/Kolkata", false},
           {"Asia/NotAZone", false},
           {"Asia/Nowhere", false}});
}

TEST(ZoneIds, OnlyTheDatabasesZonesFromTheTables) {
    // zone.tab alone, when zone1970.tab is missing.
    ScratchDatabase db("old-table");
    db.zone("Europe/London");
    db.zone("GB");
    db.file("zone.tab", "GB\t+513030-0000731\tEurope/London\n");
    Check({{"Europe/London", true}, {"GB", false}});
}

} // namespace
} // namespace rashi
