#include "tools/namedata/table_file.h"

#include <sqlite3.h>

#include <cstdio>
#include <fstream>

#include "db/table_definitions.h"
#include "text/gbk.h"

namespace namedata {
namespace {

const langyue::TableDef* find_table(const std::string& utf8_name) {
    for (const auto& table : langyue::name_tables()) {
        if (langyue::gbk_to_utf8(table.name) == utf8_name) return &table;
    }
    return nullptr;
}

}  // namespace

TableFile::TableFile(const std::string& path) {
    std::remove(path.c_str());
    if (sqlite3_open_v2(path.c_str(), &connection_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                        nullptr) != SQLITE_OK) {
        error_ = "cannot create " + path;
        return;
    }
    // Rows are written in one transaction; the journal is not needed for a file built anew.
    sqlite3_exec(connection_, "PRAGMA journal_mode=OFF; PRAGMA encoding='UTF-8'; BEGIN", nullptr,
                 nullptr, nullptr);
    for (const auto& table : langyue::name_tables()) {
        const std::string statement = langyue::gbk_to_utf8(
            langyue::NameDatabase::create_statement(table.name, table.fields));
        char* message = nullptr;
        if (sqlite3_exec(connection_, statement.c_str(), nullptr, nullptr, &message) !=
            SQLITE_OK) {
            error_ = message ? message : "create table failed";
            sqlite3_free(message);
            return;
        }
    }
}

TableFile::~TableFile() {
    if (insert_) sqlite3_finalize(insert_);
    if (connection_) sqlite3_close(connection_);
}

std::vector<std::string> TableFile::columns(const std::string& table) const {
    std::vector<std::string> names;
    if (const auto* def = find_table(table)) {
        for (const auto& field : def->fields) names.push_back(langyue::gbk_to_utf8(field.name));
    }
    return names;
}

bool TableFile::is_integer_column(const std::string& table, size_t position) const {
    const auto* def = find_table(table);
    return def && position < def->fields.size() &&
           def->fields[position].type == langyue::kFieldInteger;
}

bool TableFile::insert(const std::string& table, const std::vector<std::string>& values) {
    if (!ok()) return false;
    const size_t count = columns(table).size();
    if (count == 0 || values.size() != count) {
        error_ = "row of " + table + " has " + std::to_string(values.size()) + " fields, needs " +
                 std::to_string(count);
        return false;
    }
    if (table != current_table_) {
        if (insert_) sqlite3_finalize(insert_);
        insert_ = nullptr;
        std::string statement = "insert into " + table + " values (";
        for (size_t i = 0; i < count; ++i) statement += i ? ",?" : "?";
        statement += ")";
        if (sqlite3_prepare_v2(connection_, statement.c_str(), -1, &insert_, nullptr) !=
            SQLITE_OK) {
            error_ = sqlite3_errmsg(connection_);
            return false;
        }
        current_table_ = table;
    }
    sqlite3_reset(insert_);
    for (size_t i = 0; i < count; ++i) {
        const int slot = static_cast<int>(i) + 1;
        if (is_integer_column(table, i)) {
            sqlite3_bind_int64(insert_, slot, std::atoll(values[i].c_str()));
        } else {
            sqlite3_bind_text(insert_, slot, values[i].c_str(), static_cast<int>(values[i].size()),
                              SQLITE_TRANSIENT);
        }
    }
    if (sqlite3_step(insert_) != SQLITE_DONE) {
        error_ = sqlite3_errmsg(connection_);
        return false;
    }
    return true;
}

bool TableFile::finish() {
    if (!ok()) return false;
    if (insert_) sqlite3_finalize(insert_);
    insert_ = nullptr;
    char* message = nullptr;
    if (sqlite3_exec(connection_, "COMMIT", nullptr, nullptr, &message) != SQLITE_OK) {
        error_ = message ? message : "commit failed";
        sqlite3_free(message);
        return false;
    }
    return true;
}

bool read_tsv(const std::string& path, std::vector<std::string>& header,
              std::vector<std::vector<std::string>>& rows, std::string& error) {
    std::ifstream in(path);
    if (!in) {
        error = "cannot read " + path;
        return false;
    }
    auto split = [](const std::string& line) {
        std::vector<std::string> fields;
        size_t start = 0;
        while (true) {
            const size_t tab = line.find('\t', start);
            fields.push_back(line.substr(start, tab - start));
            if (tab == std::string::npos) break;
            start = tab + 1;
        }
        return fields;
    };
    std::string line;
    size_t number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (number == 1) {
            header = split(line);
            continue;
        }
        if (line.empty()) continue;
        auto fields = split(line);
        if (fields.size() != header.size()) {
            error = path + ":" + std::to_string(number) + ": " + std::to_string(fields.size()) +
                    " fields, header has " + std::to_string(header.size());
            return false;
        }
        rows.push_back(std::move(fields));
    }
    return true;
}

}  // namespace namedata
