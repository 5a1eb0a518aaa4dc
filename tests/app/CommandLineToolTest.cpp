#include "app/CommandLineTool.h"

#include "generator/BuiltInTexts.h"
#include "project/ProjectReader.h"
#include "tests/support/DefaultDesign.h"
#include "tests/support/FileBytes.h"
#include "tests/support/RecordComparison.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

struct ToolRun
{
    int status;
    std::string out;
    std::string err;
};

ToolRun runTool(const std::vector<std::string>& arguments)
{
    std::ostringstream out;
    std::ostringstream err;
    const int status = CommandLineTool(out, err).run(arguments);
    return {status, out.str(), err.str()};
}

} // namespace

TEST(CommandLineTool, SavingTheDefaultAndResavingItGivesIdenticalBytes)
{
    TemporaryFolder folder;
    const std::string first = folder.file("first.tkp");
    const std::string second = folder.file("second.tkp");
    ASSERT_EQ(runTool({"save", "--to", first}).status, 0);
    ASSERT_EQ(runTool({"save", "--project", first, "--to", second}).status, 0);
    EXPECT_EQ(readBytes(first), readBytes(second));

    ProjectRecord read;
    read.useDefaultProject = 2;
    read.projectPath = second;
    ASSERT_FALSE(ProjectReader({}).readProject(read));
    expectSameDesign(defaultDesign(), read);
}

TEST(CommandLineTool, FileErrorsNameTheFileAndExitWithOne)
{
    TemporaryFolder folder;
    const std::string missing = folder.file("missing.tkp");
    const ToolRun unreadable = runTool({"save", "--project", missing, "--to", folder.file("out.tkp")});
    EXPECT_EQ(unreadable.status, 1);
    EXPECT_NE(unreadable.err.find(missing), std::string::npos) << unreadable.err;

    const std::string unwritable = folder.file("no-such-folder/out.tkp");
    const ToolRun failed = runTool({"save", "--to", unwritable});
    EXPECT_EQ(failed.status, 1);
    EXPECT_NE(failed.err.find(unwritable), std::string::npos) << failed.err;
}

TEST(CommandLineTool, UsageErrorsExitWithTwo)
{
    for (const std::vector<std::string>& arguments : {std::vector<std::string>{},
                                                      {"paint"},
                                                      {"save"},
                                                      {"save", "--to"},
                                                      {"save", "--to", "a", "--to", "b"},
                                                      {"save", "--colour", "red", "--to", "a"}}) {
        const ToolRun run = runTool(arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find("Usage:"), std::string::npos);
    }
    EXPECT_EQ(runTool({"--help"}).status, 0);
    EXPECT_EQ(runTool({"--version"}).out, "marquetto-cli 2.3\n");
}
