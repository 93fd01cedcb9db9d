#include "core/imports/import_file_io.h"

#include "core/chart_files/chart_file_io.h"
#include "core/imports/jhd_file.h"
#include "core/imports/mtx_file.h"

#include <algorithm>

namespace rashi {
namespace {

bool EndsWithExtension(std::string_view name, std::string_view extension) {
    if (name.size() <= extension.size() || name[name.size() - extension.size() - 1] != '.') return false;
    return std::equal(extension.begin(), extension.end(), name.end() - static_cast<std::ptrdiff_t>(extension.size()),
                      [](char a, char b) { return a == (b >= 'A' && b <= 'Z' ? b + 32 : b); });
}

} // namespace

bool HasImportExtension(std::string_view fileName) {
    return EndsWithExtension(fileName, kJhdExtension) || EndsWithExtension(fileName, kMtxExtension);
}

std::optional<Entries> LoadImportedChart(const std::string& path, std::string& problem, const StateFinder& findState) {
    if (!HasImportExtension(path)) {
        problem = "It is neither a .jhd nor a .mtx file.";
        return std::nullopt;
    }
    const auto bytes = ReadRegularFile(path, kMaxImportFileBytes, problem);
    if (!bytes) return std::nullopt;
    if (bytes->size() > kMaxImportFileBytes) {
        problem = "The file is larger than a chart can be.";
        return std::nullopt;
    }
    const std::string name = BaseName(path);
    return EndsWithExtension(path, kJhdExtension) ? ParseJhdFile(*bytes, name, &problem, findState)
                                                   : ParseMtxFile(*bytes, name, &problem, findState);
}

} // namespace rashi
