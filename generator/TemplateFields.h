#pragma once

#include "project/Expected.h"
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
        int step;
        std::string_view caption;
        const std::string& value;
    };

    static std::vector<Field> of(const ProjectRecord& record);

    // The first placeholder of the templates that `value` holds. Each placeholder is replaced again
    // wherever a value brings it back, so such a value would multiply the scripts' size.
    static std::optional<std::string_view> placeholderIn(std::string_view value);

    // Refuses a design in which a field holds a placeholder, naming the first such field for the author; the
    // refusal's rule is "placeholder", with the step, the field's caption and the placeholder.
    static Expected<void> freeOfPlaceholders(const ProjectRecord& record);
};
