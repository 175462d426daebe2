// Opening a camera-menu dialog within one frame.

#include "gui/shell/setup_dialogs.h"
#include "open_dialog_bench.h"

using rosmossel::bench::openDialog;

BENCHMARK_TEMPLATE(openDialog, rosmossel::CQuillMenuDlg)
    ->Arg(2)
    ->Arg(3)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_TEMPLATE(openDialog, rosmossel::CSedgeMenuDlg)
    ->Arg(2)
    ->Arg(7)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

int main(int argc, char** argv) {
    return rosmossel::bench::runDialogBenchmarks(argc, argv);
}
