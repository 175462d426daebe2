#pragma once

// The one watcher of the inserted cards: it looks on a thread of its own,
// whenever the system says the mounts changed (Linux: the mount table's
// change notice; Windows: WM_DEVICECHANGE) and, as a fallback, every little
// while; it keeps the last
// list and says when it changed. Nothing here blocks its caller: a card that
// does not answer is listed as not responding by the finder, and an eject
// runs on the watcher's own eject thread.

#include "core/card/card.h"

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace rosmossel {

// How often the watcher looks without a notice: where the system gives
// notices, only to see free space and cards that answer again.
inline constexpr std::chrono::milliseconds kCardFallbackPoll{3000};

class CardWatcher {
  public:
    // `changed` runs on the watcher's thread after the list changed (the
    // first look included); `source` must outlive the watcher.
    CardWatcher(const CardSource& source, std::function<void()> changed,
                std::chrono::milliseconds fallbackPoll = kCardFallbackPoll);
    ~CardWatcher(); // waits for the look under way, and an eject under way
    CardWatcher(const CardWatcher&) = delete;
    CardWatcher& operator=(const CardWatcher&) = delete;

    // Starts looking; nothing is read before (a window starts it once shown).
    void start();
    // The last list; empty before the first look ended.
    std::vector<Card> cards() const;
    bool looked() const;
    // Look again now, as after a write that changed the free space.
    void refresh();
    // Waits up to `limit` for the first look; whether it ended.
    bool waitForFirstLook(std::chrono::milliseconds limit) const;

    // Ejects `card` on the eject thread and hands the result to `done`
    // there, then looks again. False (and nothing done) while another eject
    // is under way.
    bool eject(const Card& card, std::function<void(EjectResult)> done);

  private:
    void watch();
    void waitForNotice(int table);

    const CardSource& source_;
    std::function<void()> changed_;
    std::chrono::milliseconds fallbackPoll_;

    mutable std::mutex mutex_;
    mutable std::condition_variable looked_;
    std::condition_variable wake_;
    std::vector<Card> cards_;
    bool firstLook_ = false;
    bool again_ = false;
    bool stop_ = false;
    bool ejecting_ = false;
#ifdef _WIN32
    void* wakeEvent_ = nullptr;    // wakes the wait on the system's notice
    void* noticeWindow_ = nullptr; // hears of volumes arriving and going
#else
    int wakeFd_[2] = {-1, -1}; // wakes the wait on the system's notice
#endif
    std::thread thread_;
    std::thread ejectThread_;
};

} // namespace rosmossel
