#include "preview/WebPreviewWindows.h"

#include <QtGlobal>

// The one entry point of the preview module, found by name when the first preview opens.
extern "C" Q_DECL_EXPORT PreviewWindows* marquetto_preview_windows()
{
    static WebPreviewWindows windows;
    return &windows;
}
