#include "app/ImportCommand.h"

#include "feed/FeedFile.h"
#include "feed/FeedImport.h"
#include "feed/ImportedMessages.h"
#include "project/InputFile.h"

#include <unistd.h>

Expected<void> ImportCommand::run(const CommandLineOptions& parsed, const DesignFile::Source& project,
                                  std::ostream& err)
{
    if (!parsed.has("from"))
        return Error::usage("import needs --from FEED");
    if (!parsed.has("to"))
        return Error::usage("import needs --to FILE");
    const std::string from = parsed.value("from");
    if (from == "-" && project == "-")
        return Error::usage("standard input can give the feed or the project, not both");
    auto messages = feedMessages(parsed, err);
    if (!messages.ok())
        return messages.error();
    auto design = DesignFile::read(project);
    if (!design.ok())
        return design.error();
    ProjectRecord& record = design.value();
    ImportedMessages::put(record, std::move(messages.value()), parsed.has("append"));
    return DesignFile::write(record, parsed.value("to"));
}

Expected<std::vector<Message>> ImportCommand::feedMessages(const CommandLineOptions& parsed,
                                                           std::ostream& err)
{
    const auto options = feedOptions(parsed);
    if (!options.ok())
        return options.error();
    const std::string from = parsed.value("from");
    const auto feed = readFeed(from);
    if (!feed.ok())
        return feed.error();
    auto imported = FeedImport::read(feed.value(), options.value());
    if (!imported.ok())
        return imported.error().code() == Error::WrongUsage
                   ? imported.error()
                   : Error::file(feedName(parsed), imported.error().message());
    for (const std::string& warning : imported.value().warnings)
        err << "marquetto-cli: warning: \"" << feedName(parsed) << "\": " << warning << '\n';
    if (imported.value().messages.empty())
        return Error::refused("the feed holds no item with a title, text or link; nothing is written");
    return std::move(imported.value().messages);
}

std::string ImportCommand::feedName(const CommandLineOptions& parsed)
{
    return parsed.value("from") == "-" ? "standard input" : parsed.value("from");
}

Expected<FeedOptions> ImportCommand::feedOptions(const CommandLineOptions& parsed)
{
    struct Number
    {
        const char* name;
        int* value;
        int most;
    };
    FeedOptions options;
    for (const Number& number : {Number{"max", &options.maxItems, static_cast<int>(FeedItems::maxCount)},
                                 Number{"length", &options.maxLength, 999'999'999}}) {
        if (!parsed.has(number.name))
            continue;
        // Whatever is wrong with it, a sign, a zero or a letter, the answer names the whole range.
        const std::string text = parsed.value(number.name);
        const bool digits =
            !text.empty() && text.size() <= 9 && text.find_first_not_of("0123456789") == std::string::npos;
        const int value = digits ? std::stoi(text) : 0;
        if (value < 1 || value > number.most)
            return Error::usage("--" + std::string(number.name) + " takes a whole number from 1 to " +
                                std::to_string(number.most) + ", not " + Error::quoted(text));
        *number.value = value;
    }
    if (parsed.has("target"))
        options.target = parsed.value("target");
    return options;
}

Expected<std::string> ImportCommand::readFeed(const std::string& from)
{
    if (from != "-")
        return FeedFile::read(from);
    InputFile standardInput = InputFile::onDescriptor(STDIN_FILENO, "standard input");
    return FeedFile::readFrom(standardInput);
}
