// The program's one connection to the database engine, and the cursor of a query.
//
// Statements go in as GBK and are handed to the engine as UTF-8; every text that comes back
// (column values, error messages) is converted to GBK again. Failures are values: a query
// that cannot be prepared gives a cursor that is none, and every read of a none cursor gives
// empty text or 0.
#pragma once

#include <atomic>
#include <shared_mutex>
#include <string>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace langyue {

enum FieldType { kFieldInteger = 3, kFieldVarChar = 10 };

// One column of a table definition for create_table. Texts are GBK.
struct FieldDef {
    std::string name;
    int type = kFieldVarChar;
    int size = 0;
    int attributes = 0;
    std::string default_value;
};

// A prepared query standing on its current row. Owned by the reader that made it; released
// by finalize() or, at the latest, when it goes out of scope.
class QueryCursor {
public:
    QueryCursor() = default;
    explicit QueryCursor(sqlite3_stmt* statement) : statement_(statement) {}
    QueryCursor(QueryCursor&& other) noexcept
        : statement_(other.statement_), has_row_(other.has_row_) {
        other.statement_ = nullptr;
        other.has_row_ = false;
    }
    QueryCursor& operator=(QueryCursor&& other) noexcept;
    QueryCursor(const QueryCursor&) = delete;
    QueryCursor& operator=(const QueryCursor&) = delete;
    ~QueryCursor() { finalize(); }

    // True when the query could not be prepared (the cursor is none).
    bool is_none() const { return statement_ == nullptr; }
    // Steps once; true only while the engine reports a row.
    bool next_row();
    // GBK text of a column of the current row; empty when missing, without row, or none.
    std::string column_text(int position) const;
    // Integer value of a column; 0 when missing.
    int column_int(int position) const;
    // Releases the statement; false and nothing done for none.
    bool finalize();
    // Runs a prepared query again with one text value (GBK) bound to its "?" and steps once,
    // so a lookup repeated for many values is prepared only once. False for none.
    bool run_with(const std::string& value);

private:
    sqlite3_stmt* statement_ = nullptr;
    bool has_row_ = false;
    friend class NameDatabase;
};

class NameDatabase {
public:
    NameDatabase() = default;
    NameDatabase(const NameDatabase&) = delete;
    NameDatabase& operator=(const NameDatabase&) = delete;
    ~NameDatabase() { close(); }

    // Opens a database (":memory:" unless a file is named), read-write, in the engine's
    // serialized threading mode so that every thread may share the connection.
    bool open_memory(const std::string& file_name = ":memory:", bool create = false);
    bool close();
    bool is_open() const { return connection_.load() != nullptr; }

    // Runs a statement without results. `error` receives the engine's message (GBK), or
    // empty text on success.
    bool exec(const std::string& statement, std::string& error);
    // Prepares a query and steps once, so the cursor stands on the first row (or on none).
    QueryCursor query(const std::string& statement);
    // Prepares a query with one "?" for QueryCursor::run_with, without running it.
    QueryCursor prepare(const std::string& statement);

    bool create_table(const std::string& table, const std::vector<FieldDef>& fields,
                      std::string& error);
    bool attach(const std::string& path, const std::string& schema, std::string& error);
    bool detach(const std::string& schema, std::string& error);
    bool begin();
    bool commit();
    bool rollback();

    // The create statement create_table sends, e.g.
    // "create table LM_Poet (Id Integer(10),Poet VarChar(10),PoemCount VarChar(10),OrderId Integer(10))".
    static std::string create_statement(const std::string& table,
                                        const std::vector<FieldDef>& fields);

private:
    std::atomic<sqlite3*> connection_{nullptr};
    // Statements are prepared and run under a shared lock and the connection is closed under
    // an exclusive one, so closing at exit never pulls the connection away from a generation
    // run in the middle of a query. Cursors already handed out stay valid: the engine keeps a
    // closed connection alive until its last statement is finalized.
    mutable std::shared_mutex use_;
};

// The one connection of the whole program.
NameDatabase& name_database();

}  // namespace langyue
