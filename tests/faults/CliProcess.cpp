#include "tests/faults/CliProcess.h"

#include "tests/support/FileBytes.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <grp.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Only async-signal-safe calls between fork and exec.
[[noreturn]] void becomeChild(const std::string& command, const std::string& folder,
                              const std::string& program, const CliProcess::Options& options,
                              const std::string& outPath, const std::string& errPath)
{
    const int in = open("/dev/null", O_RDONLY);
    const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (in < 0 || out < 0 || err < 0 || dup2(in, 0) < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0)
        _exit(120);
    if (chdir(folder.c_str()) != 0)
        _exit(121);
    if (options.fileSizeLimit) {
        const rlimit limit{*options.fileSizeLimit, *options.fileSizeLimit};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
            _exit(122);
    }
    if (options.user) {
        if (setgroups(0, nullptr) != 0 || setgid(*options.group) != 0 || setuid(*options.user) != 0)
            _exit(123);
    }
    setenv("CLI", program.c_str(), 1);
    execl("/bin/bash", "bash", "-c", command.c_str(), static_cast<char*>(nullptr));
    _exit(124);
}

} // namespace

CliProcess::CliProcess(const std::string& command, const std::string& folder, const std::string& program,
                       Options options)
{
    char outPattern[] = "/tmp/marquetto-fault-out-XXXXXX";
    char errPattern[] = "/tmp/marquetto-fault-err-XXXXXX";
    const int outFile = mkstemp(outPattern);
    const int errFile = mkstemp(errPattern);
    if (outFile < 0 || errFile < 0)
        throw std::runtime_error("cannot create the files for a child's output");
    close(outFile);
    close(errFile);
    outPath_ = outPattern;
    errPath_ = errPattern;
    pid_ = fork();
    if (pid_ < 0)
        throw std::runtime_error("cannot start a child process");
    if (pid_ == 0)
        becomeChild(command, folder, program, options, outPath_, errPath_);
}

CliProcess::~CliProcess()
{
    if (pid_ > 0)
        finish();
    std::remove(outPath_.c_str());
    std::remove(errPath_.c_str());
}

CliProcess::Outcome CliProcess::finish()
{
    Outcome outcome;
    int status = 0;
    while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
    pid_ = -1;
    if (WIFEXITED(status))
        outcome.exitCode = WEXITSTATUS(status);
    if (WIFSIGNALED(status))
        outcome.signal = WTERMSIG(status);
    outcome.out = readBytes(outPath_);
    outcome.err = readBytes(errPath_);
    return outcome;
}

CliProcess::Outcome CliProcess::run(const std::string& command, const std::string& folder,
                                    const std::string& program, Options options)
{
    CliProcess process(command, folder, program, options);
    return process.finish();
}
