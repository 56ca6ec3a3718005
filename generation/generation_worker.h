// The generation worker: at most one run at a time on a thread of its own. Starting a run
// cancels the active one first (and waits for it to stop), so a second press of a generate
// button never leaves two runs side by side.
#pragma once

#include <functional>
#include <memory>
#include <thread>

#include "generation/run_control.h"

namespace langyue {

class GenerationWorker {
public:
    GenerationWorker() = default;
    GenerationWorker(const GenerationWorker&) = delete;
    GenerationWorker& operator=(const GenerationWorker&) = delete;
    ~GenerationWorker() { cancel(); }

    // Cancels the current run, waits for its thread, and runs `body` on a new thread with
    // `control` as the new run's control.
    void start(std::shared_ptr<RunControl> control, std::function<void(RunControl&)> body);

    // cancel_generation: stops the current run wherever it stands, also in a pause, and waits
    // for its thread. A sink must not make the worker wait for the calling thread without
    // watching the control (see RunControl::wait_for_cancel).
    void cancel();
    // Suspends or resumes the current run; nothing happens without one.
    void pause();
    void resume();
    // Waits until the current run has ended by itself.
    void wait();

    // The current run's control; null before the first start.
    std::shared_ptr<RunControl> control() const { return control_; }

private:
    std::shared_ptr<RunControl> control_;
    std::thread thread_;
};

}  // namespace langyue
