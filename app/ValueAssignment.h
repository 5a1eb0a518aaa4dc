#pragma once

#include "app/DesignValues.h"
#include "project/Expected.h"
#include "project/Message.h"

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

    // Texts come as UTF-8; in a windows-1252 design they are stored as windows-1252 when every character
    // has a byte there, and otherwise the whole design becomes UTF-8, as when the wizard stores such a text.
    void applyTo(ProjectRecord& record) const;

private:
    using Stored = std::variant<std::string, int, RgbColor, std::vector<Message>>;

    ValueAssignment(const DesignValue& value, Stored stored) : value_(&value), stored_(std::move(stored)) {}

    static Expected<Stored> read(const DesignValue& value, const std::string& text);

    const DesignValue* value_;
    Stored stored_;
};
