#pragma once

#include "generator/GeneratedTexts.h"
#include "project/ProjectRecord.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Fills the runtime templates with the design's values. The IE step also completes the standards text,
// so FillStandardsScript always runs first.
class ScriptFiller
{
public:
    using Substitutions = std::vector<std::pair<std::string_view, std::string>>;

    static void FillStandardsScript(const ProjectRecord& record, GeneratedTexts& texts);
    static void FillIeScript(const ProjectRecord& record, GeneratedTexts& texts);

    // A script of our own that uses the runtime's tokens, filled like the runtimes, `own` tokens first.
    static std::string filled(std::string_view script, const ProjectRecord& record, const Substitutions& own);

private:
    static Substitutions sharedTokens(const ProjectRecord& record);
    static Substitutions standardsOnlyTokens(const ProjectRecord& record);
    static void removeLineBreaksAndTabs(std::string& text);
    // Right-to-left text starts at the right, so a box aligned to the start of its lines aligns right.
    static std::string alignmentWord(const ProjectRecord& record);
};
