#include "bench/ResidentMemory.h"

#include <X11/Xlib.h>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

// Starts a program and prints how many seconds passed until its first top-level window was mapped on
// the X display, its resident memory in KiB a moment later, once the window has painted, and whether
// anything of Qt WebEngine was running in it or beside it by then.
namespace {

bool fileMentions(const std::filesystem::path& file, const std::string& word)
{
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line))
        if (line.find(word) != std::string::npos)
            return true;
    return false;
}

// A web engine process of our own would be a child of the program.
bool webEngineStarted(pid_t program)
{
    if (fileMentions("/proc/" + std::to_string(program) + "/maps", "WebEngine"))
        return true;
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        std::ifstream stat(entry.path() / "stat");
        std::string pid, name, state;
        pid_t parent = 0;
        if (stat >> pid >> name >> state >> parent && parent == program &&
            name.find("WebEngine") != std::string::npos)
            return true;
    }
    return false;
}

bool waitForMappedWindow(Display* display, double timeoutSeconds)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(timeoutSeconds);
    while (std::chrono::steady_clock::now() < deadline) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect)
                return true;
        }
        const int connection = ConnectionNumber(display);
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(connection, &readable);
        timeval wait{0, 20000};
        select(connection + 1, &readable, nullptr, nullptr, &wait);
    }
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::cerr << "usage: first_window_timer PROGRAM [ARGUMENT...]\n";
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::cerr << "first_window_timer: no X display; run it under xvfb-run\n";
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto start = std::chrono::steady_clock::now();
    const pid_t program = fork();
    if (program == 0) {
        execvp(argv[1], argv + 1);
        std::perror(argv[1]);
        _exit(127);
    }
    const bool shown = waitForMappedWindow(display, 20.0);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    if (shown)
        usleep(300000);
    const long resident = residentKiB("/proc/" + std::to_string(program) + "/status");
    const bool webEngine = shown && webEngineStarted(program);
    kill(program, SIGTERM);
    waitpid(program, nullptr, 0);
    XCloseDisplay(display);
    if (!shown) {
        std::cerr << "first_window_timer: " << argv[1] << " showed no window within 20 s\n";
        return 1;
    }
    std::cout << elapsed.count() << ' ' << resident << (webEngine ? " webengine" : "") << "\n";
    return 0;
}
