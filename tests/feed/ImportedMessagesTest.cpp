#include "feed/ImportedMessages.h"

#include "project/ProjectEncoding.h"
#include "tests/support/DefaultDesign.h"
#include "tests/support/RecordMessages.h"

#include <gtest/gtest.h>

namespace {

// A design from an 8-bit project file: its box name and its one message hold windows-1252 bytes.
ProjectRecord windows1252Design()
{
    ProjectRecord design = defaultDesign();
    design.scrollerName = "caf\xE9";
    design.clearMessages();
    design.appendMessage({"Cr\xEApe", "old \x80", "https://old.example/", "_top"});
    return design;
}

} // namespace

TEST(ImportedMessages, ReplaceOrAppendLeavesTheRestOfTheDesignAlone)
{
    const Message imported{"new", "text", "https://new.example/", "_blank"};
    const ProjectRecord before = defaultDesign();
    ASSERT_GT(before.messageCount(), 0);

    ProjectRecord replaced = before;
    ImportedMessages::put(replaced, {imported}, false);
    EXPECT_EQ(messagesOf(replaced), std::vector<Message>{imported});

    ProjectRecord appended = before;
    ImportedMessages::put(appended, {imported, imported}, true);
    std::vector<Message> expected = messagesOf(before);
    expected.push_back(imported);
    expected.push_back(imported);
    EXPECT_EQ(messagesOf(appended), expected);

    for (const ProjectRecord* after : {&replaced, &appended}) {
        ProjectRecord settingsOnly = *after;
        ProjectRecord original = before;
        settingsOnly.clearMessages();
        original.clearMessages();
        EXPECT_EQ(settingsOnly.width, original.width);
        EXPECT_EQ(settingsOnly.scrollerName, original.scrollerName);
        EXPECT_EQ(settingsOnly.bgColor, original.bgColor);
        EXPECT_EQ(settingsOnly.effectStyle, original.effectStyle);
        EXPECT_EQ(settingsOnly.pause, original.pause);
    }
}

// Imported texts are UTF-8. An 8-bit design takes them in its own encoding when it can hold every
// character, and otherwise becomes UTF-8 as a whole, as when such a character is typed in the wizard.
TEST(ImportedMessages, An8BitDesignStays8BitUnlessACharacterHasNoByteThere)
{
    ProjectRecord kept = windows1252Design();
    ImportedMessages::put(
        kept, {{"\u20AC price", "caf\u00E9 \u201Cok\u201D", "https://a.example/", "_blank"}}, true);
    EXPECT_EQ(ProjectEncoding::of(kept), ProjectEncoding::Windows1252);
    EXPECT_EQ(kept.scrollerName, "caf\xE9");
    EXPECT_EQ(messagesOf(kept),
              (std::vector<Message>{{"Cr\xEApe", "old \x80", "https://old.example/", "_top"},
                                    {"\x80 price", "caf\xE9 \x93ok\x94", "https://a.example/", "_blank"}}));

    ProjectRecord converted = windows1252Design();
    ImportedMessages::put(converted, {{"\u2192 arrow", "ok", "", "_blank"}, {"caf\u00E9", "", "", "_blank"}},
                          true);
    EXPECT_EQ(ProjectEncoding::of(converted), ProjectEncoding::Utf8);
    EXPECT_EQ(converted.scrollerName, "caf\u00E9");
    EXPECT_EQ(messagesOf(converted),
              (std::vector<Message>{{"Cr\u00EApe", "old \u20AC", "https://old.example/", "_top"},
                                    {"\u2192 arrow", "ok", "", "_blank"},
                                    {"caf\u00E9", "", "", "_blank"}}));

    // The encoding is the design's as it was read, even when the new messages replace every text that told
    // it.
    ProjectRecord messagesOnly = defaultDesign();
    messagesOnly.clearMessages();
    messagesOnly.appendMessage({"caf\xE9", "", "", ""});
    ImportedMessages::put(messagesOnly, {{"caf\u00E9", "", "", "_blank"}}, false);
    EXPECT_EQ(messagesOf(messagesOnly), (std::vector<Message>{{"caf\xE9", "", "", "_blank"}}));

    // "Gru\xDF\x85" is windows-1252 for "Gruß…", and valid UTF-8 by chance: once the messages that told
    // windows-1252 are gone, it is written in UTF-8 so that it reads back as the same characters.
    for (const std::string& imported : {std::string("plain"), std::string("\u2192")}) {
        ProjectRecord chance = defaultDesign();
        chance.textCustomFont = "Gru\xDF\x85";
        chance.clearMessages();
        chance.appendMessage({"caf\xE9", "", "", ""});
        ImportedMessages::put(chance, {{imported, "", "", "_blank"}}, false);
        EXPECT_EQ(chance.textCustomFont, "Gru\u00DF\u2026") << imported;
        EXPECT_EQ(messagesOf(chance), (std::vector<Message>{{imported, "", "", "_blank"}}));
    }
}
