#include "generator/DesignCheck.h"

#include "generator/PageRoundTrip.h"
#include "tests/support/DefaultDesign.h"
#include "tests/support/TemporaryFolder.h"

#include <algorithm>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <string>

using namespace std::string_literals;

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
             r.width = "0"s;
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
             r.scrollDelay = "x"s;
         },
         {}},
        {"the image position counts only with an image", [](ProjectRecord& r) { r.bgImageX = "-5"; }, {}},
        {"names", [](ProjectRecord& r) { r.scrollerName = ""; }, {"Step 1, Name: empty"}},
        {"unsafe names",
         [](ProjectRecord& r) { r.scrollerName = "my:box"; },
         {"Step 1, Name: \"my:box\" holds \":\""}},
        {"names that addresses encode",
         [](ProjectRecord& r) { r.scrollerName = "my box #1 caf\xc3\xa9_"; },
         {}},
        {"single quotes in links",
         [](ProjectRecord& r) {
             r.replaceMessage(0, {"t", "x", "http://a.example/it's", "_parent"});
             r.replaceMessage(1, {"t", "x", "http://a.example/it's", "_blank"});
             r.replaceMessage(2, {"t", "x", "javascript:alert('hi')", "_top"});
         },
         {"Step 4, message 1, Link: holds a single quote, and the target \"_parent\""}},
        {"short links",
         [](ProjectRecord& r) {
             r.replaceMessage(1, {"t", "x", "#", "_top"});
             r.replaceMessage(2, {"t", "x", "", "_top"});
         },
         {"Step 4, message 2, Link: \"#\" has one to three"}},
        {"backslashes that are written doubled",
         [](ProjectRecord& r) {
             r.replaceMessage(0, {"Say \\\"hi\\\" now", "C:\\xampp", "http://a.example/", "frame\\"});
             r.replaceMessage(1, {"ends\\", "c:\\users", "http://a.example/", "_blank"});
         },
         {"Step 4, message 1, Title: the backslash in \"\\\"\" cannot go into the script as it is",
          "Step 4, message 1, Title: the backslash in \"\\\"\" cannot go into the script as it is",
          "Step 4, message 1, Text: the backslash in \"\\x\" cannot go into the script as it is",
          "Step 4, message 1, Target: the backslash in \"\\\" cannot go into the script as it is",
          "Step 4, message 2, Title: the backslash in \"\\\" cannot go into the script as it is",
          "Step 4, message 2, Text: the backslash in \"\\u\" cannot go into the script as it is"}},
        {"escapes an author means are no problem",
         [](ProjectRecord& r) {
             r.replaceMessage(0, {"caf\\u00e9 \\x41", "one\\ntwo \\\\ \\'", "http://a.example/", "_blank"});
         },
         {}},
        {"escapes that only drop the backslash",
         [](ProjectRecord& r) {
             r.replaceMessage(0, {"\\9 lives", "c:\\site", "http://a.example/\\s", "_blank"});
         },
         {"Step 4, message 1, Title: \"\\9\" is read as a JavaScript escape and shows as \"9\"",
          "Step 4, message 1, Text: \"\\s\" is read as a JavaScript escape and shows as \"s\"",
          "Step 4, message 1, Link: \"\\s\" is read as a JavaScript escape"}},
        {"a backslash reaching a link that a script opens",
         [](ProjectRecord& r) {
             r.replaceMessage(0, {"t", "x", "http://a.example/a\\\\b", "_top"});
             r.replaceMessage(1, {"t", "x", "http://a.example/a\\\\b", "_blank"});
         },
         {"Step 4, message 1, Link: holds a backslash, and the target \"_top\""}},
        {"font faces",
         [](ProjectRecord& r) {
             r.textFontFace = "\"Times New Roman\", serif";
             r.titleFontFace = "Sans\\";
         },
         {"Step 3, Title font: the backslash in \"\\\" cannot go into the script as it is"}},
        {"leading zeros are written without them, so no script reads an octal number",
         [](ProjectRecord& r) {
             r.pause = "02";
             r.scrollDelay = "040";
             r.leftMargin = "010";
             r.topMargin = "0";
         },
         {}},
        {"placeholders",
         [](ProjectRecord& r) {
             r.width = "1ticwvr5";
             r.textFontFace = "Arial window.onload=initte;";
             r.pause = "//buildergenlink";
         },
         {"Step 2, Width: \"1ticwvr5\" is not plain digits",
          "Step 4, Pause: \"//buildergenlink\" is not plain",
          "Step 2, Width: holds \"ticwvr5\", which the generator looks for in its scripts",
          "Step 3, Text font: holds \"window.onload=initte;\"", "Step 4, Pause: holds \"//buildergenlink\""}},
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
        {"a transition speed has no effect in wait mode",
         [](ProjectRecord& r) {
             r.transitionSpeed = 7;
             r.scrollMode = 0;
         },
         {}},
        {"a transition speed has no effect in continuous mode",
         [](ProjectRecord& r) {
             r.transitionSpeed = 7;
             r.scrollMode = 2;
         },
         {}},
        {"a transition speed in page mode",
         [](ProjectRecord& r) {
             r.transitionSpeed = 7;
             r.scrollMode = 1;
         },
         {"Step 4, Transition speed: 7 is outside its list (0 to 3)"}},
        {"a fader's transition",
         [](ProjectRecord& r) {
             r.effectStyle = 1;
             r.effectType = 9;
         },
         {"Step 4, Transition effect: 9 is outside its list (0 to 8)"}},
        {"a fader's transition speed",
         [](ProjectRecord& r) {
             r.effectStyle = 1;
             r.transitionSpeed = -1;
         },
         {"Step 4, Transition speed: -1 is outside its list"}},
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

