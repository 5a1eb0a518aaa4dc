#include "project/FileSet.h"

#include "tests/support/FileBytes.h"
#include "tests/support/TemporaryFolder.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

struct Sink
{
    std::string name;
    std::function<void(const std::string& lastFile)> breakIt;
    std::string reason;
};

} // namespace

// The last file of the set fails only after the ones before it were written whole: none of them may take
// its place, and nothing but the old files may be left.
TEST(FileSet, AFailureLeavesTheOldFilesAndNoTemporaries)
{
    const std::vector<Sink> sinks = {
        {"a full disk under the last file",
         [](const std::string& last) { fs::create_symlink("/dev/full", last); }, "No space left on device"},
        {"a folder in the last file's place", [](const std::string& last) { fs::create_directory(last); },
         "is a folder"},
    };
    for (const Sink& sink : sinks) {
        SCOPED_TRACE(sink.name);
        TemporaryFolder folder;
        writeBytes(folder.file("a.html"), "old a");
        writeBytes(folder.file("b.js"), "old b");
        sink.breakIt(folder.file("c.js"));
        const std::vector<std::string> before = namesIn(folder.path());

        const auto written = FileSet::write(
            folder.path(), {{"new.html", "new"}, {"a.html", "new a"}, {"b.js", "new b"}, {"c.js", "c"}});
        ASSERT_FALSE(written.ok());
        EXPECT_NE(written.error().message().find(sink.reason), std::string::npos)
            << written.error().message();
        EXPECT_NE(written.error().message().find("c.js"), std::string::npos) << written.error().message();
        EXPECT_EQ(namesIn(folder.path()), before);
        EXPECT_EQ(readBytes(folder.file("a.html")), "old a");
        EXPECT_EQ(readBytes(folder.file("b.js")), "old b");
    }
}

TEST(FileSet, AllFilesTakeTheirPlacesTogether)
{
    TemporaryFolder folder;
    writeBytes(folder.file("a.html"), "a much longer old version");
    ASSERT_TRUE(FileSet::write(folder.path() + "/", {{"a.html", "new a"}, {"b.js", ""}}).ok());
    EXPECT_EQ(namesIn(folder.path()), (std::vector<std::string>{"a.html", "b.js"}));
    EXPECT_EQ(readBytes(folder.file("a.html")), "new a");
    EXPECT_EQ(readBytes(folder.file("b.js")), "");
}
