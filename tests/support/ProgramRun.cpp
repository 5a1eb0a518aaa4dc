#include "tests/support/ProgramRun.h"

#include "tests/support/FileBytes.h"
#include "tests/support/TemporaryFolder.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Only async-signal-safe calls between fork and exec; any failure ends the child with 127.
[[noreturn]] void becomeProgram(const std::string& program, std::vector<char*>& argv,
                                const std::string& folder, const std::string& outFile,
                                const std::string& errFile)
{
    const int in = open("/dev/null", O_RDONLY);
    const int out = open(outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int err = open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (in < 0 || out < 0 || err < 0 || dup2(in, 0) < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0 ||
        chdir(folder.c_str()) != 0)
        _exit(127);
    execv(program.c_str(), argv.data());
    _exit(127);
}

} // namespace

ProgramRun runProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const std::string& folder)
{
    // Output goes through files, so that a chatty program can never block on a full pipe.
    TemporaryFolder capture;
    const std::string outFile = capture.file("out");
    const std::string errFile = capture.file("err");
    std::vector<std::string> words{program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    ProgramRun run;
    const pid_t child = fork();
    if (child == 0)
        becomeProgram(program, argv, folder, outFile, errFile);
    int waitStatus = 0;
    if (child > 0 && waitpid(child, &waitStatus, 0) == child && WIFEXITED(waitStatus))
        run.status = WEXITSTATUS(waitStatus);
    run.out = readBytes(outFile);
    run.err = readBytes(errFile);
    return run;
}
