#pragma once

#include <ostream>
#include <string>
#include <vector>

// marquetto-cli: the design tasks that need no window, for scripts and build pipelines.
class CommandLineTool
{
public:
    enum ExitStatus
    {
        Success = 0,
        FileFailure = 1,
        UsageError = 2
    };

    CommandLineTool(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}

    int run(const std::vector<std::string>& arguments);

private:
    int save(const std::vector<std::string>& options);
    int usageError(const std::string& problem);

    std::ostream& out_;
    std::ostream& err_;
};
