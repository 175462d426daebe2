#include "platform/card_watcher.h"

#ifdef _WIN32
#include "platform/windows_api.h"

#include <dbt.h>
#else
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

#ifdef _WIN32
// A hidden top-level window of the watcher's thread: Windows broadcasts a
// volume's arrival and removal to top-level windows only.
LRESULT CALLBACK noticeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DEVICECHANGE &&
        (wParam == DBT_DEVICEARRIVAL || wParam == DBT_DEVICEREMOVECOMPLETE)) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 1);
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND noticeWindow() {
    static const ATOM kind = [] {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = noticeProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"RosMosselCardNotices";
        return RegisterClassW(&windowClass);
    }();
    return kind != 0 ? CreateWindowExW(0, L"RosMosselCardNotices", L"", WS_POPUP, 0, 0, 0, 0,
                                       nullptr, nullptr, GetModuleHandleW(nullptr), nullptr)
                     : nullptr;
}
#endif

} // namespace

CardWatcher::CardWatcher(const CardSource& source, std::function<void()> changed,
                         std::chrono::milliseconds fallbackPoll)
    : source_(source), changed_(std::move(changed)), fallbackPoll_(fallbackPoll) {
#ifdef _WIN32
    wakeEvent_ = CreateEventW(nullptr, FALSE, FALSE, nullptr);
#else
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
#ifdef _WIN32
    if (wakeEvent_ != nullptr) {
        CloseHandle(wakeEvent_);
    }
#else
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
#ifdef _WIN32
    if (wakeEvent_ != nullptr) {
        SetEvent(wakeEvent_);
    }
#else
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
#ifdef _WIN32
    noticeWindow_ = noticeWindow();
    struct Closing {
        void*& window;
        ~Closing() {
            if (window != nullptr) {
                DestroyWindow(static_cast<HWND>(window));
            }
        }
    } closing{noticeWindow_};
#endif
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
#else
    if (wakeEvent_ != nullptr && noticeWindow_ != nullptr) {
        {
            const std::lock_guard lock(mutex_);
            if (again_ || stop_) {
                return;
            }
        }
        // Until a volume arrives or goes, someone asks, or the time is up.
        const auto window = static_cast<HWND>(noticeWindow_);
        const auto until = std::chrono::steady_clock::now() + fallbackPoll_;
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        for (;;) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                until - std::chrono::steady_clock::now());
            if (left.count() <= 0) {
                return;
            }
            HANDLE wake = wakeEvent_;
            const DWORD woke = MsgWaitForMultipleObjects(
                1, &wake, FALSE, static_cast<DWORD>(left.count()), QS_ALLINPUT);
            if (woke != WAIT_OBJECT_0 + 1) {
                return; // asked, the time is up, or the wait failed
            }
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                DispatchMessageW(&message);
            }
            if (GetWindowLongPtrW(window, GWLP_USERDATA) != 0) {
                return;
            }
        }
    }
#endif
    closeTable(table);
    std::unique_lock lock(mutex_);
    wake_.wait_for(lock, fallbackPoll_, [this] { return again_ || stop_; });
}

} // namespace rosmossel
