#pragma once
// --add-place and --remove-place: the user's own places, for scripts.

#include "cli/tool_options.h"

#include <string>

namespace rashi {

// Adds or removes the place the options name, in the user's places file
// (places::OwnPlaces::DefaultPath()); returns the line to print. Throws
// InputError for wrong input and for a file that refused the change.
std::string RunOwnPlaceOption(const ToolOptions& options);

} // namespace rashi
