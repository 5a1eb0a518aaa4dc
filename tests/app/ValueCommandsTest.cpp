#include "app/CommandLineTool.h"
#include "design/DesignValues.h"
#include "generator/BuiltInTexts.h"
#include "project/ProjectWriter.h"
#include "project/TextEncoding.h"
#include "tests/support/DefaultDesign.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ProjectFile.h"
#include "tests/support/RecordComparison.h"
#include "tests/support/TemporaryFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>

namespace {

struct ValuesRun
{
    int status;
    std::string out;
    std::string err;
};

ValuesRun runValues(const std::vector<std::string>& arguments)
{
    std::ostringstream out;
    std::ostringstream err;
    const int status = CommandLineTool(out, err).run(arguments);
    return {status, out.str(), err.str()};
}

// Each value with a good value, the records that the good value writes (worked out from the project file
// format), and a value that the wizard's control would not take.
struct ValueCase
{
    std::string name;
    std::string good;
    std::vector<std::string> stored;
    std::string refused;
};

const std::vector<ValueCase>& valueCases()
{
    static const std::vector<ValueCase> cases{
        {"name", std::string(300, 'n'), {"qvo-nameoftext=" + std::string(300, 'n') + "endof"}, "news\tbox"},
        {"accessible-box", "on", {"#%#qvo-x-accessiblebox=1endof-qvo-x-accessiblebox#%#"}, "yes"},
        {"right-to-left", "on", {"qvo-x-righttoleft=1endof"}, "1"},
        {"fit-page-width", "on", {"qvo-x-fitpagewidth=1endof"}, "ON"},
        {"light-motion", "on", {"qvo-x-lightmotion=1endof"}, ""},
        {"live-messages",
         "on",
         {"#%#qvo-x-livemessages=1endof-qvo-x-livemessages#%#\r\n#%#qvo-x-liveevery=300endof-qvo-x-liveevery#"
          "%#"},
         "true"},
        // Written only with the option on, which the test below sets.
        {"live-messages-every", "600", {}, "9"},
        {"width", "240", {"#%#qvo-width=240endof-qvo-width#%#"}, "240px"},
        {"height", "007", {"#%#qvo-height=007endof-qvo-height#%#"}, "-5"},
        {"space", "12", {"#>#qvo-title-width=12endof-qvo-title-width#>#"}, "1.5"},
        {"top-margin", "5", {"qvo-topmargin=5endof"}, " 5"},
        {"bottom-margin", "", {"qvo-bottommargin=endof"}, "five"},
        {"left-margin", "9", {"qvo-leftmargin=9endof"}, "+9"},
        {"right-margin", "10", {"qvo-rightmargin=10endof"}, "\xD9\xA3"}, // an Arabic-Indic digit
        {"background-color",
         "#12a4Ff",
         {"#%#qvo-bgcolor_red=18endof-qvo-bgcolor_red#%#qvo-bgcolor_green=164endof-qvo-bgcolor_green#%#"
          "qvo-bgcolor_blue=255endof-qvo-bgcolor_blue#%#"},
         "#12A4F"},
        {"text-color", "#000001", {"qvo-textcolor_red=0endof", "qvo-textcolor_blue=1endof"}, "000001"},
        {"mouse-over-text-color",
         "#FF0000",
         {"qvo-movecolor_red=255endof", "qvo-movecolor_green=0endof"},
         "red"},
        {"title-color", "#00FF00", {"qvo-titlecolor_green=255endof"}, "#00FF00FF"},
        {"mouse-over-title-color", "#0000FF", {"qvo-titlemovecolor_blue=255endof"}, "#GG0000"},
        {"title-background-color",
         "rgb(-1,256,7)",
         {"qvo-titlebgcolor_red=-1endof", "qvo-titlebgcolor_green=256endof", "qvo-titlebgcolor_blue=7endof"},
         "rgb(1,2)"},
        {"background-image", "on", {"#>#qvo-bgimgvarmi=1endof-qvo-bgimgvarmi#>#"}, "true"},
        {"background-image-file", "sky.png", {"qvo-bgimgname=sky.pngendof"}, "img\\sky.png"},
        {"image-x-position", "3", {"qvo-bgimgxkoor=3endof"}, "3px"},
        {"image-y-position", "4", {"qvo-bgimgykoor=4endof"}, "-4"},
        {"text-font-type", "Courier New", {"#>#qvo-font-sira=5endof-qvo-font-sira#>#"}, "Courier new"},
        {"text-use-this", "off", {"#>#qvo-use_this=0endof-qvo-use_this#>#"}, "0"},
        {"text-font-name", "Georgia,serif", {"qvo-custom_fontface=Georgia,serifendof"}, "Georgia\nserif"},
        {"title-font-type", "Verdana", {"qvo-titlefont-sira=12endof"}, "Helvetica"},
        {"title-use-this", "off", {"qvo-titleuse_this=0endof"}, "no"},
        {"title-font-name", "Gill Sans", {"qvo-titlecustom_fontface=Gill Sansendof"}, "Gill\rSans"},
        {"text-font-size", "11", {"#%#qvo-fontheight=11endof-qvo-fontheight#%#"}, "11pt"},
        {"title-font-size", "13", {"qvo-titlheight=13endof"}, "x"},
        {"text-line-height", "15", {"qvo-textlineheight=15endof"}, "1e2"},
        {"title-line-height", "17", {"qvo-titlelineheight=17endof"}, "17 "},
        {"text-alignment", "Right", {"#%#qvo-tiali=2endof-qvo-tiali#%#"}, "right"},
        {"spare-alignment", "-12", {"#%#qvo-teali=-12endof-qvo-teali#%#"}, "+12"},
        {"border-width", "0", {"qvo-border-width=0endof"}, "thin"},
        {"border-color",
         "#ABCDEF",
         {"qvo-bordercolor_red=171endof", "qvo-bordercolor_green=205endof", "qvo-bordercolor_blue=239endof"},
         "#ABCDE"},
        {"border-style", "Dashed", {"qvo-border-typ=2endof"}, "Double"},
        {"text-style", "Bold+Italic", {"#%#qvo-testy=3endof-qvo-testy#%#"}, "Bold Italic"},
        {"title-style", "Plain", {"#%#qvo-tisty=0endof-qvo-tisty#%#"}, "Normal"},
        {"text-decoration", "Underline", {"qvo-txtdecoration=1endof"}, "Overline"},
        {"mouse-over-text-decoration", "Underline", {"qvo-txtmodecoration=1endof"}, "underline"},
        {"title-text-decoration", "Underline", {"qvo-titdecoration=1endof"}, "None "},
        {"title-mouse-over-text-decoration", "Underline", {"qvo-titmodecoration=1endof"}, "1"},
        {"messages",
         R"([{"title":"Tï","text":"a\r\nb","link":"https://x.example/?a=1&b=2","target":" _self "},{}])",
         {"qvo-text-message_count=2endof", "#%#qvo-tmessage1=a\r\nbendof-qvo-tmessage1#%#",
          "qvo-linktext1=https://x.example/?a=1&b=2endof", "qvo-targettext1=_parentendof",
          "qvo-titletext1=T\xC3\xAF"
          "endof",
          "qvo-tmessage2=endof", "qvo-targettext2=endof"},
         R"([{"title":"T","colour":"red"}])"},
        {"style", "News Fader", {"#%#qvo-effectstyle=1endof-qvo-effectstyle#%#"}, "Fader"},
        {"transition-effect", "Radial Wipe", {"#%#qvo-effecttype=4endof-qvo-effecttype#%#"}, "Radial wipe"},
        {"scroll-mode", "Continuous mode", {"#>#qvo-scrollpage=2endof-qvo-scrollpage#>#"}, "Continuous"},
        {"scroll-delay", "20", {"qvo-scrolldelay=20endof"}, "20ms"},
        {"pause", "0", {"#%#qvo-pause=0endof-qvo-pause#%#"}, "\xC2\xBD"}, // one half
        {"transition-speed", "Very fast", {"#%#qvo-speed=3endof-qvo-speed#%#"}, "Very Fast"},
    };
    return cases;
}

// A design that differs from the default in every named value, as the wizard could have made it.
ProjectRecord everyValueChanged()
{
    ProjectRecord d = defaultDesign();
    d.scrollerName = "caf\xC3\xA9_";
    d.accessibleBox = d.rightToLeft = d.fitPageWidth = d.lightMotion = d.liveMessages = ProjectRecord::ticked;
    d.liveSeconds = 600;
    d.width = "300";
    d.height = "";
    d.paragraphSpace = "011";
    d.topMargin = "1";
    d.bottomMargin = "2";
    d.leftMargin = "3";
    d.rightMargin = "4";
    d.bgColor = {1, 2, 3};
    d.textColor = {255, 254, 253};
    d.textHoverColor = {16, 32, 48};
    d.titleColor = {0, 128, 255};
    d.titleHoverColor = {7, 8, 9};
    d.titleBgColor = {300, -1, 12};
    d.bgImageOn = ProjectRecord::ticked;
    d.bgImageName = "sky box.png";
    d.bgImageX = "5";
    d.bgImageY = "6";
    d.textFontIndex = 12;
    d.textUseCustomFont = ProjectRecord::unticked;
    d.textCustomFont = "'Noto Sans', sans-serif";
    d.titleFontIndex = 0;
    d.titleUseCustomFont = ProjectRecord::unticked;
    d.titleCustomFont = "";
    d.textFontSize = "10";
    d.titleFontSize = "12";
    d.textLineHeight = "13";
    d.titleLineHeight = "16";
    d.alignment = 1;
    d.spareAlignment = 5;
    d.borderWidth = "2";
    d.borderColor = {10, 20, 30};
    d.borderStyle = 1;
    d.textStyle = 2;
    d.titleStyle = 3;
    d.textDecoration = d.textHoverDecoration = d.titleDecoration = d.titleHoverDecoration = 1;
    d.effectStyle = 1;
    d.effectType = 8;
    d.scrollMode = 1;
    d.scrollDelay = "50";
    d.pause = "7";
    d.transitionSpeed = 0;
    d.clearMessages();
    d.appendMessage({"<b>\"Quoted\"</b>", "line one\r\nline two\ttab \\ backslash", "", "main"});
    d.appendMessage({"", "\xE2\x82\xAC 5 \xF0\x9F\x93\xB0", "mailto:news@example.org", ""});
    return d;
}

std::string written(const ProjectRecord& design, const std::string& path)
{
    ProjectRecord copy = design;
    copy.projectPath = path;
    EXPECT_TRUE(ProjectWriter::writeProject(copy).ok());
    return path;
}

// show --format=json turned into set arguments, as a script does it.
std::vector<std::string> setArguments(const std::string& json)
{
    std::vector<std::string> arguments;
    const auto values = nlohmann::ordered_json::parse(json);
    for (const auto& [name, value] : values.items())
        arguments.push_back(name + "=" + (value.is_string() ? value.get<std::string>() : value.dump()));
    return arguments;
}

// show's text lines as set arguments, one line each.
std::vector<std::string> lineArguments(const std::string& text)
{
    std::vector<std::string> arguments;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
        arguments.push_back(line);
    return arguments;
}

} // namespace

