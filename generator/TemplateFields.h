#pragma once

#include "project/ProjectRecord.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The typed texts that a generation run puts into the script templates, each with the step and field
// where the author finds it.
class TemplateFields
{
public:
    struct Field
    {
        std::string_view name;
        const std::string& value;
    };

    static std::vector<Field> of(const ProjectRecord& record);

    // The first placeholder of the templates that `value` holds. Each placeholder is replaced again
    // wherever a value brings it back, so such a value would multiply the scripts' size.
    static std::optional<std::string_view> placeholderIn(std::string_view value);

    // The first field that holds a placeholder, as a message for the author; none for a sound design.
    static std::optional<std::string> placeholderProblem(const ProjectRecord& record);
};
