// namedata: builds the program's database file.
//
//   namedata --out FILE --tables DIR [--tables DIR ...]
//            [--unihan DIR --opencc DIR --wubi FILE --phrases FILE --data DIR]
//            [--poems DIR --opencc DIR]
//
// With --unihan, LM_CNWord is derived from the installed sources (Unihan files with
// CJKRadicals.txt, OpenCC's tables, the Wubi-86 table, the phrase list) and the team's files
// in --data (traditional_overrides.tsv, stroke_overrides.tsv, element_overrides.tsv,
// char_meanings_*.tsv). With --poems (the quantangshi folder of chinese-poetry), LM_Poet and
// LM_全唐诗 are derived from the Tang poems. Every other table is filled from the first
// --tables DIR that holds "<table>.tsv"; a table no folder holds stays empty.
//
// Every text must have a GBK form, since the program reads everything as GBK: a text without
// one stops the build with a message naming the table, row and column. The file is written
// beside FILE and renamed into place, so a failed build never leaves a half-written database.
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "db/table_definitions.h"
#include "text/gbk.h"
#include "tools/namedata/character_table.h"
#include "tools/namedata/chinese_convert.h"
#include "tools/namedata/poem_tables.h"
#include "tools/namedata/table_file.h"
#include "tools/namedata/unihan.h"

namespace fs = std::filesystem;

namespace {

int fail(const std::string& message) {
    std::fprintf(stderr, "namedata: %s\n", message.c_str());
    return 1;
}

bool has_gbk_form(const std::string& text) {
    return text.empty() || !langyue::utf8_to_gbk(text).empty();
}

struct Options {
    std::string out;
    std::vector<std::string> table_dirs;
    std::string unihan, opencc, wubi, phrases, data, poems;
};

// Rows of the tables made from installed sources, by table name (UTF-8).
using Generated = std::map<std::string, std::vector<std::vector<std::string>>>;

bool generate(const Options& options, Generated& generated, std::string& error) {
    if (options.unihan.empty() && options.poems.empty()) return true;
    namedata::ChineseConvert convert;
    if (!convert.load(options.opencc)) {
        error = convert.error();
        return false;
    }
    if (!options.unihan.empty()) {
        namedata::Unihan unihan;
        if (!unihan.load(options.unihan)) {
            error = unihan.error();
            return false;
        }
        const namedata::CharacterSources sources{&unihan, &convert, options.wubi,
                                                 options.phrases, options.data};
        if (!namedata::build_character_rows(sources, generated["LM_CNWord"], error)) {
            return false;
        }
    }
    if (!options.poems.empty() &&
        !namedata::build_poem_rows(options.poems, convert, generated["LM_Poet"],
                                   generated["LM_全唐诗"], error)) {
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    const std::map<std::string, std::string*> single = {
        {"--out", &options.out},         {"--unihan", &options.unihan},
        {"--opencc", &options.opencc},   {"--wubi", &options.wubi},
        {"--phrases", &options.phrases}, {"--data", &options.data},
        {"--poems", &options.poems}};
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--tables") options.table_dirs.push_back(argv[i + 1]);
        else if (const auto found = single.find(option); found != single.end()) {
            *found->second = argv[i + 1];
        } else {
            return fail("unknown option " + option);
        }
    }
    if (options.out.empty()) {
        return fail("usage: namedata --out FILE --tables DIR [--tables DIR ...] [sources]");
    }
    if (!options.unihan.empty() &&
        (options.opencc.empty() || options.wubi.empty() || options.phrases.empty() ||
         options.data.empty())) {
        return fail("--unihan needs --opencc, --wubi, --phrases and --data");
    }
    if (!options.poems.empty() && options.opencc.empty()) return fail("--poems needs --opencc");

    Generated generated;
    std::string error;
    if (!generate(options, generated, error)) return fail(error);

    const std::string temporary = options.out + ".part";
    {
        namedata::TableFile file(temporary);
        if (!file.ok()) return fail(file.error());
        for (const auto& table : langyue::name_tables()) {
            const std::string name = langyue::gbk_to_utf8(table.name);
            std::vector<std::vector<std::string>> rows;
            std::string source = name;
            if (auto found = generated.find(name); found != generated.end()) {
                rows = std::move(found->second);
            } else {
                for (const auto& dir : options.table_dirs) {
                    const fs::path path = fs::path(dir) / (name + ".tsv");
                    if (!fs::exists(path)) continue;
                    std::vector<std::string> header;
                    if (!namedata::read_tsv(path.string(), header, rows, error)) return fail(error);
                    if (header != file.columns(name)) {
                        return fail(path.string() + ": header differs from the columns of " + name);
                    }
                    source = path.string();
                    break;
                }
            }
            const auto columns = file.columns(name);
            for (size_t r = 0; r < rows.size(); ++r) {
                for (size_t c = 0; c < rows[r].size() && c < columns.size(); ++c) {
                    if (!has_gbk_form(rows[r][c])) {
                        return fail(source + ": row " + std::to_string(r + 1) + ", column " +
                                    columns[c] + ": text without a GBK form: " + rows[r][c]);
                    }
                }
                if (!file.insert(name, rows[r])) return fail(file.error());
            }
        }
        if (!file.finish()) return fail(file.error());
    }
    std::error_code rename_error;
    fs::rename(temporary, options.out, rename_error);
    if (rename_error) return fail("cannot rename " + temporary + ": " + rename_error.message());
    return 0;
}