TEST(ValueCommands, EachNameTakesWhatItsControlTakesAndRefusesTheRest)
{
    TemporaryFolder folder;
    std::set<std::string> tested;
    for (const ValueCase& value : valueCases()) {
        SCOPED_TRACE(value.name);
        tested.insert(value.name);
        const std::string good = folder.file(value.name + ".tkp");
        const ValuesRun set = runValues({"set", "--to", good, value.name + "=" + value.good});
        ASSERT_EQ(set.status, 0) << set.err;
        const std::string bytes = readBytes(good);
        for (const std::string& record : value.stored)
            EXPECT_NE(bytes.find(record), std::string::npos) << record;

        const std::string bad = folder.file(value.name + "-refused.tkp");
        const ValuesRun refused = runValues({"set", "--to", bad, value.name + "=" + value.refused});
        EXPECT_EQ(refused.status, 2);
        EXPECT_EQ(refused.err.rfind("marquetto-cli: " + value.name + " takes ", 0), 0u) << refused.err;
        EXPECT_FALSE(std::filesystem::exists(bad));
    }
    for (const DesignValue& value : DesignValues::all())
        EXPECT_EQ(tested.count(std::string(value.name)), 1u) << value.name << " has no case";
}

TEST(ValueCommands, AnOptionSwitchedOffLeavesNoRecord)
{
    TemporaryFolder folder;
    const std::string on = folder.file("on.tkp");
    ASSERT_EQ(runValues({"set", "--to", on, "accessible-box=on"}).status, 0);
    const std::string off = folder.file("off.tkp");
    ASSERT_EQ(runValues({"set", "-p", on, "--to", off, "accessible-box=off"}).status, 0);
    EXPECT_EQ(readBytes(off).find("accessiblebox"), std::string::npos);
}

