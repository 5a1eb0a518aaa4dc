#include "project/ProjectTextScanner.h"

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

std::string cut(std::string_view text, ValueSpan span)
{
    return std::string(text.substr(span.begin, span.size()));
}

// Reads the text in pieces of the given size, as a file is read.
std::size_t streamInto(ProjectTextScanner& scanner, std::string_view text, std::size_t pieceSize)
{
    std::size_t at = 0;
    const auto length = scanner.scanStream(
        [&](char* into, std::size_t wanted) -> Expected<std::size_t> {
            const std::size_t count = std::min(wanted, text.size() - at);
            text.copy(into, count, at);
            at += count;
            return count;
        },
        pieceSize);
    EXPECT_TRUE(length.ok());
    return length.ok() ? length.value() : 0;
}

ProjectTextScanner scannedInPieces(std::string_view text, std::size_t pieceSize)
{
    ProjectTextScanner scanner;
    EXPECT_EQ(streamInto(scanner, text, pieceSize), text.size());
    return scanner;
}

void expectAgreesWithNaiveSearch(const std::string& text, int messages, const ProjectTextScanner& scanner)
{
    for (const std::string& key : ProjectKeys::valueKeys())
        ASSERT_EQ(cut(text, scanner.settingSpan(key)),
                  naiveFindValue(text, "qvo-" + key + "=", "endof-qvo-" + key))
            << "key " << key << " in text:\n"
            << text;
    for (int n = 1; n <= messages; ++n) {
        for (MessageField field : ProjectKeys::messageFieldOrder) {
            const std::string key = std::string(ProjectKeys::messageKey(field)) + std::to_string(n);
            ASSERT_EQ(cut(text, scanner.messageSpan(field, n)),
                      naiveFindValue(text, "qvo-" + key + "=", "endof-qvo-" + key))
                << "key " << key << " in text:\n"
                << text;
        }
    }
}

void expectAgreesWithNaiveSearch(const std::string& text, int messages)
{
    ProjectTextScanner whole;
    whole.scanText(text);
    expectAgreesWithNaiveSearch(text, messages, whole);
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

TEST(ProjectTextScanner, AgreesWithTheNaiveSearchOnGeneratedTexts)
{
    std::mt19937 random(20261207);
    for (int round = 0; round < 4000; ++round)
        expectAgreesWithNaiveSearch(randomText(random), 12);
}

TEST(ProjectTextScanner, AgreesWithTheNaiveSearchOnTruncatedAndSplicedProjects)
{
    ProjectRecord design = defaultDesign();
    for (int i = 0; i < 25; ++i) {
        const std::string number = std::to_string(i);
        design.appendMessage({"t" + number, "endof-qvo-tmessage1" + number, "qvo-linktext2=", ""});
    }
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

// Pieces as small as one byte put every start and end text across a boundary somewhere.
TEST(ProjectTextScanner, ScanningPieceByPieceFindsWhatTheWholeTextGives)
{
    std::mt19937 random(12);
    std::uniform_int_distribution<std::size_t> pieceSize(1, 40);
    for (int round = 0; round < 1500; ++round) {
        const std::string text = randomText(random);
        expectAgreesWithNaiveSearch(text, 12, scannedInPieces(text, pieceSize(random)));
    }
    ProjectRecord design = defaultDesign();
    for (int i = 0; i < 40; ++i)
        design.appendMessage({"title " + std::to_string(i), "text", "", "_top"});
    const std::string project = ProjectWriter::projectText(design);
    for (std::size_t size : {1, 2, 7, 64, 1000})
        expectAgreesWithNaiveSearch(project, 45, scannedInPieces(project, size));
}

// Refusing a NUL byte is the reader's business: the scanner reads on to the end.
TEST(ProjectTextScanner, AStreamIsScannedToItsEndAndARecordIsAStartTextWithItsEndTextAfterIt)
{
    const std::string text =
        std::string("#%#qvo-width=12endof-qvo-width#%#\0#%#qvo-height=5endof-qvo-height#%#", 68);
    ProjectTextScanner scanner;
    EXPECT_EQ(streamInto(scanner, text, 4), text.size());
    EXPECT_EQ(cut(text, scanner.settingSpan("height")), "5");
    EXPECT_TRUE(scanner.foundAnyRecord());

    for (const std::string_view noRecord :
         {"endof-qvo-width qvo-width=", "qvo-tmessage31=endof-qvo-tmessage3", "qvo-text=endof-qvo-text"}) {
        ProjectTextScanner none;
        EXPECT_EQ(streamInto(none, noRecord, 3), noRecord.size());
        EXPECT_FALSE(none.foundAnyRecord()) << noRecord;
    }
    ProjectTextScanner prefixed;
    prefixed.scanText("qvo-tmessage3=endof-qvo-tmessage31");
    EXPECT_TRUE(prefixed.foundAnyRecord()) << "the end text of message 3 begins that of message 31";
}
