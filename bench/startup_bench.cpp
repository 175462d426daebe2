// Start-up time of the tool against a minimal Qt dialog program: whole
// processes from launch to first window shown, and the same inside one process
// (building and showing the window only).
#include "app/app_look.h"
#include "app/app_state.h"
#include "app/preferences.h"
#include "app/settings_store.h"
#include "app/setup_dlg.h"

#include <QApplication>
#include <QDialog>
#include <QTemporaryDir>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace {

void RunProcess(benchmark::State& state, const char* program) {
    char* argv[] = {const_cast<char*>(program), nullptr};
    for (auto _ : state) {
        pid_t pid = 0;
        if (posix_spawn(&pid, program, nullptr, nullptr, argv, environ) != 0) {
            state.SkipWithError("cannot start the probe");
            return;
        }
        int status = 0;
        waitpid(pid, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("the probe failed");
            return;
        }
    }
}

void BM_ProcessToolMainWindow(benchmark::State& state) {
    RunProcess(state, STARTUP_PROBE_TOOL);
}
void BM_ProcessMinimalDialog(benchmark::State& state) {
    RunProcess(state, STARTUP_PROBE_MINIMAL);
}

void ShowUntilExposed(QWidget& window) {
    window.show();
    while (window.windowHandle() == nullptr || !window.windowHandle()->isExposed()) {
        QApplication::processEvents();
    }
}

void BM_InProcessToolMainWindow(benchmark::State& state) {
    rosmossel::IniPreferenceStore store(rosmossel::UserPreferencesPath());
    for (auto _ : state) {
        rosmossel::ApplyStartup(rosmossel::SettleStartup(store, 1033));
        rosmossel::CSetupDlg window(store);
        ShowUntilExposed(window);
    }
}

void BM_InProcessMinimalDialog(benchmark::State& state) {
    for (auto _ : state) {
        QDialog dialog;
        ShowUntilExposed(dialog);
    }
}

BENCHMARK(BM_ProcessToolMainWindow)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);
BENCHMARK(BM_ProcessMinimalDialog)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);
BENCHMARK(BM_InProcessToolMainWindow)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_InProcessMinimalDialog)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    // Without a display the windows go to the offscreen platform; the
    // preferences to a scratch folder, so the user's own stay untouched.
    if (std::getenv("DISPLAY") == nullptr && std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QTemporaryDir config;
    setenv("XDG_CONFIG_HOME", config.path().toLocal8Bit().constData(), 1);
    QApplication app(argc, argv);
    rosmossel::ApplyApplicationLook(app);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
