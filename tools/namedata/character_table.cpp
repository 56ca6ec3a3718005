#include "tools/namedata/character_table.h"

#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <unordered_map>
#include <utility>

#include "text/gbk.h"
#include "tools/namedata/character_rules.h"
#include "tools/namedata/table_file.h"

namespace fs = std::filesystem;

namespace namedata {
namespace {

constexpr size_t kDetailedWords = 12;  // words in 详细解释
constexpr size_t kBasicWords = 3;      // words in a composed 基本解释

bool has_gbk_form(const std::string& text) {
    return !text.empty() && !langyue::utf8_to_gbk(text).empty();
}

// A single character whose GBK form is one two-byte code.
bool is_gbk_character(const std::string& character) {
    return langyue::utf8_to_gbk(character).size() == 2;
}

// Keeps only the characters of `text` that have a GBK form (for English glosses, which now
// and then quote a rare character or letter).
std::string keep_gbk(const std::string& text) {
    std::string kept;
    for (const char32_t c : to_u32(text)) {
        const std::string piece = to_utf8(c);
        if (has_gbk_form(piece)) kept += piece;
    }
    return kept;
}

// Two columns of a team file, keyed by the first: 汉字 → value of `column`. The first file
// (in name order) that holds a character wins.
bool read_keyed_files(const std::vector<fs::path>& paths, const std::string& column,
                      std::map<std::string, std::string>& values, std::string& error) {
    for (const auto& path : paths) {
        std::vector<std::string> header;
        std::vector<std::vector<std::string>> rows;
        if (!read_tsv(path.string(), header, rows, error)) return false;
        const auto found = std::find(header.begin(), header.end(), column);
        if (header.empty() || header[0] != "汉字" || found == header.end()) {
            error = path.string() + ": needs the columns 汉字 and " + column;
            return false;
        }
        const size_t position = static_cast<size_t>(found - header.begin());
        for (const auto& row : rows) {
            if (!row[position].empty()) values.emplace(row[0], row[position]);
        }
    }
    return true;
}

std::vector<fs::path> files_named(const std::string& dir, const std::string& prefix) {
    std::vector<fs::path> paths;
    std::error_code ignored;
    for (const auto& entry : fs::directory_iterator(dir, ignored)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with(prefix) && name.ends_with(".tsv")) paths.push_back(entry.path());
    }
    std::sort(paths.begin(), paths.end());
    return paths;
}

bool read_wubi(const std::string& path, std::unordered_map<std::string, std::string>& codes,
               std::string& error) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        error = "cannot open " + path;
        sqlite3_close(db);
        return false;
    }
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, "select zi, goucima from goucima", -1, &statement, nullptr) !=
        SQLITE_OK) {
        error = path + ": " + sqlite3_errmsg(db);
        sqlite3_close(db);
        return false;
    }
    while (sqlite3_step(statement) == SQLITE_ROW) {
        const auto* zi = sqlite3_column_text(statement, 0);
        const auto* code = sqlite3_column_text(statement, 1);
        if (!zi || !code) continue;
        std::string upper(reinterpret_cast<const char*>(code));
        for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        codes.emplace(reinterpret_cast<const char*>(zi), upper);
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return true;
}

// The phrase list: every word of two or more ideographs, converted to simplified characters,
// with its weight (the weights of words that convert to the same text are added).
struct Phrases {
    std::vector<std::pair<std::string, double>> words;
    std::unordered_map<char32_t, std::vector<size_t>> by_character;  // indexes into words
};

// Which entries of the phrase list serve as example words: two-character words and
// four-character set phrases. Entries of three or five and more characters are mostly
// personal and place names or transliterations.
bool is_listed_word(const std::u32string& word) {
    return (word.size() == 2 || word.size() == 4) &&
           std::all_of(word.begin(), word.end(), is_ideograph);
}

// Coarse words that a naming program does not show as examples (simplified forms).
bool is_coarse(const std::string& word) {
    static const std::set<std::string> kCoarse = {"做爱", "性交", "性爱", "强奸", "妓女",
                                                  "婊子", "阴茎", "阴道", "色情", "淫荡",
                                                  "屁眼", "他妈", "尼玛", "卖淫", "嫖娼"};
    return kCoarse.count(word) > 0;
}

