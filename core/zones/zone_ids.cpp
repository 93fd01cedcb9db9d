#include "core/zones/zone_ids.h"

#include <cstdlib>
#include <fstream>
#include <string>

namespace rashi {

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

bool IsKnownZoneId(std::string_view id) {
    if (!IsZoneIdShape(id)) return false;
    const char* folder = std::getenv("TZDIR");
    const std::string path = std::string(folder && *folder ? folder : "/usr/share/zoneinfo") + "/" + std::string(id);
    std::ifstream file(path, std::ios::binary);
    char magic[4] = {};
    return file.read(magic, 4) && std::string_view(magic, 4) == "TZif";
}

} // namespace rashi
