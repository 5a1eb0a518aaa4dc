#include "design/DesignPublication.h"

#include "design/DesignFindings.h"
#include "generator/Generator.h"
#include "generator/PageRoundTrip.h"

Expected<DesignPublication::Result> DesignPublication::build(ProjectRecord record)
{
    PageRoundTrip::apply(record);
    Result result;
    auto files = Generator::BuildOutputFiles(record, result.texts);
    if (!files.ok())
        return files.error();
    result.files = std::move(files.value());
    return result;
}

Expected<DesignPublication::Result> DesignPublication::checkAndBuild(const ProjectRecord& record,
                                                                     const std::string& imageFolder)
{
    std::vector<DesignFinding> findings = DesignFindings::of(record, imageFolder);
    auto built = build(record);
    if (built.ok())
        built.value().findings = std::move(findings);
    return built;
}

Expected<DesignPublication::Result> DesignPublication::publish(const ProjectRecord& record,
                                                               const std::string& imageFolder)
{
    auto built = checkAndBuild(record, imageFolder);
    if (!built.ok())
        return built;
    if (auto written = FileSet::write(record.workFolder, built.value().files); !written.ok())
        return written.error();
    return built;
}
