#include "tests/support/FileBytes.h"
#include "tests/support/ProgramRun.h"
#include "tests/support/TemporaryFolder.h"

#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>

// The built marquetto-cli run as a separate process, the way a shell or a build script runs it.
namespace {

const std::string tryHelp = "Try 'marquetto-cli --help'.\n";

// A project whose box name shows where it was read from.
constexpr const char* namedProject = "#%#qvo-nameoftext=from_fixture_endof-qvo-nameoftext#%#";

ProgramRun runCli(const std::vector<std::string>& arguments, const std::string& folder = ".")
{
    return runProgram(MARQUETTO_CLI, arguments, folder);
}

} // namespace

TEST(CliConventions, VersionAndToolHelpGoToStandardOutput)
{
    for (const char* option : {"-V", "--version"}) {
        const ProgramRun run = runCli({option});
        EXPECT_EQ(run.status, 0) << option;
        EXPECT_EQ(run.out.substr(0, run.out.find('\n') + 1), "marquetto-cli " PROJECT_VERSION "\n") << option;
        EXPECT_EQ(run.err, "") << option;
    }
    const ProgramRun help = runCli({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.err, "");
    for (const char* status :
         {"0  success", "1  check found problems", "2  wrong usage", "3  a file could not"})
        EXPECT_NE(help.out.find(status), std::string::npos) << status;
    EXPECT_EQ(runCli({"-h"}).out, help.out);
    EXPECT_EQ(runCli({"help"}).out, help.out);
    EXPECT_EQ(runCli({"help", "--help"}).out, help.out);
}

TEST(CliConventions, EachCommandHasItsOwnHelpThreeWays)
{
    std::string previous;
    for (const std::string command : {"generate", "check", "show", "save", "set", "import", "messages"}) {
        const ProgramRun help = runCli({"help", command});
        EXPECT_EQ(help.status, 0) << command;
        EXPECT_EQ(help.out.rfind("Usage: marquetto-cli " + command + " ", 0), 0u) << help.out;
        EXPECT_NE(help.out, previous);
        for (const char* option : {"--help", "-h"}) {
            const ProgramRun asOption = runCli({command, option});
            EXPECT_EQ(asOption.status, 0) << command << ' ' << option;
            EXPECT_EQ(asOption.out, help.out) << command << ' ' << option;
            EXPECT_EQ(asOption.err, "");
        }
        previous = help.out;
    }
}

TEST(CliConventions, ValuesFollowAnOptionEitherWay)
{
    TemporaryFolder folder;
    writeBytes(folder.file("in.tkp"), namedProject);
    const std::vector<std::vector<std::string>> spellings{
        {"save", "--project=in.tkp", "--to=out.tkp"}, {"save", "--project", "in.tkp", "--to", "out.tkp"},
        {"save", "-p", "in.tkp", "-t", "out.tkp"},    {"save", "-pin.tkp", "-tout.tkp"},
        {"save", "in.tkp", "--to", "out.tkp"},        {"save", "--to", "out.tkp", "in.tkp"},
    };
    for (const auto& arguments : spellings) {
        std::remove(folder.file("out.tkp").c_str());
        const ProgramRun run = runCli(arguments, folder.path());
        EXPECT_EQ(run.status, 0) << arguments[1] << ": " << run.err;
        EXPECT_NE(readBytes(folder.file("out.tkp")).find("from_fixture_"), std::string::npos) << arguments[1];
    }
}

TEST(CliConventions, DoubleDashEndsTheOptions)
{
    TemporaryFolder folder;
    writeBytes(folder.file("-odd.tkp"), namedProject);
    const ProgramRun run = runCli({"save", "--to", "out.tkp", "--", "-odd.tkp"}, folder.path());
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(readBytes(folder.file("out.tkp")).find("from_fixture_"), std::string::npos);

    const ProgramRun helpAsFile = runCli({"check", "--", "--help"}, folder.path());
    EXPECT_EQ(helpAsFile.status, 3) << "after --, --help names a project file";
    EXPECT_NE(helpAsFile.err.find("--help"), std::string::npos) << helpAsFile.err;
    EXPECT_EQ(helpAsFile.out, "");
}

TEST(CliConventions, WrongUsageSaysWhatInOneLineAndExitsWithTwo)
{
    struct Case
    {
        std::vector<std::string> arguments;
        std::string named;
    };
    const std::vector<Case> cases{
        {{}, "no command"},
        {{"paint"}, "'paint'"},
        {{"help", "paint"}, "'paint'"},
        {{"help", "save", "check"}, "'check'"},
        {{"help", "--colour"}, "'--colour'"},
        {{"--frobnicate"}, "'--frobnicate'"},
        {{"save", "--colour", "red", "--to", "a.tkp"}, "'--colour'"},
        {{"save", "--colour=red", "--to", "a.tkp"}, "'--colour'"},
        {{"check", "-x"}, "'-x'"},
        {{"save", "--to"}, "'--to' needs a value"},
        {{"generate", "-o"}, "'--out' needs a value"},
        {{"check", "--help=yes"}, "'--help' takes no value"},
        {{"save", "--to", "a.tkp", "--to", "b.tkp"}, "'--to' is given twice"},
        {{"save"}, "--to"},
        {{"check", "a.tkp", "b.tkp"}, "'b.tkp'"},
        {{"check", "--project", "a.tkp", "b.tkp"}, "'b.tkp'"},
        {{"--version", "check"}, "'check'"},
        {{"save", "--to", ""}, "'--to' needs a file name"},
        {{"set", "--to=", "width=1"}, "'--to' needs a file name"},
        {{"save", "-p", "", "--to", "a.tkp"}, "'--project' needs a file name"},
        {{"generate", "--out", ""}, "'--out' needs a file name"},
        {{"import", "--from", "", "--to", "a.tkp"}, "'--from' needs a file name"},
        {{"check", ""}, "the project needs a file name"},
    };
    TemporaryFolder folder;
    for (const Case& usage : cases) {
        const ProgramRun run = runCli(usage.arguments, folder.path());
        const std::string firstLine = run.err.substr(0, run.err.find('\n'));
        EXPECT_EQ(run.status, 2) << firstLine;
        EXPECT_EQ(run.out, "") << firstLine;
        EXPECT_EQ(run.err, firstLine + "\n" + tryHelp);
        EXPECT_EQ(firstLine.rfind("marquetto-cli: ", 0), 0u) << firstLine;
        EXPECT_NE(firstLine.find(usage.named), std::string::npos)
            << firstLine << " should name " << usage.named;
    }
    EXPECT_FALSE(std::filesystem::exists(folder.file("a.tkp"))) << "a refused command must not write";
}

TEST(CliConventions, ExitStatusSaysWhatHappenedAndMessagesGoToStandardError)
{
    TemporaryFolder folder;
    const ProgramRun clean = runCli({"check"}, folder.path());
    EXPECT_EQ(clean.status, 0);
    EXPECT_EQ(clean.out, "No problems found.\n");
    EXPECT_EQ(clean.err, "");

    writeBytes(folder.file("bad.tkp"), "#%#qvo-width=12pxendof-qvo-width#%#");
    const ProgramRun problems = runCli({"check", "bad.tkp"}, folder.path());
    EXPECT_EQ(problems.status, 1);
    EXPECT_NE(problems.out.find("12px"), std::string::npos) << problems.out;
    EXPECT_EQ(problems.err, "");

    const ProgramRun unreadable = runCli({"generate", "--out", "site", "missing.tkp"}, folder.path());
    EXPECT_EQ(unreadable.status, 3);
    EXPECT_EQ(unreadable.out, "");
    EXPECT_NE(unreadable.err.find("missing.tkp"), std::string::npos) << unreadable.err;

    writeBytes(folder.file("image.tkp"),
               "#>#qvo-bgimgvarmi=1endof-qvo-bgimgvarmi#>##>#qvo-bgimgname=sky.jpgendof-qvo-bgimgname#>#");
    const ProgramRun warned = runCli({"generate", "--out=site", "image.tkp"}, folder.path());
    EXPECT_EQ(warned.status, 0);
    EXPECT_EQ(warned.out.rfind("<iframe ", 0), 0u) << "only the snippet is a result: " << warned.out;
    EXPECT_NE(warned.err.find("sky.jpg"), std::string::npos) << warned.err;
    EXPECT_FALSE(readBytes(folder.file("site/preview.html")).empty());
}

// The built-in project has no folder of its own: its background image is looked for in the current one.
TEST(CliConventions, TheBuiltInProjectFindsItsImageInTheCurrentFolder)
{
    TemporaryFolder folder;
    const std::vector<std::string> imageOn{"set", "--to", "box.tkp", "background-image=on",
                                           "background-image-file=sky.jpg"};
    const ProgramRun missing = runCli(imageOn, folder.path());
    EXPECT_EQ(missing.status, 0);
    EXPECT_NE(missing.err.find("\"sky.jpg\" is switched on but not found in \".\""), std::string::npos)
        << missing.err;

    writeBytes(folder.file("sky.jpg"), "JPEG bytes");
    const ProgramRun found = runCli(imageOn, folder.path());
    EXPECT_EQ(found.status, 0);
    EXPECT_EQ(found.err, "");
}

TEST(CliConventions, SetWritesToStandardOutput)
{
    const ProgramRun set = runCli({"set", "--to", "-", "width=240"}, ".");
    EXPECT_EQ(set.status, 0) << set.err;
    EXPECT_NE(set.out.find("#%#qvo-width=240endof-qvo-width#%#\r\n"), std::string::npos) << set.out;
}

// The messages of tests/data/default-written.tkp, the built-in project's.
TEST(CliConventions, MessagesWritesToStandardOutput)
{
    const ProgramRun messages = runCli({"messages", "--to", "-"}, ".");
    EXPECT_EQ(messages.status, 0) << messages.err;
    EXPECT_EQ(messages.out,
              "{\"version\":1,\"messages\":[{\"title\":\"What's New\",\"text\":\"Marquetto was released.\","
              "\"link\":\"http://www.marquetto.example/\",\"target\":\"_parent\"},{\"title\":\"Features\","
              "\"text\":\"Easy building, testing and installation. Full customizable font characteristics. "
              "Highlighted URL links.\",\"link\":\"http://www.marquetto.example/\",\"target\":\"_parent\"},"
              "{\"title\":\"HTML Support\",\"text\":\"Supports basic HTML tags. (img, B, U,  ...)\","
              "\"link\":\"http://www.marquetto.example/\",\"target\":\"_parent\"}]}\n");
}
