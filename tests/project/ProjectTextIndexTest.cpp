#include "project/ProjectTextIndex.h"

#include "project/ProjectKeys.h"
#include "project/ProjectWriter.h"
#include "tests/support/DefaultDesign.h"

#include <gtest/gtest.h>
#include <random>

namespace {

// The reading rule in its plainest form: two searches from the start of the text.
std::string naiveFindValue(std::string_view text, const std::string& start, const std::string& end)
{
    const auto s = text.find(start);
    const auto e = text.find(end);
    if (s == std::string_view::npos || e == std::string_view::npos || e < s + start.size())
        return {};
    return std::string(text.substr(s + start.size(), e - s - start.size()));
}

void expectAgreesWithNaiveSearch(const std::string& text, int messages)
{
    const ProjectTextIndex index(text);
    for (const std::string& key : ProjectKeys::valueKeys())
        ASSERT_EQ(index.findValue(key), naiveFindValue(text, "qvo-" + key + "=", "endof-qvo-" + key))
            << "key " << key << " in text:\n"
            << text;
    for (int n = 1; n <= messages; ++n) {
        for (MessageField field : ProjectKeys::messageFieldOrder) {
            const std::string key = std::string(ProjectKeys::messageKey(field)) + std::to_string(n);
            ASSERT_EQ(index.findMessageValue(field, n),
                      naiveFindValue(text, "qvo-" + key + "=", "endof-qvo-" + key))
                << "key " << key << " in text:\n"
                << text;
        }
    }
}

// Texts made of the pieces keys are made of, so that overlaps, duplicates and near misses are common.
std::string randomText(std::mt19937& random)
{
    static const std::vector<std::string> pieces = {
        "qvo-",      "endof-",    "endof-qvo-", "tmessage", "linktext", "targettext",
        "titletext", "width",     "height",     "=",        "1",        "2",
        "10",        "11",        "0",          "01",       "#%#",      "#>#",
        "x",         " ",         "\r\n",       "_red",     "bgcolor",  "text-message_count",
        "9",         "qvo-width="};
    std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
    std::uniform_int_distribution<int> length(1, 120);
    std::string text;
    for (int i = length(random); i > 0; --i)
        text += pieces[pick(random)];
    return text;
}

} // namespace

TEST(ProjectTextIndex, AgreesWithTheNaiveSearchOnGeneratedTexts)
{
    std::mt19937 random(20261207);
    for (int round = 0; round < 4000; ++round)
        expectAgreesWithNaiveSearch(randomText(random), 12);
}

TEST(ProjectTextIndex, AgreesWithTheNaiveSearchOnTruncatedAndSplicedProjects)
{
    ProjectRecord design = defaultDesign();
    for (int i = 0; i < 25; ++i)
        design.appendMessage(
            {"t" + std::to_string(i), "endof-qvo-tmessage1" + std::to_string(i), "qvo-linktext2=", ""});
    const std::string full = ProjectWriter::projectText(design);
    std::mt19937 random(7);
    std::uniform_int_distribution<std::size_t> cut(0, full.size());
    for (int round = 0; round < 300; ++round) {
        const std::size_t a = cut(random);
        const std::size_t b = cut(random);
        expectAgreesWithNaiveSearch(full.substr(0, std::max(a, b)), 30);
        expectAgreesWithNaiveSearch(full.substr(std::min(a, b)) + full.substr(0, std::min(a, b)), 30);
    }
}
