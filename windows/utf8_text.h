#pragma once
// The core speaks UTF-8 in std::string; the windows speak QString. File
// names go to the core in the file system's own bytes.

#include <QFile>
#include <QString>

#include <string>
#include <string_view>

namespace rashi {

inline QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

inline std::string ToUtf8(const QString& text) { return text.toStdString(); }

// A file's name as the core's file functions take it.
inline std::string FileSystemName(const QString& name) { return QFile::encodeName(name).toStdString(); }

} // namespace rashi
