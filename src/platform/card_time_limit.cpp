#include "platform/cards.h"

#include <algorithm>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

namespace rosmossel {

std::vector<bool> RunAllWithin(std::chrono::milliseconds limit,
                               std::vector<std::function<void()>> work) {
    struct State {
        std::mutex mutex;
        std::condition_variable finished;
        std::vector<bool> done;
    };
    auto state = std::make_shared<State>();
    state->done.assign(work.size(), false);
    for (std::size_t i = 0; i < work.size(); ++i) {
        // Detached: a card that never answers must not hold its caller.
        std::thread([state, i, job = std::move(work[i])] {
            job();
            const std::lock_guard lock(state->mutex);
            state->done[i] = true;
            state->finished.notify_all();
        }).detach();
    }
    std::unique_lock lock(state->mutex);
    state->finished.wait_for(lock, limit, [&] {
        return std::find(state->done.begin(), state->done.end(), false) == state->done.end();
    });
    return state->done;
}

} // namespace rosmossel
