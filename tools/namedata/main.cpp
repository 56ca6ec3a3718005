// namedata: builds the program's database file.
//
//   namedata --out FILE --tables DIR [--tables DIR ...]
//
// Every table is filled from the first DIR that holds "<table>.tsv"; a table no folder holds
// stays empty. Every text must have a GBK form, since the program reads everything as GBK:
// a text without one stops the build. The file is written beside FILE and renamed into place,
// so a failed build never leaves a half-written database behind.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "db/table_definitions.h"
#include "text/gbk.h"
#include "tools/namedata/table_file.h"

namespace fs = std::filesystem;

namespace {

int fail(const std::string& message) {
    std::fprintf(stderr, "namedata: %s\n", message.c_str());
    return 1;
}

bool has_gbk_form(const std::string& text) {
    return text.empty() || !langyue::utf8_to_gbk(text).empty();
}

}  // namespace

int main(int argc, char** argv) {
    std::string out;
    std::vector<std::string> table_dirs;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--out") out = argv[i + 1];
        else if (option == "--tables") table_dirs.push_back(argv[i + 1]);
        else return fail("unknown option " + option);
    }
    if (out.empty()) return fail("usage: namedata --out FILE --tables DIR [--tables DIR ...]");

    const std::string temporary = out + ".part";
    {
        namedata::TableFile file(temporary);
        if (!file.ok()) return fail(file.error());
        for (const auto& table : langyue::name_tables()) {
            const std::string name = langyue::gbk_to_utf8(table.name);
            for (const auto& dir : table_dirs) {
                const fs::path path = fs::path(dir) / (name + ".tsv");
                if (!fs::exists(path)) continue;
                std::vector<std::string> header;
                std::vector<std::vector<std::string>> rows;
                std::string error;
                if (!namedata::read_tsv(path.string(), header, rows, error)) return fail(error);
                if (header != file.columns(name)) {
                    return fail(path.string() + ": header differs from the columns of " + name);
                }
                for (const auto& row : rows) {
                    for (const auto& value : row) {
                        if (!has_gbk_form(value)) {
                            return fail(path.string() + ": text without a GBK form: " + value);
                        }
                    }
                    if (!file.insert(name, row)) return fail(file.error());
                }
                break;
            }
        }
        if (!file.finish()) return fail(file.error());
    }
    std::error_code error;
    fs::rename(temporary, out, error);
    if (error) return fail("cannot rename " + temporary + ": " + error.message());
    return 0;
}
