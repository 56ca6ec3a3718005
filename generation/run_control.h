// Pause, continue and cancel of a generation run, cooperative: the run looks at this state at
// each of its yield points (between two characters, candidates or rows).
#pragma once

#include <atomic>
#include <condition_variable>
#include <mutex>

namespace langyue {

class RunControl {
public:
    // From any thread. Cancel also ends a pause; a cancelled run stays cancelled.
    void pause();
    void resume();
    void cancel();

    bool cancelled() const { return state_.load(std::memory_order_acquire) == kCancelled; }
    bool paused() const { return state_.load(std::memory_order_acquire) == kPaused; }
    // True while the run stands still at a yield point because of a pause.
    bool waiting() const { return waiting_.load(std::memory_order_acquire); }

    // The cheap test of the hot loops: true when the run may simply go on.
    bool running() const { return state_.load(std::memory_order_relaxed) == kRunning; }
    // Waits while paused; false once cancelled. Called by the run when running() was false.
    bool wait_while_paused();

    // Waits up to `milliseconds` for a cancel; true when cancelled (sinks waiting for an
    // answer from another thread poll with it).
    bool wait_for_cancel(int milliseconds);

private:
    enum State { kRunning = 0, kPaused, kCancelled };
    void set_state(State state);

    std::atomic<int> state_{kRunning};
    std::atomic<bool> waiting_{false};
    std::mutex mutex_;
    std::condition_variable changed_;
};

}  // namespace langyue

namespace langyue {

class GenerationSink;

// Thrown by a yield point of a cancelled run and caught by generation_run, which then makes no
// further change. It never leaves generation_run.
struct RunCancelled {};

// A yield point: goes on at once while the run is running; in a pause it first lets the sink
// show what it holds back, then waits; when cancelled it throws RunCancelled.
class YieldPoint {
public:
    YieldPoint(RunControl& control, GenerationSink& sink) : control_(control), sink_(sink) {}
    void operator()() {
        if (!control_.running()) wait();
    }
    RunControl& control() const { return control_; }

private:
    void wait();
    RunControl& control_;
    GenerationSink& sink_;
};

}  // namespace langyue
