// The uniform shuffle of the generation modes (Fisher-Yates), seeded from the clock at every
// run unless a seed is given.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace langyue {

// For each position k from the first to the second-to-last, draws r uniformly from k to the
// last (both included) and swaps the entries at k and r.
void shuffle_entries(std::vector<std::string>& entries, std::optional<std::uint64_t> seed);

}  // namespace langyue
