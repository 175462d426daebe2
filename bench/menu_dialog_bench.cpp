// Opening a camera-menu dialog: construction, catalogue and first show must
// stay within one frame (16 ms), so the Camera Setup button feels immediate.

#include "core/session/session.h"
#include "gui/menu/quill_menu_dlg.h"
#include "gui/menu/sedge_menu_dlg.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

template <typename Dialog> void openMenuDialog(benchmark::State& state) {
    rosmossel::Session session;
    session.language = static_cast<rosmossel::Language>(state.range(0));
    for (auto _ : state) {
        Dialog dialog(session);
        dialog.show();
        QCoreApplication::processEvents(); // the first expose and paint
        benchmark::DoNotOptimize(dialog.isVisible());
    }
}

BENCHMARK_TEMPLATE(openMenuDialog, rosmossel::CQuillMenuDlg)
    ->Arg(2)
    ->Arg(3)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_TEMPLATE(openMenuDialog, rosmossel::CSedgeMenuDlg)
    ->Arg(2)
    ->Arg(7)
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
