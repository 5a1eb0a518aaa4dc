#pragma once

#include <QString>

class PreviewWindows;

// Loads the preview module beside the program (or where it is installed) on first use.
class PreviewModuleLoader
{
public:
    static constexpr const char* moduleName = "marquetto-preview";

    // Nothing, with the reason in `error`, when the module cannot be loaded.
    static PreviewWindows* load(QString& error);
};
