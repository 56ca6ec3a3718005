#include "generation/generation_worker.h"

namespace langyue {

void GenerationWorker::start(std::shared_ptr<RunControl> control,
                             std::function<void(RunControl&)> body) {
    cancel();
    control_ = std::move(control);
    thread_ = std::thread([run = std::move(body), control = control_] { run(*control); });
}

void GenerationWorker::cancel() {
    if (control_) control_->cancel();
    if (thread_.joinable()) thread_.join();
}

void GenerationWorker::pause() {
    if (control_) control_->pause();
}

void GenerationWorker::resume() {
    if (control_) control_->resume();
}

void GenerationWorker::wait() {
    if (thread_.joinable()) thread_.join();
}

}  // namespace langyue
