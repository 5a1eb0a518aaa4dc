#include "app/WizardCommandLine.h"

#include "MarquettoVersion.h"
#include "app/CommandLineOptions.h"

Expected<WizardCommandLine> WizardCommandLine::read(const std::vector<std::string>& arguments)
{
    const auto read = CommandLineOptions::parse(arguments, {{"help", 'h', false}, {"version", 'V', false}});
    if (!read.ok())
        return read.error();
    const CommandLineOptions& parsed = read.value();
    const auto& operands = parsed.operands();
    WizardCommandLine commandLine;
    if (parsed.has("help"))
        commandLine.action_ = Action::ShowHelp;
    else if (parsed.has("version"))
        commandLine.action_ = Action::ShowVersion;
    else if (operands.size() > 1)
        return Error::usage("one project at a time; '" + operands[1] + "' is one too many");
    else if (operands.size() == 1)
        commandLine.project_ = operands.front();
    return commandLine;
}

const char* WizardCommandLine::help()
{
    return "Usage: marquetto [PROJECT]\n"
           "Designs a scrolling news box for a web page and generates its files.\n"
           "With PROJECT, a .tkp project file, the wizard starts with that project\n"
           "open; without it, with the built-in default design.\n"
           "\n"
           "Options:\n"
           "  -h, --help     show this help\n"
           "  -V, --version  show the version\n"
           "\n"
           "The wizard speaks the language of the desktop's locale: the first of the\n"
           "list in LANGUAGE, or else of LC_ALL, LC_MESSAGES or LANG, that it has\n"
           "(German, French, Spanish); English when it has none, or for the C locale.\n"
           "\n"
           "Exit status: 0 the wizard was closed, 1 the working folder could not be\n"
           "used or no display could be reached, 2 wrong usage.\n";
}

const char* WizardCommandLine::version()
{
    return "marquetto " MARQUETTO_VERSION "\n" MARQUETTO_COPYRIGHT "\n" MARQUETTO_LICENCE_NOTE "\n";
}
