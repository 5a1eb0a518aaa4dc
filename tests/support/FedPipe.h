#pragma once

#include <stdexcept>
#include <string>
#include <thread>
#include <unistd.h>

// A pipe that a thread fills with a text and then closes, as a program piping into ours would. The text
// must be read to its end before the pipe goes.
class FedPipe
{
public:
    explicit FedPipe(std::string text) : text_(std::move(text))
    {
        if (pipe(ends_) != 0)
            throw std::runtime_error("cannot make a pipe");
        writer_ = std::thread([this] {
            std::size_t written = 0;
            while (written < text_.size()) {
                const ssize_t count = write(ends_[1], text_.data() + written, text_.size() - written);
                if (count <= 0)
                    break;
                written += static_cast<std::size_t>(count);
            }
            close(ends_[1]);
        });
    }
    FedPipe(const FedPipe&) = delete;
    FedPipe& operator=(const FedPipe&) = delete;
    ~FedPipe()
    {
        writer_.join();
        close(ends_[0]);
    }

    int readEnd() const { return ends_[0]; }

private:
    std::string text_;
    int ends_[2] = {-1, -1};
    std::thread writer_;
};
