#include "db/name_database.h"

#include <sqlite3.h>

#include <mutex>

#include "text/gbk.h"

namespace langyue {

QueryCursor& QueryCursor::operator=(QueryCursor&& other) noexcept {
    if (this != &other) {
        finalize();
        statement_ = other.statement_;
        has_row_ = other.has_row_;
        other.statement_ = nullptr;
    }
    return *this;
}

bool QueryCursor::next_row() {
    if (statement_ == nullptr) return false;
    has_row_ = sqlite3_step(statement_) == SQLITE_ROW;
    return has_row_;
}

std::string QueryCursor::column_text(int position) const {
    if (statement_ == nullptr || !has_row_) return {};
    const auto* text = sqlite3_column_text(statement_, position);
    if (text == nullptr) return {};
    const int bytes = sqlite3_column_bytes(statement_, position);
    return utf8_to_gbk(
        std::string_view(reinterpret_cast<const char*>(text), static_cast<size_t>(bytes)));
}

int QueryCursor::column_int(int position) const {
    if (statement_ == nullptr || !has_row_) return 0;
    return sqlite3_column_int(statement_, position);
}

bool QueryCursor::finalize() {
    if (statement_ == nullptr) return false;
    sqlite3_finalize(statement_);
    statement_ = nullptr;
    has_row_ = false;
    return true;
}

bool QueryCursor::run_with(const std::string& value) {
    if (statement_ == nullptr) return false;
    sqlite3_reset(statement_);
    const std::string utf8 = gbk_to_utf8(value);
    sqlite3_bind_text(statement_, 1, utf8.data(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
    has_row_ = sqlite3_step(statement_) == SQLITE_ROW;
    return true;
}

bool NameDatabase::open_memory(const std::string& file_name, bool create) {
    if (is_open()) return false;
    sqlite3* connection = nullptr;
    int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_FULLMUTEX;
    if (create) flags |= SQLITE_OPEN_CREATE;
    if (sqlite3_open_v2(file_name.c_str(), &connection, flags, nullptr) != SQLITE_OK) {
        sqlite3_close(connection);
        return false;
    }
    connection_.store(connection);
    return true;
}

bool NameDatabase::close() {
    std::unique_lock lock(use_);
    sqlite3* connection = connection_.exchange(nullptr);
    if (connection == nullptr) return false;
    // close_v2 waits for cursors still held by other threads instead of failing with BUSY.
    sqlite3_close_v2(connection);
    return true;
}

bool NameDatabase::exec(const std::string& statement, std::string& error) {
    error.clear();
    std::shared_lock lock(use_);
    sqlite3* connection = connection_.load();
    if (connection == nullptr) return false;
    const std::string utf8 = gbk_to_utf8(statement);
    if (utf8.empty() && !statement.empty()) return false;
    char* message = nullptr;
    const int result = sqlite3_exec(connection, utf8.c_str(), nullptr, nullptr, &message);
    if (message != nullptr) {
        error = utf8_to_gbk(message);
        sqlite3_free(message);
    }
    return result == SQLITE_OK;
}

QueryCursor NameDatabase::query(const std::string& statement) {
    QueryCursor cursor = prepare(statement);
    cursor.next_row();
    return cursor;
}

QueryCursor NameDatabase::prepare(const std::string& statement) {
    std::shared_lock lock(use_);
    sqlite3* connection = connection_.load();
    if (connection == nullptr) return {};
    const std::string utf8 = gbk_to_utf8(statement);
    sqlite3_stmt* prepared = nullptr;
    if (sqlite3_prepare_v2(connection, utf8.c_str(), -1, &prepared, nullptr) != SQLITE_OK ||
        prepared == nullptr) {
        sqlite3_finalize(prepared);
        return {};
    }
    return QueryCursor(prepared);
}

std::string NameDatabase::create_statement(const std::string& table,
                                           const std::vector<FieldDef>& fields) {
    std::string statement = "create table " + table;
    if (fields.empty()) return statement;
    statement += " (";
    for (size_t i = 0; i < fields.size(); ++i) {
        const FieldDef& field = fields[i];
        if (i > 0) statement += ",";
        statement += field.name;
        statement += field.type == kFieldInteger ? " Integer" : " VarChar";
        if (field.size != 0) statement += "(" + std::to_string(field.size) + ")";
    }
    statement += ")";
    return statement;
}

bool NameDatabase::create_table(const std::string& table, const std::vector<FieldDef>& fields,
                                std::string& error) {
    return exec(create_statement(table, fields), error);
}

bool NameDatabase::attach(const std::string& path, const std::string& schema,
                          std::string& error) {
    return exec("Attach Database '" + path + "' as " + schema, error);
}

bool NameDatabase::detach(const std::string& schema, std::string& error) {
    return exec("Detach Database " + schema, error);
}

bool NameDatabase::begin() {
    std::string error;
    return exec("BEGIN", error);
}

bool NameDatabase::commit() {
    std::string error;
    return exec("COMMIT", error);
}

bool NameDatabase::rollback() {
    std::string error;
    return exec("ROLLBACK", error);
}

NameDatabase& name_database() {
    static NameDatabase instance;
    return instance;
}

}  // namespace langyue
