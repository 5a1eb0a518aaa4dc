#pragma once

#include "design/DesignValues.h"
#include "project/Expected.h"
#include "project/Message.h"
#include "project/ProjectEncoding.h"

#include <string>
#include <string_view>
#include <variant>
#include <vector>

// One NAME=VALUE of the set command, held to the rule of the wizard's control for that value: what the
// control would not take is refused with a line that names the value and says what it takes.
class ValueAssignment
{
public:
    static Expected<ValueAssignment> parse(std::string_view argument);

    const DesignValue& value() const { return *value_; }

    // Puts every value into the design. Texts come as UTF-8; the design's encoding is settled once, before
    // the first: a windows-1252 design takes them in windows-1252 when it has every character, and
    // otherwise becomes UTF-8 as a whole, as when the wizard stores such a text. A link, target or setting
    // holding a text that marks a project file's record is refused once the design holds every value, as
    // whether a message number counts depends on how many messages there are.
    [[nodiscard]] static Expected<void> applyAll(const std::vector<ValueAssignment>& assignments,
                                                 ProjectRecord& record);

private:
    using Stored = std::variant<std::string, int, RgbColor, std::vector<Message>>;

    ValueAssignment(const DesignValue& value, Stored stored) : value_(&value), stored_(std::move(stored)) {}

    static Expected<Stored> read(const DesignValue& value, const std::string& text);
    bool fitsWindows1252() const;
    void applyTo(ProjectRecord& record, ProjectEncoding::Kind encoding) const;
    [[nodiscard]] Expected<void> readsBackIn(const ProjectRecord& record) const;

    const DesignValue* value_;
    Stored stored_;
};