TEST(DesignCheck, APresentImageIsNoProblemUnlessItsAddressHadToBeEncoded)
{
    TemporaryFolder folder;
    std::ofstream(folder.file("sky.jpg")) << "image";
    std::ofstream(folder.file("my sky (1).jpg")) << "image";
    std::ofstream(folder.file("caf\xc3\xa9.jpg")) << "image";
    ProjectRecord record = defaultDesign();
    record.bgImageOn = 1;
    record.bgImageName = "sky.jpg";
    EXPECT_TRUE(DesignCheck::problems(record, folder.path()).empty());

    record.bgImageName = "my sky (1).jpg";
    EXPECT_EQ(DesignCheck::problems(record, folder.path()),
              std::vector<std::string>{"Step 2, Background image: \"my sky (1).jpg\" holds characters that a "
                                       "web address cannot hold as they are; the page asks for it "
                                       "percent-encoded, as \"my%20sky%20%281%29.jpg\", so keep the file's "
                                       "name exactly as it is."});

    record.bgImageName = "caf\xe9.jpg";
    record.scrollerName = "caf\xe9_";
    const auto found = DesignCheck::problems(record, folder.path());
    ASSERT_EQ(found.size(), 1u) << "the windows-1252 name is found under its UTF-8 form";
    EXPECT_NE(found[0].find("\"caf%C3%A9.jpg\""), std::string::npos) << found[0];
}

