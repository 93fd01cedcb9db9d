#include "core/chart_files/chart_file_name.h"

#include "core/chart_files/chart_file.h"

namespace rashi {
namespace {

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

std::string ProposedChartFileName(std::string_view personName) {
    std::string name(personName);
    for (char& c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '/' || byte < 0x20 || byte == 0x7f) c = ' ';
    }
    // Dots in front would hide the file (and ".." names no file at all).
    for (char& c : name) {
        if (c != '.' && c != ' ') break;
        c = ' ';
    }
    std::string_view kept = Trimmed(name);
    if (kept.size() > kMaxProposedNameBytes) {
        std::size_t end = kMaxProposedNameBytes;
        // Back to the start of a character: UTF-8 continuation bytes are 10xxxxxx.
        while (end > 0 && (static_cast<unsigned char>(kept[end]) & 0xC0) == 0x80) --end;
        kept = Trimmed(kept.substr(0, end));
    }
    if (kept.empty()) return {};
    return std::string(kept) + "." + std::string(kChartExtension);
}

} // namespace rashi
