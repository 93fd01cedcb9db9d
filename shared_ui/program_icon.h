#pragma once
// The program's icon, from the resources compiled into the window library:
// :/icons/rashi-drishti-<size>.png for 16, 24, 32, 48, 64, 128 and 256 pixels.

#include <QIcon>
#include <QString>

namespace rashi {

inline const QString kProgramIconPath = QStringLiteral(":/icons/rashi-drishti-%1.png");

// Every size of the icon.
QIcon ProgramIcon();

// The sizes a window's title bar and task switcher use. X11 is sent every
// size of a window icon as raw pixels, so the large ones would slow every
// start of the program for nothing.
QIcon WindowIcon();

} // namespace rashi
