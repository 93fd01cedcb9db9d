#pragma once
// The main program's dialogs: those of every window, and the manual in the
// program's own manual window.

#include "shared_ui/user_dialogs.h"

namespace rashi {

class ProgramDialogs : public WidgetDialogs {
public:
    using WidgetDialogs::WidgetDialogs;
    void showManual(const QUrl& page) override;
};

} // namespace rashi
