// marquetto-cli given a file that cannot be a project: every command exits with 3 and names the file and
// what is wrong, and writes nothing, so neither the file nor a box generated earlier is replaced.

#include "tests/faults/CliProcess.h"
#include "tests/support/FileBytes.h"
#include "tests/support/TemporaryFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <map>

namespace {

struct NotAProjectFile
{
    std::string name;
    std::string bytes;
    // What the message says after the file's name.
    std::string reason;
};

// "#\0%\0#\0q\0..." as a UTF-16LE editor saves the first record of a project.
std::string inUtf16le(const std::string& text)
{
    std::string wide = "\xFF\xFE";
    for (char c : text)
        wide += std::string{c, '\0'};
    return wide;
}

std::vector<NotAProjectFile> notAProjectFiles()
{
    const std::string width = "#%#qvo-width=5endof-qvo-width#%#";
    return {
        {"nul.tkp", width + std::string(1, '\0') + "#%#qvo-height=7endof-qvo-height#%#",
         "is not a Marquetto project: it holds a NUL byte at byte offset 32."},
        {"wide.tkp", inUtf16le(width),
         "is not a Marquetto project: it is UTF-16LE text, and a project is UTF-8 or 8-bit text."},
        {"empty.tkp", "", "is not a Marquetto project: it is empty."},
        {"letter.tkp", "Dear Anna,\nthe box is 180 wide.\n",
         "is not a Marquetto project: no project record was found in it."},
    };
}

// The files of a folder, not its subfolders, with their bytes.
std::map<std::string, std::string> filesIn(const std::string& folder)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.is_regular_file())
            files[entry.path().filename().string()] = readBytes(entry.path().string());
    return files;
}

} // namespace

TEST(CliNotAProject, EveryCommandExitsWithThreeNamingTheFileAndWritesNothing)
{
    TemporaryFolder folder;
    const auto run = [&](const std::string& command) {
        return CliProcess::run(command, folder.path(), MARQUETTO_CLI);
    };
    ASSERT_EQ(run("\"$CLI\" generate --out site").exitCode, 0);
    const auto box = filesIn(folder.file("site"));
    ASSERT_EQ(box.size(), 4u);

    for (const NotAProjectFile& file : notAProjectFiles()) {
        writeBytes(folder.file(file.name), file.bytes);
        const auto before = filesIn(folder.path());
        const std::string& name = file.name;
        for (const auto& [command, named] : std::vector<std::pair<std::string, std::string>>{
                 {"\"$CLI\" save --to " + name + " " + name, name},
                 {"\"$CLI\" check " + name, name},
                 {"\"$CLI\" generate --out site " + name, name},
                 {"cat " + name + " | \"$CLI\" save --to " + name + " -", "standard input"},
                 {"cat " + name + " | \"$CLI\" generate --out=site -", "standard input"}}) {
            SCOPED_TRACE(command);
            const auto outcome = run(command);
            EXPECT_EQ(outcome.exitCode, 3);
            EXPECT_EQ(outcome.err, "marquetto-cli: \"" + named + "\": " + file.reason + "\n");
            EXPECT_EQ(outcome.out, "");
            EXPECT_EQ(readBytes(folder.file(name)), file.bytes);
            EXPECT_EQ(filesIn(folder.path()), before) << "a file was written beside the project";
            EXPECT_EQ(filesIn(folder.file("site")), box) << "the working box was replaced";
        }
    }
}
