#include "tests/support/FileBytes.h"
#include "tests/ui/WizardHarness.h"

#include <QLineEdit>
#include <QListWidget>

#include <gtest/gtest.h>

namespace {

std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return text.replace(at, from.size(), to);
}

// The default project as an 8-bit file from elsewhere: "é" is 0xE9, "¶" 0xB6, "€" 0x80, curly quotes
// 0x93 and 0x94.
std::string windows1252Project()
{
    std::string text = readBytes(std::string(MARQUETTO_TEST_DATA) + "/default-written.tkp");
    text = replaced(text, "qvo-nameoftext=scroller_", "qvo-nameoftext=caf\xE9\xB6_");
    text = replaced(text, "Marquetto was released.", "\x80 5 \x93quoted\x94 caf\xE9 \xB6");
    return replaced(text, "verdana,arial,helvetica",
                    "Tr\xE9"
                    "buchet");
}

} // namespace

TEST(WizardEncoding, AWindows1252ProjectShowsItsCharactersAndSavesBackUnchanged)
{
    WizardHarness harness;
    const std::string path = harness.folder.file("old.tkp");
    const std::string original = windows1252Project();
    writeBytes(path, original);
    harness.platform.expectOpenFileName(QString::fromStdString(path));
    harness.click("openProjectButton");

    EXPECT_EQ(harness.find<QLineEdit>("nameEdit")->text(), QString::fromUtf8("café¶_"));
    auto* messages = harness.find<QListWidget>("messageList");
    ASSERT_GE(messages->count(), 1);
    EXPECT_EQ(messages->item(0)->text(), QString::fromUtf8("€ 5 “quoted” café ¶"));
    EXPECT_EQ(harness.find<QLineEdit>("titleCustomFontEdit")->text(), QString::fromUtf8("Trébuchet"));

    for (int step : {1, 2, 3, 4, 0})
        harness.goToStep(step);
    harness.click("saveProjectButton");

    EXPECT_EQ(readBytes(path), original);
}
