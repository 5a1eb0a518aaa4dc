#pragma once

#include <string_view>

// The help texts of marquetto-cli, kept as plain text files in app/help/ and compiled in.
class CommandHelp
{
public:
    static std::string_view tool();
    static std::string_view generate();
    static std::string_view check();
    static std::string_view show();
    // Holds namesMark where the list of the named values goes.
    static std::string_view set();
    static std::string_view save();
    static std::string_view import();
    static std::string_view messages();

    static constexpr std::string_view namesMark = "@NAMES@\n";
};
