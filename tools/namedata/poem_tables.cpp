#include "tools/namedata/poem_tables.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>

#include "text/gbk.h"
#include "tools/namedata/character_rules.h"
#include "tools/namedata/poem_text.h"

namespace fs = std::filesystem;

namespace namedata {

namespace {

bool has_gbk_form(const std::string& text) {
    return !text.empty() && !langyue::utf8_to_gbk(text).empty();
}

bool has_gbk_character(char32_t c) { return !langyue::utf8_to_gbk(to_utf8(c)).empty(); }

// The text in simplified characters. OpenCC writes a few rare traditional characters in new
// simplified forms that GBK lacks (鸂鶒 becomes 㶉𫛶); such a character keeps its traditional
// form where that has a GBK code, so that the poem stays in the table.
std::string simplify(const ChineseConvert& convert, const std::string& text) {
    const std::string simplified = convert.to_simplified(text);
    if (has_gbk_form(simplified)) return simplified;
    const std::u32string original = to_u32(text);
    std::u32string result = to_u32(simplified);
    if (original.size() != result.size()) return simplified;
    for (size_t i = 0; i < result.size(); ++i) {
        if (!has_gbk_character(result[i]) && has_gbk_character(original[i])) {
            result[i] = original[i];
        }
    }
    return to_utf8(result);
}

// poet.tang.<n>.json files ordered by <n>.
std::vector<fs::path> poem_files(const std::string& dir) {
    std::vector<std::pair<long, fs::path>> numbered;
    std::error_code ignored;
    for (const auto& entry : fs::directory_iterator(dir, ignored)) {
        const std::string name = entry.path().filename().string();
        if (!name.starts_with("poet.tang.") || !name.ends_with(".json")) continue;
        numbered.emplace_back(std::atol(name.c_str() + 10), entry.path());
    }
    std::sort(numbered.begin(), numbered.end());
    std::vector<fs::path> paths;
    for (auto& [number, path] : numbered) paths.push_back(std::move(path));
    return paths;
}

}  // namespace

bool build_poem_rows(const std::string& dir, const ChineseConvert& convert, Rows& poets,
                     Rows& poems, std::string& error) {
    const auto paths = poem_files(dir);
    if (paths.empty()) {
        error = "no poet.tang.*.json in " + dir;
        return false;
    }
    std::map<std::string, size_t> poem_count;
    std::vector<std::string> poets_in_order;  // first appearance decides among equal counts
    for (const auto& path : paths) {
        std::ifstream in(path);
        nlohmann::json file = nlohmann::json::parse(in, nullptr, false);
        if (!file.is_array()) {
            error = "cannot read the poems of " + path.string();
            return false;
        }
        for (const auto& poem : file) {
            if (!poem.contains("paragraphs") || !poem["paragraphs"].is_array()) continue;
            std::vector<std::string> lines;
            for (const auto& line : poem["paragraphs"]) {
                if (line.is_string()) lines.push_back(line.get<std::string>());
            }
            const std::string title = simplify(convert, poem.value("title", ""));
            const std::string author = simplify(convert, poem.value("author", ""));
            const std::string content = simplify(convert, join_poem_lines(lines));
            if (has_placeholder(title) || has_placeholder(author) || has_placeholder(content) ||
                !has_gbk_form(title) || !has_gbk_form(author) || !has_gbk_form(content)) {
                continue;
            }
            // A few entries hold only punctuation: their text is lost.
            const std::string initials = clause_initials(content);
            if (initials.empty()) continue;
            poems.push_back({std::to_string(poems.size() + 1), title, author, content, initials,
                             std::to_string(to_u32(content).size())});
            if (poem_count[author]++ == 0) poets_in_order.push_back(author);
        }
    }
    std::stable_sort(poets_in_order.begin(), poets_in_order.end(),
                     [&](const std::string& a, const std::string& b) {
                         return poem_count[a] > poem_count[b];
                     });
    for (const auto& poet : poets_in_order) {
        const std::string order = std::to_string(poets.size() + 1);
        poets.push_back({order, poet, std::to_string(poem_count[poet]), order});
    }
    return true;
}

}  // namespace namedata
