#pragma once

#include "project/ProjectRecord.h"

class ScriptText;

#include <string>
#include <vector>

// Finds what in a design will break its generated news box or make it show something other than what
// was typed; one line per finding, each naming the step and field to fix and saying what will happen.
class DesignCheck
{
public:
    // The font faces are read as generated (textFontFace, titleFontFace); background images are looked
    // for in imageFolder.
    static std::vector<std::string> problems(const ProjectRecord& record, const std::string& imageFolder);

private:
    static void checkNumbers(const ProjectRecord& record, std::vector<std::string>& found);
    static void checkPlaceholders(const ProjectRecord& record, std::vector<std::string>& found);
    static void checkName(const ProjectRecord& record, std::vector<std::string>& found);
    static void checkMessages(const ProjectRecord& record, std::vector<std::string>& found);
    static void checkLink(const ScriptText& script, const Message& message, const std::string& where,
                          std::vector<std::string>& found);
    static void checkFontFaces(const ProjectRecord& record, std::vector<std::string>& found);
    static void checkBackslashes(const ScriptText& script, const std::string& field, const std::string& value,
                                 bool quotesEscaped, std::vector<std::string>& found);
    static void checkLists(const ProjectRecord& record, std::vector<std::string>& found);
    static void checkImage(const ProjectRecord& record, const std::string& imageFolder,
                           std::vector<std::string>& found);
};
