#include "app/CommandLineTool.h"

#include "MarquettoVersion.h"
#include "app/CommandLineOptions.h"
#include "app/DesignValueListing.h"
#include "app/ValueAssignment.h"
#include "feed/FeedImport.h"
#include "feed/ImportedMessages.h"
#include "generator/BuiltInTexts.h"
#include "generator/DesignCheck.h"
#include "generator/Generator.h"
#include "generator/PageRoundTrip.h"
#include "project/FileNames.h"
#include "project/InputFile.h"
#include "project/ProjectReader.h"
#include "project/ProjectWriter.h"
#include "project/TextFile.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

bool sameBytes(const fs::path& one, const fs::path& other)
{
    std::ifstream first(one, std::ios::binary);
    std::ifstream second(other, std::ios::binary);
    return first && second &&
           std::equal(std::istreambuf_iterator<char>(first), std::istreambuf_iterator<char>(),
                      std::istreambuf_iterator<char>(second), std::istreambuf_iterator<char>());
}

constexpr const char* toolUsage =
    "Usage: marquetto-cli COMMAND [OPTIONS] [PROJECT]\n"
    "       marquetto-cli help COMMAND\n"
    "Does the design tasks of the Marquetto news box wizard without a window.\n"
    "\n"
    "Commands:\n"
    "  generate  write the news box files of a project, as Step 5 of the wizard does\n"
    "  check     list what will break a design's news box or change what it shows\n"
    "  show      print every value of a design by its name\n"
    "  set       write a design with named values changed\n"
    "  save      read a project and write it as the wizard saves it\n"
    "  import    put the items of a news feed into a project as its messages\n"
    "  help      show the help of a command\n"
    "\n"
    "PROJECT is a .tkp project file, given after the command or with --project;\n"
    "without one, a command works on the built-in default project.\n"
    "\n"
    "Options:\n"
    "  -h, --help     show this help; after a command, that command's help\n"
    "  -V, --version  show the version\n"
    "\n"
    "Exit status:\n"
    "  0  success; check found nothing\n"
    "  1  check found problems in the design; generate refused the design; save,\n"
    "     set or import refused a design holding what a project file cannot hold\n"
    "  2  wrong usage\n"
    "  3  a file could not be read or written\n";

constexpr const char* generateHelp =
    "Usage: marquetto-cli generate [--out DIR] [PROJECT]\n"
    "Writes the news box of PROJECT (without one, of the built-in default project)\n"
    "into DIR exactly as the wizard does on Step 5, and prints the snippet to paste\n"
    "into a web page. When the design shows a background image, the image is\n"
    "copied into DIR from the project's folder, replacing an older copy there.\n"
    "A design whose values hold a name that the generator looks for in its\n"
    "scripts (possible only in a hand-edited file) is refused, and nothing is\n"
    "written; so is a box name that holds a path separator or makes a file name\n"
    "longer than DIR allows. What check would report is printed on standard\n"
    "error as warnings; they do not change the exit status.\n"
    "\n"
    "Options:\n"
    "  -p, --project=FILE  the project to read, as PROJECT\n"
    "  -o, --out=DIR       the folder to write into (default: the current folder;\n"
    "                      made when missing)\n"
    "  -h, --help          show this help\n"
    "\n"
    "Exit status: 0 success, 1 the design was refused, 2 wrong usage, 3 a file\n"
    "could not be read or written.\n";

constexpr const char* checkHelp =
    "Usage: marquetto-cli check [--format=text|json] [PROJECT]\n"
    "Lists, one line each with the step and field to fix, what in the design of\n"
    "PROJECT (without one, of the built-in default project) will break its news\n"
    "box or make it show something other than what was typed.\n"
    "\n"
    "Options:\n"
    "  -p, --project=FILE  the project to read, as PROJECT\n"
    "  -f, --format=FORMAT text (the default): one line per finding;\n"
    "                      json: an array with one object per finding, holding\n"
    "                      step, field, message (0 when none), code and text\n"
    "  -h, --help          show this help\n"
    "\n"
    "Exit status: 0 nothing found, 1 problems found, 2 wrong usage,\n"
    "3 a file could not be read.\n";

