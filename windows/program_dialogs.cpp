#include "windows/program_dialogs.h"

#include "windows/manual_window.h"

namespace rashi {

void ProgramDialogs::showManual(const QUrl& page)
{
    ManualWindow::show(page, parent());
}

} // namespace rashi
