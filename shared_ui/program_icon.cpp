#include "shared_ui/program_icon.h"

namespace rashi {

namespace {

QIcon IconOfSizes(std::initializer_list<int> sizes)
{
    QIcon icon;
    for (const int size : sizes)
        icon.addFile(kProgramIconPath.arg(size), QSize(size, size));
    return icon;
}

} // namespace

QIcon ProgramIcon()
{
    return IconOfSizes({16, 24, 32, 48, 64, 128, 256});
}

QIcon WindowIcon()
{
    return IconOfSizes({16, 32, 48});
}

} // namespace rashi
