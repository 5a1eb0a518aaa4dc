#pragma once

#include "app/CommandLineOptions.h"
#include "design/DesignFile.h"
#include "feed/FeedOptions.h"
#include "project/Expected.h"

#include <ostream>
#include <string>

// marquetto-cli import: a news feed's items become the messages of a design written to a project file.
class ImportCommand
{
public:
    // Warnings about items left out or cut go to err; on an error nothing is written.
    [[nodiscard]] static Expected<void> run(const CommandLineOptions& parsed,
                                            const DesignFile::Source& project, std::ostream& err);

    // Shared with the messages command, which takes a feed's items by the same rules.
    static Expected<FeedOptions> feedOptions(const CommandLineOptions& parsed);
    static Expected<std::string> readFeed(const std::string& from);
};
