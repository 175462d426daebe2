// Opening an MMS dialog: construction, catalogue, the 39 countries and first
// show must stay within one frame (16 ms), so the MMS Setup button feels
// immediate.

#include "core/session/session.h"
#include "gui/mms/quill_mms_dlg.h"
#include "gui/mms/sedge_mms_dlg.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

template <typename Dialog> void openMmsDialog(benchmark::State& state) {
    rosmossel::Session session;
    session.language = static_cast<rosmossel::Language>(state.range(0));
    for (auto _ : state) {
        Dialog dialog(session);
        dialog.show();
        QCoreApplication::processEvents(); // the first expose and paint
        benchmark::DoNotOptimize(dialog.isVisible());
    }
}

BENCHMARK_TEMPLATE(openMmsDialog, rosmossel::CQuillMmsDlg)
    ->Arg(2)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_TEMPLATE(openMmsDialog, rosmossel::CSedgeMmsDlg)
    ->Arg(2)
    ->Arg(9)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
