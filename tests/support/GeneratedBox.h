#pragma once

#include "generator/Generator.h"
#include "tests/support/FileBytes.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>
#include <string>

// The texts of one generation run in a folder of its own, and the preview page it wrote.
struct GeneratedBox
{
    GeneratedTexts texts;
    std::string previewPage;
};

inline GeneratedBox generatedBox(ProjectRecord record)
{
    TemporaryFolder folder;
    record.workFolder = folder.path() + "/";
    GeneratedBox box;
    EXPECT_TRUE(Generator::GenerateOutputs(record, box.texts).ok());
    box.previewPage = readBytes(folder.file("preview.html"));
    return box;
}