// Each number field holds a value of its own that is not a number, so a field looked at under another's
// caption, or not looked at, shows.
TEST(DesignCheck, EveryNumberFieldIsLookedAtUnderItsOwnCaption)
{
    TemporaryFolder folder;
    std::ofstream(folder.file("sky.jpg")) << "image";
    ProjectRecord record = defaultDesign();
    record.bgImageOn = 1;
    record.bgImageName = "sky.jpg";
    int number = 1;
    for (std::string* field :
         {&record.width, &record.height, &record.paragraphSpace, &record.topMargin, &record.bottomMargin,
          &record.leftMargin, &record.rightMargin, &record.bgImageX, &record.bgImageY, &record.textFontSize,
          &record.titleFontSize, &record.textLineHeight, &record.titleLineHeight, &record.borderWidth,
          &record.scrollDelay, &record.pause})
        *field = std::to_string(number++) + "x";

    std::vector<std::string> reported;
    for (const std::string& problem : DesignCheck::problems(record, folder.path()))
        reported.push_back(problem.substr(0, problem.find(" is not")));
    std::sort(reported.begin(), reported.end());
    EXPECT_EQ(joined(reported),
              "Step 2, Bottom margin: \"5x\"\nStep 2, Height: \"2x\"\n"
              "Step 2, Image X position: \"8x\"\nStep 2, Image Y position: \"9x\"\n"
              "Step 2, Left margin: \"6x\"\nStep 2, Right margin: \"7x\"\nStep 2, Space: \"3x\"\n"
              "Step 2, Top margin: \"4x\"\nStep 2, Width: \"1x\"\nStep 3, Border width: \"14x\"\n"
              "Step 3, Font size: \"10x\"\nStep 3, Line height: \"12x\"\n"
              "Step 3, Title font size: \"11x\"\nStep 3, Title line height: \"13x\"\n"
              "Step 4, Pause: \"16x\"\nStep 4, Scroll delay: \"15x\"\n");
}

namespace {

struct ExpectedFinding
{
    int step;
    std::string field;
    int message;
    std::string code;
    std::string says; // a piece of the text worked out by hand
};

struct CodeCase
{
    std::string name;
    std::function<void(ProjectRecord&)> change;
    std::vector<ExpectedFinding> expected;
};

// The default design with its font faces worked out as the wizard's pages and the check read them.
ProjectRecord readAsChecked()
{
    ProjectRecord record = defaultDesign();
    record.textFontFace =
        PageRoundTrip::fontFace(record.textUseCustomFont, record.textCustomFont, record.textFontIndex);
    record.titleFontFace =
        PageRoundTrip::fontFace(record.titleUseCustomFont, record.titleCustomFont, record.titleFontIndex);
    return record;
}

std::string listed(const std::vector<DesignFinding>& findings)
{
    std::string all;
    for (const DesignFinding& f : findings)
        all += f.code + " | " + f.text + "\n";
    return all;
}

} // namespace

