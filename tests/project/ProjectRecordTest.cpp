#include "project/ProjectRecord.h"

#include <gtest/gtest.h>

namespace {

ProjectRecord recordWith(int count)
{
    ProjectRecord record;
    for (int i = 0; i < count; ++i) {
        const std::string n = std::to_string(i);
        record.appendMessage({"title" + n, "text" + n, "link" + n, "target" + n});
    }
    return record;
}

std::vector<std::string> texts(const ProjectRecord& record)
{
    return record.messageTexts();
}

void expectListsAgree(const ProjectRecord& record)
{
    const auto count = static_cast<std::size_t>(record.messageCount());
    ASSERT_EQ(record.messageTitles().size(), count);
    ASSERT_EQ(record.messageTexts().size(), count);
    ASSERT_EQ(record.messageLinks().size(), count);
    ASSERT_EQ(record.messageTargets().size(), count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::string n = record.messageTexts()[i].substr(4);
        EXPECT_EQ(record.messageTitles()[i], "title" + n);
        EXPECT_EQ(record.messageLinks()[i], "link" + n);
        EXPECT_EQ(record.messageTargets()[i], "target" + n);
    }
}

} // namespace

TEST(ProjectRecord, MovesCarryAllFourFieldsAndStopAtTheEnds)
{
    ProjectRecord record = recordWith(4);
    EXPECT_TRUE(record.moveMessageUp(2));
    EXPECT_EQ(texts(record), (std::vector<std::string>{"text0", "text2", "text1", "text3"}));
    EXPECT_TRUE(record.moveMessageDown(0));
    EXPECT_EQ(texts(record), (std::vector<std::string>{"text2", "text0", "text1", "text3"}));
    EXPECT_TRUE(record.moveMessageUp(0));
    EXPECT_TRUE(record.moveMessageDown(3));
    EXPECT_EQ(texts(record), (std::vector<std::string>{"text2", "text0", "text1", "text3"}));
    expectListsAgree(record);
}

TEST(ProjectRecord, OperationsOutsideTheListChangeNothing)
{
    ProjectRecord record = recordWith(2);
    EXPECT_FALSE(record.removeMessage(2));
    EXPECT_FALSE(record.removeMessage(-1));
    EXPECT_FALSE(record.replaceMessage(5, {"x", "x", "x", "x"}));
    EXPECT_FALSE(record.moveMessageUp(-1));
    EXPECT_FALSE(record.moveMessageDown(2));
    EXPECT_EQ(texts(record), (std::vector<std::string>{"text0", "text1"}));
    EXPECT_EQ(record.message(7), Message{});
}

TEST(ProjectRecord, ReplaceAndRemoveKeepTheListsInStep)
{
    ProjectRecord record = recordWith(3);
    EXPECT_TRUE(record.replaceMessage(1, {"title9", "text9", "link9", "target9"}));
    EXPECT_TRUE(record.removeMessage(0));
    EXPECT_EQ(texts(record), (std::vector<std::string>{"text9", "text2"}));
    expectListsAgree(record);
    EXPECT_TRUE(record.removeMessage(1));
    EXPECT_TRUE(record.removeMessage(0));
    EXPECT_EQ(record.messageCount(), 0);
    expectListsAgree(record);
}
