#pragma once

#include "project/ProjectRecord.h"

#include <optional>
#include <string>
#include <string_view>

// A project file has no escaping: the reader takes a value from the first occurrence of its start text
// ("qvo-KEY=") to the first occurrence of its end text ("endof-qvo-KEY"), searched in the whole file. A
// value that holds either text of a key the reader knows would become, or cut short, another record when
// the file is read again, so such a value is made inert or refused before it is written.
class RecordMarkers
{
public:
    // Every message number counts, as a value may be moved into a design with more messages.
    static constexpr int anyMessage = -1;

    // The first start or end text of a known key that `value` holds, counting message numbers from 1 to
    // messageCount. The end text that the writer puts after every value is taken into account, so that a
    // value ending in "endof-qvo-paus" is found as well.
    static std::optional<std::string> keyTextIn(std::string_view value, int messageCount = anyMessage);
    static bool holdsKeyText(std::string_view value) { return keyTextIn(value).has_value(); }

    // The value with every "qvo-" written "qv&#111;-": HTML shows the character reference as the letter it
    // stands for, so a title or text looks the same in the box and holds no key text any more.
    static std::string inertHtml(std::string_view value);

    // Where the author finds a value that the reader would not give back, and what in it.
    struct UnsafeValue
    {
        int step = 0;
        std::string field;
        int message = 0; // counted from 1; 0 for a setting
        std::string problem;

        std::string describe() const;
    };
    // The first value of the design that holds a key text the reader knows, or a NUL, for which the reader
    // refuses the whole file.
    static std::optional<UnsafeValue> firstUnsafeValue(const ProjectRecord& record);
};
