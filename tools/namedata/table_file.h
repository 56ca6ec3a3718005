// Writing the database file: the nine tables created from the program's own definitions and
// filled row by row. Texts here are UTF-8, the file's encoding.
#pragma once

#include <string>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace namedata {

class TableFile {
public:
    // Creates a fresh file at `path` (an existing one is replaced) with the nine empty tables.
    explicit TableFile(const std::string& path);
    ~TableFile();
    TableFile(const TableFile&) = delete;
    TableFile& operator=(const TableFile&) = delete;

    bool ok() const { return error_.empty(); }
    const std::string& error() const { return error_; }

    // The column names of a table (UTF-8), in table order; empty for an unknown table.
    std::vector<std::string> columns(const std::string& table) const;
    // Whether a column is declared Integer.
    bool is_integer_column(const std::string& table, size_t position) const;

    // Appends one row; values are texts, converted to integers for Integer columns.
    bool insert(const std::string& table, const std::vector<std::string>& values);
    // Commits everything written; false (with error()) when the engine refused.
    bool finish();

private:
    sqlite3* connection_ = nullptr;
    std::string error_;
    std::string current_table_;
    sqlite3_stmt* insert_ = nullptr;
};

// Reads a table file of resources/data: line 1 the column names, then one row a line,
// fields separated by TAB. Returns false with a message when a line has the wrong field count.
bool read_tsv(const std::string& path, std::vector<std::string>& header,
              std::vector<std::vector<std::string>>& rows, std::string& error);

}  // namespace namedata
