#include "bench/SampleDesign.h"
#include "project/ProjectReader.h"
#include "project/ProjectWriter.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>

namespace {

std::string projectFileWith(int messages)
{
    ProjectRecord design;
    design.width = "180";
    SampleDesign::growTo(design, messages);
    const auto path =
        (std::filesystem::temp_directory_path() / ("marquetto-bench-" + std::to_string(messages) + ".tkp"))
            .string();
    std::ofstream(path, std::ios::binary) << ProjectWriter::projectText(design);
    return path;
}

void readProject(benchmark::State& state)
{
    const std::string path = projectFileWith(static_cast<int>(state.range(0)));
    const auto bytes = std::filesystem::file_size(path);
    for (auto _ : state) {
        ProjectRecord record;
        record.useDefaultProject = 2;
        record.projectPath = path;
        if (!ProjectReader({}).readProject(record).ok())
            state.SkipWithError("the project could not be read");
        benchmark::DoNotOptimize(record.messageCount());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
    std::filesystem::remove(path);
}

} // namespace

BENCHMARK(readProject)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);
