#include "tools/namedata/unihan.h"

#include <bzlib.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string_view>
#include <vector>

#include "tools/namedata/character_rules.h"

namespace namedata {
namespace {

// "U+4E8E" → 0x4E8E; 0 when the text is not a code point.
char32_t parse_code_point(std::string_view text) {
    if (!text.starts_with("U+")) return 0;
    char32_t value = 0;
    for (const char c : text.substr(2)) {
        if (c >= '0' && c <= '9') value = value * 16 + static_cast<char32_t>(c - '0');
        else if (c >= 'A' && c <= 'F') value = value * 16 + static_cast<char32_t>(c - 'A' + 10);
        else break;
    }
    return value;
}

std::string_view first_word(std::string_view value) {
    return value.substr(0, value.find(' '));
}

// The first variant of a list ("U+4E8E U+65BC") that differs from the character itself.
char32_t other_variant(char32_t self, std::string_view value) {
    while (!value.empty()) {
        const char32_t variant = parse_code_point(first_word(value));
        if (variant && variant != self) return variant;
        const size_t blank = value.find(' ');
        if (blank == std::string_view::npos) break;
        value.remove_prefix(blank + 1);
    }
    return 0;
}

// The first reading of a dictionary field: "0675.070:lǎng" or "32072.060:lǎng,lāng" or
// "lǎng(56)" all give "lǎng".
std::string first_reading(std::string_view value) {
    std::string_view word = first_word(value);
    if (const size_t colon = word.find(':'); colon != std::string_view::npos) {
        word.remove_prefix(colon + 1);
    }
    word = word.substr(0, word.find_first_of(",("));
    return std::string(word);
}

// Every reading of a field, in order: "0748.030:luō 0748.060:luó" gives luō and luó,
// "zhe(10643) zháo(545)" gives zhe and zháo, "10420.120:dì,de" gives dì and de.
std::vector<std::string> readings_of(std::string_view value) {
    std::vector<std::string> readings;
    while (!value.empty()) {
        const size_t end = value.find_first_of(" ,");
        std::string_view word = value.substr(0, end);
        value.remove_prefix(end == std::string_view::npos ? value.size() : end + 1);
        if (const size_t colon = word.find(':'); colon != std::string_view::npos) {
            word.remove_prefix(colon + 1);
        }
        word = word.substr(0, word.find('('));
        if (!word.empty()) readings.emplace_back(word);
    }
    return readings;
}

// The first reading of a field that carries a tone mark ("de dì" gives "dì", "zi(6853)
// zǐ(1114)" gives "zǐ"); empty when every reading is in the neutral tone. A naming book
// gives a character its full reading (子 zǐ, 地 dì, 著 zhù), never a particle's.
std::string first_toned_reading(std::string_view value) {
    for (const auto& reading : readings_of(value)) {
        if (strip_tone_marks(reading) != reading) return reading;
    }
    return "";
}

// A whole file as text; .bz2 files are unpacked on the fly.
bool read_text(const std::string& path, std::string& text) {
    if (!path.ends_with(".bz2")) {
        std::ifstream in(path, std::ios::binary);
        if (!in) return false;
        std::ostringstream buffer;
        buffer << in.rdbuf();
        text = buffer.str();
        return true;
    }
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    int status = BZ_OK;
    BZFILE* bz = BZ2_bzReadOpen(&status, file, 0, 0, nullptr, 0);
    char chunk[1 << 16];
    while (status == BZ_OK) {
        const int got = BZ2_bzRead(&status, bz, chunk, sizeof chunk);
        if (got > 0) text.append(chunk, static_cast<size_t>(got));
    }
    BZ2_bzReadClose(nullptr, bz);
    std::fclose(file);
    return status == BZ_STREAM_END;
}

}  // namespace

bool Unihan::load(const std::string& dir) {
    for (const char* name : {"Unihan_IRGSources", "Unihan_RadicalStrokeCounts",
                             "Unihan_Readings", "Unihan_Variants"}) {
        const std::string base = dir + "/" + name + ".txt";
        std::ifstream probe(base);
        if (!read_file(probe ? base : base + ".bz2")) return false;
    }
    // kMandarin now and then keeps a reading the current standard dictionary (kTGHZ2013)
    // no longer gives the character: 罗 luō for luó, 卓 zhuō, 珩 háng, 绩 jī. The standard's
    // first reading then stands.
    for (const auto& [character, value] : standard_readings_) {
        auto& facts = facts_[character];
        if (reading_rank_[character] != 1) continue;  // not from kMandarin
        const std::vector<std::string> standard = readings_of(value);
        if (std::find(standard.begin(), standard.end(), facts.reading) != standard.end()) continue;
        if (std::string toned = first_toned_reading(value); !toned.empty()) {
            facts.reading = std::move(toned);
        }
    }
    // CJKRadicals.txt: "167'; 2ED0; 9485" (radical; radical symbol; unified ideograph).
    std::ifstream radicals(dir + "/CJKRadicals.txt");
    if (!radicals) {
        error_ = "cannot read " + dir + "/CJKRadicals.txt";
        return false;
    }
    std::string line;
    while (std::getline(radicals, line)) {
        if (line.empty() || line[0] == '#') continue;
        const size_t first = line.find(';');
        const size_t last = line.rfind(';');
        if (first == std::string::npos || last == first) continue;
        std::string ideograph = line.substr(last + 1);
        ideograph.erase(0, ideograph.find_first_not_of(' '));
        radicals_[line.substr(0, first)] = parse_code_point("U+" + ideograph);
    }
    return true;
}

bool Unihan::read_file(const std::string& path) {
    std::string text;
    if (!read_text(path, text)) {
        error_ = "cannot read " + path;
        return false;
    }
    // Readings by preference: kMandarin gives the most common reading; the dictionaries'
    // fields stand in for the few characters without one (or with a neutral tone only),
    // the current standard dictionary first (著 zhù there, where the frequency list merges
    // it with 着).
    static const std::map<std::string_view, int> kReadingRank = {
        {"kMandarin", 1}, {"kTGHZ2013", 2}, {"kHanyuPinlu", 3}, {"kXHC1983", 4},
        {"kHanyuPinyin", 5}};
    std::string_view rest(text);
    while (!rest.empty()) {
        const size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        if (line.empty() || line[0] == '#') continue;
        const size_t tab1 = line.find('\t');
        const size_t tab2 = line.find('\t', tab1 + 1);
        if (tab1 == std::string_view::npos || tab2 == std::string_view::npos) continue;
        const char32_t character = parse_code_point(line.substr(0, tab1));
        const std::string_view field = line.substr(tab1 + 1, tab2 - tab1 - 1);
        const std::string_view value = line.substr(tab2 + 1);
        if (!character) continue;
        if (field == "kTotalStrokes") {
            facts_[character].total_strokes = std::atoi(std::string(first_word(value)).c_str());
        } else if (field == "kRSUnicode") {
            facts_[character].rs_unicode = first_word(value);
        } else if (field == "kRSKangXi") {
            facts_[character].rs_kangxi = first_word(value);
        } else if (field == "kDefinition") {
            facts_[character].definition = value;
        } else if (field == "kTraditionalVariant") {
            facts_[character].traditional = other_variant(character, value);
        } else if (field == "kCompatibilityVariant") {
            facts_[character].compatibility = parse_code_point(first_word(value));
        } else if (field == "kSimplifiedVariant") {
            facts_[character].simplified = other_variant(character, value);
        } else if (const auto rank = kReadingRank.find(field); rank != kReadingRank.end()) {
            if (field == "kTGHZ2013") standard_readings_[character] = value;
            auto& facts = facts_[character];
            int& best = reading_rank_[character];
            // A neutral-tone reading ranks after every toned one of any field.
            std::string reading = first_toned_reading(value);
            int reading_rank = rank->second;
            if (reading.empty()) {
                reading = first_reading(value);
                reading_rank += static_cast<int>(kReadingRank.size());
            }
            if (reading.empty() || (best != 0 && best <= reading_rank)) continue;
            facts.reading = reading;
            best = reading_rank;
        }
    }
    return true;
}

const UnihanFacts* Unihan::find(char32_t character) const {
    const auto found = facts_.find(character);
    return found == facts_.end() ? nullptr : &found->second;
}

char32_t Unihan::radical_character(int radical, bool simplified) const {
    const std::string key = std::to_string(radical);
    if (simplified) {
        if (const auto found = radicals_.find(key + "'"); found != radicals_.end()) {
            return found->second;
        }
    }
    const auto found = radicals_.find(key);
    return found == radicals_.end() ? 0 : found->second;
}

}  // namespace namedata
