// What every test suite needs: the fixture database and a scratch program folder.
#pragma once

#include <string>
#include <vector>

namespace langyue::test {

// The build's fixture program folder; its data/namedata.db is made from tests/fixtures/tables.
std::string fixture_program_dir();
// The real database file the build makes (build/data/namedata.db).
std::string real_database_file();
// The source tree's root.
std::string source_dir();

// A fresh folder with a data/ subfolder holding a copy of the fixture database, removed when
// the object goes out of scope. Tests that write page files or exports work in one of these,
// so suites never share files.
class ScratchProgramDir {
public:
    explicit ScratchProgramDir(bool with_database = true);
    ~ScratchProgramDir();
    ScratchProgramDir(const ScratchProgramDir&) = delete;
    ScratchProgramDir& operator=(const ScratchProgramDir&) = delete;
    const std::string& path() const { return path_; }
    std::string data_file(const std::string& name) const { return path_ + "/data/" + name; }

private:
    std::string path_;
};

// Loads the fixture database into the global connection once per process (closing any
// earlier one) and points the program directory at the fixture folder.
void load_fixture_database();

// Replaces the global connection by an empty in-memory database holding the nine tables, for
// tests that insert exactly the rows their cases need.
void open_empty_test_database();
// Runs a UTF-8 statement on the global connection; fails the test when the engine refuses it.
void exec_sql(const std::string& utf8_statement);

// What build/langyue-cli printed on standard output, and its exit code.
struct CliOutput {
    std::string text;
    int exit_code = -1;
    long lines() const;
    // The lines after the first (an export's header), without their CR LF.
    std::vector<std::string> rows() const;
};
// Runs build/langyue-cli with shell-quoted arguments (UTF-8) and an optional standard input;
// standard error is discarded.
CliOutput run_cli(const std::string& arguments, const std::string& input = "");

// Every row a statement (UTF-8) finds in the real database file, read directly (not through
// the program's query layer), each column as UTF-8 text.
std::vector<std::vector<std::string>> real_database_rows(const std::string& statement);

// Reads a whole file as bytes.
std::string read_file(const std::string& path);

}  // namespace langyue::test
