#pragma once

#include "project/ProjectReader.h"

#include <gtest/gtest.h>
#include <string>

// A file below tests/data.
inline std::string testData(const std::string& relativePath)
{
    return std::string(MARQUETTO_TEST_DATA) + "/" + relativePath;
}

// Reads a project file over `into` as Open Project does; a file that cannot be read fails the test.
inline ProjectRecord readProjectFile(const std::string& path, ProjectRecord into = {})
{
    into.useDefaultProject = ProjectRecord::readProjectPath;
    into.projectPath = path;
    const Expected<void> read = ProjectReader({}).readProject(into);
    EXPECT_TRUE(read.ok()) << read.error().message();
    return into;
}
