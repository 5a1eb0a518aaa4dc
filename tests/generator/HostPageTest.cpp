#include "generator/HostPage.h"

#include "tests/support/DefaultDesign.h"
#include "tests/support/TextContains.h"

#include <gtest/gtest.h>
#include <string>

using namespace std::string_literals;

namespace {

ProjectRecord fader(int effectType, int imageOn)
{
    ProjectRecord record = defaultDesign();
    record.effectStyle = 1;
    record.effectType = effectType;
    record.bgImageOn = imageOn;
    return record;
}

// The markup between the body tag and the loader script.
std::string ieMarkup(const ProjectRecord& record)
{
    const std::string page = HostPage::BuildHostPage(record);
    const auto from = page.find("\">", page.find("<body")) + 2;
    return page.substr(from, page.find("<script") - from);
}

} // namespace

TEST(HostPage, EveryTransitionFilterHasItsExactText)
{
    const std::vector<std::string> filters = {
        ";overflow:hidden; filter:progid:DXImageTransform.Microsoft.Fade(duration=0.6,overlap=1.0);\"></div>",
        ";overflow:hidden; filter:progid:DXImageTransform.Microsoft.Wipe(GradientSize=0.20, "
        "wipeStyle=1,duration=0.6, motion='forward');\"></div>",
        ";overflow:hidden; filter:progid:DXImageTransform.Microsoft.Iris(duration=0.6,irisStyle='CIRCLE', "
        "motion='in');\"></div>",
        ";overflow:hidden; filter:progid:DXImageTransform.Microsoft.Pixelate(MaxSquare=25, Duration=0.6, "
        "Enabled=false);\"></div>",
        ";overflow:hidden; "
        "filter:progid:DXImageTransform.Microsoft.RadialWipe(duration=0.6,wipeStyle='clock');"
        "\"></div>",
        ";overflow:hidden; filter:progid:DXImageTransform.Microsoft.RandomDissolve(duration=0.6);\"></div>",
        ";overflow:hidden; filter:progid:DXImageTransform.Microsoft.Slide(duration=0.6,slideStyle='PUSH', "
        "bands=1);\"></div>",
        ";overflow:hidden; filter:progid:DXImageTransform.Microsoft.Wheel( duration=0.6, spokes=2);\"></div>",
        ";overflow:hidden; filter:progid:DXImageTransform.Microsoft.Zigzag(duration=0.6, GridSizeX=8, "
        "GridSizeY=8);\"></div>",
    };
    for (int type = 0; type < 9; ++type) {
        ProjectRecord record = fader(type, 0);
        record.transitionSpeed = 2;
        EXPECT_EQ(ieMarkup(record),
                  "<div id=\"spageie\" style=\"position:absolute;background:#FFFFFF; width:180; "
                  "height:215; left:0; top:0; border-style:solid; border-width:1px; "
                  "border-color:#5C5C5C" +
                      filters[static_cast<std::size_t>(type)])
            << type;
    }
}

TEST(HostPage, TheFormFollowsStyleImageAndEffect)
{
    ProjectRecord withImage = fader(6, 1);
    withImage.bgImageName = "sky.jpg";
    withImage.bgImageX = "3"s;
    withImage.bgImageY = "4"s;
    EXPECT_EQ(ieMarkup(withImage),
              "<div id=\"disspageie\" style=\"position:absolute;width:180; height:215;left:0; "
              "top:0;margin:0px;overflow:hidden;padding:0px;border-style:solid; border-width:1px; "
              "border-color:#5C5C5C;background-image: url(sky.jpg); background-repeat :no-repeat;"
              "background-position:3px 4px;\"><div id=\"spageie\" style=\"position:absolute; width:180; "
              "height:215; left:0; top:0; border-style:solid; border-width:1px; border-color:#5C5C5C;"
              "overflow:hidden; filter:progid:DXImageTransform.Microsoft.Slide(duration=1,slideStyle='PUSH', "
              "bands=1);\"></div></div>");

    EXPECT_EQ(ieMarkup(fader(9, 0)), "");
    EXPECT_EQ(ieMarkup(fader(-1, 0)), "");
    EXPECT_EQ(ieMarkup(fader(9, 1)),
              "<div id=\"disspageie\" style=\"position:absolute;width:180; height:215;left:0; "
              "top:0;margin:0px;overflow:hidden;padding:0px;border-style:solid; "
              "border-width:1px; border-color:#5C5C5C;background-image: url(tkbackground.jpg); "
              "background-repeat :no-repeat;background-position:0px 0px;\"></div>");
    EXPECT_TRUE(
        contains(ieMarkup(fader(6, 2)), "<div id=\"spageie\" style=\"position:absolute;background:#FFFFFF"))
        << "only 1 switches the image on";

    ProjectRecord scroller = defaultDesign();
    scroller.bgImageOn = 1;
    EXPECT_TRUE(
        contains(ieMarkup(scroller), "border-color:#5C5C5C;background-image: url(tkbackground.jpg);"));
    EXPECT_TRUE(contains(ieMarkup(scroller), "style=\"position:absolute;background:#FFFFFF;width:180;"));
}

TEST(HostPage, SizesBordersAndColoursComeFromTheDesign)
{
    ProjectRecord record = defaultDesign();
    record.width = "300px";
    record.height = " 100";
    record.borderWidth = "4"s;
    record.bottomMargin = "x"s;
    record.topMargin = "7"s;
    record.borderStyle = 3;
    record.bgColor = {256, -1, 10};
    record.borderColor = {0, 128, 255};
    const std::string page = HostPage::BuildHostPage(record);
    EXPECT_TRUE(contains(page, "<body bgcolor=\"#100FFFFFFFF0A\">"));
    EXPECT_TRUE(contains(page, "width:292; height:92; left:0; top:0; border-style:solid; border-width:4px; "
                               "border-color:#0080FF;overflow:hidden;"));
    EXPECT_TRUE(contains(page, "clip:rect(7 300px 96 0);"));
    EXPECT_TRUE(contains(page, "width:300px; height: 100;left:0;"));
    EXPECT_EQ(page.find_first_of("\r\n"), std::string::npos);

    for (const auto& [style, word] :
         std::vector<std::pair<int, std::string>>{{1, "dotted"}, {2, "dashed"}, {-1, "solid"}}) {
        record.borderStyle = style;
        EXPECT_TRUE(contains(HostPage::BuildHostPage(record), "border-style:" + word + "; border-width:4px"));
    }
}

TEST(HostPage, TheTransitionDurationFollowsTheSpeed)
{
    for (const auto& [speed, duration] : std::vector<std::pair<int, std::string>>{
             {0, "2"}, {1, "1"}, {2, "0.6"}, {3, "0.4"}, {7, "1"}, {-1, "1"}}) {
        ProjectRecord record = fader(0, 0);
        record.transitionSpeed = speed;
        EXPECT_TRUE(contains(ieMarkup(record), "Fade(duration=" + duration + ",overlap")) << speed;
    }
}

TEST(HostPage, TheSnippetNamesTheHostPageAndTheSizesAsTyped)
{
    ProjectRecord record = defaultDesign();
    record.width = "";
    record.height = "abc";
    record.scrollerName = "";
    EXPECT_EQ(HostPage::embedSnippet(record), "<iframe width=\"\" height=\"abc\" src=\"newstic.html\" "
                                              "SCROLLING=\"no\" FRAMEBORDER=\"0\" border=0></iframe>");
}
