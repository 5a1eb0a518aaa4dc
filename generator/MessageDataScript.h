#pragma once

#include "project/ProjectRecord.h"

#include <string>
#include <string_view>

// The JavaScript arrays that carry the messages into both runtimes: four lines, each ended by CR LF.
class MessageDataScript
{
public:
    static std::string BuildMessageDataScript(const ProjectRecord& record);

    // A field as the body of a double-quoted string literal: every double quote gets a backslash and line
    // breaks are deleted (a break would end the literal). Backslashes pass through, so authors keep
    // their own escapes.
    static std::string stringLiteralBody(std::string_view field);
};
