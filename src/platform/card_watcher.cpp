#include "platform/card_watcher.h"

#ifndef _WIN32
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>
#endif

namespace rosmossel {
namespace {

void closeTable([[maybe_unused]] int table) {
#ifndef _WIN32
    if (table >= 0) {
        ::close(table);
    }
#endif
}

} // namespace

CardWatcher::CardWatcher(const CardSource& source, std::function<void()> changed,
                         std::chrono::milliseconds fallbackPoll)
    : source_(source), changed_(std::move(changed)), fallbackPoll_(fallbackPoll) {
#ifndef _WIN32
    if (::pipe2(wakeFd_, O_CLOEXEC | O_NONBLOCK) != 0) {
        wakeFd_[0] = wakeFd_[1] = -1; // the fallback poll still works
    }
#endif
}

CardWatcher::~CardWatcher() {
    {
        const std::lock_guard lock(mutex_);
        stop_ = true;
    }
    refresh();
    if (thread_.joinable()) {
        thread_.join();
    }
    if (ejectThread_.joinable()) {
        ejectThread_.join();
    }
#ifndef _WIN32
    for (int fd : wakeFd_) {
        if (fd >= 0) {
            ::close(fd);
        }
    }
#endif
}

void CardWatcher::start() {
    if (!thread_.joinable()) {
        thread_ = std::thread([this] { watch(); });
    }
}

std::vector<Card> CardWatcher::cards() const {
    const std::lock_guard lock(mutex_);
    return cards_;
}

bool CardWatcher::looked() const {
    const std::lock_guard lock(mutex_);
    return firstLook_;
}

bool CardWatcher::waitForFirstLook(std::chrono::milliseconds limit) const {
    std::unique_lock lock(mutex_);
    return looked_.wait_for(lock, limit, [this] { return firstLook_; });
}

void CardWatcher::refresh() {
    {
        const std::lock_guard lock(mutex_);
        again_ = true;
    }
    wake_.notify_all();
#ifndef _WIN32
    if (wakeFd_[1] >= 0) {
        [[maybe_unused]] const auto written = ::write(wakeFd_[1], "x", 1);
    }
#endif
}

bool CardWatcher::eject(const Card& card, std::function<void(EjectResult)> done) {
    {
        const std::lock_guard lock(mutex_);
        if (ejecting_ || stop_) {
            return false;
        }
        ejecting_ = true;
    }
    if (ejectThread_.joinable()) {
        ejectThread_.join(); // the last eject, long finished
    }
    ejectThread_ = std::thread([this, card, done = std::move(done)] {
        const EjectResult result = source_.eject(card);
        // The list first, so that whoever hears of the result sees the card gone.
        {
            std::vector<Card> cards = source_.cards();
            const std::lock_guard lock(mutex_);
            cards_ = std::move(cards);
            ejecting_ = false;
        }
        done(result);
        changed_();
    });
    return true;
}

void CardWatcher::watch() {
    for (;;) {
#ifndef _WIN32
        // Opened before the look, so that a mount during it is noticed.
        const int table = ::open("/proc/self/mountinfo", O_RDONLY | O_CLOEXEC);
#else
        const int table = -1;
#endif
        {
            const std::lock_guard lock(mutex_);
            if (stop_) {
                closeTable(table);
                return;
            }
            again_ = false;
        }
        std::vector<Card> cards = source_.cards();
        bool changed = false;
        {
            const std::lock_guard lock(mutex_);
            if (stop_) {
                closeTable(table);
                return;
            }
            changed = !firstLook_ || cards != cards_;
            cards_ = std::move(cards);
            firstLook_ = true;
        }
        looked_.notify_all();
        if (changed) {
            changed_();
        }
        waitForNotice(table);
    }
}

// Until the mount table changes, someone asks, or the fallback time passed.
void CardWatcher::waitForNotice(int table) {
#ifndef _WIN32
    if (table >= 0 && wakeFd_[0] >= 0) {
        {
            const std::lock_guard lock(mutex_);
            if (again_ || stop_) {
                closeTable(table);
                return;
            }
        }
        // The table reports every mount and unmount since it was opened as
        // POLLPRI; the pipe is someone asking.
        pollfd fds[2] = {{table, POLLPRI, 0}, {wakeFd_[0], POLLIN, 0}};
        ::poll(fds, 2, static_cast<int>(fallbackPoll_.count()));
        closeTable(table);
        char drained[64];
        while (::read(wakeFd_[0], drained, sizeof drained) > 0) {
        }
        return;
    }
#endif
    closeTable(table);
    std::unique_lock lock(mutex_);
    wake_.wait_for(lock, fallbackPoll_, [this] { return again_ || stop_; });
}

} // namespace rosmossel
