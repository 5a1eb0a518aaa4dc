#include "app/CommandLineTool.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <iostream>

int main(int argc, char** argv)
{
    // Past a file-size limit a write should fail and be reported, not end the program without a word.
    std::signal(SIGXFSZ, SIG_IGN);
    CommandLineTool tool(std::cout, std::cerr);
    const int status = tool.run(std::vector<std::string>(argv + 1, argv + argc));
    errno = 0;
    std::cout.flush();
    if (std::cout)
        return status;
    std::cerr << "marquetto-cli: standard output could not be written"
              << (errno != 0 ? std::string(": ") + std::strerror(errno) : std::string()) << ".\n";
    return CommandLineTool::FileFailure;
}
