#pragma once

#include "generator/GeneratedTexts.h"

#include <string>

// The code a click on a message runs, put into both runtimes, and the preview page around the snippet.
class LinkCode
{
public:
    static std::string linkClickCode();

    // Puts the link code in place of "//buildergenlink" and drops anything after "window.onload=initte;".
    static void FinishScripts(GeneratedTexts& texts);

    static std::string BuildPreviewPage(const std::string& embedSnippet);

private:
    static void trimAfterLastStatement(std::string& script);
};
