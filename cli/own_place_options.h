#pragma once
// --add-place and --remove-place: the user's own places, for scripts.

#include "cli/tool_options.h"

#include <string>
#include <vector>

namespace rashi {

// Adds or removes the place the options name, in the user's places file
// (places::OwnPlaces::DefaultPath()); returns the line to print. Throws
// InputError for wrong input and for a file that refused the change, and
// for any option besides those it uses (`args`, as given, say which).
std::string RunOwnPlaceOption(const ToolOptions& options, const std::vector<std::string>& args);

} // namespace rashi
