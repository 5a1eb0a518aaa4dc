#include "app/CommandLineTool.h"

#include "generator/BuiltInTexts.h"
#include "project/ProjectReader.h"
#include "tests/support/DefaultDesign.h"
#include "tests/support/FileBytes.h"
#include "tests/support/RecordComparison.h"
#include "tests/support/TemporaryFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
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

// The records, then the default project: the first occurrence of a record wins, so the records replace
// the defaults and every other field keeps its default value.
std::string overDefaults(const std::string& records)
{
    return records + std::string(BuiltInTexts::defaultProject());
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
    ASSERT_TRUE(ProjectReader({}).readProject(read).ok());
    expectSameDesign(defaultDesign(), read);
}

TEST(CommandLineTool, SaveWritesWhatTheWizardWouldAfterLoadingThePages)
{
    TemporaryFolder folder;
    const std::string project = folder.file("hand.tkp");
    writeBytes(project, "#%#qvo-effecttype=42endof-qvo-effecttype#%#\r\n"
                        "#>#qvo-use_this=2endof-qvo-use_this#>#\r\n"
                        "#>#qvo-titleuse_this=1endof-qvo-titleuse_this#>#\r\n"
                        "#%#qvo-tiali=7endof-qvo-tiali#%#\r\n"
                        "#%#qvo-speed=2endof-qvo-speed#%#\r\n"
                        "#%#qvo-pause=02endof-qvo-pause#%#\r\n");
    ASSERT_EQ(runTool({"save", "--project", project, "--to", folder.file("saved.tkp")}).status, 0);
    const std::string saved = readBytes(folder.file("saved.tkp"));
    for (const char* line :
         {"#%#qvo-effecttype=-1endof-qvo-effecttype#%#\r\n", "#>#qvo-use_this=0endof-qvo-use_this#>#\r\n",
          "#>#qvo-titleuse_this=1endof-qvo-titleuse_this#>#\r\n", "#%#qvo-tiali=-1endof-qvo-tiali#%#\r\n",
          "#%#qvo-speed=2endof-qvo-speed#%#\r\n", "#%#qvo-pause=02endof-qvo-pause#%#\r\n"})
        EXPECT_NE(saved.find(line), std::string::npos) << line;
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
               overDefaults("#>#qvo-bgimgvarmi=1endof-qvo-bgimgvarmi#>##>#qvo-bgimgname=sky.jpgendof-"
                            "qvo-bgimgname#>#"));
    const ToolRun missing = runTool({"generate", "--project", project, "--out", folder.file("out")});
    EXPECT_EQ(missing.status, 0);
    EXPECT_NE(missing.err.find("sky.jpg"), std::string::npos) << missing.err;

    writeBytes(folder.file("sky.jpg"), "JPEG bytes");
    const ToolRun found = runTool({"generate", "--project", project, "--out", folder.file("out")});
    EXPECT_EQ(found.status, 0);
    EXPECT_EQ(found.err, "");
    EXPECT_EQ(readBytes(folder.file("out/sky.jpg")), "JPEG bytes");

    writeBytes(folder.file("sky.jpg"), "newer JPEG");
    ASSERT_EQ(runTool({"generate", "--project", project, "--out", folder.file("out")}).status, 0);
    EXPECT_EQ(readBytes(folder.file("out/sky.jpg")), "newer JPEG") << "a stale copy is replaced";

    const ToolRun sameFolder = runTool({"generate", "--project", project, "--out", folder.path()});
    EXPECT_EQ(sameFolder.status, 0) << sameFolder.err;
    EXPECT_EQ(readBytes(folder.file("sky.jpg")), "newer JPEG");
}

