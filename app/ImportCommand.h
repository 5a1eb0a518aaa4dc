#pragma once

#include "app/CommandLineOptions.h"
#include "design/DesignFile.h"
#include "feed/FeedOptions.h"
#include "project/Expected.h"
#include "project/Message.h"

#include <ostream>
#include <string>
#include <vector>

// marquetto-cli import: a news feed's items become the messages of a design written to a project file.
class ImportCommand
{
public:
    // Warnings about items left out or cut go to err; on an error nothing is written.
    [[nodiscard]] static Expected<void> run(const CommandLineOptions& parsed,
                                            const DesignFile::Source& project, std::ostream& err);

    // A feed's items by the import's rules, its warnings written to err; shared with the messages command.
    [[nodiscard]] static Expected<std::vector<Message>> feedMessages(const CommandLineOptions& parsed,
                                                                     std::ostream& err);
    // The feed as messages name it: its file, or standard input.
    static std::string feedName(const CommandLineOptions& parsed);

private:
    static Expected<FeedOptions> feedOptions(const CommandLineOptions& parsed);
    static Expected<std::string> readFeed(const std::string& from);
};
