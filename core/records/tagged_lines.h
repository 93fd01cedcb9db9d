#pragma once
// Birth data beyond the chart file's first lines: named values ("ayanamsa",
// "names") a chart carries after its zone id, each as one "key=value" line.
// Keys this version does not know are kept, so that a chart saved again
// loses nothing a newer version wrote.

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rashi {

struct TaggedLine {
    std::string key;   // lower-case letters, digits, '-' and '_', a letter first
    std::string value; // any UTF-8
    bool operator==(const TaggedLine&) const = default;
};

using TaggedLines = std::vector<TaggedLine>;

inline std::optional<std::string> FindTagged(const TaggedLines& lines, std::string_view key) {
    const auto it = std::find_if(lines.begin(), lines.end(), [&](const TaggedLine& l) { return l.key == key; });
    if (it == lines.end()) return std::nullopt;
    return it->value;
}

// Replaces the key's value, or adds the key at the end; an empty value removes it.
inline void SetTagged(TaggedLines& lines, std::string_view key, std::string value) {
    const auto it = std::find_if(lines.begin(), lines.end(), [&](const TaggedLine& l) { return l.key == key; });
    if (value.empty()) {
        if (it != lines.end()) lines.erase(it);
    } else if (it != lines.end()) {
        it->value = std::move(value);
    } else {
        lines.push_back({std::string(key), std::move(value)});
    }
}

} // namespace rashi