// One row per class of break, with the cases at its edge that must stay silent.
TEST(DesignCheck, EachClassOfBreakIsFoundWithItsCodeAndPlace)
{
    const std::string longName(255 - 13 + 1, 'n'); // one byte over with "newsticns6.js"
    const std::vector<CodeCase> cases = {
        {"ordinary markup",
         [](ProjectRecord& r) {
             r.replaceMessage(
                 0, {"<b>a</b> <i>b</i> <u>c</u><br>", "<img src=\"x.gif\"> <a href=\"y\">z</a>", "", ""});
             r.replaceMessage(1, {"<font color=red>r</font> &amp; &nbsp;",
                                  "<span>s</span><div>d<div>e</div></div>", "", ""});
         },
         {}},
        {"markup that breaks the box",
         [](ProjectRecord& r) {
             r.replaceMessage(0, {"<textarea>", "x", "", ""});
             r.replaceMessage(1, {"t", "one</div>two", "", ""});
             r.replaceMessage(2, {"<b>open", "<!-- note", "", ""});
             r.appendMessage({"\\x3cscript>", "\\u003c/div>", "", ""});
         },
         {{4, "Title", 1, "markup-swallows", "Step 4, message 1, Title: \"<textarea>\" is left open"},
          {4, "Text", 2, "markup-closes-box", "\"</div>\" closes an element that is not its own"},
          {4, "Title", 3, "markup-spills", "\"<b>\" is left open, so the messages after it"},
          {4, "Text", 3, "markup-swallows", "\"<!--\" is left open"},
          {4, "Title", 4, "markup-swallows", "\"<script>\" is left open"},
          {4, "Text", 4, "markup-closes-box", "\"</div>\" closes"}}},
        {"every escape of a field, with what the box shows",
         [](ProjectRecord& r) {
             r.replaceMessage(0, {"t", "c:\\users\\me", "", ""});
             r.replaceMessage(1, {"C:\\new\\test", "a\\tb", "", ""});
         },
         {{4, "Text", 1, "backslash-doubled", "the box shows \"c:\\usersme\"."},
          {4, "Text", 1, "backslash-dropped", "\"\\m\" is read as a JavaScript escape and shows as \"m\""},
          {4, "Title", 2, "escape-in-path",
           "for a line break; type \\\\ for a backslash; the box shows \"C: ew est\"."},
          {4, "Title", 2, "escape-in-path", "\"\\t\" is read as a JavaScript escape for a tab"}}},
        {"a line break or control character in a one-line field, of a file edited by hand",
         [](ProjectRecord& r) {
             r.textCustomFont = "Arial\nwidth=999";
             r.scrollerName = "news\xC2\x85";
             r.replaceMessage(0, {"a\tb", "multi\r\nline", "https://a.example/\xE2\x80\xA8", "main\x1B"});
         },
         {{1, "Name", 0, "line-break", "holds a line break (U+0085)"},
          {3, "Text font", 0, "line-break",
           "Step 3, Text font: holds a line break (U+000A), which a one-line"},
          {4, "Title", 1, "line-break", "holds a tab (U+0009)"},
          {4, "Link", 1, "line-break", "holds a line break (U+2028)"},
          {4, "Target", 1, "line-break", "holds a control character (U+001B)"}}},
        {"an escape in a link, with what the browser reads",
         [](ProjectRecord& r) {
             r.replaceMessage(0, {"t", "x", "http://a.example/\\s", "_blank"});
         },
         {{4, "Link", 1, "backslash-dropped", "the browser reads \"http://a.example/s\"."}}},
        {"no room left by the margins and the border",
         [](ProjectRecord& r) {
             r.leftMargin = "178";
             r.topMargin = "100";
             r.bottomMargin = "114";
         },
         {{2, "Width", 0, "size-no-room", "take 180 pixels"},
          {2, "Height", 0, "size-no-room", "take 215 pixels"}}},
        {"one pixel of room is room, but too little for any word",
         [](ProjectRecord& r) {
             r.leftMargin = "177";
             r.topMargin = "100";
             r.bottomMargin = "113";
         },
         {{2, "Left margin", 0, "words-cut", "\"177\" leaves the text 1 pixels up to the box's right edge"}}},
        // The widest word of the default messages is "characteristics." in message 2 at 8 pt, in a list of
        // Arial-like faces: 6668 thousandths of 32/3 pixels in Helvetica's advances, 71.13 pixels.
        {"margins of 150 in a box 180 wide leave 28 pixels after the left one",
         [](ProjectRecord& r) {
             r.leftMargin = "150";
             r.rightMargin = "150";
         },
         {{2, "Left margin", 0, "words-cut",
           "\"150\" leaves the text 28 pixels up to the box's right edge, but the word \"characteristics.\" "
           "of message 2 takes at least 71 pixels at 8 pt"}}},
        // More than a pixel past the edge is a cut that shows.
        {"a left margin that leaves 70 pixels",
         [](ProjectRecord& r) { r.leftMargin = "108"; },
         {{2, "Left margin", 0, "words-cut", "leaves the text 70 pixels"}}},
        {"a left margin that leaves 71 pixels, whatever the right one",
         [](ProjectRecord& r) {
             r.leftMargin = "107";
             r.rightMargin = "60";
         },
         {}},
        // In the narrowest advances of the common faces the word takes 5858 thousandths: 62.49 pixels.
        {"a text face that may be narrower than Arial",
         [](ProjectRecord& r) {
             r.leftMargin = "108";
             r.textFontFace = "'Times New Roman', serif";
         },
         {}},
        {"right to left, the words run out to the left edge",
         [](ProjectRecord& r) {
             r.rightToLeft = ProjectRecord::ticked;
             r.leftMargin = "20";
             r.rightMargin = "120";
         },
         {{2, "Right margin", 0, "words-cut",
           "\"120\" leaves the text 58 pixels up to the box's left edge"}}},
        {"right to left with a column of no width, the column grows from the left margin",
         [](ProjectRecord& r) {
             r.rightToLeft = ProjectRecord::ticked;
             r.leftMargin = "150";
             r.rightMargin = "150";
         },
         {{2, "Left margin", 0, "words-cut", "leaves the text 28 pixels up to the box's right edge"}}},
        // "Marquetto" at 12 pt in Helvetica's advances is 4502 thousandths of 16 pixels: 72.03.
        {"markup, entities and escapes take no room, and a title has its own size",
         [](ProjectRecord& r) {
             r.leftMargin = "107";
             r.titleFontSize = "12";
             r.replaceMessage(0, {"<span class=\"aVeryLongNameIndeed\">Mar</span>quetto",
                                  "&nbsp;&amp;&nbsp;&amp; \\x3cb class=\"aVeryLongNameIndeed\">ab\\x3c/b>",
                                  "", ""});
             r.replaceMessage(1, {"t", "short words only", "", ""});
             r.replaceMessage(2, {"Marquetto", "x", "", ""});
         },
         {{2, "Left margin", 0, "words-cut",
           "the word \"Marquetto\" of message 3 takes at least 72 pixels at 12 pt"}}},
        {"font sizes of 0 and sizes over any screen",
         [](ProjectRecord& r) {
             r.textFontSize = "0";
             r.titleFontSize = "0.0";
             r.height = "100001";
         },
         {{2, "Height", 0, "size-huge", "\"100001\" is more than 100000 pixels"},
          {3, "Font size", 0, "font-size-zero", "the texts cannot be seen"},
          {3, "Title font size", 0, "font-size-zero", "the titles cannot be seen"}}},
        {"decimal font sizes and line heights, the largest size",
         [](ProjectRecord& r) {
             r.textFontSize = "8.5";
             r.titleFontSize = ".5";
             r.textLineHeight = "12.25";
             r.titleLineHeight = "14.5";
             r.width = "100000";
         },
         {}},
        {"units and signs read as code, and CSS numbers that are not",
         [](ProjectRecord& r) {
             r.width = "180px";
             r.leftMargin = "-5";
             r.textLineHeight = "8.";
         },
         {{2, "Width", 0, "number-not-digits", "\"180px\" is not plain digits"},
          {2, "Left margin", 0, "number-not-digits", "\"-5\""},
          {3, "Line height", 0, "number-not-css", "with \"pt\" after it"}}},
        {"colour parts outside 0 to 255",
         [](ProjectRecord& r) {
             r.bgColor = {300, 255, 255};
             r.textHoverColor = {-1, 0, 0};
             r.borderColor = {255, 255, 255};
         },
         {{2, "Background color", 0, "colour-outside", "written as #12CFFFF, which browsers refuse"},
          {2, "Mouse over text color", 0, "colour-outside", "written as #FFFFFFFF0000"}}},
        {"names the file system refuses",
         [&](ProjectRecord& r) { r.scrollerName = longName; },
         {{1, "Name", 0, "name-too-long", "256 bytes long, more than the 255"}}},
        {"the longest name that fits", [&](ProjectRecord& r) { r.scrollerName = longName.substr(1); }, {}},
        {"a path separator in the name",
         [](ProjectRecord& r) { r.scrollerName = "news\\box_"; },
         {{1, "Name", 0, "name-separator", "holds \"\\\", a path separator"}}},
        {"an image name with a folder part",
         [](ProjectRecord& r) {
             r.bgImageOn = 1;
             r.bgImageName = "images/sky.jpg";
             r.bgImageX = "-5";
             r.bgImageY = "2.5";
         },
         {{2, "Background image", 0, "image-folder", "\"images/sky.jpg\" is not a plain file name"}}},
        {"an absolute image path and a position with a unit",
         [](ProjectRecord& r) {
             r.bgImageOn = 1;
             r.bgImageName = "/home/me/sky.jpg";
             r.bgImageY = "5px";
         },
         {{2, "Image Y position", 0, "number-not-css", "puts the image at the top left"},
          {2, "Background image", 0, "image-folder", "\"/home/me/sky.jpg\" is not a plain file name"}}},
    };
    TemporaryFolder folder;
    for (const CodeCase& c : cases) {
        SCOPED_TRACE(c.name);
        ProjectRecord record = readAsChecked();
        record.workFolder = folder.path();
        c.change(record);
        const auto found = DesignCheck::findings(record, folder.path());
        ASSERT_EQ(found.size(), c.expected.size()) << listed(found);
        for (std::size_t i = 0; i < found.size(); ++i) {
            const ExpectedFinding& e = c.expected[i];
            EXPECT_EQ(found[i].code, e.code) << found[i].text;
            EXPECT_EQ(found[i].step, e.step) << found[i].text;
            EXPECT_EQ(found[i].field, e.field) << found[i].text;
            EXPECT_EQ(found[i].message, e.message) << found[i].text;
            EXPECT_NE(found[i].text.find(e.says), std::string::npos) << found[i].text;
        }
    }
}

