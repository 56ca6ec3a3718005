#include "tests/test_support.h"

#include <sqlite3.h>
#include <sys/wait.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "app/program_paths.h"
#include "db/load_name_database.h"
#include "db/table_definitions.h"
#include "text/gbk.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace langyue::test {

std::string fixture_program_dir() { return LANGYUE_FIXTURE_DIR; }
std::string real_database_file() { return LANGYUE_REAL_DB; }
std::string source_dir() { return LANGYUE_SOURCE_DIR; }

ScratchProgramDir::ScratchProgramDir(bool with_database) {
    std::random_device random;
    path_ = (fs::temp_directory_path() / ("langyue-test-" + std::to_string(random()))).string();
    fs::create_directories(path_ + "/data");
    if (with_database) {
        fs::copy_file(fixture_program_dir() + "/data/namedata.db", path_ + "/data/namedata.db");
    }
}

ScratchProgramDir::~ScratchProgramDir() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

void load_fixture_database() {
    name_database().close();
    set_program_directory(fixture_program_dir());
    load_name_database();
}

void open_empty_test_database() {
    NameDatabase& db = name_database();
    db.close();
    ASSERT_TRUE(db.open_memory());
    std::string error;
    for (const TableDef& table : name_tables()) {
        ASSERT_TRUE(db.create_table(table.name, table.fields, error)) << error;
    }
}

void exec_sql(const std::string& utf8_statement) {
    std::string error;
    ASSERT_TRUE(name_database().exec(utf8_to_gbk(utf8_statement), error))
        << utf8_statement << ": " << gbk_to_utf8(error);
}

long CliOutput::lines() const { return std::count(text.begin(), text.end(), '\n'); }

std::vector<std::string> CliOutput::rows() const {
    std::vector<std::string> result;
    size_t start = text.find("\r\n");
    while (start != std::string::npos && start + 2 < text.size()) {
        const size_t end = text.find("\r\n", start + 2);
        result.push_back(text.substr(start + 2, end - start - 2));
        start = end;
    }
    return result;
}

CliOutput run_cli(const std::string& arguments, const std::string& input) {
    const std::string command = std::string(LANGYUE_BUILD_DIR) + "/langyue-cli " + arguments +
                                " 2>/dev/null" +
                                (input.empty() ? "" : " <<'EOF'\n" + input + "EOF");
    CliOutput run;
    FILE* pipe = popen(command.c_str(), "r");
    std::array<char, 4096> buffer{};
    while (size_t n = fread(buffer.data(), 1, buffer.size(), pipe)) run.text.append(buffer.data(), n);
    const int status = pclose(pipe);
    run.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

std::vector<std::vector<std::string>> real_database_rows(const std::string& statement) {
    std::vector<std::vector<std::string>> result;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(real_database_file().c_str(), &db, SQLITE_OPEN_READONLY, nullptr) !=
        SQLITE_OK) {
        ADD_FAILURE() << "cannot open " << real_database_file();
        sqlite3_close(db);
        return result;
    }
    sqlite3_stmt* query = nullptr;
    EXPECT_EQ(sqlite3_prepare_v2(db, statement.c_str(), -1, &query, nullptr), SQLITE_OK)
        << statement;
    while (query && sqlite3_step(query) == SQLITE_ROW) {
        std::vector<std::string> row;
        for (int i = 0; i < sqlite3_column_count(query); ++i) {
            const auto* text = sqlite3_column_text(query, i);
            row.emplace_back(text ? reinterpret_cast<const char*>(text) : "");
        }
        result.push_back(std::move(row));
    }
    sqlite3_finalize(query);
    sqlite3_close(db);
    return result;
}

std::string read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

}  // namespace langyue::test
