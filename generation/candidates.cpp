#include "generation/candidates.h"

#include "analysis/character_facts.h"

namespace langyue {

std::string CandidateList::text(size_t index) const {
    if (index < items.size()) {
        const Item& item = items[index];
        std::string result = pieces[static_cast<size_t>(item.first)];
        if (item.second >= 0) result += pieces[static_cast<size_t>(item.second)];
        return result;
    }
    index -= items.size();
    for (const Product& product : products) {
        const auto& seconds = second_lists[static_cast<size_t>(product.seconds)];
        if (index < seconds.size()) {
            return pieces[static_cast<size_t>(product.first)] +
                   pieces[static_cast<size_t>(seconds[index])];
        }
        index -= seconds.size();
    }
    return {};
}

std::int32_t CandidateList::add_second_list(std::vector<std::int32_t> seconds) {
    second_lists.push_back(std::move(seconds));
    return static_cast<std::int32_t>(second_lists.size() - 1);
}

void CandidateList::add_product(std::int32_t first, std::int32_t seconds) {
    products.push_back({first, seconds});
    product_candidates_ += second_lists[static_cast<size_t>(seconds)].size();
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
