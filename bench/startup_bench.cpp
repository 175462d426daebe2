// Start-up time of the tool against a minimal Qt dialog program: whole
// processes from launch to first window shown, and the same inside one process
// (building and showing the window only).
#include "core/session/preferences.h"
#include "core/session/session.h"
#include "gui/shell/app_look.h"
#include "gui/shell/setup_dlg.h"
#include "platform/ini_store.h"

#include <QApplication>
#include <QDialog>
#include <QTemporaryDir>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace {

// Runs the program to its end; false when it could not start or failed.
bool RunProcess(const char* program) {
    char* argv[] = {const_cast<char*>(program), nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, program, nullptr, nullptr, argv, environ) != 0) {
        return false;
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// The two programs in turns, so that a busy machine slows both alike.
void BM_ProcessStartToFirstWindow(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    Clock::duration tool{}, minimal{};
    for (auto _ : state) {
        const auto t0 = Clock::now();
        const bool toolOk = RunProcess(STARTUP_PROBE_TOOL);
        const auto t1 = Clock::now();
        const bool minimalOk = RunProcess(STARTUP_PROBE_MINIMAL);
        const auto t2 = Clock::now();
        if (!toolOk || !minimalOk) {
            state.SkipWithError("a probe failed");
            return;
        }
        tool += t1 - t0;
        minimal += t2 - t1;
    }
    const auto ms = [&](Clock::duration d) {
        return std::chrono::duration<double, std::milli>(d).count() /
               static_cast<double>(state.iterations());
    };
    state.counters["tool_ms"] = ms(tool);
    state.counters["minimal_ms"] = ms(minimal);
    state.counters["ratio"] = ms(tool) / ms(minimal);
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
        rosmossel::Session session =
            rosmossel::SessionFromStartup(rosmossel::SettleStartup(store, 1033));
        rosmossel::CSetupDlg window(session, store);
        ShowUntilExposed(window);
    }
}

void BM_InProcessMinimalDialog(benchmark::State& state) {
    for (auto _ : state) {
        QDialog dialog;
        ShowUntilExposed(dialog);
    }
}

BENCHMARK(BM_ProcessStartToFirstWindow)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(5.0);
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
