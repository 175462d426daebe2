#pragma once

// Cards a test puts in and takes out, and the eject outcome it plays. The
// card watcher asks from its own thread, so everything is behind a lock; a
// test may also hold every look (a card that stops answering).

#include "core/card/card.h"

#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

namespace rosmossel::testing {

class FakeCardSource : public CardSource {
  public:
    void put(std::vector<Card> cards) {
        const std::lock_guard lock(mutex_);
        inserted_ = std::move(cards);
    }
    void playEject(EjectResult result) {
        const std::lock_guard lock(mutex_);
        ejectResult_ = std::move(result);
    }
    std::vector<std::string> ejected() const { // the roots asked to eject
        const std::lock_guard lock(mutex_);
        return ejected_;
    }
    // While held, every look waits, as for a card that does not answer.
    void hold(bool held) {
        {
            const std::lock_guard lock(mutex_);
            held_ = held;
        }
        released_.notify_all();
    }

    std::vector<Card> cards() const override {
        std::unique_lock lock(mutex_);
        released_.wait(lock, [this] { return !held_; });
        return inserted_;
    }
    EjectResult eject(const Card& card) const override {
        std::unique_lock lock(mutex_);
        released_.wait(lock, [this] { return !held_; });
        ejected_.push_back(card.root);
        return ejectResult_;
    }

  private:
    mutable std::mutex mutex_;
    mutable std::condition_variable released_;
    std::vector<Card> inserted_;
    EjectResult ejectResult_{EjectOutcome::Ejected, {}};
    mutable std::vector<std::string> ejected_;
    bool held_ = false;
};

inline Card TestCard(std::string root, std::string label, bool writeProtected = false) {
    return {std::move(root), std::move(label), "FAT32",
            7'948'206'080,   7'400'000'000,    writeProtected ? ReadOnly::LockSwitch : ReadOnly::No,
            "/dev/sdb1"};
}

} // namespace rosmossel::testing
