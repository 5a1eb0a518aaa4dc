#include "bench/SampleDesign.h"

#include "generator/BuiltInTexts.h"
#include "project/ProjectReader.h"
#include "project/ProjectWriter.h"

#include <stdexcept>

void SampleDesign::growTo(ProjectRecord& design, int messages)
{
    for (int i = design.messageCount(); i < messages; ++i) {
        const std::string n = std::to_string(i);
        design.appendMessage({"Title " + n,
                              "A message of ordinary length, number " + n + ", with <b>markup</b>.",
                              "http://www.marquetto.example/news/" + n, "_parent"});
    }
}

ProjectRecord SampleDesign::defaultWith(int messages)
{
    ProjectRecord design;
    if (!ProjectReader(BuiltInTexts::defaultProject()).readProject(design).ok())
        throw std::runtime_error("the built-in default project could not be read");
    growTo(design, messages);
    return design;
}

void SampleDesign::writeDefaultWith(int messages, const std::string& path)
{
    ProjectRecord design = defaultWith(messages);
    design.projectPath = path;
    if (const auto written = ProjectWriter::writeProject(design); !written.ok())
        throw std::runtime_error(written.error().message());
}
