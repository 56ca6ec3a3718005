// The candidate given names of a run (CandidateList), held as pairs of pieces: a candidate is
// one piece (a pool character) or two pieces joined (two pool characters, or a pool character
// and the fixed generation character). Millions of candidates thus cost eight bytes each and
// no text until one is listed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace langyue {

class CharacterCache;

struct CandidateList {
    struct Item {
        std::int32_t first = 0;
        std::int32_t second = -1;  // -1: the candidate is the first piece alone
    };

    std::vector<std::string> pieces;  // GBK texts; the run's pool first, in pool order
    std::vector<Item> items;          // in building order

    size_t size() const { return items.size(); }
    bool empty() const { return items.empty(); }
    // The candidate's text.
    std::string text(size_t index) const;
    // Appends a piece and returns its index.
    std::int32_t add_piece(const std::string& text);
    void add(std::int32_t first, std::int32_t second = -1) { items.push_back({first, second}); }
};

// Which pool characters are usable (a non-empty element and a simplified count other than 0),
// from the cache entries that follow the pool in the same order.
std::vector<char> usable_characters(const CharacterCache& cache, size_t pool_size);

}  // namespace langyue
