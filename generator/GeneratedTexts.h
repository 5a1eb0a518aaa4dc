#pragma once

#include <string>

// The texts of the last generation run; after a run the two scripts hold the complete file contents.
struct GeneratedTexts
{
    std::string embedSnippet;
    std::string hostPageText;
    std::string messageDataScript;
    std::string standardsScriptText;
    std::string ieScriptText;
};
