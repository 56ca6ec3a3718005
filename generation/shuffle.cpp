#include "generation/shuffle.h"

#include <chrono>
#include <random>
#include <utility>

namespace langyue {

void shuffle_entries(std::vector<std::string>& entries, std::optional<std::uint64_t> seed) {
    if (entries.size() < 2) return;
    std::mt19937_64 random(seed.value_or(static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count())));
    for (size_t k = 0; k + 1 < entries.size(); ++k) {
        std::uniform_int_distribution<size_t> draw(k, entries.size() - 1);
        std::swap(entries[k], entries[draw(random)]);
    }
}

}  // namespace langyue
