#include "app/DisplayProbe.h"

#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sstream>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

constexpr int xPortBase = 6000;
// A forwarded display on a dead connection may never answer at all.
constexpr int connectTimeoutMilliseconds = 3000;

std::string environmentValue(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

class Socket
{
public:
    explicit Socket(int descriptor) : descriptor_(descriptor) {}
    ~Socket()
    {
        if (descriptor_ >= 0)
            close(descriptor_);
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    int get() const { return descriptor_; }

private:
    int descriptor_;
};

bool connectsWithin(int descriptor, const sockaddr* address, socklen_t length)
{
    fcntl(descriptor, F_SETFL, fcntl(descriptor, F_GETFL) | O_NONBLOCK);
    if (connect(descriptor, address, length) == 0)
        return true;
    if (errno != EINPROGRESS)
        return false;
    pollfd waiting{descriptor, POLLOUT, 0};
    if (poll(&waiting, 1, connectTimeoutMilliseconds) != 1)
        return false;
    int error = 0;
    socklen_t size = sizeof error;
    return getsockopt(descriptor, SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0;
}

bool unixSocketAnswers(const std::string& path, bool abstract)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::size_t offset = abstract ? 1 : 0;
    if (path.size() + offset >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path + offset, path.data(), path.size());
    const auto length =
        static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset + path.size() + (abstract ? 0 : 1));
    Socket socket(::socket(AF_UNIX, SOCK_STREAM, 0));
    return socket.get() >= 0 && connectsWithin(socket.get(), reinterpret_cast<sockaddr*>(&address), length);
}

bool tcpAnswers(const std::string& host, int port)
{
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0)
        return false;
    bool answered = false;
    for (addrinfo* candidate = found; candidate && !answered; candidate = candidate->ai_next) {
        Socket socket(::socket(candidate->ai_family, candidate->ai_socktype, candidate->ai_protocol));
        answered =
            socket.get() >= 0 && connectsWithin(socket.get(), candidate->ai_addr, candidate->ai_addrlen);
    }
    freeaddrinfo(found);
    return answered;
}

bool isOneOf(const std::string& platform, const char* name)
{
    return platform.rfind(name, 0) == 0;
}

} // namespace

DisplayProbe::Environment DisplayProbe::fromProcess()
{
    return {environmentValue("QT_QPA_PLATFORM"), environmentValue("DISPLAY"),
            environmentValue("WAYLAND_DISPLAY"), environmentValue("XDG_RUNTIME_DIR")};
}

bool DisplayProbe::xServerAnswers(const std::string& display)
{
    std::string rest = display;
    if (const auto slash = rest.find('/'); slash != std::string::npos)
        rest = rest.substr(slash + 1);
    const auto colon = rest.rfind(':');
    if (colon == std::string::npos)
        return false;
    const std::string host = rest.substr(0, colon);
    const std::string numberText = rest.substr(colon + 1, rest.find('.', colon) - colon - 1);
    int number = -1;
    const auto [end, error] =
        std::from_chars(numberText.data(), numberText.data() + numberText.size(), number);
    if (error != std::errc() || end != numberText.data() + numberText.size() || number < 0)
        return false;
    if (host.empty() || host == "unix") {
        const std::string path = "/tmp/.X11-unix/X" + std::to_string(number);
        return unixSocketAnswers(path, true) || unixSocketAnswers(path, false);
    }
    return tcpAnswers(host, xPortBase + number);
}

bool DisplayProbe::waylandAnswers(const std::string& waylandDisplay, const std::string& runtimeFolder)
{
    if (waylandDisplay.empty())
        return false;
    if (waylandDisplay.front() == '/')
        return unixSocketAnswers(waylandDisplay, false);
    return !runtimeFolder.empty() && unixSocketAnswers(runtimeFolder + "/" + waylandDisplay, false);
}

std::string DisplayProbe::whatIsMissing(const Environment& environment)
{
    bool tryX = environment.qpaPlatform.empty();
    bool tryWayland = environment.qpaPlatform.empty();
    std::istringstream platforms(environment.qpaPlatform);
    for (std::string platform; std::getline(platforms, platform, ';');) {
        if (isOneOf(platform, "xcb"))
            tryX = true;
        else if (isOneOf(platform, "wayland"))
            tryWayland = true;
        else
            return {};
    }
    tryWayland = tryWayland && (!environment.waylandDisplay.empty() || !environment.qpaPlatform.empty());
    if (tryWayland && waylandAnswers(environment.waylandDisplay, environment.runtimeFolder))
        return {};
    if (tryX && !environment.display.empty() && xServerAnswers(environment.display))
        return {};

    std::string missing;
    if (tryWayland)
        missing = environment.waylandDisplay.empty() ? "WAYLAND_DISPLAY is not set"
                                                     : "no Wayland compositor answers at WAYLAND_DISPLAY \"" +
                                                           environment.waylandDisplay + "\"";
    if (tryX) {
        if (!missing.empty())
            missing += ", and ";
        missing += environment.display.empty()
                       ? "DISPLAY is not set"
                       : "no X server answers at DISPLAY \"" + environment.display + "\"";
    }
    return missing;
}