constexpr const char* saveHelp =
    "Usage: marquetto-cli save --to FILE [PROJECT]\n"
    "Reads PROJECT (without one, the built-in default project) and writes it to\n"
    "FILE as the wizard saves it: a choice outside its list is written as -1, a\n"
    "\"Use this\" other than 1 as 0. A PROJECT of - is read from standard input,\n"
    "a FILE of - is written to standard output.\n"
    "\n"
    "Options:\n"
    "  -p, --project=FILE  the project to read, as PROJECT\n"
    "  -t, --to=FILE       the project file to write (required)\n"
    "  -h, --help          show this help\n"
    "\n"
    "Exit status: 0 success, 1 the project holds a value that a project file cannot\n"
    "hold (possible only in a hand-edited file), 2 wrong usage, 3 a file could not\n"
    "be read or written.\n";

constexpr const char* importHelp =
    "Usage: marquetto-cli import --from FEED --to FILE [OPTIONS] [PROJECT]\n"
    "Reads the news feed FEED (RSS 2.0, Atom 1.0, JSON Feed 1.1 or CSV with a\n"
    "header row naming title, text, link and target, told apart by content) and\n"
    "writes the design of PROJECT (without one, of the built-in default project)\n"
    "to FILE as save does, with the feed's first items as its messages, newest\n"
    "first as the feed orders them. Everything else in the design is kept.\n"
    "Texts keep only character formatting and line breaks; scripts, styles,\n"
    "frames, attributes and javascript: links are removed. A feed that cannot be\n"
    "read is refused with its line and column, and nothing is written. An item\n"
    "whose link or target holds a record marker of the project file is left out,\n"
    "and a text read only in part is cut with an ellipsis; both are warned about\n"
    "on standard error. A FEED may be UTF-8, UTF-16 (told by a byte-order mark or\n"
    "by the NUL byte beside each Latin letter), or XML declaring windows-1252 or\n"
    "ISO-8859-1. A FEED, PROJECT or FILE of - is standard input or output. For\n"
    "example, from cron:\n"
    "  curl -s https://example.org/feed.xml |\n"
    "    marquetto-cli import --from - --project box.tkp --to box.tkp\n"
    "\n"
    "Options:\n"
    "  -f, --from=FEED     the feed to read (required)\n"
    "  -p, --project=FILE  the project to read, as PROJECT\n"
    "  -t, --to=FILE       the project file to write (required)\n"
    "  -n, --max=N         import at most N items, 1 to 1000000 (default 10)\n"
    "  -T, --target=NAME   the window the messages' links open in, trimmed, a\n"
    "                      keyword in any case in lower case, _self as _parent\n"
    "                      (default or empty _blank, as a feed's links leave\n"
    "                      the site)\n"
    "  -l, --length=N      cut a text longer than N characters at a word\n"
    "                      boundary, ending it with an ellipsis (default 200)\n"
    "  -a, --append        add the items after the design's messages instead of\n"
    "                      replacing them\n"
    "  -h, --help          show this help\n"
    "\n"
    "Exit status: 0 success, 1 the feed holds no item or the project a value that\n"
    "a project file cannot hold, 2 wrong usage, 3 a file could not be read or\n"
    "written, the feed among them.\n";

const OptionRule helpOption{"help", 'h', false};
const OptionRule projectOption{"project", 'p', true, true};
const OptionRule toOption{"to", 't', true, true};

} // namespace

