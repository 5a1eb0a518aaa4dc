#pragma once

#include "app/CommandLineOptions.h"
#include "project/Expected.h"

#include <optional>
#include <string>
#include <vector>

class CommandLineTool;

// marquetto-cli messages: the messages file that a box with live messages reads, written from a project's
// messages or from a news feed's items, so that a cron job keeps a published box current.
class MessagesCommand
{
public:
    static std::vector<OptionRule> options();

    explicit MessagesCommand(CommandLineTool& tool) : tool_(tool) {}

    // Returns the exit status.
    int run(const CommandLineOptions& parsed, const std::optional<std::string>& project);

private:
    Expected<std::string> fromFeed(const CommandLineOptions& parsed);
    Expected<std::string> fromProject(const std::optional<std::string>& project);
    static Expected<void> write(const std::string& to, const std::string& text);

    CommandLineTool& tool_;
};
