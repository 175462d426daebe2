// Opening an e-mail (SMTP) dialog: construction, catalogue, preset lists and
// first show must stay within one frame (16 ms), so SMTP Setup feels immediate.

#include "core/session/session.h"
#include "gui/smtp/quill_smtp_dlg.h"
#include "gui/smtp/sedge_smtp_dlg.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

template <typename Dialog> void openSmtpDialog(benchmark::State& state) {
    rosmossel::Session session;
    session.language = static_cast<rosmossel::Language>(state.range(0));
    for (auto _ : state) {
        Dialog dialog(session);
        dialog.show();
        QCoreApplication::processEvents(); // the first expose and paint
        benchmark::DoNotOptimize(dialog.isVisible());
    }
}

BENCHMARK_TEMPLATE(openSmtpDialog, rosmossel::CQuillSmtpDlg)
    ->Arg(2)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_TEMPLATE(openSmtpDialog, rosmossel::CSedgeSmtpDlg)
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
