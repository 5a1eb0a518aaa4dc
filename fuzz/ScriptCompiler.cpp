#include "fuzz/ScriptCompiler.h"

#include "fuzz/FuzzCheck.h"

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// libFuzzer's timeout timer interrupts system calls (its handlers do not ask for a restart), so every
// read and write is resumed by hand.
// Moves `size` bytes with `transfer` (read or write), resuming after interruptions and short transfers.
template <typename Transfer, typename Byte>
bool transferAll(Transfer transfer, int fd, Byte* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t moved = transfer(fd, data, size);
        if (moved < 0 && errno == EINTR)
            continue;
        if (moved <= 0)
            return false;
        data += moved;
        size -= static_cast<std::size_t>(moved);
    }
    return true;
}

bool writeAll(int fd, const char* data, std::size_t size)
{
    return transferAll(::write, fd, data, size);
}

bool readAll(int fd, char* data, std::size_t size)
{
    return transferAll(::read, fd, data, size);
}

std::string lengthHeader(std::uint32_t length)
{
    return {static_cast<char>(length & 0xFF), static_cast<char>((length >> 8) & 0xFF),
            static_cast<char>((length >> 16) & 0xFF), static_cast<char>((length >> 24) & 0xFF)};
}

std::uint32_t lengthOf(const char* header)
{
    const auto byte = [&](int i) {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(header[i]));
    };
    return byte(0) | byte(1) << 8 | byte(2) << 16 | byte(3) << 24;
}

} // namespace

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
    toServer_ = request[1];
    fromServer_ = answer[0];
    // A server that ended must stop the run with its message, not kill it with SIGPIPE.
    std::signal(SIGPIPE, SIG_IGN);
}

ScriptCompiler::~ScriptCompiler()
{
    close(toServer_);
    close(fromServer_);
    waitpid(server_, nullptr, 0);
}

// Each request is a 4-byte little-endian length and the script; each answer is a length and the error.
std::string ScriptCompiler::syntaxError(std::string_view script)
{
    const std::string header = lengthHeader(static_cast<std::uint32_t>(script.size()));
    require(writeAll(toServer_, header.data(), header.size()) &&
                writeAll(toServer_, script.data(), script.size()),
            "the script reaches the script compiler");
    char answerHeader[4];
    require(readAll(fromServer_, answerHeader, sizeof answerHeader), "the script compiler answers");
    std::string error(lengthOf(answerHeader), '\0');
    require(readAll(fromServer_, error.data(), error.size()), "the script compiler's answer arrives whole");
    return error;
}
