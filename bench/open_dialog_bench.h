#pragma once

// Opening a set-up dialog (construction, catalogue, first show) must stay
// within one frame (16 ms), so its button on the main window feels immediate.

#include "core/session/session.h"
#include "gui/shell/app_look.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace rosmossel::bench {

// Arg: the language number.
template <typename Dialog> void openDialog(benchmark::State& state) {
    Session session;
    session.language = static_cast<Language>(state.range(0));
    for (auto _ : state) {
        Dialog dialog(session);
        dialog.show();
        QCoreApplication::processEvents(); // the first expose and paint
        benchmark::DoNotOptimize(dialog.isVisible());
    }
}

// main() of a dialog benchmark: offscreen unless a platform is chosen.
inline int runDialogBenchmarks(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ApplyApplicationLook(app); // as the tool opens its dialogs
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace rosmossel::bench