// The seconds take whole numbers of their field's range, and are written after the option while it is on.
TEST(ValueCommands, TheSecondsOfLiveMessagesAreKeptOnlyWhileTheOptionIsOn)
{
    const std::string on = "#%#qvo-x-livemessages=1endof-qvo-x-livemessages#%#\r\n";
    const auto every = [](const std::string& seconds) {
        return "#%#qvo-x-liveevery=" + seconds + "endof-qvo-x-liveevery#%#\r\n";
    };
    const struct
    {
        std::vector<std::string> values;
        int status;
        std::string lines;
    } cases[] = {
        {{"live-messages=on", "live-messages-every=600"}, 0, on + every("600")},
        {{"live-messages-every=10", "live-messages=on"}, 0, on + every("10")},
        {{"live-messages=on", "live-messages-every=86400"}, 0, on + every("86400")},
        {{"live-messages=on", "live-messages-every=0060"}, 0, on + every("60")},
        {{"live-messages-every=600"}, 0, ""},
        {{"live-messages=off", "live-messages-every=600"}, 0, ""},
        {{"live-messages=on", "live-messages-every=86401"}, 2, ""},
        {{"live-messages=on", "live-messages-every=600s"}, 2, ""},
        {{"live-messages=on", "live-messages-every="}, 2, ""},
        {{"live-messages=on", "live-messages-every=+600"}, 2, ""},
        {{"live-messages=on", "live-messages-every=9999999999"}, 2, ""},
    };
    TemporaryFolder folder;
    const std::string countEnd = "endof-qvo-text-message_count#%#\r\n";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.values.back());
        const std::string to = folder.file("live.tkp");
        std::filesystem::remove(to);
        std::vector<std::string> arguments{"set", "--to", to};
        arguments.insert(arguments.end(), c.values.begin(), c.values.end());
        ASSERT_EQ(runValues(arguments).status, c.status);
        if (c.status != 0) {
            EXPECT_FALSE(std::filesystem::exists(to));
            continue;
        }
        const std::string bytes = readBytes(to);
        const std::size_t options = bytes.find(countEnd) + countEnd.size();
        EXPECT_EQ(bytes.substr(options, bytes.find("#%#qvo-tmessage1=") - options), c.lines);
    }
}

