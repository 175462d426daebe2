// Building each file in memory, the checksum per byte, and writing a file:
// flushed, renamed, the folder flushed, read back past the cache.
#include "core/format/crc16.h"
#include "core/format/safe_writer.h"
#include "core/menu/menu_record.h"
#include "core/mms/setup_file.h"
#include "core/smtp/smtp_file.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <vector>

namespace {

using namespace rosmossel;

void BM_SettingsCrc16(benchmark::State& state) {
    std::vector<std::uint8_t> data(static_cast<std::size_t>(state.range(0)));
    for (std::size_t i = 0; i < data.size(); ++i) {
        data[i] = static_cast<std::uint8_t>(i * 31);
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(SettingsCrc16(data));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_SettingsCrc16)->Arg(50)->Arg(660)->Arg(64 * 1024);

void BM_BuildMenuRecord(benchmark::State& state) {
    const MenuSettings settings = DefaultMenuSettings(Family::Quill);
    for (auto _ : state) {
        benchmark::DoNotOptimize(BuildMenuRecord(settings));
    }
}
BENCHMARK(BM_BuildMenuRecord);

void BM_BuildSetupFile(benchmark::State& state) {
    MmsSettings settings = DefaultMmsSettings(Family::Quill);
    settings.url = "http://mms.example.org/servlets/mms";
    settings.phone = "01701234567";
    settings.email = "owner@example.org";
    for (auto _ : state) {
        benchmark::DoNotOptimize(BuildSetupFile(settings));
    }
}
BENCHMARK(BM_BuildSetupFile);

void BM_BuildSmtpFile(benchmark::State& state) {
    SmtpSettings settings = DefaultSmtpSettings(Family::Sedge);
    settings.server = "smtp.example.org";
    settings.senderAddress = "camera@example.org";
    settings.recipient = "owner@example.org";
    for (auto _ : state) {
        benchmark::DoNotOptimize(BuildSmtpFile(settings));
    }
}
BENCHMARK(BM_BuildSmtpFile);

// One 720-byte file written into a folder beside the benchmark (a local
// disk); argument 1 reads it back, 0 leaves that out: the difference is what
// the read-back costs per file. A Generate writes at most three files.
void BM_WriteFileSafely(benchmark::State& state) {
    const std::filesystem::path folder = std::filesystem::current_path() / "rosmossel-write-bench";
    std::filesystem::create_directories(folder);
    const std::string path = FilePathInFolder(folder.string(), "setup.dat");
    const Bytes bytes = BuildSetupFile(DefaultMmsSettings(Family::Quill)).bytes;
    WriteOptions options;
    options.readBack = state.range(0) == 1;
    for (auto _ : state) {
        if (WriteFileSafely(path, bytes, options)) {
            state.SkipWithError("the write failed");
            break;
        }
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_WriteFileSafely)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
