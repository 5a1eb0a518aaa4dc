#pragma once

#include "project/ProjectRecord.h"

#include <array>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

using SettingField =
    std::variant<std::string ProjectRecord::*, int ProjectRecord::*, RgbColor ProjectRecord::*>;

// One line of a project file: a text or integer setting, or a colour as three records.
struct SettingLine
{
    std::string_view marker;
    std::string_view key;
    SettingField field;
};

// A design option added after the fixed settings: its record is written only while the option is on.
struct OptionLine
{
    std::string_view key;
    int ProjectRecord::*field;
};

// A number that an option takes: its record follows the option's and is written only while the option is on.
struct OptionValueLine
{
    std::string_view key;
    int ProjectRecord::*field;
    int ProjectRecord::*option;
    // What the reader keeps of a value read as an integer; a missing value reads as 0.
    int (*held)(int value);
};

enum class MessageField
{
    Text,
    Link,
    Target,
    Title
};

// The keys of the project file format, shared by its writer and its reader.
class ProjectKeys
{
public:
    // The setting lines in the order the writer puts them; the message count line follows them.
    static const std::vector<SettingLine>& settingLines();

    // The options in the order the writer puts them, after the message count line and before the messages.
    // Their keys start with optionPrefix, which no fixed key starts with, so that no start or end text of
    // an option holds one of a fixed setting: a reader that knows only the fixed settings still reads them.
    static const std::vector<OptionLine>& optionLines();

    // The numbers that options take, each written after its option's line.
    static const std::vector<OptionValueLine>& optionValueLines();

    // Every key that holds a value of its own, colour components spelled out ("bgcolor_red"), options and
    // their numbers last.
    static const std::vector<std::string>& valueKeys();

    static std::array<std::string, 3> colorKeys(std::string_view key);

    // Message records are written in this order: text, link, target, title.
    static constexpr std::array<MessageField, 4> messageFieldOrder{MessageField::Text, MessageField::Link,
                                                                   MessageField::Target, MessageField::Title};
    static std::string_view messageKey(MessageField field);

    static constexpr std::string_view messageCountKey = "text-message_count";
    static constexpr std::string_view messageCountMarker = "#%#";
    static constexpr std::string_view messageMarker = "#%#";
    static constexpr std::string_view optionMarker = "#%#";
    static constexpr std::string_view optionPrefix = "x-";
    static constexpr std::string_view startPrefix = "qvo-";
    static constexpr std::string_view endPrefix = "endof-qvo-";
};
