#pragma once

#include "generator/DesignCheck.h"
#include "generator/ScriptEscape.h"

#include <string>
#include <string_view>

class ScriptText;

// The design check's rules on the texts that go into the box's scripts as typed: backslash escapes, the
// markup of titles and texts, and what a message's link does when clicked.
class ScriptValueCheck
{
public:
    using Found = std::vector<DesignFinding>;

    static void checkFontFaces(const ProjectRecord& record, Found& found);
    static void checkMessages(const ProjectRecord& record, Found& found);

private:
    using Place = DesignCheck::Place;

    static void checkMarkup(const ScriptText& script, const Place& place, const std::string& value,
                            Found& found);
    static void checkLink(const ScriptText& script, const Message& message, const Place& place, Found& found);
    static void checkLinkScript(std::u32string_view typed, const ScriptEscape::Reading& link,
                                const std::string& target, const Place& place, Found& found);
    static void checkBackslashes(const ScriptText& script, const Place& place, const std::string& value,
                                 bool quotesEscaped, Found& found);
};
