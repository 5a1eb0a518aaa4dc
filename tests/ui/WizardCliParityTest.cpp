#include "generator/BuiltInTexts.h"
#include "generator/Generator.h"
#include "generator/PageRoundTrip.h"
#include "project/ProjectReader.h"
#include "tests/support/FileBytes.h"
#include "tests/ui/WizardHarness.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <map>

// The wizard and the command-line tool must give the same files for the same project: the wizard by
// loading the pages and flushing them on the way to Step 5, the tool by applying the pages' round trip
// to the record it read.
namespace {

using Settings = std::map<std::string, std::string>;

std::string withSettings(std::string text, const Settings& settings)
{
    for (const auto& [key, value] : settings) {
        const std::string start = "#qvo-" + key + "=";
        const auto from = text.find(start);
        const auto to = text.find("endof-qvo-" + key + "#", from);
        EXPECT_NE(from, std::string::npos) << key;
        if (from != std::string::npos)
            text.replace(from + start.size(), to - from - start.size(), value);
    }
    return text;
}

struct Project
{
    const char* name;
    Settings settings;
};

const Project projects[] = {
    {"default", {}},
    {"lists out of range",
     {{"font-sira", "99"},
      {"use_this", "0"},
      {"titlefont-sira", "-1"},
      {"titleuse_this", "0"},
      {"testy", "4"},
      {"tisty", "-2"},
      {"tiali", "3"},
      {"border-typ", "7"},
      {"txtdecoration", "2"},
      {"titmodecoration", "5"},
      {"effecttype", "42"},
      {"speed", "9"},
      {"scrollpage", "3"}}},
    {"use this values of 2",
     {{"use_this", "2"}, {"titleuse_this", "2"}, {"font-sira", "5"}, {"titlefont-sira", "12"}}},
    {"fader with a background image",
     {{"effectstyle", "1"}, {"effecttype", "3"}, {"speed", "0"}, {"bgimgvarmi", "1"}, {"bgimgxkoor", "12"}}},
    {"effect style out of range", {{"effectstyle", "2"}, {"scrollpage", "1"}, {"use_this", "2"}}},
    {"odd numbers and an 8-bit name",
     {{"nameoftext", "caf\xE9_"},
      {"width", "00180px"},
      {"fontheight", " 9"},
      {"pause", ""},
      {"height", "-5"}}},
};

const char* const generatedFiles[] = {"preview.html", "newstic.html", "newsticns6.js", "newsticie.js"};

std::string fileName(const char* generated, const ProjectRecord& record)
{
    return std::string(generated) == "preview.html" ? generated : Generator::boxFileName(record, generated);
}

} // namespace

TEST(WizardCliParity, TheWizardGeneratesWhatTheToolGeneratesForTheSameProject)
{
    const std::string defaultText = readBytes(std::string(MARQUETTO_TEST_DATA) + "/default-written.tkp");
    for (const Project& project : projects) {
        SCOPED_TRACE(project.name);
        WizardHarness harness;
        const std::string path = harness.folder.file("project.tkp");
        writeBytes(path, withSettings(defaultText, project.settings));
        harness.platform.expectOpenFileName(QString::fromStdString(path));
        harness.click("openProjectButton");
        harness.goToStep(CQuorvoDlg::publishingStep);
        ASSERT_EQ(harness.visiblePage(), CQuorvoDlg::publishingStep);

        ProjectRecord record;
        record.useDefaultProject = 2;
        record.projectPath = path;
        ASSERT_TRUE(ProjectReader(BuiltInTexts::defaultProject()).readProject(record).ok());
        PageRoundTrip::apply(record);
        const std::string toolFolder = harness.folder.file("tool") + "/";
        std::filesystem::create_directory(toolFolder);
        record.workFolder = toolFolder;
        GeneratedTexts texts;
        ASSERT_TRUE(Generator::GenerateOutputs(record, texts).ok());

        for (const char* generated : generatedFiles) {
            const std::string name = fileName(generated, record);
            SCOPED_TRACE(name);
            const std::string wizardBytes = readBytes(harness.workFile(name));
            EXPECT_FALSE(wizardBytes.empty());
            EXPECT_TRUE(wizardBytes == readBytes(toolFolder + name)) << "the files differ";
        }
    }
}
