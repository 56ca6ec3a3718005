// The candidate given names of a run (CandidateList), held as pieces: a candidate is one
// piece (a pool character) or two pieces joined (two pool characters, or a pool character and
// the fixed generation character). Single candidates and pairs are items of eight bytes; the
// large products of the pair-building modes (a × every element of a list) are held as one
// entry per first character, so millions of candidates cost almost nothing until one is
// listed.
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

    // first + each piece of second_lists[seconds], in that order.
    struct Product {
        std::int32_t first = 0;
        std::int32_t seconds = 0;
    };

    std::vector<std::string> pieces;  // GBK texts; the run's pool first, in pool order
    std::vector<Item> items;          // in building order
    // Products, in building order, after all items (a list uses one kind or the other).
    std::vector<std::vector<std::int32_t>> second_lists;
    std::vector<Product> products;

    size_t size() const { return items.size() + product_candidates_; }
    bool empty() const { return size() == 0; }
    // The candidate's text, by its position (items first, then the products' candidates).
    std::string text(size_t index) const;
    // Appends a piece and returns its index.
    std::int32_t add_piece(const std::string& text);
    void add(std::int32_t first, std::int32_t second = -1) { items.push_back({first, second}); }
    // Stores a list of second pieces and returns its index for add_product.
    std::int32_t add_second_list(std::vector<std::int32_t> seconds);
    void add_product(std::int32_t first, std::int32_t seconds);

private:
    size_t product_candidates_ = 0;
};

// Which pool characters are usable (a non-empty element and a simplified count other than 0),
// from the cache entries that follow the pool in the same order.
std::vector<char> usable_characters(const CharacterCache& cache, size_t pool_size);

}  // namespace langyue