// Each list field in turn holds the first value past its list's end, in a design that uses that field.
TEST(DesignCheck, EveryListFieldIsLookedAtUnderItsOwnCaption)
{
    struct ListCase
    {
        std::string caption;
        int ProjectRecord::*field;
        int listSize;
        int effectStyle;
    };
    const ListCase cases[] = {
        {"Step 3, Text Font type", &ProjectRecord::textFontIndex, 13, 0},
        {"Step 3, Title font type", &ProjectRecord::titleFontIndex, 13, 0},
        {"Step 3, Text alignment", &ProjectRecord::alignment, 3, 0},
        {"Step 3, Border style", &ProjectRecord::borderStyle, 3, 0},
        {"Step 3, Text style", &ProjectRecord::textStyle, 4, 0},
        {"Step 3, Title style", &ProjectRecord::titleStyle, 4, 0},
        {"Step 3, Text decoration", &ProjectRecord::textDecoration, 2, 0},
        {"Step 3, Mouse over text decoration", &ProjectRecord::textHoverDecoration, 2, 0},
        {"Step 3, Title text decoration", &ProjectRecord::titleDecoration, 2, 0},
        {"Step 3, Title mouse over text decoration", &ProjectRecord::titleHoverDecoration, 2, 0},
        {"Step 4, Style", &ProjectRecord::effectStyle, 2, 0},
        {"Step 4, Transition effect", &ProjectRecord::effectType, 9, 1},
        {"Step 4, Transition speed", &ProjectRecord::transitionSpeed, 4, 1},
        {"Step 4, Mode", &ProjectRecord::scrollMode, 3, 0},
    };
    TemporaryFolder folder;
    for (const ListCase& c : cases) {
        SCOPED_TRACE(c.caption);
        ProjectRecord record = defaultDesign();
        record.textUseCustomFont = 0;
        record.titleUseCustomFont = 0;
        record.effectStyle = c.effectStyle;
        record.*c.field = c.listSize;
        const auto problems = DesignCheck::problems(record, folder.path());
        ASSERT_EQ(problems.size(), 1u) << joined(problems);
        EXPECT_EQ(problems[0].rfind(c.caption + ": " + std::to_string(c.listSize) +
                                        " is outside its list (0 to " + std::to_string(c.listSize - 1) + ")",
                                    0),
                  0u)
            << problems[0];
    }
}

