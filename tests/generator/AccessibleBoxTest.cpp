#include "generator/AccessibleBox.h"

#include "tests/support/DefaultDesign.h"
#include "tests/support/GeneratedBox.h"

#include <gtest/gtest.h>
#include <string>

namespace {

ProjectRecord withOptions(int accessible, int rightToLeft)
{
    ProjectRecord record = defaultDesign();
    record.accessibleBox = accessible;
    record.rightToLeft = rightToLeft;
    return record;
}

std::string startOf(const std::string& text, std::size_t length)
{
    return text.substr(0, length);
}

} // namespace

TEST(AccessibleBox, TheTitleIsTheBoxNameReadAsWords)
{
    const struct
    {
        std::string name;
        std::string title;
    } cases[] = {
        {"scroller_", "scroller"},
        {"my_news-box", "my news box"},
        {"__a__b__", "a b"},
        {"", "News"},
        {"_-_", "News"},
        {"a\"<b>&'", "a&quot;&lt;b&gt;&amp;'"},
        {"caf\xc3\xa9_\xe2\x82\xac", "caf&#233; &#8364;"},
    };
    for (const auto& c : cases) {
        ProjectRecord record = defaultDesign();
        record.scrollerName = c.name;
        EXPECT_EQ(AccessibleBox::title(record), c.title) << c.name;
    }
}

TEST(AccessibleBox, TheOptionsMarkThePagesAndTheSnippet)
{
    const struct
    {
        int accessible;
        int rightToLeft;
        std::string hostPageStart;
        std::string snippetStart;
        std::string previewStart;
    } cases[] = {
        {0, 0, "<html><head><title></title></head><body", "<iframe width=\"180\"", "<html>\r\n<head>"},
        {1, 0, "<html lang=\"und\"><head><title>scroller</title></head><body",
         "<iframe title=\"scroller\" width=\"180\"", "<html lang=\"und\">\r\n<head>"},
        {0, 1, "<html dir=\"rtl\"><head><title></title></head><body", "<iframe width=\"180\"",
         "<html>\r\n<head>"},
        {1, 1, "<html lang=\"und\" dir=\"rtl\"><head><title>scroller</title></head><body",
         "<iframe title=\"scroller\" width=\"180\"", "<html lang=\"und\">\r\n<head>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.accessible) + " " + std::to_string(c.rightToLeft));
        const GeneratedBox run = generatedBox(withOptions(c.accessible, c.rightToLeft));
        EXPECT_EQ(startOf(run.texts.hostPageText, c.hostPageStart.size()), c.hostPageStart);
        EXPECT_EQ(startOf(run.texts.embedSnippet, c.snippetStart.size()), c.snippetStart);
        EXPECT_EQ(startOf(run.previewPage, c.previewStart.size()), c.previewStart);
    }
}

TEST(AccessibleBox, OnlyTheStandardsRuntimeGainsTheScriptAfterItsLastStatement)
{
    const GeneratedBox plain = generatedBox(withOptions(0, 0));
    const GeneratedBox accessible = generatedBox(withOptions(1, 0));
    EXPECT_EQ(accessible.texts.ieScriptText, plain.texts.ieScriptText);
    const std::string& runtime = plain.texts.standardsScriptText;
    ASSERT_EQ(startOf(accessible.texts.standardsScriptText, runtime.size()), runtime);

    const std::string added = accessible.texts.standardsScriptText.substr(runtime.size());
    EXPECT_EQ(startOf(added, 14), "var acc_frame=");
    EXPECT_EQ(added.substr(added.size() - 42), "{acc_setUp();acc_build();acc_decorate();};");
    for (const std::string left : {"\r", "\n", "\t", "vr1", "vr3", "vr8", "vr9", "vr11", "accsidevr"})
        EXPECT_EQ(added.find(left), std::string::npos) << left;
    EXPECT_NE(added.find("right:2px;bottom:2px"), std::string::npos);
    EXPECT_NE(generatedBox(withOptions(1, 1)).texts.standardsScriptText.find("left:2px;bottom:2px"),
              std::string::npos)
        << "the button stands at the start of right-to-left lines";
}

TEST(AccessibleBox, RightToLeftTextAlignsRightWhereLeftStood)
{
    const struct
    {
        int alignment;
        std::string word;
    } cases[] = {{0, "right"}, {1, "center"}, {2, "right"}};
    for (const auto& c : cases) {
        ProjectRecord record = withOptions(0, 1);
        record.alignment = c.alignment;
        const GeneratedBox run = generatedBox(record);
        for (const std::string* script : {&run.texts.standardsScriptText, &run.texts.ieScriptText}) {
            EXPECT_NE(script->find("text-align:" + c.word + ";"), std::string::npos) << c.alignment;
            EXPECT_EQ(script->find("text-align:left"), std::string::npos) << c.alignment;
        }
    }
}
