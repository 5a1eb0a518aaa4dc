#pragma once

#include "project/Expected.h"

class PreviewWindows;

// Loads the preview module beside the program (or where it is installed) on first use.
class PreviewModuleLoader
{
public:
    static constexpr const char* moduleName = "marquetto-preview";

    // The module's preview windows, or why the module could not be loaded from any place it may be.
    static Expected<PreviewWindows*> load();
};
