#pragma once

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

// A FIFO that nothing writes to. Code that opens it for reading the usual way would wait for ever; after a
// few seconds this one opens it for writing, once, so that such code goes on and the test fails on what
// it then sees instead of hanging. `freed()` says whether that happened.
class UnwrittenFifo
{
public:
    explicit UnwrittenFifo(std::string path) : path_(std::move(path))
    {
        if (mkfifo(path_.c_str(), 0600) != 0)
            throw std::runtime_error("cannot make the FIFO " + path_);
        watcher_ = std::thread([this] { freeAStuckReader(); });
    }
    UnwrittenFifo(const UnwrittenFifo&) = delete;
    UnwrittenFifo& operator=(const UnwrittenFifo&) = delete;
    ~UnwrittenFifo()
    {
        done_ = true;
        watcher_.join();
    }

    const std::string& path() const { return path_; }
    bool freed() const { return freed_; }

private:
    // Opening for writing without blocking succeeds only while a reader has the FIFO open.
    void freeAStuckReader()
    {
        const auto patience = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (!done_) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            if (std::chrono::steady_clock::now() < patience)
                continue;
            const int writer = ::open(path_.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (writer >= 0) {
                freed_ = true;
                ::close(writer);
                return;
            }
        }
    }

    std::string path_;
    std::atomic<bool> done_ = false;
    std::atomic<bool> freed_ = false;
    std::thread watcher_;
};
