#include "generator/FitPageWidth.h"

#include "generator/Generator.h"
#include "generator/HostPage.h"
#include "tests/support/DefaultDesign.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>
#include <string>

namespace {

GeneratedTexts fitGenerated(ProjectRecord record)
{
    TemporaryFolder folder;
    record.workFolder = folder.path() + "/";
    GeneratedTexts texts;
    EXPECT_TRUE(Generator::GenerateOutputs(record, texts).ok());
    return texts;
}

// The standards boxes that the loader writes, from the host page.
std::string fitStandardsBoxes(const std::string& page)
{
    const auto from = page.find("}else{");
    return page.substr(from, page.find("\");", from) + 3 - from);
}

} // namespace

// Expected texts written by hand: the frame as wide as the reader's column up to the design width, the outer
// box the frame's width less both borders up to the design's inner width, the message area as wide as the
// box.
TEST(FitPageWidth, TheSnippetAndTheHostBoxesFollowTheFrameUpToTheDesignWidth)
{
    const struct
    {
        std::string width;
        std::string borderWidth;
        int accessible;
        std::string snippet;
        std::string boxes;
    } cases[] = {
        {"180", "1", 0,
         "<iframe width=\"180\" height=\"215\" style=\"width:100%;max-width:180px\" "
         "src=\"scroller_newstic.html\" "
         "SCROLLING=\"no\" FRAMEBORDER=\"0\" border=0></iframe>",
         "}else{document.write(\"<div id=\\\"spagensbrd\\\" style=\\\"position:absolute; width:calc(100% - "
         "2px); "
         "max-width:178px; height:213; left:0; top:0; border-style:solid; border-width:1px; "
         "border-color:#5C5C5C;overflow:hidden;\\\"><div id=\\\"spagens\\\" style=\\\"position:absolute; "
         "width:100%; height:213; left:0; top:0; border-width:0px; overflow:hidden;clip:rect(4 180 210 "
         "0);\\\"></div></div>\");"},
        {"0400", "3", 1,
         "<iframe title=\"scroller\" width=\"400\" height=\"215\" style=\"width:100%;max-width:400px\" "
         "src=\"scroller_newstic.html\" SCROLLING=\"no\" FRAMEBORDER=\"0\" border=0></iframe>",
         "}else{document.write(\"<div id=\\\"spagensbrd\\\" style=\\\"position:absolute; width:calc(100% - "
         "6px); "
         "max-width:394px; height:209; left:0; top:0; border-style:solid; border-width:3px; "
         "border-color:#5C5C5C;overflow:hidden;\\\"><div id=\\\"spagens\\\" style=\\\"position:absolute; "
         "width:100%; height:209; left:0; top:0; border-width:0px; overflow:hidden;clip:rect(4 400 208 "
         "0);\\\"></div></div>\");"},
        {"250px", "0", 0,
         "<iframe width=\"250px\" height=\"215\" style=\"width:100%;max-width:250px\" "
         "src=\"scroller_newstic.html\" "
         "SCROLLING=\"no\" FRAMEBORDER=\"0\" border=0></iframe>",
         "}else{document.write(\"<div id=\\\"spagensbrd\\\" style=\\\"position:absolute; width:calc(100% - "
         "0px); "
         "max-width:250px; height:215; left:0; top:0; border-style:solid; border-width:0px; "
         "border-color:#5C5C5C;overflow:hidden;\\\"><div id=\\\"spagens\\\" style=\\\"position:absolute; "
         "width:100%; height:215; left:0; top:0; border-width:0px; overflow:hidden;clip:rect(4 250px 211 "
         "0);\\\"></div></div>\");"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.width + " " + c.borderWidth);
        ProjectRecord record = defaultDesign();
        record.width = c.width;
        record.borderWidth = c.borderWidth;
        record.accessibleBox = c.accessible;
        record.fitPageWidth = ProjectRecord::ticked;
        EXPECT_EQ(HostPage::embedSnippet(record), c.snippet);
        EXPECT_EQ(fitStandardsBoxes(HostPage::BuildHostPage(record)), c.boxes);
    }
}

// The option changes only the standards side: the IE boxes and the IE runtime keep their fixed width.
TEST(FitPageWidth, TheIeMarkupAndRuntimeStayAsTheyAre)
{
    ProjectRecord record = defaultDesign();
    const GeneratedTexts plain = fitGenerated(record);
    record.fitPageWidth = ProjectRecord::ticked;
    const GeneratedTexts fit = fitGenerated(record);
    EXPECT_EQ(fit.ieScriptText, plain.ieScriptText);
    const auto ieEnd = [](const std::string& page) { return page.substr(0, page.find("}else{")); };
    EXPECT_EQ(ieEnd(fit.hostPageText), ieEnd(plain.hostPageText));
}

// Each runtime keeps its column in its own way; the script learns which one it follows. Appended after the
// runtime's last statement, and after the accessible box's script when both options are on.
TEST(FitPageWidth, TheScriptFollowsTheRuntimeAndTheAccessibleBoxAndKnowsTheMode)
{
    const struct
    {
        int effectStyle;
        int scrollMode;
        int accessible;
        std::string kind;
    } cases[] = {
        {0, 0, 0, "var fit_kind=0,fit_left=8,fit_right=8,fit_top=4,fit_space=10,fit_height=215;"},
        {0, 1, 0, "var fit_kind=1,"},
        {0, 2, 1, "var fit_kind=2,"},
        {1, 0, 0, "var fit_kind=3,"},
        {1, 2, 1, "var fit_kind=3,"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.effectStyle) + " " + std::to_string(c.scrollMode));
        ProjectRecord record = defaultDesign();
        record.effectStyle = c.effectStyle;
        record.scrollMode = c.scrollMode;
        record.accessibleBox = c.accessible;
        const std::string before = fitGenerated(record).standardsScriptText;
        record.fitPageWidth = ProjectRecord::ticked;
        const std::string after = fitGenerated(record).standardsScriptText;
        ASSERT_EQ(after.substr(0, before.size()), before);
        const std::string added = after.substr(before.size());
        EXPECT_EQ(added.substr(0, c.kind.size()), c.kind);
        for (const std::string left : {"\r", "\n", "\t", "vr"})
            EXPECT_EQ(added.find(left), std::string::npos) << left;
        const std::string end = "window.addEventListener(\"resize\",fit_resized,false);};";
        EXPECT_EQ(added.substr(added.size() - end.size()), end);
    }
}
