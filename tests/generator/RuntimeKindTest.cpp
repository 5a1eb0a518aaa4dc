#include "generator/RuntimeKind.h"

#include <gtest/gtest.h>

TEST(RuntimeKind, NumbersTheRuntimeTheDesignRuns)
{
    // A fader ignores the scroll mode; a scroller mode other than waiting or paging scrolls on.
    const struct
    {
        int effectStyle;
        int scrollMode;
        const char* kind;
    } cases[] = {
        {0, 0, "0"}, {0, 1, "1"}, {0, 2, "2"}, {0, 7, "2"},
        {1, 0, "3"}, {1, 1, "3"}, {1, 2, "3"}, {4, 1, "3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "style " << c.effectStyle << ", mode " << c.scrollMode);
        ProjectRecord record;
        record.effectStyle = c.effectStyle;
        record.scrollMode = c.scrollMode;
        EXPECT_EQ(RuntimeKind::of(record), c.kind);
    }
}
