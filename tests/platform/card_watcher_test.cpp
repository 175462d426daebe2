#include "platform/card_watcher.h"

#include "support/fake_cards.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <thread>

namespace rosmossel {
namespace {

using namespace std::chrono_literals;
using testing::FakeCardSource;
using testing::TestCard;

// Waits until `done` holds, up to two seconds.
template <typename Condition> bool eventually(Condition done) {
    for (int i = 0; i < 200 && !done(); ++i) {
        std::this_thread::sleep_for(10ms);
    }
    return done();
}

// The watcher tells of every change, whether asked to look again or on its
// own (the fallback look), and of nothing while nothing changes.
TEST(CardWatcherTest, ChangesAreToldOnce) {
    const struct {
        const char* what;
        std::chrono::milliseconds fallback;
        bool refresh;
    } cases[] = {{"asked to look again", 10s, true}, {"the fallback look", 20ms, false}};
    for (const auto& c : cases) {
        FakeCardSource source;
        std::atomic<int> told = 0;
        CardWatcher watcher(
            source, [&] { ++told; }, c.fallback);
        EXPECT_FALSE(watcher.looked()) << c.what; // nothing read before start
        watcher.start();
        ASSERT_TRUE(watcher.waitForFirstLook(2s)) << c.what;
        EXPECT_TRUE(eventually([&] { return told == 1; })) << c.what;

        const std::vector<Card> one = {TestCard("/media/CAM", "CAM")};
        source.put(one);
        if (c.refresh) {
            watcher.refresh();
        }
        EXPECT_TRUE(eventually([&] { return watcher.cards() == one; })) << c.what;
        EXPECT_TRUE(eventually([&] { return told == 2; })) << c.what;
        if (c.refresh) {
            watcher.refresh(); // the same cards: nothing to tell
        }
        std::this_thread::sleep_for(100ms);
        EXPECT_EQ(told, 2) << c.what;
    }
}

// An eject runs beside its caller, one at a time; the list it leaves is in
// place before its result is handed over.
TEST(CardWatcherTest, EjectRunsBesideTheCaller) {
    FakeCardSource source;
    const Card cam = TestCard("/media/CAM", "CAM");
    source.put({cam});
    CardWatcher watcher(
        source, [] {}, 10s);
    watcher.start();
    ASSERT_TRUE(watcher.waitForFirstLook(2s));

    source.hold(true); // a password prompt
    source.playEject({EjectOutcome::Ejected, {}});
    std::promise<std::pair<EjectResult, std::size_t>> ended;
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(watcher.eject(cam, [&](EjectResult result) {
        ended.set_value({result, watcher.cards().size()});
    }));
    EXPECT_LT(std::chrono::steady_clock::now() - start, 500ms);
    EXPECT_FALSE(watcher.eject(cam, [](EjectResult) {})); // one at a time
    source.put({});
    source.hold(false);
    auto result = ended.get_future();
    ASSERT_EQ(result.wait_for(2s), std::future_status::ready);
    const auto [ejected, cardsThen] = result.get();
    EXPECT_EQ(ejected.outcome, EjectOutcome::Ejected);
    EXPECT_EQ(cardsThen, 0u);
    EXPECT_EQ(source.ejected(), std::vector<std::string>{"/media/CAM"});
}

} // namespace
} // namespace rosmossel