TEST(ValueCommands, ShowThenSetGivesBackTheDesignOnTopOfTheDefault)
{
    TemporaryFolder folder;
    const ProjectRecord design = everyValueChanged();
    const std::string project = written(design, folder.file("design.tkp"));
    const ValuesRun json = runValues({"show", "--format=json", project});
    ASSERT_EQ(json.status, 0) << json.err;
    const ValuesRun text = runValues({"show", project});
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_NE(text.out.find("\nstyle=News Fader\n"), std::string::npos) << text.out;

    for (const auto& arguments : {setArguments(json.out), lineArguments(text.out)}) {
        EXPECT_EQ(arguments.size(), DesignValues::all().size());
        std::vector<std::string> set{"set", "--to", folder.file("again.tkp")};
        set.insert(set.end(), arguments.begin(), arguments.end());
        const ValuesRun again = runValues(set);
        ASSERT_EQ(again.status, 0) << again.err;
        expectSameDesign(design, readProjectFile(folder.file("again.tkp")));
    }
}

// Every character that breaks a line, as only a hand-edited file can hold it: show keeps one line per name,
// writing C escapes in a setting (which set refuses, as the field refuses the character) and JSON escapes
// in the messages (which set reads back as they were).
TEST(ValueCommands, ShowWritesEveryControlCharacterAsAnEscapeAndKeepsOneLinePerName)
{
    std::string raw;
    std::string escaped;
    std::string json;
    const auto add = [&](char32_t c) {
        char code[16];
        std::snprintf(code, sizeof code, c < 0x80 ? "\\x%02X" : "\\u%04X", static_cast<unsigned>(c));
        const std::string shortly = c == '\r' ? "\\r" : c == '\n' ? "\\n" : c == '\t' ? "\\t" : "";
        escaped += (shortly.empty() ? code : shortly) + ".";
        std::snprintf(code, sizeof code, "\\u%04x", static_cast<unsigned>(c));
        json += (c == '\b' ? "\\b" : c == '\f' ? "\\f" : shortly.empty() ? code : shortly) + ".";
        raw += TextEncoding::encodeUtf8(std::u32string(1, c)) + ".";
    };
    for (char32_t c = 1; c < 0x20; ++c)
        add(c);
    for (char32_t c : {char32_t{0x7F}, char32_t{0x85}, char32_t{0x9F}, char32_t{0x2028}, char32_t{0x2029}})
        add(c);
    TemporaryFolder folder;
    const std::string project = folder.file("controls.tkp");
    writeBytes(project,
               "#%#qvo-custom_fontface=" + raw + "endof-qvo-custom_fontface#%#\r\n" +
                   "#%#qvo-text-message_count=1endof-qvo-text-message_count#%#\r\n#%#qvo-tmessage1=" + raw +
                   "endof-qvo-tmessage1#%#\r\n");
    const ValuesRun shown = runValues({"show", project});
    ASSERT_EQ(shown.status, 0) << shown.err;
    const std::vector<std::string> lines = lineArguments(shown.out);
    ASSERT_EQ(lines.size(), DesignValues::all().size());
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].rfind(std::string(DesignValues::all()[i].name) + "=", 0), 0u) << lines[i];
    EXPECT_NE(shown.out.find("\ntext-font-name=" + escaped + "\n"), std::string::npos) << shown.out;
    const std::string messages = R"(messages=[{"title":"","text":")" + json + R"(","link":"","target":""}])";
    EXPECT_NE(shown.out.find("\n" + messages + "\n"), std::string::npos) << shown.out;

    EXPECT_EQ(runValues({"set", "--to", folder.file("font.tkp"), "text-font-name=" + escaped}).status, 2);
    EXPECT_FALSE(std::filesystem::exists(folder.file("font.tkp")));
    ASSERT_EQ(runValues({"set", "--to", folder.file("text.tkp"), messages}).status, 0);
    EXPECT_NE(readBytes(folder.file("text.tkp")).find("qvo-tmessage1=" + raw + "endof"), std::string::npos);
}

