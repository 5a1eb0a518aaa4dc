#pragma once

#include "app/CommandLineOptions.h"
#include "project/FileError.h"
#include "project/ProjectRecord.h"

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
    int generate(const std::vector<std::string>& options);
    int check(const std::vector<std::string>& options);

    bool readDesign(const CommandLineOptions& parsed, ProjectRecord& record);
    static std::string designFolder(const CommandLineOptions& parsed);
    void bringBackgroundImage(const ProjectRecord& record, const std::string& from, const std::string& to);
    int fileFailure(const FileError& error);
    int usageError(const std::string& problem);

    std::ostream& out_;
    std::ostream& err_;
};
