#include "app/CommandLineTool.h"

#include "app/CommandLineOptions.h"
#include "generator/BuiltInTexts.h"
#include "generator/DesignCheck.h"
#include "generator/Generator.h"
#include "generator/PageRoundTrip.h"
#include "project/ProjectReader.h"
#include "project/ProjectWriter.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace {

constexpr const char* usage =
    "Usage: marquetto-cli COMMAND [OPTIONS]\n"
    "\n"
    "Commands:\n"
    "  save [--project FILE] --to FILE\n"
    "      Reads the project FILE (without --project, the built-in default\n"
    "      project) and writes it to the --to file as the wizard saves it.\n"
    "  generate [--project FILE] [--out DIR]\n"
    "      Generates the news box of the project (or of the built-in default\n"
    "      project) into DIR (default: the current folder), exactly as the wizard\n"
    "      does on Step 5, and prints the snippet to paste into a web page.\n"
    "  check [--project FILE]\n"
    "      Lists what in the design will make its news box misbehave; exits with 1\n"
    "      when it finds anything.\n"
    "\n"
    "Options:\n"
    "  --help     show this help\n"
    "  --version  show the version\n"
    "\n"
    "Exit status: 0 done, 1 a file could not be read or written, 2 wrong usage.\n";

} // namespace

int CommandLineTool::run(const std::vector<std::string>& arguments)
{
    if (arguments.empty())
        return usageError("no command given");
    const std::string& command = arguments.front();
    if (command == "--help" || command == "-h") {
        out_ << usage;
        return Success;
    }
    if (command == "--version") {
        out_ << "marquetto-cli 2.3\n";
        return Success;
    }
    const std::vector<std::string> options(arguments.begin() + 1, arguments.end());
    if (command == "save")
        return save(options);
    if (command == "generate")
        return generate(options);
    if (command == "check")
        return check(options);
    return usageError("unknown command \"" + command + "\"");
}

int CommandLineTool::save(const std::vector<std::string>& options)
{
    const CommandLineOptions parsed(options, {"--project", "--to"});
    if (!parsed.problem().empty())
        return usageError(parsed.problem());
    if (!parsed.has("--to"))
        return usageError("save needs --to FILE");
    ProjectRecord record;
    if (!readDesign(parsed, record))
        return FileFailure;
    record.projectPath = parsed.value("--to");
    if (auto error = ProjectWriter::writeProject(record))
        return fileFailure(*error);
    return Success;
}

int CommandLineTool::generate(const std::vector<std::string>& options)
{
    const CommandLineOptions parsed(options, {"--project", "--out"});
    if (!parsed.problem().empty())
        return usageError(parsed.problem());
    ProjectRecord record;
    if (!readDesign(parsed, record))
        return FileFailure;
    PageRoundTrip::apply(record);
    const std::string out = parsed.has("--out") ? parsed.value("--out") : ".";
    std::error_code status;
    fs::create_directories(out, status);
    record.workFolder = (fs::path(out) / "").string();
    GeneratedTexts texts;
    if (auto error = Generator::GenerateOutputs(record, texts))
        return fileFailure(*error);
    if (record.bgImageOn == 1)
        bringBackgroundImage(record, designFolder(parsed), record.workFolder);
    out_ << texts.embedSnippet << '\n';
    return Success;
}

int CommandLineTool::check(const std::vector<std::string>& options)
{
    const CommandLineOptions parsed(options, {"--project"});
    if (!parsed.problem().empty())
        return usageError(parsed.problem());
    ProjectRecord record;
    if (!readDesign(parsed, record))
        return FileFailure;
    const auto problems = DesignCheck::problems(record, designFolder(parsed));
    for (const std::string& problem : problems)
        out_ << problem << '\n';
    if (problems.empty())
        out_ << "No problems found.\n";
    return problems.empty() ? Success : FileFailure;
}

bool CommandLineTool::readDesign(const CommandLineOptions& parsed, ProjectRecord& record)
{
    if (parsed.has("--project")) {
        record.useDefaultProject = 2;
        record.projectPath = parsed.value("--project");
    }
    if (auto error = ProjectReader(BuiltInTexts::defaultProject()).readProject(record)) {
        fileFailure(*error);
        return false;
    }
    return true;
}

// Background images are kept beside the project file; the built-in project has the current folder.
std::string CommandLineTool::designFolder(const CommandLineOptions& parsed)
{
    if (!parsed.has("--project"))
        return ".";
    const fs::path folder = fs::path(parsed.value("--project")).parent_path();
    return folder.empty() ? "." : folder.string();
}

// The page names the image by its bare name, so it must lie beside the generated files.
void CommandLineTool::bringBackgroundImage(const ProjectRecord& record, const std::string& from,
                                           const std::string& to)
{
    const std::string& name = record.bgImageName;
    if (name.empty() || name == ".." || name.find_first_of("/\\") != std::string::npos) {
        err_ << "marquetto-cli: warning: the background image name \"" << name
             << "\" is not a plain file name, so it was not copied; the box shows no image.\n";
        return;
    }
    std::error_code status;
    const fs::path target = fs::path(to) / name;
    if (fs::exists(target, status))
        return;
    const fs::path source = fs::path(from) / name;
    if (!fs::is_regular_file(source, status)) {
        err_ << "marquetto-cli: warning: the background image \"" << source.string()
             << "\" is missing; the box shows no image.\n";
        return;
    }
    if (!fs::copy_file(source, target, status))
        err_ << "marquetto-cli: warning: the background image \"" << source.string()
             << "\" could not be copied to \"" << target.string() << "\": " << status.message() << ".\n";
}

int CommandLineTool::fileFailure(const FileError& error)
{
    err_ << "marquetto-cli: " << error.message() << '\n';
    return FileFailure;
}

int CommandLineTool::usageError(const std::string& problem)
{
    err_ << "marquetto-cli: " << problem << "\n\n" << usage;
    return UsageError;
}