bool read_phrases(const std::string& path, const ChineseConvert& convert, Phrases& phrases,
                  std::string& error) {
    std::ifstream in(path);
    if (!in) {
        error = "cannot read " + path;
        return false;
    }
    std::map<std::string, double> traditional;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        const size_t tab1 = line.find('\t');
        const size_t tab2 = line.find('\t', tab1 + 1);
        if (tab1 == std::string::npos) continue;
        const std::string word = line.substr(0, tab1);
        const std::u32string letters = to_u32(word);
        if (!is_listed_word(letters)) continue;
        const double weight =
            tab2 == std::string::npos ? 0.0 : std::strtod(line.c_str() + tab2 + 1, nullptr);
        traditional[word] += weight;
    }
    // One conversion of all words, one a line: OpenCC's phrase tables then see each word whole.
    std::string joined;
    for (const auto& [word, weight] : traditional) joined += word + "\n";
    const std::string converted = convert.to_simplified(joined);
    std::map<std::string, double> simplified;
    size_t start = 0;
    for (const auto& [word, weight] : traditional) {
        const size_t end = converted.find('\n', start);
        if (end == std::string::npos) {
            error = path + ": the simplified phrase list lost lines";
            return false;
        }
        simplified[converted.substr(start, end - start)] += weight;
        start = end + 1;
    }
    for (auto& [word, weight] : simplified) {
        if (is_coarse(word)) continue;
        const size_t index = phrases.words.size();
        phrases.words.emplace_back(word, weight);
        std::u32string seen;
        for (const char32_t c : to_u32(word)) {
            if (seen.find(c) != std::u32string::npos) continue;
            seen += c;
            phrases.by_character[c].push_back(index);
        }
    }
    return true;
}

// The most frequent words holding `character`, most frequent first (ties by text), only
// words with a GBK form.
std::vector<std::string> common_words(const Phrases& phrases, char32_t character, size_t count) {
    const auto found = phrases.by_character.find(character);
    if (found == phrases.by_character.end()) return {};
    std::vector<size_t> order = found->second;
    std::sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        const auto& [word_a, weight_a] = phrases.words[a];
        const auto& [word_b, weight_b] = phrases.words[b];
        return weight_a != weight_b ? weight_a > weight_b : word_a < word_b;
    });
    std::vector<std::string> words;
    for (const size_t index : order) {
        if (words.size() == count) break;
        if (has_gbk_form(phrases.words[index].first)) words.push_back(phrases.words[index].first);
    }
    return words;
}

// The first candidate that is a GBK character, or empty.
std::string first_gbk(const std::vector<std::string>& candidates) {
    for (const auto& candidate : candidates) {
        if (is_gbk_character(candidate)) return candidate;
    }
    return "";
}

std::string join(const std::vector<std::string>& parts, const std::string& separator) {
    std::string joined;
    for (const auto& part : parts) {
        if (!joined.empty()) joined += separator;
        joined += part;
    }
    return joined;
}

}  // namespace

