#pragma once
// The core speaks UTF-8 in std::string; the windows speak QString.

#include <QString>

#include <string>
#include <string_view>

namespace rashi {

inline QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

inline std::string ToUtf8(const QString& text) { return text.toStdString(); }

} // namespace rashi
