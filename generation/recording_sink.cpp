#include "generation/recording_sink.h"

namespace langyue {
namespace {

std::string number(ResultList list) { return std::to_string(static_cast<int>(list)); }

}  // namespace

void RecordingSink::note(const std::string& line) { log_.push_back(line); }

void RecordingSink::waiting_window_shown() {
    std::lock_guard lock(mutex_);
    waiting_open_ = true;
    note("waiting shown");
}

void RecordingSink::waiting_window_closed() {
    std::lock_guard lock(mutex_);
    waiting_open_ = false;
    note("waiting closed");
}

void RecordingSink::control_enabled(RunControlId control, bool enabled) {
    std::lock_guard lock(mutex_);
    enabled_[control] = enabled;
    note("enable " + std::to_string(static_cast<int>(control)) + (enabled ? " 1" : " 0"));
}

void RecordingSink::page_shown(int page) {
    std::lock_guard lock(mutex_);
    page_ = page;
    note("page " + std::to_string(page));
}

void RecordingSink::rows_inserted(ResultList list, int count) {
    std::lock_guard lock(mutex_);
    auto& rows = lists_[list];
    rows.resize(rows.size() + static_cast<size_t>(count));
    note("insert " + number(list) + " " + std::to_string(count));
}

void RecordingSink::row_filled(ResultList list, int row, const ResultRow& texts) {
    std::lock_guard lock(mutex_);
    auto& rows = lists_[list];
    if (row >= 0 && static_cast<size_t>(row) < rows.size()) rows[static_cast<size_t>(row)] = texts;
    note("fill " + number(list) + " " + std::to_string(row));
}

void RecordingSink::rows_trimmed(ResultList list, int remaining) {
    std::lock_guard lock(mutex_);
    auto& rows = lists_[list];
    if (static_cast<size_t>(remaining) < rows.size()) rows.resize(static_cast<size_t>(remaining));
    note("trim " + number(list) + " " + std::to_string(remaining));
}

void RecordingSink::rows_sorted(ResultList list) {
    std::lock_guard lock(mutex_);
    sort_by_score(lists_[list]);
    note("sort " + number(list));
}

void RecordingSink::rows_renumbered(ResultList list) {
    std::lock_guard lock(mutex_);
    renumber_rows(lists_[list]);
    note("renumber " + number(list));
}

void RecordingSink::classic_text(const std::string& text) {
    std::lock_guard lock(mutex_);
    classic_text_ = text;
    note("classic " + std::to_string(text.size()));
}

void RecordingSink::poem_names_tab_shown() {
    std::lock_guard lock(mutex_);
    note("poem names tab");
}

void RecordingSink::english_row_added(const EnglishNameRow& row) {
    std::lock_guard lock(mutex_);
    english_rows_.push_back(row);
    note("english " + std::to_string(row.number));
}

MessageAnswer RecordingSink::message(const Message& message) {
    std::lock_guard lock(mutex_);
    messages_.push_back(message);
    note("message");
    return MessageAnswer::kOk;
}

bool RecordingSink::enabled(RunControlId control) const {
    std::lock_guard lock(mutex_);
    const auto found = enabled_.find(control);
    return found == enabled_.end() || found->second;
}

}  // namespace langyue
