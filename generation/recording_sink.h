// A sink that keeps what a run shows the way the window would: the result lists as rows, the
// classic text, the enabled states, the page, the waiting window, and a log of every call in
// order. The command-line tool prints from it; the tests examine it.
#pragma once

#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "generation/generation_sink.h"

namespace langyue {

class RecordingSink : public GenerationSink {
public:
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
    // Records the message and answers OK.
    MessageAnswer message(const Message& message) override;

    // Everything below is read after the run, or under lock() while it runs.
    std::mutex& mutex() const { return mutex_; }
    std::vector<ResultRow>& rows(ResultList list) { return lists_[list]; }
    const std::string& text() const { return classic_text_; }
    std::vector<EnglishNameRow>& english_rows() { return english_rows_; }
    bool waiting_open() const { return waiting_open_; }
    int page() const { return page_; }
    // The last state a control was set to; true for a control the run never touched.
    bool enabled(RunControlId control) const;
    const std::vector<Message>& messages() const { return messages_; }
    // One line per call, e.g. "waiting shown", "enable 3 0", "fill 0 12" (list, row).
    const std::vector<std::string>& log() const { return log_; }

protected:
    void note(const std::string& line);

private:
    mutable std::mutex mutex_;
    std::map<ResultList, std::vector<ResultRow>> lists_;
    std::map<RunControlId, bool> enabled_;
    std::string classic_text_;
    std::vector<EnglishNameRow> english_rows_;
    bool waiting_open_ = false;
    int page_ = -1;
    std::vector<Message> messages_;
    std::vector<std::string> log_;
};

}  // namespace langyue