TEST(ValueCommands, TextsKeepAWindows1252DesignUntilACharacterNeedsUtf8)
{
    TemporaryFolder folder;
    ProjectRecord design = defaultDesign();
    design.scrollerName = "caf\xE9_"; // windows-1252
    const std::string project = written(design, folder.file("latin.tkp"));
    EXPECT_NE(runValues({"show", project}).out.find("name=caf\xC3\xA9_\n"), std::string::npos);

    const std::string kept = folder.file("kept.tkp");
    ASSERT_EQ(runValues({"set", "-p", project, "--to", kept, "text-font-name=Caf\xC3\xA9"}).status, 0);
    EXPECT_NE(readBytes(kept).find("qvo-custom_fontface=Caf\xE9"
                                   "endof"),
              std::string::npos);
    EXPECT_NE(readBytes(kept).find("qvo-nameoftext=caf\xE9_endof"), std::string::npos);

    const std::string converted = folder.file("converted.tkp");
    ASSERT_EQ(runValues({"set", "-p", project, "--to", converted, "text-font-name=\xE2\x86\x92"}).status, 0);
    EXPECT_NE(readBytes(converted).find("qvo-custom_fontface=\xE2\x86\x92"
                                        "endof"),
              std::string::npos);
    EXPECT_NE(readBytes(converted).find("qvo-nameoftext=caf\xC3\xA9_endof"), std::string::npos);
}

// The encoding of a design is settled when it is read, whatever order the values come in: "Gru\xDF\x85" is
// windows-1252 for "Gruß…" and UTF-8 by chance, so once no text tells windows-1252 it is written in UTF-8.
TEST(ValueCommands, TheOrderOfTheValuesDoesNotChangeWhatIsStored)
{
    TemporaryFolder folder;
    ProjectRecord design = defaultDesign();
    design.clearMessages();
    design.appendMessage({"caf\xE9", "", "", ""});
    const std::string project = written(design, folder.file("latin.tkp"));
    const std::string font = "text-font-name=Gru\xC3\x9F\xE2\x80\xA6";
    const struct
    {
        std::string messages;
        std::string storedFont;
        std::string storedTitle;
    } cases[] = {{R"(messages=[{"title":"plain"}])", "Gru\xC3\x9F\xE2\x80\xA6", "plain"},
                 {R"(messages=[{"title":"caf\u00e9"}])", "Gru\xDF\x85", "caf\xE9"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.messages);
        ASSERT_EQ(runValues({"set", "-p", project, "--to", folder.file("a.tkp"), font, c.messages}).status,
                  0);
        ASSERT_EQ(runValues({"set", "-p", project, "--to", folder.file("b.tkp"), c.messages, font}).status,
                  0);
        const std::string bytes = readBytes(folder.file("a.tkp"));
        EXPECT_EQ(readBytes(folder.file("b.tkp")), bytes);
        EXPECT_NE(bytes.find("qvo-custom_fontface=" + c.storedFont + "endof"), std::string::npos);
        EXPECT_NE(bytes.find("qvo-titletext1=" + c.storedTitle + "endof"), std::string::npos);
        EXPECT_NE(runValues({"show", folder.file("a.tkp")}).out.find("\n" + font + "\n"), std::string::npos);
    }
}

