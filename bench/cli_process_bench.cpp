// rosmossel-cli generate as a whole process, against a process that only
// copies a 720-byte file, measured in the same run.
#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

const fs::path& scratch() {
    static const fs::path dir = [] {
        fs::path d = fs::temp_directory_path() / ("rosmossel-bench-" + std::to_string(::getpid()));
        fs::create_directories(d);
        std::ofstream(d / "profile.json")
            << R"({"model": "Ros QuillMG", "mms": {"phone": "01701234567"}})";
        std::ofstream(d / "source.dat", std::ios::binary) << std::string(720, 'x');
        return d;
    }();
    return dir;
}

void runProcess(benchmark::State& state, std::vector<std::string> args) {
    std::vector<char*> argv;
    for (std::string& a : args) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    for (auto _ : state) {
        pid_t pid = 0;
        if (::posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
            state.SkipWithError("cannot start the process");
            return;
        }
        int status = 0;
        ::waitpid(pid, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("the process failed");
            return;
        }
    }
}

void BM_CliGenerate(benchmark::State& state) {
    runProcess(state, {ROSMOSSEL_CLI, "generate", (scratch() / "profile.json").string(), "--out",
                       scratch().string()});
}
BENCHMARK(BM_CliGenerate)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_CopyOneFile(benchmark::State& state) {
    runProcess(state,
               {"/bin/cp", (scratch() / "source.dat").string(), (scratch() / "copy.dat").string()});
}
BENCHMARK(BM_CopyOneFile)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

BENCHMARK_MAIN();
