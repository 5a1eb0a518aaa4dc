#include "app/MessagesCommand.h"

#include "app/CommandLineTool.h"
#include "app/ImportCommand.h"
#include "design/DesignFile.h"
#include "generator/MessagesFile.h"
#include "project/OutputFile.h"
#include "project/TextFile.h"

#include <unistd.h>

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
    const auto imported = ImportCommand::feedMessages(parsed, tool_.err_);
    if (!imported.ok())
        return imported.error();
    const std::vector<Message>& messages = imported.value();
    std::string text = MessagesFile::text(messages);
    if (const std::string why = MessagesFile::refusal(text, messages.size()); !why.empty())
        return Error::refused("\"" + ImportCommand::feedName(parsed) + "\": " + why + "; nothing is written");
    return text;
}

Expected<std::string> MessagesCommand::fromProject(const std::optional<std::string>& project)
{
    const auto design = DesignFile::read(project);
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
