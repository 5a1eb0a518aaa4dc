#pragma once

#include "app/CommandLineOptions.h"
#include "design/DesignFile.h"
#include "project/Expected.h"
#include "project/ProjectRecord.h"

#include <optional>
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
        DesignProblems = 1,
        WrongUsage = 2,
        FileFailure = 3
    };

    CommandLineTool(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}

    // Results go to `out`, messages to `err`; returns the exit status.
    int run(const std::vector<std::string>& arguments);

private:
    using Project = DesignFile::Source;
    struct Command
    {
        const char* name;
        std::string help;
        std::vector<OptionRule> options;
        int (CommandLineTool::*perform)(const CommandLineOptions&, const Project&);
        // The operands are NAME=VALUE assignments, and the project is given only with --project.
        bool operandsAreValues = false;
    };

    static const std::vector<Command>& commands();
    static const Command* findCommand(const std::string& name);

    int runToolOptions(const std::vector<std::string>& arguments);
    int help(const std::vector<std::string>& arguments);
    int runCommand(const Command& command, const std::vector<std::string>& arguments);

    int save(const CommandLineOptions& parsed, const Project& project);
    int generate(const CommandLineOptions& parsed, const Project& project);
    int check(const CommandLineOptions& parsed, const Project& project);
    int import(const CommandLineOptions& parsed, const Project& project);
    int set(const CommandLineOptions& parsed, const Project& project);
    int show(const CommandLineOptions& parsed, const Project& project);
    int messages(const CommandLineOptions& parsed, const Project& project);
    friend class MessagesCommand;

    void warnAbout(const ProjectRecord& record, const Project& project);
    static std::string setHelp();

    // Tells the user what went wrong; returns the exit status for it.
    int failure(const Error& error);

    std::ostream& out_;
    std::ostream& err_;
};
