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

TEST(CommandLineTool, FileErrorsNameTheFileAndExitWithThree)
{
    TemporaryFolder folder;
    const std::string missing = folder.file("missing.tkp");
    const ToolRun unreadable = runTool({"save", "--project", missing, "--to", folder.file("out.tkp")});
    EXPECT_EQ(unreadable.status, 3);
    EXPECT_NE(unreadable.err.find(missing), std::string::npos) << unreadable.err;

    const std::string unwritable = folder.file("no-such-folder/out.tkp");
    const ToolRun failed = runTool({"save", "--to", unwritable});
    EXPECT_EQ(failed.status, 3);
    EXPECT_NE(failed.err.find(unwritable), std::string::npos) << failed.err;
}

TEST(CommandLineTool, GenerateWritesTheFourFilesAndPrintsTheSnippet)
{
    TemporaryFolder folder;
    const ToolRun run = runTool({"generate", "--out", folder.file("site")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "<iframe width=\"180\" height=\"215\" src=\"scroller_newstic.html\" SCROLLING=\"no\" "
                       "FRAMEBORDER=\"0\" border=0></iframe>\n");
    for (const char* name :
         {"preview.html", "scroller_newstic.html", "scroller_newsticns6.js", "scroller_newsticie.js"})
        EXPECT_FALSE(readBytes(folder.file("site/") + name).empty()) << name;
    EXPECT_NE(readBytes(folder.file("site/scroller_newsticns6.js")).find("MS Sans Serif,arial,helvetica"),
              std::string::npos)
        << "the font faces are derived as the Step 3 page derives them";
}

TEST(CommandLineTool, GenerateBringsTheBackgroundImageOrWarns)
{
    TemporaryFolder folder;
    const std::string project = folder.file("image.tkp");
    writeBytes(project,
               "#>#qvo-bgimgvarmi=1endof-qvo-bgimgvarmi#>##>#qvo-bgimgname=sky.jpgendof-qvo-bgimgname#>#");
    const ToolRun missing = runTool({"generate", "--project", project, "--out", folder.file("out")});
    EXPECT_EQ(missing.status, 0);
    EXPECT_NE(missing.err.find("sky.jpg"), std::string::npos) << missing.err;

    writeBytes(folder.file("sky.jpg"), "JPEG bytes");
    const ToolRun found = runTool({"generate", "--project", project, "--out", folder.file("out")});
    EXPECT_EQ(found.status, 0);
    EXPECT_EQ(found.err, "");
    EXPECT_EQ(readBytes(folder.file("out/sky.jpg")), "JPEG bytes");
}

TEST(CommandLineTool, GenerateReportsAFileThatCannotBeWritten)
{
    TemporaryFolder folder;
    writeBytes(folder.file("plain"), "a file, not a folder");
    const ToolRun run = runTool({"generate", "--out", folder.file("plain")});
    EXPECT_EQ(run.status, 3);
    EXPECT_NE(run.err.find(folder.file("plain") + "/preview.html"), std::string::npos) << run.err;
}

TEST(CommandLineTool, CheckListsProblemsAndExitsWithOne)
{
    const ToolRun clean = runTool({"check"});
    EXPECT_EQ(clean.status, 0);
    EXPECT_EQ(clean.out, "No problems found.\n");

    TemporaryFolder folder;
    const std::string project = folder.file("bad.tkp");
    writeBytes(project, "#%#qvo-width=12pxendof-qvo-width#%##%#qvo-nameoftext=a/bendof-qvo-nameoftext#%#");
    const ToolRun bad = runTool({"check", "--project", project});
    EXPECT_EQ(bad.status, 1);
    EXPECT_NE(bad.out.find("Step 2, Width: \"12px\" is not plain digits"), std::string::npos) << bad.out;
    EXPECT_NE(bad.out.find("Step 1, Name: \"a/b\" holds \"/\""), std::string::npos) << bad.out;
    EXPECT_NE(bad.out.find("Step 4, Messages: there are none"), std::string::npos) << bad.out;
}