TEST(CommandLineTool, GenerateUsesTheUtf8NameOfAWindows1252ImageAndBox)
{
    TemporaryFolder folder;
    const std::string project = folder.file("cafe.tkp");
    writeBytes(project,
               overDefaults("#>#qvo-bgimgvarmi=1endof-qvo-bgimgvarmi#>##>#qvo-bgimgname=caf\xe9.jpgendof-qvo-"
                            "bgimgname#>##%#qvo-nameoftext=caf\xe9_endof-qvo-nameoftext#%#"));
    writeBytes(folder.file("caf\xc3\xa9.jpg"), "JPEG");
    const ToolRun run = runTool({"generate", "--project", project, "--out", folder.file("out")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err,
              "marquetto-cli: warning: Step 2, Background image: \"caf\xe9.jpg\" holds characters that "
              "a web address cannot hold as they are; the page asks for it percent-encoded, as "
              "\"caf%C3%A9.jpg\", so keep the file's name exactly as it is.\n");
    EXPECT_EQ(readBytes(folder.file("out/caf\xc3\xa9.jpg")), "JPEG");
    EXPECT_NE(run.out.find("src=\"caf%C3%A9_newstic.html\""), std::string::npos) << run.out;
    for (const char* file : {"newstic.html", "newsticie.js", "newsticns6.js"})
        EXPECT_TRUE(std::filesystem::exists(folder.file("out/caf\xc3\xa9_") + file)) << file;
}

TEST(CommandLineTool, GenerateRefusesAPlaceholderBeforeWritingAndExitsWithOne)
{
    TemporaryFolder folder;
    const std::string project = folder.file("blow-up.tkp");
    writeBytes(project, "#%#qvo-leftmargin=psleftvr1psleftvr1endof-qvo-leftmargin#%#");
    const ToolRun run = runTool({"generate", "--project", project, "--out", folder.file("out")});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Step 2, Left margin: holds \"psleftvr1\""), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(!std::filesystem::exists(folder.file("out/preview.html")));
}

TEST(CommandLineTool, GenerateReportsAFileThatCannotBeWritten)
{
    TemporaryFolder folder;
    writeBytes(folder.file("plain"), "a file, not a folder");
    const ToolRun run = runTool({"generate", "--out", folder.file("plain")});
    EXPECT_EQ(run.status, 3);
    EXPECT_NE(run.err.find(folder.file("plain") + "/preview.html"), std::string::npos) << run.err;
}

TEST(CommandLineTool, CheckListsProblemsAndExitsWithOneOrThree)
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

    writeBytes(project, "#>#qvo-use_this=1endof-qvo-use_this#>#"
                        "#%#qvo-custom_fontface=Sans\\endof-qvo-custom_fontface#%#");
    const ToolRun face = runTool({"check", "--project", project});
    EXPECT_NE(face.out.find("Step 3, Text font: the backslash in \"\\\""), std::string::npos)
        << "the font face is derived as the wizard derives it: " << face.out;

    const ToolRun missing = runTool({"check", "--project", folder.file("missing.tkp")});
    EXPECT_EQ(missing.status, 3);
    EXPECT_EQ(missing.out, "");
}

TEST(CommandLineTool, CheckWritesOneJsonObjectPerFindingAndKeepsItsTextOutput)
{
    TemporaryFolder folder;
    const std::string project = folder.file("bad.tkp");
    writeBytes(project, overDefaults("#%#qvo-width=12pxendof-qvo-width#%#"
                                     "#%#qvo-titletext1=<textarea>endof-qvo-titletext1#%#"));
    const ToolRun json = runTool({"check", "--format=json", project});
    EXPECT_EQ(json.status, 1);
    const auto findings = nlohmann::json::parse(json.out);
    ASSERT_EQ(findings.size(), 2u) << json.out;
    EXPECT_EQ(findings[0],
              nlohmann::json({{"step", 2},
                              {"field", "Width"},
                              {"message", 0},
                              {"code", "number-not-digits"},
                              {"text", "Step 2, Width: \"12px\" is not plain digits; it goes into "
                                       "the generated code as typed, so the news box gets a wrong "
                                       "size or stops with a script error."}}));
    EXPECT_EQ(findings[1]["code"], "markup-swallows");
    EXPECT_EQ(findings[1]["step"], 4);
    EXPECT_EQ(findings[1]["field"], "Title");
    EXPECT_EQ(findings[1]["message"], 1);

    const ToolRun text = runTool({"check", "-f", "text", project});
    EXPECT_EQ(text.out,
              findings[0]["text"].get<std::string>() + "\n" + findings[1]["text"].get<std::string>() + "\n");
    EXPECT_EQ(runTool({"check", "--format=json"}).out, "[]\n");
    writeBytes(project, overDefaults("#%#qvo-width=12\xe9"
                                     "endof-qvo-width#%#"));
    const auto notUtf8 = nlohmann::json::parse(runTool({"check", "--format=json", project}).out);
    EXPECT_EQ(notUtf8[0]["text"].get<std::string>().rfind("Step 2, Width: \"12\xef\xbf\xbd\"", 0), 0u)
        << "a byte that is not UTF-8 becomes a replacement character";
    EXPECT_EQ(runTool({"check", "--format=xml"}).status, 2);
}