bool build_character_rows(const CharacterSources& sources,
                          std::vector<std::vector<std::string>>& rows, std::string& error) {
    const Unihan& unihan = *sources.unihan;
    const ChineseConvert& convert = *sources.convert;

    std::map<std::string, std::string> traditional_overrides;
    std::map<std::string, std::string> element_overrides;
    std::map<std::string, std::string> meanings;
    std::map<std::string, std::string> stroke_overrides;  // traditional form → Kangxi count
    if (!read_keyed_files(files_named(sources.data_dir, "traditional_overrides"), "繁体",
                          traditional_overrides, error) ||
        !read_keyed_files(files_named(sources.data_dir, "stroke_overrides"), "繁体笔画数",
                          stroke_overrides, error) ||
        !read_keyed_files(files_named(sources.data_dir, "element_overrides"), "五行属性",
                          element_overrides, error) ||
        !read_keyed_files(files_named(sources.data_dir, "char_meanings"), "基本解释", meanings,
                          error)) {
        return false;
    }
    std::unordered_map<std::string, std::string> wubi;
    if (!read_wubi(sources.wubi_table, wubi, error)) return false;
    Phrases phrases;
    if (!read_phrases(sources.phrase_list, convert, phrases, error)) return false;

    for (const auto& [code, facts] : unihan.characters()) {
        if (!is_ideograph(code) || facts.total_strokes <= 0) continue;
        const std::string character = to_utf8(code);
        if (!is_gbk_character(character)) continue;

        // Simplified and traditional forms: OpenCC's first candidate with a GBK form, then
        // Unihan's variant, then the character itself; the override file decides first.
        std::string simplified = first_gbk(convert.simplified_candidates(character));
        if (simplified.empty() && facts.simplified && is_gbk_character(to_utf8(facts.simplified))) {
            simplified = to_utf8(facts.simplified);
        }
        if (simplified.empty()) simplified = character;
        std::string traditional;
        if (const auto found = traditional_overrides.find(character);
            found != traditional_overrides.end()) {
            traditional = found->second;
        } else {
            traditional = first_gbk(convert.traditional_candidates(character));
            if (traditional.empty() && facts.traditional &&
                is_gbk_character(to_utf8(facts.traditional))) {
                traditional = to_utf8(facts.traditional);
            }
            if (traditional.empty()) traditional = character;
        }

        // Kangxi count of the traditional form, from its radical-stroke index.
        const char32_t traditional_code = to_u32(traditional).front();
        const UnihanFacts* traditional_facts = unihan.find(traditional_code);
        if (!traditional_facts) traditional_facts = &facts;
        auto index = parse_radical_stroke(traditional_facts->rs_kangxi);
        if (!index) index = parse_radical_stroke(traditional_facts->rs_unicode);
        int kangxi =
            index ? kangxi_strokes(traditional_code, *index, traditional_facts->total_strokes) : 0;
        if (kangxi == 0) kangxi = traditional_facts->total_strokes;
        if (kangxi == 0) kangxi = facts.total_strokes;
        // The few traditional forms whose Unihan index is off by a stroke (璐 96.12).
        if (const auto found = stroke_overrides.find(traditional);
            found != stroke_overrides.end() && std::atoi(found->second.c_str()) > 0) {
            kangxi = std::atoi(found->second.c_str());
        }

        // Reading: the character's own, else that of the unified ideograph a compatibility
        // ideograph stands for, else that of its simplified or traditional form.
        std::string marked = facts.reading;
        for (const char32_t other : {facts.compatibility, to_u32(simplified).front(),
                                     to_u32(traditional).front()}) {
            if (!marked.empty()) break;
            if (const auto* other_facts = unihan.find(other)) marked = other_facts->reading;
        }
        const std::string plain = strip_tone_marks(marked);
        if (!marked.empty() && !has_gbk_form(marked)) marked = plain;
        const SyllableParts parts = split_syllable(plain);

        // Radical as a character: the simplified form where the index names one (钅), the side
        // form where the character writes one.
        const auto own_index = parse_radical_stroke(facts.rs_unicode);
        std::string radical;
        if (own_index) {
            radical = to_utf8(unihan.radical_character(own_index->radical,
                                                       own_index->simplified_radical));
            // The side form as written (氵 in 海, 艹 in 芳), as dictionaries list it.
            if (const char32_t side = written_radical_form(
                    own_index->radical, facts.total_strokes - own_index->residual);
                side && !own_index->simplified_radical && own_index->residual > 0 &&
                is_gbk_character(to_utf8(side))) {
                radical = to_utf8(side);
            }
            if (!is_gbk_character(radical)) {
                radical = to_utf8(unihan.radical_character(own_index->radical, false));
            }
            if (!is_gbk_character(radical)) radical.clear();
        }
        std::string element;
        if (const auto found = element_overrides.find(character); found != element_overrides.end()) {
            element = found->second;
        } else {
            element = element_of(own_index ? own_index->radical : 0, parts.initial, !plain.empty());
        }

        const auto found_wubi = wubi.find(character);
        const std::string wubi_code = found_wubi == wubi.end() ? "" : found_wubi->second;

        std::vector<std::string> words = common_words(phrases, code, kDetailedWords);
        if (words.empty() && simplified != character) {
            words = common_words(phrases, to_u32(simplified).front(), kDetailedWords);
        }

        std::string basic;
        if (const auto found = meanings.find(character); found != meanings.end()) {
            basic = html_escape(found->second);
        } else {
            std::vector<std::string> clauses;
            if (!marked.empty()) clauses.push_back("读音为" + marked);
            if (!radical.empty()) clauses.push_back("部首为" + radical);
            if (!words.empty()) {
                std::string examples;
                for (size_t i = 0; i < words.size() && i < kBasicWords; ++i) {
                    examples += "“" + words[i] + "”";
                }
                clauses.push_back("常见于" + examples + "等词语");
            }
            if (!clauses.empty()) basic = join(clauses, "，") + "。";
        }
        std::vector<std::string> detail;
        if (!words.empty()) detail.push_back("常用词语：" + join(words, "、"));
        const std::string gloss = keep_gbk(html_escape(facts.definition));
        if (!gloss.empty()) detail.push_back("英文释义：" + gloss);

        rows.push_back({std::to_string(rows.size() + 1), std::to_string(code), character,
                        simplified, traditional, std::to_string(facts.total_strokes),
                        std::to_string(kangxi), plain, marked, parts.initial, parts.final_part,
                        radical, element, wubi_code, basic, join(detail, "<BR>")});
    }
    return true;
}

}  // namespace namedata
