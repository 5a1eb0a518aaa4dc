#include "app/CommandLineTool.h"

#include "MarquettoVersion.h"
#include "app/CommandHelp.h"
#include "app/CommandLineOptions.h"
#include "app/ImportCommand.h"
#include "app/MessagesCommand.h"
#include "design/BackgroundImage.h"
#include "design/DesignFindings.h"
#include "design/DesignPublication.h"
#include "design/DesignValueListing.h"
#include "design/ValueAssignment.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace {

const OptionRule helpOption{"help", 'h', false};
const OptionRule projectOption{"project", 'p', true, true};
const OptionRule toOption{"to", 't', true, true};

} // namespace

const std::vector<CommandLineTool::Command>& CommandLineTool::commands()
{
    static const std::vector<Command> all{
        {"show",
         std::string(CommandHelp::show()),
         {helpOption, projectOption, {"format", 'f', true}},
         &CommandLineTool::show},
        {"set", setHelp(), {helpOption, projectOption, toOption}, &CommandLineTool::set, true},
        {"generate",
         std::string(CommandHelp::generate()),
         {helpOption, projectOption, {"out", 'o', true, true}},
         &CommandLineTool::generate},
        {"check",
         std::string(CommandHelp::check()),
         {helpOption, projectOption, {"format", 'f', true}},
         &CommandLineTool::check},
        {"save",
         std::string(CommandHelp::save()),
         {helpOption, projectOption, toOption},
         &CommandLineTool::save},
        {"import",
         std::string(CommandHelp::import()),
         {helpOption,
          projectOption,
          {"from", 'f', true, true},
          toOption,
          {"max", 'n', true},
          {"target", 'T', true},
          {"length", 'l', true},
          {"append", 'a', false}},
         &CommandLineTool::import},
        {"messages", std::string(CommandHelp::messages()), MessagesCommand::options(), &CommandLineTool::messages},
    };
    return all;
}

const CommandLineTool::Command* CommandLineTool::findCommand(const std::string& name)
{
    for (const Command& command : commands())
        if (name == command.name)
            return &command;
    return nullptr;
}

int CommandLineTool::run(const std::vector<std::string>& arguments)
{
    if (arguments.empty())
        return failure(Error::usage("no command given"));
    const std::string& first = arguments.front();
    if (first.size() > 1 && first.front() == '-')
        return runToolOptions(arguments);
    const std::vector<std::string> rest(arguments.begin() + 1, arguments.end());
    if (first == "help")
        return help(rest);
    if (first == DesignValueListing::completionCommand) {
        out_ << DesignValueListing::completionWords(rest);
        return Success;
    }
    if (const Command* command = findCommand(first))
        return runCommand(*command, rest);
    return failure(Error::usage("unknown command '" + first + "'"));
}

// Options before any command: the tool's help and version.
int CommandLineTool::runToolOptions(const std::vector<std::string>& arguments)
{
    const auto read = CommandLineOptions::parse(arguments, {helpOption, {"version", 'V', false}});
    if (!read.ok())
        return failure(read.error());
    const CommandLineOptions& parsed = read.value();
    if (parsed.has("help")) {
        out_ << CommandHelp::tool();
        return Success;
    }
    if (!parsed.operands().empty())
        return failure(
            Error::usage("the command comes before its options: '" + parsed.operands().front() + "'"));
    if (!parsed.has("version"))
        return failure(Error::usage("no command given"));
    out_ << "marquetto-cli " MARQUETTO_VERSION "\n" MARQUETTO_COPYRIGHT "\n" MARQUETTO_LICENCE_NOTE "\n";
    return Success;
}

int CommandLineTool::help(const std::vector<std::string>& arguments)
{
    const auto read = CommandLineOptions::parse(arguments, {helpOption});
    if (!read.ok())
        return failure(read.error());
    const CommandLineOptions& parsed = read.value();
    const auto& commandNames = parsed.operands();
    if (parsed.has("help") || commandNames.empty()) {
        out_ << CommandHelp::tool();
        return Success;
    }
    if (commandNames.size() > 1)
        return failure(Error::usage("help takes one command, not '" + commandNames[1] + "'"));
    const Command* command = findCommand(commandNames.front());
    if (command == nullptr)
        return failure(Error::usage("unknown command '" + commandNames.front() + "'"));
    out_ << command->help;
    return Success;
}

int CommandLineTool::runCommand(const Command& command, const std::vector<std::string>& arguments)
{
    const auto read = CommandLineOptions::parse(arguments, command.options);
    if (!read.ok())
        return failure(read.error());
    const CommandLineOptions& parsed = read.value();
    if (parsed.has("help")) {
        out_ << command.help;
        return Success;
    }
    if (command.operandsAreValues)
        return (this->*command.perform)(parsed,
                                        parsed.has("project") ? Project(parsed.value("project")) : Project());
    const auto& operands = parsed.operands();
    if (operands.size() > 1 || (operands.size() == 1 && parsed.has("project")))
        return failure(Error::usage("one project only; '" + operands.back() + "' is one too many"));
    Project project;
    if (parsed.has("project"))
        project = parsed.value("project");
    else if (!operands.empty())
        project = operands.front();
    if (project && project->empty())
        return failure(Error::usage("the project needs a file name, not an empty text"));
    return (this->*command.perform)(parsed, project);
}

