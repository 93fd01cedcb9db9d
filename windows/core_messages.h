#pragma once
// The core's messages (the entries' checks, the boxes' filters, chart
// files) as the window shows them: in the language installed, English when
// the catalogue lacks one.

#include <QString>

#include <string_view>

namespace rashi {

QString CoreMessage(std::string_view english);

} // namespace rashi
