#include "bench/BenchPlatform.h"
#include "bench/SampleDesign.h"
#include "platform/RecordPath.h"
#include "ui/CQuorvoDlg.h"

#include <QApplication>
#include <QTabBar>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

// Entering Step 5 as the user does it, from Step 4: every page is flushed, the files are generated and
// written, and the page is filled.
namespace {

void enterStepFive(benchmark::State& state)
{
    QTemporaryDir folder;
    BenchPlatform platform;
    CQuorvoDlg wizard(platform, RecordPath::toBytes(folder.path()), RecordPath::toBytes(folder.path() + "/"));
    if (state.range(0) > 3) {
        platform.projectToOpen = folder.filePath("many.tkp");
        SampleDesign::writeDefaultWith(static_cast<int>(state.range(0)),
                                       RecordPath::toBytes(platform.projectToOpen));
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
