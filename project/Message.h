#pragma once

#include <string>

// One message of the news box, as the editors and the record exchange it.
struct Message
{
    std::string title;
    std::string text;
    std::string link;
    std::string target;

    friend bool operator==(const Message&, const Message&) = default;
};
