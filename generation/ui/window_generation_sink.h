// The main window's GenerationSink: every call of the generation worker is posted to the
// window's thread in order and applied there by the GenerationController, unless the run has
// been cancelled by then. Filled rows are sent in small batches; a message box halts the run
// until the user has answered it (or the run is cancelled).
#pragma once

#include <QPointer>
#include <QStringList>
#include <chrono>
#include <functional>
#include <memory>
#include <vector>

#include "generation/generation_sink.h"
#include "generation/run_control.h"

namespace langyue {

class GenerationController;

class WindowGenerationSink : public GenerationSink {
public:
    WindowGenerationSink(GenerationController* controller, std::shared_ptr<RunControl> control);

    void waiting_window_shown() override;
    void waiting_window_closed() override;
    void control_enabled(RunControlId control, bool enabled) override;
    void page_shown(int page) override;
    void rows_inserted(ResultList list, int count) override;
    void row_filled(ResultList list, int row, const ResultRow& texts) override;
    void rows_trimmed(ResultList list, int remaining) override;
    void rows_sorted(ResultList list) override;
    void rows_renumbered(ResultList list) override;
    void classic_text(const std::string& text) override;
    void poem_names_tab_shown() override;
    void english_row_added(const EnglishNameRow& row) override;
    MessageAnswer message(const Message& message) override;
    void flush() override;

private:
    struct PendingRow {
        ResultList list;
        int row;
        QStringList texts;
    };

    // Posts a change to the window's thread, after the rows held back.
    void post(std::function<void(GenerationController&)> change);
    void send_pending_rows();

    QPointer<GenerationController> controller_;
    std::shared_ptr<RunControl> control_;
    std::vector<PendingRow> pending_;
    std::chrono::steady_clock::time_point last_sent_;
};

}  // namespace langyue
