// What watching the cards costs: one look at the system's cards, the part
// each card adds to a look, and the processor time the watcher takes in a
// second while nothing changes, with 0, 1 and 4 cards inserted.
#include "platform/card_watcher.h"
#include "platform/cards.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <sys/statvfs.h>

#include <thread>

namespace {

using namespace rosmossel;

// A look at this machine's mount table, devices and cards.
void BM_SystemLook(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(FindCards());
    }
}
BENCHMARK(BM_SystemLook)->Unit(benchmark::kMicrosecond);

// What each card adds: its free space asked beside the caller, in time.
void BM_CardCallsPerLook(benchmark::State& state) {
    for (auto _ : state) {
        std::vector<std::function<void()>> work;
        for (int i = 0; i < state.range(0); ++i) {
            work.emplace_back([] {
                struct statvfs space {};
                ::statvfs("/", &space);
            });
        }
        benchmark::DoNotOptimize(RunAllWithin(kCardAnswerLimit, std::move(work)));
    }
}
BENCHMARK(BM_CardCallsPerLook)->Arg(0)->Arg(1)->Arg(4)->Unit(benchmark::kMicrosecond);

// Cards as a source that costs what the system's does per card.
class MeasuredCards final : public CardSource {
  public:
    explicit MeasuredCards(int count) : count_(count) {}
    std::vector<Card> cards() const override {
        std::vector<Card> cards = FindCards(); // the table, the devices
        std::vector<std::function<void()>> work;
        for (int i = 0; i < count_; ++i) {
            work.emplace_back([] {
                struct statvfs space {};
                ::statvfs("/", &space);
            });
            cards.push_back({"/media/cam" + std::to_string(i), "CAM", "FAT32", 1, 1, ReadOnly::No,
                             "/dev/sdb1", true});
        }
        RunAllWithin(kCardAnswerLimit, std::move(work));
        return cards;
    }
    EjectResult eject(const Card&) const override { return {}; }

  private:
    int count_;
};

double processorSeconds() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The watcher idle for one fallback period, its look included: the
// processor time it took per second.
void BM_WatcherIdleSecond(benchmark::State& state) {
    const MeasuredCards source(static_cast<int>(state.range(0)));
    double busy = 0;
    for (auto _ : state) {
        CardWatcher watcher(source, [] {});
        watcher.start();
        watcher.waitForFirstLook(std::chrono::seconds(5));
        const double before = processorSeconds();
        std::this_thread::sleep_for(kCardFallbackPoll);
        busy += processorSeconds() - before;
    }
    const double seconds = std::chrono::duration<double>(kCardFallbackPoll).count();
    state.counters["cpu_ms_per_s"] =
        benchmark::Counter(busy * 1000 / seconds / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_WatcherIdleSecond)
    ->Arg(0)
    ->Arg(1)
    ->Arg(4)
    ->Iterations(2)
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