const std::vector<CommandLineTool::Command>& CommandLineTool::commands()
{
    static const std::vector<Command> all{
        {"show",
         DesignValueListing::showHelp(),
         {helpOption, projectOption, {"format", 'f', true}},
         &CommandLineTool::show},
        {"set",
         DesignValueListing::setHelp(),
         {helpOption, projectOption, toOption},
         &CommandLineTool::set,
         true},
        {"generate",
         generateHelp,
         {helpOption, projectOption, {"out", 'o', true, true}},
         &CommandLineTool::generate},
        {"check", checkHelp, {helpOption, projectOption, {"format", 'f', true}}, &CommandLineTool::check},
        {"save", saveHelp, {helpOption, projectOption, toOption}, &CommandLineTool::save},
        {"import",
         importHelp,
         {helpOption,
          projectOption,
          {"from", 'f', true, true},
          toOption,
          {"max", 'n', true},
          {"target", 'T', true},
          {"length", 'l', true},
          {"append", 'a', false}},
         &CommandLineTool::import},
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
        out_ << toolUsage;
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
        out_ << toolUsage;
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
    auto design = readDesign(project);
    if (!design.ok())
        return failure(design.error());
    ProjectRecord& record = design.value();
    PageRoundTrip::apply(record);
    if (auto written = writeDesign(record, parsed.value("to")); !written.ok())
        return failure(written.error());
    return Success;
}

int CommandLineTool::generate(const CommandLineOptions& parsed, const Project& project)
{
    auto design = readDesign(project);
    if (!design.ok())
        return failure(design.error());
    ProjectRecord& record = design.value();
    const std::string out = parsed.has("out") ? parsed.value("out") : ".";
    std::error_code status;
    fs::create_directories(out, status);
    record.workFolder = (fs::path(out) / "").string();
    const std::vector<DesignFinding> findings =
        DesignCheck::findings(asChecked(record), designFolder(project));
    PageRoundTrip::apply(record);
    GeneratedTexts texts;
    if (auto generated = Generator::GenerateOutputs(record, texts); !generated.ok())
        return failure(generated.error());
    for (const DesignFinding& finding : findings)
        err_ << "marquetto-cli: warning: " << finding.text << '\n';
    if (record.bgImageOn == ProjectRecord::ticked)
        bringBackgroundImage(record, designFolder(project), record.workFolder);
    out_ << texts.embedSnippet << '\n';
    return Success;
}

int CommandLineTool::check(const CommandLineOptions& parsed, const Project& project)
{
    const std::string format = parsed.has("format") ? parsed.value("format") : "text";
    if (format != "text" && format != "json")
        return failure(Error::usage("unknown format '" + format + "'; use text or json"));
    auto design = readDesign(project);
    if (!design.ok())
        return failure(design.error());
    const auto findings = DesignCheck::findings(asChecked(design.value()), designFolder(project));
    if (format == "json")
        out_ << asJson(findings) << '\n';
    else if (findings.empty())
        out_ << "No problems found.\n";
    for (const DesignFinding& finding : findings)
        if (format == "text")
            out_ << finding.text << '\n';
    return findings.empty() ? Success : DesignProblems;
}

int CommandLineTool::import(const CommandLineOptions& parsed, const Project& project)
{
    if (!parsed.has("from"))
        return failure(Error::usage("import needs --from FEED"));
    if (!parsed.has("to"))
        return failure(Error::usage("import needs --to FILE"));
    const std::string from = parsed.value("from");
    if (from == "-" && project == "-")
        return failure(Error::usage("standard input can give the feed or the project, not both"));
    const auto options = feedOptions(parsed);
    if (!options.ok())
        return failure(options.error());
    const auto feed = readFeed(from);
    if (!feed.ok())
        return failure(feed.error());
    const std::string feedName = from == "-" ? "standard input" : from;
    auto imported = FeedImport::read(feed.value(), options.value());
    if (!imported.ok())
        return failure(imported.error().code() == Error::WrongUsage
                           ? imported.error()
                           : Error::file(feedName, imported.error().message()));
    for (const std::string& warning : imported.value().warnings)
        err_ << "marquetto-cli: warning: \"" << feedName << "\": " << warning << '\n';
    if (imported.value().messages.empty())
        return failure(
            Error::refused("the feed holds no item with a title, text or link; nothing is written"));
    auto design = readDesign(project);
    if (!design.ok())
        return failure(design.error());
    ProjectRecord& record = design.value();
    ImportedMessages::put(record, std::move(imported.value().messages), parsed.has("append"));
    PageRoundTrip::apply(record);
    if (auto written = writeDesign(record, parsed.value("to")); !written.ok())
        return failure(written.error());
    return Success;
}

Expected<FeedOptions> CommandLineTool::feedOptions(const CommandLineOptions& parsed)
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

Expected<std::string> CommandLineTool::readFeed(const std::string& from)
{
    if (from == "-")
        return InputFile::onDescriptor(STDIN_FILENO, "standard input").readAll(FeedImport::maxBytes);
    auto file = InputFile::open(from);
    if (!file.ok())
        return file.error();
    return file.value().readAll(FeedImport::maxBytes);
}

Expected<ProjectRecord> CommandLineTool::readDesign(const Project& project)
{
    const ProjectReader reader(BuiltInTexts::defaultProject());
    ProjectRecord record;
    Expected<void> read;
    if (project == "-") {
        InputFile standardInput = InputFile::onDescriptor(STDIN_FILENO, "standard input");
        read = reader.readProjectFrom(record, standardInput);
    } else {
        if (project) {
            record.useDefaultProject = ProjectRecord::readProjectPath;
            record.projectPath = *project;
        }
        read = reader.readProject(record);
    }
    if (!read.ok())
        return read.error();
    return record;
}

Expected<void> CommandLineTool::writeDesign(ProjectRecord& record, const std::string& to)
{
    if (to == "-") {
        OutputFile standardOutput = OutputFile::onDescriptor(STDOUT_FILENO, "standard output");
        return ProjectWriter::writeProjectTo(record, standardOutput);
    }
    record.projectPath = to;
    return ProjectWriter::writeProject(record);
}

// The design as the check reads it: the font faces worked out as the wizard's pages do, every other
// value as the file holds it, so that a value outside its list is reported as it stands.
ProjectRecord CommandLineTool::asChecked(ProjectRecord record)
{
    record.textFontFace =
        PageRoundTrip::fontFace(record.textUseCustomFont, record.textCustomFont, record.textFontIndex);
    record.titleFontFace =
        PageRoundTrip::fontFace(record.titleUseCustomFont, record.titleCustomFont, record.titleFontIndex);
    return record;
}

// The texts are the design's bytes; bytes that are not UTF-8 are shown as replacement characters, so the
// output stays valid JSON whatever the project holds.
std::string CommandLineTool::asJson(const std::vector<DesignFinding>& findings)
{
    nlohmann::json all = nlohmann::json::array();
    for (const DesignFinding& finding : findings)
        all.push_back({{"step", finding.step},
                       {"field", finding.field},
                       {"message", finding.message},
                       {"code", finding.code},
                       {"text", finding.text}});
    return all.dump(2, ' ', false, nlohmann::json::error_handler_t::replace);
}

// Background images are kept beside the project file; the built-in project and a project read from
// standard input ("-", a name without a folder) have the current folder.
std::string CommandLineTool::designFolder(const Project& project)
{
    const fs::path folder = fs::path(project.value_or("-")).parent_path();
    return folder.empty() ? "." : folder.string();
}

// The page names the image by its bare name, so it must lie beside the generated files; a copy left
// there by an earlier run is replaced when the project's image has changed since.
void CommandLineTool::bringBackgroundImage(const ProjectRecord& record, const std::string& from,
                                           const std::string& to)
{
    // A name with a folder part is not copied; the design check has said so among the warnings.
    const std::string name = Generator::imageFileName(record);
    if (!FileNames::isPlain(name))
        return;
    std::error_code status;
    const fs::path source = fs::path(from) / name;
    const fs::path target = fs::path(to) / name;
    const bool present = fs::exists(target, status);
    // A missing image is among the design check's warnings.
    if (!fs::is_regular_file(source, status))
        return;
    if (present && (fs::equivalent(source, target, status) || sameBytes(source, target)))
        return;
    if (auto copied = TextFile::copy(source.string(), target.string()); !copied.ok())
        err_ << "marquetto-cli: warning: the background image could not be copied: "
             << copied.error().message() << "\n";
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
    auto design = readDesign(project);
    if (!design.ok())
        return failure(design.error());
    ProjectRecord& record = design.value();
    if (auto applied = ValueAssignment::applyAll(assignments, record); !applied.ok())
        return failure(applied.error());
    PageRoundTrip::apply(record);
    if (auto written = writeDesign(record, parsed.value("to")); !written.ok())
        return failure(written.error());
    warnAbout(record, project);
    return Success;
}

int CommandLineTool::show(const CommandLineOptions& parsed, const Project& project)
{
    const std::string format = parsed.has("format") ? parsed.value("format") : "text";
    if (format != "text" && format != "json")
        return failure(Error::usage("unknown format '" + format + "'; use text or json"));
    const auto design = readDesign(project);
    if (!design.ok())
        return failure(design.error());
    if (format == "json")
        out_ << DesignValueListing::asJson(design.value()) << '\n';
    else
        out_ << DesignValueListing::asText(design.value());
    return Success;
}

// What check finds in a design just written, as warnings that leave the exit status alone.
void CommandLineTool::warnAbout(const ProjectRecord& record, const Project& project)
{
    for (const DesignFinding& finding : DesignCheck::findings(asChecked(record), designFolder(project)))
        err_ << "marquetto-cli: warning: " << finding.text << '\n';
}
