#include "bench/BenchPlatform.h"
#include "generator/BuiltInTexts.h"
#include "platform/RecordPath.h"
#include "project/ProjectReader.h"
#include "project/ProjectWriter.h"
#include "ui/CQuorvoDlg.h"

#include <QApplication>
#include <QTabBar>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <stdexcept>

// Entering Step 5 as the user does it, from Step 4: every page is flushed, the files are generated and
// written, and the page is filled.
namespace {

void writeProjectWith(int messages, const QString& path)
{
    ProjectRecord record;
    if (!ProjectReader(BuiltInTexts::defaultProject()).readProject(record).ok())
        throw std::runtime_error("the built-in default project could not be read");
    for (int i = record.messageCount(); i < messages; ++i) {
        const std::string n = std::to_string(i);
        record.appendMessage({"Title " + n,
                              "A message of ordinary length, number " + n + ", with <b>markup</b>.",
                              "http://www.marquetto.example/news/" + n, "_parent"});
    }
    record.projectPath = RecordPath::toBytes(path);
    if (const auto written = ProjectWriter::writeProject(record); !written.ok())
        throw std::runtime_error(written.error().message());
}

void enterStepFive(benchmark::State& state)
{
    QTemporaryDir folder;
    BenchPlatform platform;
    CQuorvoDlg wizard(platform, RecordPath::toBytes(folder.path()), RecordPath::toBytes(folder.path() + "/"));
    if (state.range(0) > 3) {
        platform.projectToOpen = folder.filePath("many.tkp");
        writeProjectWith(static_cast<int>(state.range(0)), platform.projectToOpen);
        wizard.commands().openProject();
    }
    auto* tabs = wizard.findChild<QTabBar*>("stepTabs");
    for (auto _ : state) {
        state.PauseTiming();
        tabs->setCurrentIndex(3);
        state.ResumeTiming();
        tabs->setCurrentIndex(CQuorvoDlg::publishingStep);
    }
    if (wizard.record().messageCount() != state.range(0))
        state.SkipWithError("the project was not opened");
}

} // namespace

BENCHMARK(enterStepFive)->Arg(3)->Arg(10000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
