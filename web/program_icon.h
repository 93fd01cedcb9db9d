#pragma once
// The program's icon, from the resources compiled into the window library:
// :/icons/rashi-drishti-<size>.png for 16, 24, 32, 48, 64, 128 and 256 pixels.

#include <QIcon>
#include <QString>

namespace rashi {

inline const QString kProgramIconPath = QStringLiteral(":/icons/rashi-drishti-%1.png");

// Every size of the icon, for window icons.
QIcon ProgramIcon();

} // namespace rashi