TEST(ValueCommands, WrongUseExitsWithTwoAndFilesWithThree)
{
    TemporaryFolder folder;
    const std::string out = folder.file("out.tkp");
    writeBytes(out, "untouched");
    struct Case
    {
        std::vector<std::string> arguments;
        int status;
        std::string said;
    };
    const std::vector<Case> cases{
        {{"set", "--to", out, "widht=240"}, 2, "unknown name 'widht'; did you mean 'width'?"},
        {{"set", "--to", out, "margin=2"},
         2,
         "'top-margin', 'bottom-margin', 'left-margin' or 'right-margin'"},
        {{"set", "--to", out, "text-colour=#000000"}, 2, "did you mean 'text-color'"},
        {{"set", "--to", out, "paint=1"}, 2, "'marquetto-cli help set' lists the names"},
        {{"set", "--to", out, "width"}, 2, "'width' has no value"},
        {{"set", "--to", out, "box.tkp", "width=1"}, 2, "only with --project"},
        {{"set", "--to", out, "name=news\nbox"}, 2, "name takes a text on one line"},
        {{"set", "--to", out, "name=news_qvo-width=box"}, 2, "name holds \"qvo-width=\""},
        {{"set", "--to", out, "width=1", "width=2"}, 2, "width is given twice"},
        {{"set", "--to", out, "width=1", "style=Fader"},
         2,
         "style takes \"News Scroller\" or \"News Fader\""},
        {{"set", "width=1"}, 2, "--to"},
        {{"set", "--to", out}, 2, "NAME=VALUE"},
        {{"show", "--format=xml"}, 2, "'xml'"},
        {{"show", "a.tkp", "b.tkp"}, 2, "'b.tkp'"},
        {{"set", "-p", folder.file("missing.tkp"), "--to", out, "width=1"}, 3, "missing.tkp"},
        {{"show", folder.file("missing.tkp")}, 3, "missing.tkp"},
        {{"set", "--to", folder.file("no/such/folder.tkp"), "width=1"}, 3, "folder.tkp"},
    };
    for (const Case& use : cases) {
        const ValuesRun run = runValues(use.arguments);
        EXPECT_EQ(run.status, use.status) << run.err;
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(use.said), std::string::npos) << run.err;
    }
    EXPECT_EQ(readBytes(out), "untouched");

    const ValuesRun warned = runValues({"set", "--to", out, "width=1"});
    EXPECT_EQ(warned.status, 0);
    EXPECT_EQ(warned.err.rfind("marquetto-cli: warning: Step 2, Width: \"1\" leaves no room", 0), 0u)
        << warned.err;
    EXPECT_NE(readBytes(out).find("qvo-width=1endof"), std::string::npos);
}

TEST(ValueCommands, CompletionOffersTheNamesAndTheWholeValuesOfOne)
{
    const ValuesRun names = runValues({"__complete-set"});
    EXPECT_EQ(lineArguments(names.out).size(), DesignValues::all().size());
    EXPECT_NE(names.out.find("\ntitle-mouse-over-text-decoration\n"), std::string::npos);
    EXPECT_EQ(runValues({"__complete-set", "style"}).out, "News Scroller\nNews Fader\n");
    EXPECT_EQ(runValues({"__complete-set", "fit-page-width"}).out, "on\noff\n");
    EXPECT_EQ(runValues({"__complete-set", "width"}).out, "");
    EXPECT_EQ(runValues({"__complete-set", "live-messages-every"}).out, "");
}

