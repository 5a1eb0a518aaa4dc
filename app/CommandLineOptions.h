#pragma once

#include "project/Expected.h"

#include <map>
#include <string>
#include <vector>

// One option a command accepts: "--name" and, when shortName is set, "-x".
struct OptionRule
{
    std::string name;
    char shortName = 0;
    bool takesValue = false;
    // The value names a file or folder, which an empty text does not.
    bool namesFile = false;
};

// A command's arguments read the GNU way, with getopt_long: "--name VALUE", "--name=VALUE", "-x VALUE",
// options and operands in any order, "--" ending the options. Each option is allowed once, and one that
// names a file takes no empty value; the first problem found is the usage error, in words for the user.
class CommandLineOptions
{
public:
    static Expected<CommandLineOptions> parse(const std::vector<std::string>& arguments,
                                              const std::vector<OptionRule>& allowed);

    bool has(const std::string& name) const { return values_.count(name) > 0; }
    std::string value(const std::string& name) const;
    const std::vector<std::string>& operands() const { return operands_; }

private:
    CommandLineOptions() = default;

    std::map<std::string, std::string> values_;
    std::vector<std::string> operands_;
};