TEST(CommandLineTool, GenerateWarnsWithWhatCheckSaysAndStillSucceeds)
{
    TemporaryFolder folder;
    const std::string project = folder.file("warned.tkp");
    writeBytes(project, overDefaults("#%#qvo-fontheight=0endof-qvo-fontheight#%##>#qvo-bgimgvarmi=1endof-qvo-"
                                     "bgimgvarmi#>##>#qvo-bgimgname=img/sky.jpgendof-qvo-bgimgname#>#"));
    std::filesystem::create_directory(folder.file("img"));
    writeBytes(folder.file("img/sky.jpg"), "JPEG");
    const ToolRun check = runTool({"check", project});
    ASSERT_EQ(check.status, 1);
    const ToolRun run = runTool({"generate", "--project", project, "--out", folder.file("out")});
    EXPECT_EQ(run.status, 0) << run.err;
    std::string warnings;
    std::istringstream lines(check.out);
    for (std::string line; std::getline(lines, line);)
        warnings += "marquetto-cli: warning: " + line + "\n";
    EXPECT_EQ(run.err, warnings) << "one verdict, word for word, in check and in generate";
    EXPECT_NE(run.err.find("Step 3, Font size: \"0\""), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("\"img/sky.jpg\" is not a plain file name"), std::string::npos) << run.err;
    EXPECT_FALSE(readBytes(folder.file("out/scroller_newstic.html")).empty());
}

TEST(CommandLineTool, GenerateRefusesANameTheFolderCannotHoldBeforeWritingAnything)
{
    for (const std::string& name :
         {std::string("news/box_"), std::string("news\\box_"), std::string(243, 'n')}) {
        SCOPED_TRACE(name);
        TemporaryFolder folder;
        const std::string project = folder.file("name.tkp");
        writeBytes(project, overDefaults("#%#qvo-nameoftext=" + name + "endof-qvo-nameoftext#%#"));
        const ToolRun check = runTool({"check", project});
        EXPECT_EQ(check.status, 1);
        EXPECT_NE(check.out.find("Step 1, Name: "), std::string::npos) << check.out;
        std::filesystem::create_directory(folder.file("out"));
        const ToolRun run = runTool({"generate", "--project", project, "--out", folder.file("out")});
        EXPECT_EQ(run.status, 3);
        EXPECT_NE(run.err.find("newstic"), std::string::npos) << run.err;
        EXPECT_TRUE(std::filesystem::is_empty(folder.file("out"))) << "not even preview.html is written";
    }
}

// Options written by hand in any marker and as any value that reads as 1 are saved in the wizard's layout,
// after the message count line; saving that file again gives the same bytes.
TEST(CommandLineTool, SaveKeepsTheOptionsOfAProject)
{
    const std::string accessible = "#%#qvo-x-accessiblebox=1endof-qvo-x-accessiblebox#%#\r\n";
    const std::string rightToLeft = "#%#qvo-x-righttoleft=1endof-qvo-x-righttoleft#%#\r\n";
    const std::string fitWidth = "#%#qvo-x-fitpagewidth=1endof-qvo-x-fitpagewidth#%#\r\n";
    const struct
    {
        std::string records;
        std::string saved;
    } cases[] = {
        {accessible, accessible},
        {rightToLeft, rightToLeft},
        {rightToLeft + accessible, accessible + rightToLeft},
        {"#>#qvo-x-righttoleft=01endof-qvo-x-righttoleft#>#qvo-x-accessiblebox=2endof-qvo-x-accessiblebox",
         rightToLeft},
        {"qvo-x-accessiblebox= 1endof-qvo-x-accessiblebox", accessible},
        {fitWidth + rightToLeft, rightToLeft + fitWidth},
        {"#>#qvo-x-fitpagewidth=+1endof-qvo-x-fitpagewidth#>#qvo-x-righttoleft=0endof-qvo-x-righttoleft",
         fitWidth},
    };
    const std::string committed = readBytes(std::string(MARQUETTO_TEST_DATA) + "/default-written.tkp");
    const std::string countEnd = "endof-qvo-text-message_count#%#\r\n";
    const auto afterCount = committed.find(countEnd) + countEnd.size();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.records);
        TemporaryFolder folder;
        writeBytes(folder.file("in.tkp"), c.records + committed);
        ASSERT_EQ(
            runTool({"save", "--project", folder.file("in.tkp"), "--to", folder.file("out.tkp")}).status, 0);
        EXPECT_EQ(readBytes(folder.file("out.tkp")),
                  committed.substr(0, afterCount) + c.saved + committed.substr(afterCount));
        ASSERT_EQ(
            runTool({"save", "--project", folder.file("out.tkp"), "--to", folder.file("again.tkp")}).status,
            0);
        EXPECT_EQ(readBytes(folder.file("again.tkp")), readBytes(folder.file("out.tkp")));
    }
}
