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

    // `languageAttribute` goes into the html start tag; it is empty unless the box is made accessible.
    static std::string BuildPreviewPage(const std::string& embedSnippet,
                                        const std::string& languageAttribute);

private:
    static void trimAfterLastStatement(std::string& script);
};