namespace {

struct LinkCase
{
    std::string link;
    std::string target;
    std::vector<std::string> codes; // the link's findings, in order
};

std::vector<std::string> linkCodes(const ProjectRecord& record)
{
    std::vector<std::string> codes;
    for (const DesignFinding& f : DesignCheck::findings(record, "."))
        if (f.code.starts_with("link-"))
            codes.push_back(f.code);
    return codes;
}

} // namespace

// A target with "_parent" or "_top" puts the link, as the browser's string holds it, between single
// quotes in a script: whatever escape spells a quote there ends them and runs the rest as script.
TEST(DesignCheck, EveryLinkThatEndsItsScriptStringIsFoundHoweverItIsSpelt)
{
    const std::vector<LinkCase> cases = {
        {"http://e/it's", "_parent", {"link-quote"}},
        {"http://e/\\x27;alert(1);//", "_parent", {"link-quote"}},
        {"http://e/\\u0027;alert(1);//", "_top", {"link-quote"}},
        {"http://e/\\u{27};alert(1);//", "_top", {"link-quote"}},
        {"http://e/\\u{0000027};alert(1);//", "_top", {"link-quote"}},
        {"http://e/\\47;alert(1);//", "_top", {"link-quote"}},
        {"http://e/\\047;alert(1);//", "_top", {"link-quote"}},
        {"http://e/\\';alert(1);//", "_top", {"link-quote"}},
        {"http://e/\\x27;alert(1);//", "\\x5Fparent", {"link-quote"}},
        {"http://e/\\x27;alert(1);//", "_blank", {}},
        {"http://e/\\x27;alert(1);//", "", {}},
        // A backslash that reaches the script escapes the quote after it, unless it is escaped itself.
        {"http://e/\\x5C\\x27;alert(1);//", "_top", {"link-backslash"}},
        {"http://e/\\x5C\\x5C\\x27;alert(1);//", "_top", {"link-quote", "link-backslash"}},
        {"http://e/\\\\\\\\\\x27;alert(1);//", "_top", {"link-quote", "link-backslash"}},
        {"http://e/\\134\\47;alert(1);//", "_top", {"link-backslash"}},
        {"http://e/ends\\\\", "_top", {"link-backslash"}},
        {"http://e/\\u{110000}", "_top", {"link-backslash"}},
        {"http://e/a\\nb", "_top", {"link-line-break"}},
        {"http://e/a\\r\\nb", "_top", {"link-line-break"}},
        {"http://e/a\\12b", "_top", {"link-line-break"}},
        {"http://e/a\\u2028b", "_top", {"link-line-break"}},
        {"http://e/a\xE2\x80\xA9"
         "b",
         "_top",
         {"link-line-break"}},
        {"http://e/%27;alert(1);//", "_top", {}},
        {"http://e/\\x22\\0\\8\\u00e9\xC3\xA9", "_top", {}},
        {"\\x6Aavascript:alert(1)", "_top", {}},
        {"\\x41\\x42", "_top", {"link-short"}},
        {"\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9", "_top", {}},
    };
    for (const LinkCase& c : cases) {
        ProjectRecord record = defaultDesign();
        record.replaceMessage(0, {"t", "x", c.link, c.target});
        EXPECT_EQ(linkCodes(record), c.codes) << c.link << " to " << c.target;
    }

    ProjectRecord record = defaultDesign();
    record.replaceMessage(0, {"t", "x", "http://e/\\x5C\\x5C\\u{27}", "_top"});
    EXPECT_EQ(
        DesignCheck::problems(record, ".")
            .front()
            .rfind(
                "Step 4, message 1, Link: holds \"\\u{27}\", which the browser reads as a single quote, and "
                "the target \"_top\" opens the link through a script in which the quote ends the address",
                0),
        0u);
}
