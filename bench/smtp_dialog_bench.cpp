// Opening an e-mail (SMTP) dialog, with its preset lists, within one frame.

#include "gui/shell/setup_dialogs.h"
#include "open_dialog_bench.h"

using rosmossel::bench::openDialog;

BENCHMARK_TEMPLATE(openDialog, rosmossel::CQuillSmtpDlg)
    ->Arg(2)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_TEMPLATE(openDialog, rosmossel::CSedgeSmtpDlg)
    ->Arg(2)
    ->Arg(9)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

int main(int argc, char** argv) {
    return rosmossel::bench::runDialogBenchmarks(argc, argv);
}
