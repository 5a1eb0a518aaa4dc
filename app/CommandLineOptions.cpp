#include "app/CommandLineOptions.h"

CommandLineOptions::CommandLineOptions(const std::vector<std::string>& arguments,
                                       const std::set<std::string>& allowed)
{
    for (std::size_t i = 0; i < arguments.size() && problem_.empty(); i += 2) {
        const std::string& name = arguments[i];
        if (allowed.count(name) == 0)
            problem_ = "unknown option \"" + name + "\"";
        else if (i + 1 >= arguments.size())
            problem_ = "option " + name + " needs a value";
        else if (!values_.emplace(name, arguments[i + 1]).second)
            problem_ = "option " + name + " is given twice";
    }
}

std::string CommandLineOptions::value(const std::string& name) const
{
    const auto found = values_.find(name);
    return found == values_.end() ? std::string() : found->second;
}
