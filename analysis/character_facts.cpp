#include "analysis/character_facts.h"

#include "db/name_database.h"
#include "db/table_definitions.h"
#include "text/gbk.h"

namespace langyue {
namespace {

QueryCursor query_character(const std::string& character) {
    static const std::string statement = gbk("select * from LM_CNWord where 汉字=\"");
    return name_database().query(statement + character + "\"");
}

}  // namespace

CharacterFacts look_up_character(const std::string& character) {
    CharacterFacts facts;
    facts.character = character;
    QueryCursor row = query_character(character);
    const std::string element = row.column_text(cnword::kElement);
    const int simplified = row.column_int(cnword::kSimplifiedStrokes);
    if (element.empty() || simplified == 0) return facts;
    facts.traditional_form = row.column_text(cnword::kTraditional);
    facts.simplified_strokes = simplified;
    facts.traditional_strokes = row.column_int(cnword::kTraditionalStrokes);
    facts.pinyin = row.column_text(cnword::kPinyin2);
    facts.element = element;
    return facts;
}

void CharacterCache::add_characters(const std::vector<std::string>& characters) {
    // One statement for all characters: a run fills hundreds of entries one by one, and
    // preparing the statement anew for each would cost more than the lookups themselves. A
    // bound value finds the same first row as the quoted one.
    if (lookup_.is_none()) {
        lookup_ = name_database().prepare(gbk("select * from LM_CNWord where 汉字=?"));
    }
    QueryCursor& row = lookup_;
    for (const std::string& character : characters) {
        CharacterCacheEntry entry;
        entry.character = character;
        row.run_with(character);
        entry.simplified_strokes = row.column_int(cnword::kSimplifiedStrokes);
        entry.traditional_strokes = row.column_int(cnword::kTraditionalStrokes);
        entry.element = row.column_text(cnword::kElement);
        entry.element_index = element_from_text(entry.element);
        add_entry(entry);
    }
}

void CharacterCache::add_entry(const CharacterCacheEntry& entry) {
    first_index_.emplace(entry.character, entries_.size());
    entries_.push_back(entry);
    entries_.back().element_index = element_from_text(entry.element);
}

const CharacterCacheEntry* CharacterCache::find(const std::string& character) const {
    const auto found = first_index_.find(character);
    return found == first_index_.end() ? nullptr : &entries_[found->second];
}

}  // namespace langyue
