#pragma once

#include <optional>
#include <string>
#include <sys/resource.h>
#include <sys/types.h>

// marquetto-cli run the way a user or a script runs it: a shell command line in a folder, with its
// output and errors kept in files, optionally under a file-size limit or as another user.
class CliProcess
{
public:
    struct Options
    {
        std::optional<rlim_t> fileSizeLimit;
        // Runs as this user and group instead (root only).
        std::optional<uid_t> user;
        std::optional<gid_t> group;
    };

    struct Outcome
    {
        int exitCode = -1;
        int signal = 0;
        std::string out;
        std::string err;
    };

    // "$CLI" in the command stands for the program.
    CliProcess(const std::string& command, const std::string& folder, const std::string& program,
               Options options = {});
    CliProcess(const CliProcess&) = delete;
    CliProcess& operator=(const CliProcess&) = delete;
    ~CliProcess();

    pid_t pid() const { return pid_; }
    Outcome finish();

    static Outcome run(const std::string& command, const std::string& folder, const std::string& program,
                       Options options = {});

private:
    pid_t pid_ = -1;
    std::string outPath_;
    std::string errPath_;
};
