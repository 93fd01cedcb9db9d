#pragma once
// The words of the menu the web engine opens over a page (right click, or the
// menu key): the engine looks each up in the installed catalogues under the
// context "RenderViewContextMenuQt", and the program's catalogue carries them
// so that the menu speaks the window's language.

#include <QList>

namespace rashi {

// Each entry's English source, exactly as the engine asks for it.
const QList<const char*>& PageMenuWords();

inline constexpr const char* kPageMenuContext = "RenderViewContextMenuQt";

} // namespace rashi
