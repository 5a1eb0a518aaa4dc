#include "bench/SampleDesign.h"
#include "generator/Generator.h"
#include "generator/PageRoundTrip.h"

#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

void generateOutputs(benchmark::State& state)
{
    ProjectRecord record = SampleDesign::defaultWith(static_cast<int>(state.range(0)));
    PageRoundTrip::apply(record);
    const auto folder = std::filesystem::temp_directory_path() / "marquetto-bench-generation";
    std::filesystem::create_directories(folder);
    record.workFolder = folder.string() + "/";
    for (auto _ : state) {
        GeneratedTexts texts;
        if (!Generator::GenerateOutputs(record, texts).ok())
            state.SkipWithError("the files could not be written");
        benchmark::DoNotOptimize(texts.ieScriptText.size());
    }
    state.SetComplexityN(state.range(0));
    std::filesystem::remove_all(folder);
}

} // namespace

BENCHMARK(generateOutputs)->Arg(3)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
