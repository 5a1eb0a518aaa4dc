#include "tests/support/DefaultDesign.h"
#include "tests/support/GeneratedBox.h"

#include <gtest/gtest.h>
#include <string>

namespace {

bool holds(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

} // namespace

TEST(LightMotion, EveryStepIsScheduledAndEveryMovingPlaceWrittenThroughTheLightScript)
{
    const struct
    {
        int effectStyle;
        int scrollMode;
        bool messagesPlacedByTop; // only where messages do not move one by one
    } cases[] = {{0, 0, true}, {0, 1, false}, {0, 2, true}, {1, 0, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.effectStyle) + "," + std::to_string(c.scrollMode));
        ProjectRecord record = defaultDesign();
        record.effectStyle = c.effectStyle;
        record.scrollMode = c.scrollMode;
        const GeneratedTexts timers = generatedBox(record).texts;
        record.lightMotion = ProjectRecord::ticked;
        const GeneratedTexts light = generatedBox(record).texts;

        EXPECT_EQ(light.ieScriptText, timers.ieScriptText);
        const auto scheduler = light.standardsScriptText.find("window.onload=initte;var lm_step=dotrans");
        ASSERT_NE(scheduler, std::string::npos);
        const std::string runtime = light.standardsScriptText.substr(0, scheduler);
        EXPECT_TRUE(holds(timers.standardsScriptText, "setTimeout(dotrans,"));
        for (const std::string left : {"setTimeout(dotrans,", "uzunobj.style.top=", "uzunobj2.style.top="})
            EXPECT_FALSE(holds(runtime, left)) << left;
        EXPECT_TRUE(holds(runtime, "lm_after("));
        EXPECT_EQ(holds(runtime, "msg.style.top="), c.messagesPlacedByTop);
    }
}

TEST(LightMotion, TheAccessibleBoxFollowsTheLightScriptThatItHolds)
{
    ProjectRecord record = defaultDesign();
    record.lightMotion = ProjectRecord::ticked;
    record.accessibleBox = ProjectRecord::ticked;
    const std::string script = generatedBox(record).texts.standardsScriptText;
    const auto light = script.find("var lm_step=dotrans");
    const auto accessible = script.find("var acc_frame=");
    ASSERT_NE(light, std::string::npos);
    ASSERT_NE(accessible, std::string::npos);
    EXPECT_LT(light, accessible);
}

TEST(LightMotion, TheAnimationsKnowTheDesignsMotionDelayAndStandardsPause)
{
    // The standards pause is the pause alone, in milliseconds, without the IE transition's allowance.
    const struct
    {
        int effectStyle;
        int scrollMode;
        const char* expected;
    } cases[] = {
        {0, 0, "var cm_kind=0,cm_delay=40,cm_pause=2000;"},
        {0, 1, "var cm_kind=1,cm_delay=40,cm_pause=2000;"},
        {0, 2, "var cm_kind=2,cm_delay=40,cm_pause=2000;"},
        {1, 2, "var cm_kind=3,cm_delay=40,cm_pause=2000;"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        ProjectRecord record = defaultDesign();
        record.effectStyle = c.effectStyle;
        record.scrollMode = c.scrollMode;
        record.scrollDelay = "40";
        record.pause = "2";
        record.transitionSpeed = 1;
        record.lightMotion = ProjectRecord::ticked;
        const std::string script = generatedBox(record).texts.standardsScriptText;
        EXPECT_TRUE(holds(script, c.expected));
        EXPECT_FALSE(holds(script, "motionkindvr"));
    }
}
