#include "feed/FeedSelection.h"

#include <gtest/gtest.h>

namespace {

// Six rows: shown, empty, left out, shown with its text cut at the nesting bound, shown, shown. Items with
// a link are learnt without making their message, the others by making it.
std::string selectionFeed()
{
    std::string deep;
    for (int i = 0; i < 2001; ++i)
        deep += "<i>";
    return "title,text,link\n"
           "one,first text,\n"
           ",<p> </p>,\n"
           "three,,http://x.example/qvo-pause=1\n"
           "four,\"" +
           deep +
           "hidden\",http://x.example/four\n"
           "five,fifth text,\n"
           "six,sixth text,\n";
}

const std::string leftOut =
    "item 3: its link holds \"qvo-pause=\", which the project file uses to mark a record; "
    "the item is left out";
const std::string cutShort =
    "item 4: its text is read only up to its 2000th element or first MiB and ends with an ellipsis";

} // namespace

// What the first items give is learnt once, so each number of items asks again in any order.
TEST(FeedSelection, TheSummaryCountsMessagesAndWarningsOfTheFirstItems)
{
    auto items = FeedImport::items(selectionFeed());
    ASSERT_TRUE(items.ok()) << items.error().message();
    FeedSelection selection(std::move(items.value()));
    const struct
    {
        std::size_t maxItems;
        std::size_t messageCount;
        std::vector<std::string> warnings;
    } cases[] = {
        {4, 2, {leftOut, cutShort}},   {1, 1, {}}, {2, 1, {}}, {3, 1, {leftOut}}, {6, 4, {leftOut, cutShort}},
        {100, 4, {leftOut, cutShort}},
    };
    for (const auto& c : cases) {
        const FeedSelection::Summary summary = selection.summary(c.maxItems);
        EXPECT_EQ(summary.messageCount, c.messageCount) << c.maxItems;
        EXPECT_EQ(summary.warnings, c.warnings) << c.maxItems;
    }
}

// The preview's messages: the first of the chosen items that show something, made with the options.
TEST(FeedSelection, TheFirstMessagesFollowTheOptions)
{
    auto items = FeedImport::items(selectionFeed());
    ASSERT_TRUE(items.ok()) << items.error().message();
    FeedSelection selection(std::move(items.value()));
    const auto titles = [&](const FeedOptions& options, std::size_t most) {
        std::vector<std::string> shown;
        auto first = selection.firstMessages(options, most);
        EXPECT_TRUE(first.ok()) << first.error().message();
        for (const Message& message : first.ok() ? first.value() : std::vector<Message>{})
            shown.push_back(message.title + "|" + message.text + "|" + message.target);
        return shown;
    };
    EXPECT_EQ(titles({10, "_self", 200}, 2),
              (std::vector<std::string>{"one|first text|_parent", "four|\u2026|_parent"}));
    EXPECT_EQ(
        titles({10, "news", 6}, 3),
        (std::vector<std::string>{"one|first\u2026|news", "four|\u2026|news", "five|fifth\u2026|news"}));
    EXPECT_EQ(titles({2, "", 200}, 5), (std::vector<std::string>{"one|first text|_blank"}));
    const auto refused = selection.firstMessages({10, "a\"b", 200}, 5);
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.error().code(), Error::WrongUsage);
}
