#include "core/zones/zone_ids.h"

#include <array>
#include <cstdlib>
#include <fstream>
#include <map>
#include <mutex>
#include <set>
#include <sstream>
#include <string>

#include <sys/stat.h>

namespace rashi {
namespace {

// The database's own files are small; anything else under their names is
// not read.
constexpr off_t kMaxTableBytes = 4 * 1024 * 1024;

std::string ZoneFolder() {
    const char* folder = std::getenv("TZDIR");
    return folder && *folder ? folder : "/usr/share/zoneinfo";
}

// The text of a regular file of the database; empty when there is none.
std::string TableText(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > kMaxTableBytes) return {};
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// Names that are in the database's folder but name no place: the machine's
// own zone, the defaults of the POSIX rules, the zone of a machine not yet set
// up, the copies of the whole database, and the zones of bare offsets.
bool NamesNoPlace(std::string_view id) {
    constexpr std::array<std::string_view, 12> kNames = {"localtime", "posixrules", "Factory", "UTC",
                                                         "UCT",       "GMT",        "GMT0",    "GMT+0",
                                                         "GMT-0",     "Greenwich",  "Universal", "Zulu"};
    constexpr std::array<std::string_view, 4> kFolders = {"posix/", "right/", "Etc/", "SystemV/"};
    for (const std::string_view name : kNames)
        if (id == name) return true;
    for (const std::string_view folder : kFolders)
        if (id.substr(0, folder.size()) == folder) return true;
    return false;
}

// The zones that name a place, from the database in `folder`: those of its
// zone table (zone1970.tab, zone.tab) and the links to them (tzdata.zi's L
// lines, which hold the old names such as Asia/Calcutta). Without a zone
// table, the zones of tzdata.zi's Z lines that name a place stand in for it.
// `complete` is false when neither file could be read: then only the shape,
// the names above and the zone's own file decide.
struct PlaceZones {
    std::set<std::string, std::less<>> names;
    bool complete = false;
};

PlaceZones ReadPlaceZones(const std::string& folder) {
    PlaceZones zones;
    for (const char* table : {"/zone1970.tab", "/zone.tab"}) {
        std::istringstream lines(TableText(folder + table));
        for (std::string line; std::getline(lines, line);) {
            if (line.empty() || line[0] == '#') continue;
            std::istringstream fields(line);
            std::string codes, coordinates, zone;
            if (fields >> codes >> coordinates >> zone && IsZoneIdShape(zone) && !NamesNoPlace(zone))
                zones.names.insert(zone);
        }
    }
    const bool haveTable = !zones.names.empty();
    std::multimap<std::string, std::string> links; // target, name
    std::istringstream lines(TableText(folder + "/tzdata.zi"));
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        std::string kind, first, second;
        fields >> kind >> first;
        if (kind == "Z" && !haveTable && IsZoneIdShape(first) && !NamesNoPlace(first)) zones.names.insert(first);
        if (kind == "L" && fields >> second && IsZoneIdShape(second) && !NamesNoPlace(second))
            links.emplace(first, second);
    }
    for (const auto& [target, name] : links)
        if (zones.names.count(target)) zones.names.insert(name);
    zones.complete = !zones.names.empty();
    return zones;
}

// Read once a database folder, whichever thread asks first.
const PlaceZones& PlaceZonesOf(const std::string& folder) {
    static std::mutex mutex;
    static std::map<std::string, PlaceZones> read;
    const std::lock_guard lock(mutex);
    auto found = read.find(folder);
    if (found == read.end()) found = read.emplace(folder, ReadPlaceZones(folder)).first;
    return found->second;
}

bool HasZoneFile(const std::string& folder, std::string_view id) {
    std::ifstream file(folder + "/" + std::string(id), std::ios::binary);
    char magic[4] = {};
    return file.read(magic, 4) && std::string_view(magic, 4) == "TZif";
}

} // namespace

bool IsZoneIdShape(std::string_view id) {
    if (id.empty() || id.size() > 64) return false;
    std::size_t start = 0;
    for (;;) {
        const std::size_t slash = id.find('/', start);
        const std::string_view part = id.substr(start, slash - start);
        if (part.empty() || part == "." || part == "..") return false;
        for (const char c : part) {
            const bool allowed = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                                 c == '_' || c == '+' || c == '-';
            if (!allowed) return false;
        }
        if (slash == std::string_view::npos) return true;
        start = slash + 1;
    }
}

bool NamesAPlace(std::string_view id) {
    if (!IsZoneIdShape(id) || NamesNoPlace(id)) return false;
    const PlaceZones& zones = PlaceZonesOf(ZoneFolder());
    return !zones.complete || zones.names.count(id) > 0;
}

bool IsKnownZoneId(std::string_view id) { return NamesAPlace(id) && HasZoneFile(ZoneFolder(), id); }

bool IsZoneOfNoPlace(std::string_view id) {
    return IsZoneIdShape(id) && !NamesAPlace(id) && HasZoneFile(ZoneFolder(), id);
}

} // namespace rashi
