#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

// Options of the form "--name VALUE", each allowed once; anything else is a problem to report.
class CommandLineOptions
{
public:
    CommandLineOptions(const std::vector<std::string>& arguments, const std::set<std::string>& allowed);

    bool has(const std::string& name) const { return values_.count(name) > 0; }
    std::string value(const std::string& name) const;
    const std::string& problem() const { return problem_; }

private:
    std::map<std::string, std::string> values_;
    std::string problem_;
};