int CommandLineTool::save(const CommandLineOptions& parsed, const Project& project)
{
    if (!parsed.has("to"))
        return failure(Error::usage("save needs --to FILE"));
    auto design = DesignFile::read(project);
    if (!design.ok())
        return failure(design.error());
    ProjectRecord& record = design.value();
    if (auto written = DesignFile::write(record, parsed.value("to")); !written.ok())
        return failure(written.error());
    return Success;
}

int CommandLineTool::generate(const CommandLineOptions& parsed, const Project& project)
{
    auto design = DesignFile::read(project);
    if (!design.ok())
        return failure(design.error());
    ProjectRecord& record = design.value();
    const std::string out = parsed.has("out") ? parsed.value("out") : ".";
    std::error_code status;
    fs::create_directories(out, status);
    record.workFolder = (fs::path(out) / "").string();
    const auto published = DesignPublication::publish(record, DesignFile::folder(project));
    if (!published.ok())
        return failure(published.error());
    for (const DesignFinding& finding : published.value().findings)
        err_ << "marquetto-cli: warning: " << finding.text << '\n';
    if (auto brought = BackgroundImage::bring(record, DesignFile::folder(project), record.workFolder);
        !brought.ok())
        err_ << "marquetto-cli: warning: the background image could not be copied: "
             << brought.error().message() << "\n";
    out_ << published.value().texts.embedSnippet << '\n';
    return Success;
}

int CommandLineTool::check(const CommandLineOptions& parsed, const Project& project)
{
    const std::string format = parsed.has("format") ? parsed.value("format") : "text";
    if (format != "text" && format != "json")
        return failure(Error::usage("unknown format '" + format + "'; use text or json"));
    auto design = DesignFile::read(project);
    if (!design.ok())
        return failure(design.error());
    const auto findings = DesignFindings::of(design.value(), DesignFile::folder(project));
    if (format == "json")
        out_ << DesignFindings::asJson(findings) << '\n';
    else if (findings.empty())
        out_ << "No problems found.\n";
    for (const DesignFinding& finding : findings)
        if (format == "text")
            out_ << finding.text << '\n';
    return findings.empty() ? Success : DesignProblems;
}

int CommandLineTool::import(const CommandLineOptions& parsed, const Project& project)
{
    if (auto imported = ImportCommand::run(parsed, project, err_); !imported.ok())
        return failure(imported.error());
    return Success;
}

// The list of the named values goes where the help file marks its place.
std::string CommandLineTool::setHelp()
{
    std::string help(CommandHelp::set());
    const std::size_t mark = help.find(CommandHelp::namesMark);
    return help.replace(mark, CommandHelp::namesMark.size(), DesignValueListing::namesHelp());
}

int CommandLineTool::failure(const Error& error)
{
    err_ << "marquetto-cli: " << error.message() << '\n';
    switch (error.code()) {
    case Error::WrongUsage:
        err_ << "Try 'marquetto-cli --help'.\n";
        return WrongUsage;
    case Error::DesignRefused:
        return DesignProblems;
    case Error::FileFailed:
        break;
    }
    return FileFailure;
}

// Every assignment is checked before the design is read, so that a refused one leaves every file as it was.
int CommandLineTool::set(const CommandLineOptions& parsed, const Project& project)
{
    if (!parsed.has("to"))
        return failure(Error::usage("set needs --to FILE"));
    if (parsed.operands().empty())
        return failure(Error::usage("set needs at least one NAME=VALUE"));
    std::vector<ValueAssignment> assignments;
    for (const std::string& argument : parsed.operands()) {
        auto assignment = ValueAssignment::parse(argument);
        if (!assignment.ok())
            return failure(assignment.error());
        const DesignValue& value = assignment.value().value();
        for (const ValueAssignment& earlier : assignments)
            if (&earlier.value() == &value)
                return failure(Error::usage(std::string(value.name) + " is given twice"));
        assignments.push_back(std::move(assignment.value()));
    }
    auto design = DesignFile::read(project);
    if (!design.ok())
        return failure(design.error());
    ProjectRecord& record = design.value();
    if (auto applied = ValueAssignment::applyAll(assignments, record); !applied.ok())
        return failure(applied.error());
    if (auto written = DesignFile::write(record, parsed.value("to")); !written.ok())
        return failure(written.error());
    warnAbout(record, project);
    return Success;
}

int CommandLineTool::show(const CommandLineOptions& parsed, const Project& project)
{
    const std::string format = parsed.has("format") ? parsed.value("format") : "text";
    if (format != "text" && format != "json")
        return failure(Error::usage("unknown format '" + format + "'; use text or json"));
    const auto design = DesignFile::read(project);
    if (!design.ok())
        return failure(design.error());
    if (format == "json")
        out_ << DesignValueListing::asJson(design.value()) << '\n';
    else
        out_ << DesignValueListing::asText(design.value());
    return Success;
}

int CommandLineTool::messages(const CommandLineOptions& parsed, const Project& project)
{
    return MessagesCommand(*this).run(parsed, project);
}

// What check finds in a design just written, as warnings that leave the exit status alone.
void CommandLineTool::warnAbout(const ProjectRecord& record, const Project& project)
{
    for (const DesignFinding& finding : DesignFindings::of(record, DesignFile::folder(project)))
        err_ << "marquetto-cli: warning: " << finding.text << '\n';
}
