#include "app/CommandLineTool.h"

#include "app/CommandLineOptions.h"
#include "generator/BuiltInTexts.h"
#include "project/ProjectReader.h"
#include "project/ProjectWriter.h"

namespace {

constexpr const char* usage = "Usage: marquetto-cli COMMAND [OPTIONS]\n"
                              "\n"
                              "Commands:\n"
                              "  save [--project FILE] --to FILE\n"
                              "      Reads the project FILE (without --project, the built-in default\n"
                              "      project) and writes it to the --to file as the wizard saves it.\n"
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
    return usageError("unknown command \"" + command + "\"");
}

int CommandLineTool::save(const std::vector<std::string>& options)
{
    CommandLineOptions parsed(options, {"--project", "--to"});
    if (!parsed.problem().empty())
        return usageError(parsed.problem());
    if (!parsed.has("--to"))
        return usageError("save needs --to FILE");

    ProjectRecord record;
    if (parsed.has("--project")) {
        record.useDefaultProject = 2;
        record.projectPath = parsed.value("--project");
    }
    if (auto error = ProjectReader(BuiltInTexts::defaultProject()).readProject(record)) {
        err_ << "marquetto-cli: " << error->message() << '\n';
        return FileFailure;
    }
    record.projectPath = parsed.value("--to");
    if (auto error = ProjectWriter::writeProject(record)) {
        err_ << "marquetto-cli: " << error->message() << '\n';
        return FileFailure;
    }
    return Success;
}

int CommandLineTool::usageError(const std::string& problem)
{
    err_ << "marquetto-cli: " << problem << "\n\n" << usage;
    return UsageError;
}
