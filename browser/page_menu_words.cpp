#include "browser/page_menu_words.h"

#include <QtGlobal>

namespace rashi {

const QList<const char*>& PageMenuWords()
{
    static const QList<const char*> words{
        QT_TRANSLATE_NOOP("RenderViewContextMenuQt", "Back"),
        QT_TRANSLATE_NOOP("RenderViewContextMenuQt", "Forward"),
        QT_TRANSLATE_NOOP("RenderViewContextMenuQt", "Reload"),
        QT_TRANSLATE_NOOP("RenderViewContextMenuQt", "Cut"),
        QT_TRANSLATE_NOOP("RenderViewContextMenuQt", "Copy"),
        QT_TRANSLATE_NOOP("RenderViewContextMenuQt", "Paste"),
        QT_TRANSLATE_NOOP("RenderViewContextMenuQt", "Undo"),
        QT_TRANSLATE_NOOP("RenderViewContextMenuQt", "Redo"),
        QT_TRANSLATE_NOOP("RenderViewContextMenuQt", "Select all"),
        QT_TRANSLATE_NOOP("RenderViewContextMenuQt", "Paste and match style"),
        QT_TRANSLATE_NOOP("RenderViewContextMenuQt", "Open link in new window"),
        QT_TRANSLATE_NOOP("RenderViewContextMenuQt", "Open link in new tab"),
        QT_TRANSLATE_NOOP("RenderViewContextMenuQt", "Copy link address"),
        QT_TRANSLATE_NOOP("RenderViewContextMenuQt", "Save link"),
        QT_TRANSLATE_NOOP("RenderViewContextMenuQt", "Copy image"),
        QT_TRANSLATE_NOOP("RenderViewContextMenuQt", "Copy image address"),
        QT_TRANSLATE_NOOP("RenderViewContextMenuQt", "Save image"),
        QT_TRANSLATE_NOOP("RenderViewContextMenuQt", "Copy media address"),
        QT_TRANSLATE_NOOP("RenderViewContextMenuQt", "Show controls"),
        QT_TRANSLATE_NOOP("RenderViewContextMenuQt", "Loop"),
        QT_TRANSLATE_NOOP("RenderViewContextMenuQt", "Save media"),
        QT_TRANSLATE_NOOP("RenderViewContextMenuQt", "Inspect"),
        QT_TRANSLATE_NOOP("RenderViewContextMenuQt", "Exit full screen"),
        QT_TRANSLATE_NOOP("RenderViewContextMenuQt", "Save page"),
        QT_TRANSLATE_NOOP("RenderViewContextMenuQt", "View page source"),
    };
    return words;
}

} // namespace rashi
