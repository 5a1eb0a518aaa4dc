#include "project/InputFile.h"

#include "tests/support/FileBytes.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/UnwrittenFifo.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

// A window that opens a project must never wait on a file: everything but a regular file is refused at
// once with what it is, and a regular file, also through a link, reads as it always did.
TEST(InputFile, OnlyARegularFileOpensAndAnythingElseIsRefusedAtOnceNamingWhatItIs)
{
    TemporaryFolder folder;
    writeBytes(folder.file("design.tkp"), "design bytes");
    fs::create_directory(folder.file("folder.tkp"));
    const UnwrittenFifo fifo(folder.file("pipe.tkp"));
    fs::create_symlink("design.tkp", folder.file("link-to-file.tkp"));
    fs::create_symlink("pipe.tkp", folder.file("link-to-pipe.tkp"));

    const struct
    {
        std::string path;
        std::string refusal; // empty when the file opens
    } cases[] = {
        {folder.file("design.tkp"), ""},
        {folder.file("link-to-file.tkp"), ""},
        {folder.file("pipe.tkp"), "is a named pipe (FIFO), not a regular file."},
        {folder.file("link-to-pipe.tkp"), "is a named pipe (FIFO), not a regular file."},
        {folder.file("folder.tkp"), "is a folder, not a file."},
        {"/dev/null", "is a device, not a regular file."},
        {folder.file("missing.tkp"), "cannot be opened for reading: No such file or directory."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        auto opened = InputFile::openRegular(c.path);
        if (c.refusal.empty()) {
            ASSERT_TRUE(opened.ok()) << opened.error().message();
            EXPECT_TRUE(opened.value().isRegular());
            EXPECT_EQ(opened.value().readAll(100).value(), "design bytes");
        } else {
            ASSERT_FALSE(opened.ok());
            EXPECT_EQ(opened.error().message(), "\"" + c.path + "\": " + c.refusal);
        }
    }
    EXPECT_FALSE(fifo.freed()) << "the FIFO was opened and waited on";
}
