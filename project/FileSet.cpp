#include "project/FileSet.h"

#include "project/OutputFile.h"

Expected<void> FileSet::write(const std::string& folder, const std::vector<File>& files)
{
    const std::string prefix = folder.empty() || folder.ends_with('/') ? folder : folder + "/";
    std::vector<OutputFile> written;
    written.reserve(files.size());
    for (const File& file : files) {
        auto output = OutputFile::replacing(prefix + file.name);
        if (!output.ok())
            return output.error();
        written.push_back(std::move(output.value()));
        if (auto done = written.back().write(file.bytes); !done.ok())
            return done;
        if (auto done = written.back().settle(); !done.ok())
            return done;
    }
    for (OutputFile& file : written)
        if (auto done = file.takePlace(); !done.ok())
            return done;
    return {};
}
