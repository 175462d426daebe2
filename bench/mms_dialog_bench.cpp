// Opening an MMS dialog, with its 39 countries, within one frame.

#include "gui/shell/setup_dialogs.h"
#include "open_dialog_bench.h"

using rosmossel::bench::openDialog;

BENCHMARK_TEMPLATE(openDialog, rosmossel::CQuillMmsDlg)
    ->Arg(2)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_TEMPLATE(openDialog, rosmossel::CSedgeMmsDlg)
    ->Arg(2)
    ->Arg(9)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

int main(int argc, char** argv) {
    return rosmossel::bench::runDialogBenchmarks(argc, argv);
}
