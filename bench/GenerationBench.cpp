#include "generator/BuiltInTexts.h"
#include "generator/Generator.h"
#include "generator/PageRoundTrip.h"
#include "project/ProjectReader.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <stdexcept>

namespace {

ProjectRecord defaultDesignWith(int messages)
{
    ProjectRecord record;
    if (!ProjectReader(BuiltInTexts::defaultProject()).readProject(record).ok())
        throw std::runtime_error("the built-in default project could not be read");
    PageRoundTrip::apply(record);
    for (int i = record.messageCount(); i < messages; ++i) {
        const std::string n = std::to_string(i);
        record.appendMessage({"Title " + n,
                              "A message of ordinary length, number " + n + ", with <b>markup</b>.",
                              "http://www.marquetto.example/news/" + n, "_parent"});
    }
    return record;
}

void generateOutputs(benchmark::State& state)
{
    ProjectRecord record = defaultDesignWith(static_cast<int>(state.range(0)));
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
