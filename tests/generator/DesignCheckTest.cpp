#include "generator/DesignCheck.h"

#include "tests/support/DefaultDesign.h"
#include "tests/support/TemporaryFolder.h"

#include <fstream>
#include <functional>
#include <gtest/gtest.h>

namespace {

struct CheckCase
{
    std::string name;
    std::function<void(ProjectRecord&)> change;
    std::vector<std::string> expected;
};

std::string joined(const std::vector<std::string>& lines)
{
    std::string all;
    for (const std::string& line : lines)
        all += line + "\n";
    return all;
}

} // namespace

TEST(DesignCheck, EachProblemIsReportedOnceWithItsField)
{
    const std::vector<CheckCase> cases = {
        {"the default design", [](ProjectRecord&) {}, {}},
        {"sizes",
         [](ProjectRecord& r) {
             r.width = "0";
             r.height = "";
         },
         {"Step 2, Width: \"0\" is not a positive number", "Step 2, Height: \"\" is not plain digits"}},
        {"numbers typed with units",
         [](ProjectRecord& r) {
             r.pause = "3s";
             r.textFontSize = "8pt";
         },
         {"Step 3, Font size: \"8pt\"", "Step 4, Pause: \"3s\""}},
        {"a fader ignores its scroll delay",
         [](ProjectRecord& r) {
             r.effectStyle = 1;
             r.scrollDelay = "x";
         },
         {}},
        {"the image position counts only with an image", [](ProjectRecord& r) { r.bgImageX = "-5"; }, {}},
        {"names", [](ProjectRecord& r) { r.scrollerName = ""; }, {"Step 1, Name: empty"}},
        {"unsafe names",
         [](ProjectRecord& r) { r.scrollerName = "my box"; },
         {"Step 1, Name: \"my box\" holds \" \""}},
        {"messages",
         [](ProjectRecord& r) {
             r.replaceMessage(0, {"ends\\", "also\\", "it's", "_parent"});
             r.replaceMessage(1, {"t", "x", "#", "_top"});
             r.replaceMessage(2, {"t", "x", "c:\\site", "_top"});
         },
         {"Step 4, message 1, Title: ends in a backslash", "Step 4, message 1, Text: ends in a backslash",
          "Step 4, message 1, Link: holds a single quote", "Step 4, message 2, Link: \"#\" has one to three",
          "Step 4, message 3, Link: holds a backslash"}},
        {"no messages", [](ProjectRecord& r) { r.clearMessages(); }, {"Step 4, Messages: there are none"}},
        {"lists",
         [](ProjectRecord& r) {
             r.effectType = 42;
             r.textStyle = 4;
             r.titleUseCustomFont = 0;
             r.titleFontIndex = 13;
             r.textFontIndex = 99;
         },
         {"Step 3, Title font type: 13 is outside its list (0 to 12)", "Step 3, Text style: 4 is outside"}},
        {"a fader's transition",
         [](ProjectRecord& r) {
             r.effectStyle = 1;
             r.effectType = 9;
         },
         {"Step 4, Transition effect: 9 is outside its list (0 to 8)"}},
        {"a missing image",
         [](ProjectRecord& r) {
             r.bgImageOn = 1;
             r.bgImageName = "gone.jpg";
         },
         {"Step 2, Background image: \"gone.jpg\" is switched on but not found"}},
    };
    TemporaryFolder folder;
    for (const CheckCase& c : cases) {
        SCOPED_TRACE(c.name);
        ProjectRecord record = defaultDesign();
        c.change(record);
        const auto problems = DesignCheck::problems(record, folder.path());
        ASSERT_EQ(problems.size(), c.expected.size()) << joined(problems);
        for (std::size_t i = 0; i < problems.size(); ++i)
            EXPECT_EQ(problems[i].rfind(c.expected[i], 0), 0u) << problems[i];
    }
}

TEST(DesignCheck, APresentImageIsNoProblem)
{
    TemporaryFolder folder;
    std::ofstream(folder.file("sky.jpg")) << "image";
    ProjectRecord record = defaultDesign();
    record.bgImageOn = 1;
    record.bgImageName = "sky.jpg";
    EXPECT_TRUE(DesignCheck::problems(record, folder.path()).empty());
}
