#include "app/MessagesCommand.h"

#include "app/CommandLineTool.h"
#include "feed/FeedImport.h"
#include "generator/MessagesFile.h"
#include "project/OutputFile.h"
#include "project/TextFile.h"

#include <unistd.h>

const char* const MessagesCommand::help =
    "Usage: marquetto-cli messages --to FILE [PROJECT]\n"
    "       marquetto-cli messages --from FEED --to FILE [--max N] [--target NAME]\n"
    "                              [--length N]\n"
    "Writes the messages file that a news box with live messages reads beside its\n"
    "host page (NAMEmessages.json, scroller_messages.json for the default name):\n"
    "the messages of PROJECT (without one, of the built-in default project), or\n"
    "with --from the first items of the news feed FEED, taken as import takes\n"
    "them. FILE is replaced whole, so that a box reading it meanwhile gets the old\n"
    "file or the new one. A feed that cannot be read leaves FILE as it was. A box\n"
    "takes 1 to 1000 messages in at most 1 MiB; anything else is refused, and\n"
    "nothing is written. A FEED of - is standard input, a FILE of - standard\n"
    "output. For example, from cron every ten minutes:\n"
    "  */10 * * * * curl -s https://example.org/feed.xml | marquetto-cli messages\n"
    "    --from - --to /var/www/news/scroller_messages.json\n"
    "\n"
    "Options:\n"
    "  -f, --from=FEED     the feed to read instead of a project\n"
    "  -p, --project=FILE  the project to read, as PROJECT\n"
    "  -t, --to=FILE       the messages file to write (required)\n"
    "  -n, --max=N         with --from: at most N items, 1 to 1000 (default 10)\n"
    "  -T, --target=NAME   with --from: the window the links open in, as import\n"
    "                      takes it (default _blank)\n"
    "  -l, --length=N      with --from: cut a longer text at a word boundary, as\n"
    "                      import does (default 200)\n"
    "  -h, --help          show this help\n"
    "\n"
    "Exit status: 0 success, 1 no message or more than a box takes, 2 wrong usage,\n"
    "3 a file could not be read or written, the feed among them.\n";

std::vector<OptionRule> MessagesCommand::options()
{
    return {{"help", 'h', false}, {"project", 'p', true}, {"from", 'f', true},  {"to", 't', true},
            {"max", 'n', true},   {"target", 'T', true},  {"length", 'l', true}};
}

int MessagesCommand::run(const CommandLineOptions& parsed, const std::optional<std::string>& project)
{
    if (!parsed.has("to"))
        return tool_.failure(Error::usage("messages needs --to FILE"));
    if (parsed.has("from") && project)
        return tool_.failure(Error::usage("messages takes a feed or a project, not both"));
    for (const char* feedOnly : {"max", "target", "length"})
        if (!parsed.has("from") && parsed.has(feedOnly))
            return tool_.failure(Error::usage("--" + std::string(feedOnly) + " goes with --from FEED"));
    auto text = parsed.has("from") ? fromFeed(parsed) : fromProject(project);
    if (!text.ok())
        return tool_.failure(text.error());
    if (auto written = write(parsed.value("to"), text.value()); !written.ok())
        return tool_.failure(written.error());
    return CommandLineTool::Success;
}

Expected<std::string> MessagesCommand::fromFeed(const CommandLineOptions& parsed)
{
    // A box takes fewer items than import does; the rest of the options are import's.
    if (parsed.has("max")) {
        const std::string max = parsed.value("max");
        const bool digits =
            !max.empty() && max.size() <= 4 && max.find_first_not_of("0123456789") == std::string::npos;
        if (!digits || std::stoi(max) < 1 || std::stoi(max) > static_cast<int>(MessagesFile::mostMessages))
            return Error::usage("--max takes a whole number from 1 to " +
                                std::to_string(MessagesFile::mostMessages) + " for a messages file, not " +
                                Error::quoted(max));
    }
    const auto options = CommandLineTool::feedOptions(parsed);
    if (!options.ok())
        return options.error();
    const std::string from = parsed.value("from");
    const auto feed = CommandLineTool::readFeed(from);
    if (!feed.ok())
        return feed.error();
    const std::string feedName = from == "-" ? "standard input" : from;
    auto imported = FeedImport::read(feed.value(), options.value());
    if (!imported.ok())
        return imported.error().code() == Error::WrongUsage
                   ? imported.error()
                   : Error::file(feedName, imported.error().message());
    for (const std::string& warning : imported.value().warnings)
        tool_.err_ << "marquetto-cli: warning: \"" << feedName << "\": " << warning << '\n';
    const std::vector<Message>& messages = imported.value().messages;
    if (messages.empty())
        return Error::refused("the feed holds no item with a title, text or link; nothing is written");
    std::string text = MessagesFile::text(messages);
    if (const std::string why = MessagesFile::refusal(text, messages.size()); !why.empty())
        return Error::refused("\"" + feedName + "\": " + why + "; nothing is written");
    return text;
}

Expected<std::string> MessagesCommand::fromProject(const std::optional<std::string>& project)
{
    const auto design = CommandLineTool::readDesign(project);
    if (!design.ok())
        return design.error();
    std::string text = MessagesFile::ofDesign(design.value());
    const auto count = static_cast<std::size_t>(design.value().messageCount());
    if (const std::string why = MessagesFile::refusal(text, count); !why.empty())
        return Error::refused("\"" + project.value_or("the built-in default project") + "\": " + why +
                              "; nothing is written");
    return text;
}

Expected<void> MessagesCommand::write(const std::string& to, const std::string& text)
{
    if (to != "-")
        return TextFile::replace(to, text);
    OutputFile standardOutput = OutputFile::onDescriptor(STDOUT_FILENO, "standard output");
    if (auto done = standardOutput.write(text); !done.ok())
        return done;
    return standardOutput.commit();
}
