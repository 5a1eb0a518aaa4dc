#include "tests/support/ProgramRun.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

// The built wizard's own arguments: what it does before it needs a display.
namespace {

ProgramRun runWizard(const std::vector<std::string>& arguments)
{
    TemporaryFolder folder;
    return runProgram(MARQUETTO_WIZARD, arguments, folder.path());
}

} // namespace

TEST(WizardCommandLine, HelpAndVersionAnswerWithoutOpeningAWindow)
{
    for (const char* option : {"-h", "--help"}) {
        const ProgramRun help = runWizard({option});
        EXPECT_EQ(help.status, 0) << option;
        EXPECT_EQ(help.out.rfind("Usage: marquetto [PROJECT]\n", 0), 0u) << help.out;
        EXPECT_EQ(help.err, "");
    }
    for (const char* option : {"-V", "--version"}) {
        const ProgramRun version = runWizard({option});
        EXPECT_EQ(version.status, 0) << option;
        EXPECT_EQ(version.out.substr(0, version.out.find('\n') + 1), "marquetto " PROJECT_VERSION "\n");
        EXPECT_EQ(version.err, "");
    }
}

TEST(WizardCommandLine, WrongUsageIsRefusedInOneLine)
{
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
        {{"--frobnicate"}, "'--frobnicate'"},
        {{"-x", "news.tkp"}, "'-x'"},
        {{"one.tkp", "two.tkp"}, "'two.tkp'"},
    };
    for (const auto& [arguments, named] : cases) {
        const ProgramRun run = runWizard(arguments);
        EXPECT_EQ(run.status, 2) << run.err;
        EXPECT_EQ(run.out, "");
        const std::string firstLine = run.err.substr(0, run.err.find('\n'));
        EXPECT_NE(firstLine.find(named), std::string::npos) << firstLine;
        EXPECT_EQ(run.err, firstLine + "\nTry 'marquetto --help'.\n");
    }
}
