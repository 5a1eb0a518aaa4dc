#pragma once

#include <cstdlib>
#include <optional>
#include <string>

// Sets an environment variable for one test and gives it back its earlier value (or absence) afterwards,
// so that later tests in the same process meet the environment they were started with.
class ScopedEnvironment
{
public:
    ScopedEnvironment(std::string name, const std::string& value) : name_(std::move(name))
    {
        if (const char* earlier = std::getenv(name_.c_str()))
            earlier_ = earlier;
        setenv(name_.c_str(), value.c_str(), 1);
    }
    ~ScopedEnvironment()
    {
        if (earlier_)
            setenv(name_.c_str(), earlier_->c_str(), 1);
        else
            unsetenv(name_.c_str());
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    std::string name_;
    std::optional<std::string> earlier_;
};
