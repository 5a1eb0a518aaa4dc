#include "generator/ScriptFiller.h"

#include "generator/ScriptTemplates.h"
#include "tests/support/DefaultDesign.h"
#include "tests/support/TemplateTokens.h"
#include "tests/support/TextContains.h"

#include <gtest/gtest.h>
#include <string>

using namespace std::string_literals;

namespace {

ProjectRecord design(int style, int mode)
{
    ProjectRecord record = defaultDesign();
    record.effectStyle = style;
    record.scrollMode = mode;
    record.textFontFace = "MS Sans Serif,arial,helvetica";
    record.titleFontFace = "verdana,arial,helvetica";
    return record;
}

GeneratedTexts filled(const ProjectRecord& record)
{
    GeneratedTexts texts;
    ScriptFiller::FillStandardsScript(record, texts);
    ScriptFiller::FillIeScript(record, texts);
    return texts;
}

} // namespace

TEST(ScriptFiller, EveryTokenIsReplacedAndNoLineBreakOrTabRemains)
{
    for (int style : {0, 1}) {
        for (int mode : {0, 1, 2}) {
            const GeneratedTexts texts = filled(design(style, mode));
            for (const std::string* text : {&texts.standardsScriptText, &texts.ieScriptText}) {
                for (const auto& token : templateTokenHolders())
                    EXPECT_FALSE(contains(*text, token.first))
                        << token.first << " left in style " << style << " mode " << mode;
                EXPECT_FALSE(contains(*text, "\r\n"));
                EXPECT_FALSE(contains(*text, "\t"));
            }
        }
    }
}

TEST(ScriptFiller, PausesDifferByFlavour)
{
    ProjectRecord record = design(1, 0);
    record.pause = "3"s;
    record.transitionSpeed = 2;
    GeneratedTexts texts = filled(record);
    EXPECT_TRUE(contains(texts.ieScriptText, "3600"));
    EXPECT_FALSE(contains(texts.standardsScriptText, "3600"));
    EXPECT_TRUE(contains(texts.standardsScriptText, "3000"));

    record = design(0, 0);
    record.pause = "2"s;
    record.scrollDelay = "40";
    texts = filled(record);
    EXPECT_TRUE(contains(texts.ieScriptText, "2000+40"));
    EXPECT_TRUE(contains(texts.standardsScriptText, "2000+40"));
}

TEST(ScriptFiller, AValueHoldingATokenIsSubstitutedByLaterSteps)
{
    ProjectRecord record = design(0, 0);
    record.textFontFace = "Face disborderw";
    record.borderWidth = "3"s;
    record.textDecoration = 1;
    record.titleHoverDecoration = 1;
    const GeneratedTexts texts = filled(record);
    for (const std::string* text : {&texts.standardsScriptText, &texts.ieScriptText}) {
        EXPECT_TRUE(contains(*text, "Face 3"));
        EXPECT_TRUE(
            contains(*text, "objd.style.textDecoration='underline';objd2.style.textDecoration='none';"));
        EXPECT_TRUE(
            contains(*text, "objd.style.textDecoration='none';objd2.style.textDecoration='underline';"));
    }
}

TEST(ScriptFiller, FontFacesLoseTheirLineBreaksWhileOtherValuesKeepALoneLineFeed)
{
    ProjectRecord record = design(0, 0);
    record.textFontFace = "one\ntwo\r\nthree";
    record.titleFontFace = "Caf\xc3\xa9";
    record.leftMargin = "8\n";
    const GeneratedTexts texts = filled(record);
    for (const std::string* text : {&texts.standardsScriptText, &texts.ieScriptText}) {
        EXPECT_TRUE(contains(*text, "onetwothree"));
        EXPECT_TRUE(contains(*text, "Caf\\u00E9"));
        EXPECT_TRUE(contains(*text, "8\n"));
    }
}
