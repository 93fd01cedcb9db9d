#include "web/program_icon.h"

namespace rashi {

QIcon ProgramIcon()
{
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(kProgramIconPath.arg(size), QSize(size, size));
    return icon;
}

} // namespace rashi
