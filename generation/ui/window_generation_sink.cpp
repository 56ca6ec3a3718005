#include "generation/ui/window_generation_sink.h"

#include <QMetaObject>
#include <condition_variable>
#include <mutex>

#include "app/ui/qt_text.h"
#include "generation/ui/generation_controller.h"

namespace langyue {
namespace {

// Rows are held back until this many are waiting or this much time has passed.
constexpr size_t kBatchRows = 200;
constexpr auto kBatchTime = std::chrono::milliseconds(40);

QStringList row_texts(const ResultRow& row) {
    QStringList texts;
    texts.reserve(static_cast<int>(row.cells.size()));
    for (const std::string& cell : row.cells) texts.append(from_gbk(cell));
    return texts;
}

}  // namespace

WindowGenerationSink::WindowGenerationSink(GenerationController* controller,
                                   std::shared_ptr<RunControl> control)
    : controller_(controller),
      control_(std::move(control)),
      last_sent_(std::chrono::steady_clock::now()) {}

void WindowGenerationSink::post(std::function<void(GenerationController&)> change) {
    send_pending_rows();
    GenerationController* controller = controller_.data();
    if (controller == nullptr) return;
    QMetaObject::invokeMethod(
        controller,
        [controller, control = control_, change = std::move(change)] {
            if (!control->cancelled()) change(*controller);
        },
        Qt::QueuedConnection);
}

void WindowGenerationSink::send_pending_rows() {
    last_sent_ = std::chrono::steady_clock::now();
    if (pending_.empty()) return;
    GenerationController* controller = controller_.data();
    if (controller == nullptr) return;
    QMetaObject::invokeMethod(
        controller,
        [controller, control = control_, rows = std::move(pending_)] {
            if (control->cancelled()) return;
            for (const PendingRow& row : rows) controller->fill_row(row.list, row.row, row.texts);
        },
        Qt::QueuedConnection);
    pending_.clear();
}

void WindowGenerationSink::waiting_window_shown() {
    post([](GenerationController& c) { c.show_waiting_window(); });
}

void WindowGenerationSink::waiting_window_closed() {
    post([](GenerationController& c) { c.close_waiting_window(); });
}

void WindowGenerationSink::control_enabled(RunControlId control, bool enabled) {
    post([control, enabled](GenerationController& c) { c.set_enabled(control, enabled); });
}

void WindowGenerationSink::page_shown(int page) {
    post([page](GenerationController& c) { c.show_page(page); });
}

void WindowGenerationSink::rows_inserted(ResultList list, int count) {
    post([list, count](GenerationController& c) { c.insert_rows(list, count); });
}

void WindowGenerationSink::row_filled(ResultList list, int row, const ResultRow& texts) {
    pending_.push_back({list, row, row_texts(texts)});
    if (pending_.size() >= kBatchRows || std::chrono::steady_clock::now() - last_sent_ >= kBatchTime) {
        send_pending_rows();
    }
}

void WindowGenerationSink::rows_trimmed(ResultList list, int remaining) {
    post([list, remaining](GenerationController& c) { c.trim_rows(list, remaining); });
}

void WindowGenerationSink::rows_sorted(ResultList list) {
    post([list](GenerationController& c) { c.sort_rows(list); });
}

void WindowGenerationSink::rows_renumbered(ResultList list) {
    post([list](GenerationController& c) { c.renumber_rows(list); });
}

void WindowGenerationSink::classic_text(const std::string& text) {
    post([text = from_gbk(text)](GenerationController& c) { c.set_classic_text(text); });
}

void WindowGenerationSink::poem_names_tab_shown() {
    post([](GenerationController& c) { c.show_poem_names_tab(); });
}

void WindowGenerationSink::english_row_added(const EnglishNameRow& row) {
    post([row](GenerationController& c) { c.add_english_row(row); });
}

MessageAnswer WindowGenerationSink::message(const Message& message) {
    struct Answer {
        std::mutex mutex;
        std::condition_variable given;
        bool done = false;
        MessageAnswer answer = MessageAnswer::kOk;
    };
    auto answer = std::make_shared<Answer>();
    post([answer, message](GenerationController&) {
        const MessageAnswer given = show_message(message);
        {
            std::lock_guard lock(answer->mutex);
            answer->answer = given;
            answer->done = true;
        }
        answer->given.notify_all();
    });
    // The run waits for the answer; a cancel (the window closing, a new start) ends the wait.
    std::unique_lock lock(answer->mutex);
    while (!answer->done) {
        if (answer->given.wait_for(lock, std::chrono::milliseconds(20), [&] { return answer->done; })) {
            break;
        }
        if (control_->cancelled() || controller_.isNull()) return MessageAnswer::kCancel;
    }
    return answer->answer;
}

void WindowGenerationSink::flush() { send_pending_rows(); }

}  // namespace langyue
