#include "core/chart_files/chart_names.h"

#include "core/chart_files/stored_text.h"
#include "core/chart_files/visible_text.h"
#include "core/chart_files/windows1252.h"
#include "core/entries/key_filters.h"
#include "core/records/trim.h"

#include <array>

namespace rashi {
namespace {

constexpr char kSeparator = '|'; // never a letter nor a space

// Whether the 17 lines hold the text whole: in Windows-1252 and within the
// codes the stored-text shift leaves (ë, ü and most accented letters are not).
bool CodePageHolds(std::string_view text) {
    return Windows1252ToUtf8(DecodeText(EncodeText(Utf8ToWindows1252(text)))) == text;
}

} // namespace

std::string NamesValue(const BirthRecord& birth) {
    const std::array<std::string, 4> names = {birth.Name, std::string(TrimSpaces(birth.City)),
                                              std::string(TrimSpaces(birth.State)),
                                              std::string(TrimSpaces(birth.Country))};
    bool held = true;
    for (const std::string& name : names) {
        if (name.find(kSeparator) != std::string::npos) return {}; // not a name the boxes take
        held = held && CodePageHolds(name);
    }
    if (held) return {};
    return names[0] + kSeparator + names[1] + kSeparator + names[2] + kSeparator + names[3];
}

bool ApplyNamesValue(std::string_view value, Entries& entries, std::string* problem) {
    std::array<std::string, 4> names;
    std::size_t field = 0, start = 0;
    for (std::size_t i = 0; i <= value.size(); ++i) {
        if (i < value.size() && value[i] != kSeparator) continue;
        if (field < names.size()) names[field] = std::string(value.substr(start, i - start));
        ++field;
        start = i + 1;
    }
    bool letters = field == names.size();
    for (const std::string& name : names)
        letters = letters && !TrimSpaces(name).empty() && kLetterFilter.acceptsText(name);
    if (!letters) {
        if (problem)
            *problem = "The names line holds " + QuotedLine(value) + ", not a name, city, state and country of letters.";
        return false;
    }
    entries.Name = names[0];
    entries.City = names[1];
    entries.State = names[2];
    entries.Country = names[3];
    return true;
}

} // namespace rashi
