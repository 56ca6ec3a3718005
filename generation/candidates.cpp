#include "generation/candidates.h"

#include "analysis/character_facts.h"

namespace langyue {

std::string CandidateList::text(size_t index) const {
    const Item& item = items[index];
    std::string result = pieces[static_cast<size_t>(item.first)];
    if (item.second >= 0) result += pieces[static_cast<size_t>(item.second)];
    return result;
}

std::int32_t CandidateList::add_piece(const std::string& text) {
    pieces.push_back(text);
    return static_cast<std::int32_t>(pieces.size() - 1);
}

std::vector<char> usable_characters(const CharacterCache& cache, size_t pool_size) {
    std::vector<char> usable(pool_size, 0);
    const auto& entries = cache.entries();
    for (size_t i = 0; i < pool_size && i < entries.size(); ++i) {
        usable[i] = !entries[i].element.empty() && entries[i].simplified_strokes != 0;
    }
    return usable;
}

}  // namespace langyue
