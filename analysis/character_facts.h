// What the analysis keeps of one character, looked up in the character table or in the
// character cache of a generation run.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "analysis/element.h"
#include "db/name_database.h"

namespace langyue {

struct CharacterFacts {
    std::string character;         // as written in the name (GBK)
    std::string traditional_form;  // 繁体
    int simplified_strokes = 0;    // 简体笔画数
    int traditional_strokes = 0;   // 繁体笔画数, the only count the numerology uses
    std::string pinyin;            // 拼音2
    std::string element;           // 五行属性
};

// Looks a character up in LM_CNWord. The row is usable only when its element is not empty and
// its simplified count is not 0; otherwise the facts keep counts 0 and empty texts (the
// character itself is kept either way).
CharacterFacts look_up_character(const std::string& character);

// The characters a generation run may rate, each read once before any rating. Entries keep
// the first row of their character without the acceptance test; a character without a row
// gets 0, 0 and no element. Lookups find the first entry of a character, as a walk from the
// start would, but through a hash map, since runs rate millions of candidates.
struct CharacterCacheEntry {
    std::string character;
    int simplified_strokes = 0;
    int traditional_strokes = 0;
    std::string element;
    Element element_index = kNoElement;
};

class CharacterCache {
public:
    // Appends the facts of each character (duplicates allowed; the first one is found).
    void add_characters(const std::vector<std::string>& characters);
    // Appends one entry as given (tests and callers that already hold the facts).
    void add_entry(const CharacterCacheEntry& entry);
    // The first entry whose character equals `character` byte for byte; null when none does.
    const CharacterCacheEntry* find(const std::string& character) const;
    size_t size() const { return entries_.size(); }
    const std::vector<CharacterCacheEntry>& entries() const { return entries_; }

private:
    std::vector<CharacterCacheEntry> entries_;
    // The character query, prepared once for all the characters a run adds.
    QueryCursor lookup_;
    std::unordered_map<std::string, size_t> first_index_;
};

}  // namespace langyue