// Each name starts a line with its caption and what it takes from column 36, wrapped before column 80 with
// as many words on each line as fit, and the lines after it indented to the same column.
TEST(ValueCommands, TheHelpListsEachNameWithItsWordsWrappedUnderOneColumn)
{
    const std::string help = runValues({"help", "set"}).out;
    const std::vector<std::string> lines = lineArguments(help);
    const std::string indent(35, ' ');
    for (const DesignValue& value : DesignValues::all()) {
        SCOPED_TRACE(value.name);
        std::string head = "  " + std::string(value.name);
        head += std::string(35 - head.size(), ' ');
        auto line = std::find_if(lines.begin(), lines.end(),
                                 [&](const std::string& l) { return l.rfind(head, 0) == 0; });
        ASSERT_NE(line, lines.end());
        std::string words = line->substr(35);
        for (; std::next(line) != lines.end() && std::next(line)->rfind(indent, 0) == 0; ++line) {
            const std::string next = std::next(line)->substr(35);
            EXPECT_LE(line->size(), 79u);
            EXPECT_GT(line->size() + 1 + next.substr(0, next.find(' ')).size(), 79u)
                << "the next word fits: " << *line;
            EXPECT_NE(next.front(), ' ');
            words += " " + next;
        }
        EXPECT_LE(line->size(), 79u);
        EXPECT_EQ(words, std::string(value.caption) + ": " + DesignValues::takes(value));
    }
}

TEST(ValueCommands, TheManualPageAndTheReadmeNameEveryValue)
{
    const std::string manual = readBytes(testData("../../data/man/marquetto-cli.1.in"));
    const std::string readme = readBytes(testData("../../README.md"));
    ASSERT_FALSE(manual.empty());
    ASSERT_FALSE(readme.empty());
    for (const DesignValue& value : DesignValues::all()) {
        std::string roff;
        for (char c : value.name)
            roff += c == '-' ? std::string("\\-") : std::string(1, c);
        const bool inManual = manual.find("\\fB" + roff + "\\fR") != std::string::npos ||
                              manual.find("\n.B " + roff + "\n") != std::string::npos;
        EXPECT_TRUE(inManual) << value.name;
        EXPECT_NE(readme.find("`" + std::string(value.name) + "`"), std::string::npos) << value.name;
    }
}

// What a wizard opens and saves again: a choice outside its list (-1), records missing (empty texts, no
// messages), a "Use this" of 2, colour parts outside 0 to 255, a name with a path separator. show prints
// each as set takes it back, and set then writes the bytes that save writes.
TEST(ValueCommands, ShowThenSetRebuildsWhatSaveWritesByteForByte)
{
    TemporaryFolder folder;
    const struct
    {
        std::string records;
        std::vector<std::string> written;
    } files[] = {
        {"#%#qvo-effecttype=42endof-qvo-effecttype#%#\r\n#>#qvo-use_this=2endof-qvo-use_this#>#\r\n"
         "#%#qvo-bgcolor_red=300endof-qvo-bgcolor_red#%#qvo-bgcolor_green=-1endof-qvo-bgcolor_green"
         "#%#qvo-bgcolor_blue=0endof-qvo-bgcolor_blue#%#\r\n#%#qvo-nameoftext=news/"
         "boxendof-qvo-nameoftext#%#\r\n" +
             std::string(BuiltInTexts::defaultProject()),
         {"qvo-effecttype=-1endof", "qvo-use_this=0endof", "qvo-bgcolor_red=300endof",
          "qvo-bgcolor_green=-1endof", "qvo-nameoftext=news/boxendof"}},
        {"#%#qvo-width=90endof-qvo-width#%#\r\n",
         {"qvo-width=90endof", "qvo-nameoftext=endof", "qvo-bgimgname=endof",
          "qvo-text-message_count=0endof"}},
    };
    for (const auto& file : files) {
        const std::string project = folder.file("hand.tkp");
        writeBytes(project, file.records);
        ASSERT_EQ(runValues({"save", "--to", folder.file("saved.tkp"), project}).status, 0);
        const std::string saved = readBytes(folder.file("saved.tkp"));
        for (const std::string& record : file.written)
            EXPECT_NE(saved.find(record), std::string::npos) << record;
        const ValuesRun json = runValues({"show", "--format=json", project});
        const ValuesRun text = runValues({"show", project});
        for (const auto& arguments : {setArguments(json.out), lineArguments(text.out)}) {
            std::vector<std::string> set{"set", "--to", folder.file("again.tkp")};
            set.insert(set.end(), arguments.begin(), arguments.end());
            const ValuesRun again = runValues(set);
            ASSERT_EQ(again.status, 0) << again.err;
            EXPECT_EQ(readBytes(folder.file("again.tkp")), saved);
        }
    }
}
