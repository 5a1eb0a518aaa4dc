#include "project/TextFile.h"

#include "tests/support/FileBytes.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

TEST(TextFile, WritingOverALongerFileLeavesExactlyTheNewText)
{
    TemporaryFolder folder;
    const std::string path = folder.file("page.html");
    ASSERT_FALSE(TextFile::write(path, "a much longer first version of the file"));
    ASSERT_FALSE(TextFile::write(path, "short"));
    EXPECT_EQ(readBytes(path), "short");
    ASSERT_FALSE(TextFile::write(path, ""));
    EXPECT_EQ(readBytes(path), "");
}

TEST(TextFile, FailuresNameTheFile)
{
    TemporaryFolder folder;
    const std::string missing = folder.file("no-folder/page.html");
    const auto written = TextFile::write(missing, "x");
    ASSERT_TRUE(written);
    EXPECT_EQ(written->path(), missing);
    EXPECT_NE(written->message().find("No such file or directory"), std::string::npos) << written->message();

    const auto read = TextFile::read(folder.path(), 100);
    ASSERT_FALSE(read);
    EXPECT_NE(read.error().message().find(folder.path()), std::string::npos);
}
