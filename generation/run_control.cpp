#include "generation/run_control.h"

#include <chrono>

namespace langyue {

void RunControl::set_state(State state) {
    {
        std::lock_guard lock(mutex_);
        if (state_.load() == kCancelled) return;
        state_.store(state, std::memory_order_release);
    }
    changed_.notify_all();
}

void RunControl::pause() { set_state(kPaused); }
void RunControl::resume() { set_state(kRunning); }
void RunControl::cancel() { set_state(kCancelled); }

bool RunControl::wait_while_paused() {
    std::unique_lock lock(mutex_);
    if (state_.load() == kPaused) {
        waiting_.store(true, std::memory_order_release);
        changed_.wait(lock, [this] { return state_.load() != kPaused; });
        waiting_.store(false, std::memory_order_release);
    }
    return state_.load() != kCancelled;
}

bool RunControl::wait_for_cancel(int milliseconds) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, std::chrono::milliseconds(milliseconds),
                             [this] { return state_.load() == kCancelled; });
}

}  // namespace langyue

#include "generation/generation_sink.h"

namespace langyue {

void YieldPoint::wait() {
    if (control_.paused()) sink_.flush();
    if (!control_.wait_while_paused()) throw RunCancelled{};
}

}  // namespace langyue
