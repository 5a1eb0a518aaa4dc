#include "app/DisplayProbe.h"

#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>
#include <netinet/in.h>
#include <optional>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// A listening socket that stands in for a display server; it never needs to accept.
class Listener
{
public:
    // An X server on 127.0.0.1 for the first free display number from 60 on.
    static std::optional<Listener> xServer()
    {
        for (int number = 60; number < 100; ++number) {
            Listener listener(socket(AF_INET, SOCK_STREAM, 0));
            sockaddr_in address{};
            address.sin_family = AF_INET;
            address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
            address.sin_port = htons(static_cast<uint16_t>(6000 + number));
            if (bind(listener.descriptor_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
                listen(listener.descriptor_, 16) == 0) {
                listener.display = "127.0.0.1:" + std::to_string(number) + ".0";
                return listener;
            }
        }
        return std::nullopt;
    }

    static Listener unixSocket(const std::string& path)
    {
        Listener listener(socket(AF_UNIX, SOCK_STREAM, 0));
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        path.copy(address.sun_path, sizeof address.sun_path - 1);
        EXPECT_EQ(bind(listener.descriptor_, reinterpret_cast<sockaddr*>(&address), sizeof address), 0)
            << path;
        EXPECT_EQ(listen(listener.descriptor_, 16), 0);
        return listener;
    }

    Listener(Listener&& other) noexcept : display(std::move(other.display)), descriptor_(other.descriptor_)
    {
        other.descriptor_ = -1;
    }
    Listener& operator=(Listener&&) = delete;
    ~Listener()
    {
        if (descriptor_ >= 0)
            close(descriptor_);
    }

    std::string display;

private:
    explicit Listener(int descriptor) : descriptor_(descriptor) {}
    int descriptor_;
};

} // namespace

TEST(DisplayProbe, AnXServerThatListensAnswersAndOneThatIsGoneDoesNot)
{
    std::string display;
    {
        auto server = Listener::xServer();
        ASSERT_TRUE(server.has_value()) << "no free display number to listen on";
        display = server->display;
        EXPECT_TRUE(DisplayProbe::xServerAnswers(display));
        EXPECT_EQ(DisplayProbe::whatIsMissing({"", display, "", ""}), "");
    }
    EXPECT_FALSE(DisplayProbe::xServerAnswers(display));
    EXPECT_EQ(DisplayProbe::whatIsMissing({"", display, "", ""}),
              "no X server answers at DISPLAY \"" + display + "\"");
}

TEST(DisplayProbe, MalformedOrUnsetDisplaysAreMissing)
{
    for (const char* display : {"nonsense", ":", ":x", "host:-1", ":99999"}) {
        SCOPED_TRACE(display);
        EXPECT_FALSE(DisplayProbe::xServerAnswers(display));
    }
    EXPECT_EQ(DisplayProbe::whatIsMissing({}), "DISPLAY is not set");
}

TEST(DisplayProbe, AWaylandSocketInTheRuntimeFolderAnswers)
{
    TemporaryFolder runtime;
    EXPECT_EQ(DisplayProbe::whatIsMissing({"", "", "wayland-test", runtime.path()}),
              "no Wayland compositor answers at WAYLAND_DISPLAY \"wayland-test\", and DISPLAY is not set");
    const Listener compositor = Listener::unixSocket(runtime.path() + "/wayland-test");
    EXPECT_TRUE(DisplayProbe::waylandAnswers("wayland-test", runtime.path()));
    EXPECT_TRUE(DisplayProbe::waylandAnswers(runtime.path() + "/wayland-test", ""));
    EXPECT_EQ(DisplayProbe::whatIsMissing({"", "", "wayland-test", runtime.path()}), "");
    EXPECT_FALSE(DisplayProbe::waylandAnswers("wayland-test", ""));
}

TEST(DisplayProbe, AChosenPlatformIsTheOnlyOneLookedFor)
{
    TemporaryFolder runtime;
    const Listener compositor = Listener::unixSocket(runtime.path() + "/wayland-0");
    EXPECT_EQ(DisplayProbe::whatIsMissing({"offscreen", "", "", ""}), "")
        << "a platform that needs no display";
    EXPECT_EQ(DisplayProbe::whatIsMissing({"xcb", "", "wayland-0", runtime.path()}), "DISPLAY is not set");
    EXPECT_EQ(DisplayProbe::whatIsMissing({"wayland", "", "wayland-0", runtime.path()}), "");
    EXPECT_EQ(DisplayProbe::whatIsMissing({"wayland", ":5", "", runtime.path()}),
              "WAYLAND_DISPLAY is not set");
}
