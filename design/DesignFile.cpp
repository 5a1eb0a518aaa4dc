#include "design/DesignFile.h"

#include "generator/BuiltInTexts.h"
#include "generator/PageRoundTrip.h"
#include "project/InputFile.h"
#include "project/OutputFile.h"
#include "project/ProjectReader.h"
#include "project/ProjectWriter.h"

#include <filesystem>
#include <unistd.h>

Expected<ProjectRecord> DesignFile::read(const Source& project)
{
    const ProjectReader reader(BuiltInTexts::defaultProject());
    ProjectRecord record;
    Expected<void> read;
    if (project == "-") {
        InputFile standardInput = InputFile::onDescriptor(STDIN_FILENO, "standard input");
        read = reader.readProjectFrom(record, standardInput);
    } else {
        if (project) {
            record.useDefaultProject = ProjectRecord::readProjectPath;
            record.projectPath = *project;
        }
        read = reader.readProject(record);
    }
    if (!read.ok())
        return read.error();
    return record;
}

Expected<void> DesignFile::write(ProjectRecord& record, const std::string& to)
{
    PageRoundTrip::apply(record);
    if (to == "-") {
        OutputFile standardOutput = OutputFile::onDescriptor(STDOUT_FILENO, "standard output");
        return ProjectWriter::writeProjectTo(record, standardOutput);
    }
    record.projectPath = to;
    return ProjectWriter::writeProject(record);
}

std::string DesignFile::folder(const Source& project)
{
    const std::filesystem::path folder = std::filesystem::path(project.value_or("-")).parent_path();
    return folder.empty() ? "." : folder.string();
}
