#include "fuzz/ScriptCompiler.h"

#include "fuzz/FuzzCheck.h"

#include <csignal>
#include <cstdint>
#include <sys/wait.h>
#include <unistd.h>

ScriptCompiler::ScriptCompiler(const std::string& node, const std::string& server)
{
    int request[2];
    int answer[2];
    require(pipe(request) == 0 && pipe(answer) == 0, "pipes to the script compiler can be made");
    server_ = fork();
    require(server_ >= 0, "the script compiler can be started");
    if (server_ == 0) {
        dup2(request[0], STDIN_FILENO);
        dup2(answer[1], STDOUT_FILENO);
        for (int fd : {request[0], request[1], answer[0], answer[1]})
            close(fd);
        execl(node.c_str(), node.c_str(), server.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(request[0]);
    close(answer[1]);
    toServer_ = fdopen(request[1], "wb");
    fromServer_ = fdopen(answer[0], "rb");
    // A crashed server must end the run with its message, not kill it with SIGPIPE.
    std::signal(SIGPIPE, SIG_IGN);
}

ScriptCompiler::~ScriptCompiler()
{
    std::fclose(toServer_);
    std::fclose(fromServer_);
    waitpid(server_, nullptr, 0);
}

// Each request is a 4-byte little-endian length and the script; each answer is a length and the error.
std::string ScriptCompiler::syntaxError(std::string_view script)
{
    const auto length = static_cast<std::uint32_t>(script.size());
    const unsigned char header[4] = {
        static_cast<unsigned char>(length), static_cast<unsigned char>(length >> 8),
        static_cast<unsigned char>(length >> 16), static_cast<unsigned char>(length >> 24)};
    const bool sent = std::fwrite(header, 1, 4, toServer_) == 4 &&
                      std::fwrite(script.data(), 1, script.size(), toServer_) == script.size() &&
                      std::fflush(toServer_) == 0;
    require(sent, "the script reaches the script compiler");
    unsigned char answerHeader[4];
    require(std::fread(answerHeader, 1, 4, fromServer_) == 4, "the script compiler answers");
    const std::uint32_t answerLength = answerHeader[0] | answerHeader[1] << 8 | answerHeader[2] << 16 |
                                       static_cast<std::uint32_t>(answerHeader[3]) << 24;
    std::string error(answerLength, '\0');
    require(std::fread(error.data(), 1, answerLength, fromServer_) == answerLength,
            "the script compiler's answer arrives whole");
    return error;
}
