// Super-lucky mode (超吉起名): the whole pool of the baby's sex paired under five-element
// filters, up to 100,000 names at or above a threshold set by the surname's heaven grid.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "generation/candidates.h"
#include "generation/generation_inputs.h"

namespace langyue {

class CharacterCache;

inline constexpr int kSuperLuckyCapacity = 100000;

// A click on master box `master` (whose new check state is already in `boxes`): checked, it
// disables and unchecks the other pair's two masters and enables its own five element boxes;
// unchecked, it disables its five element boxes (their ticks stay) and, when its partner is
// unchecked too, enables the other pair's masters. The pairs are second/third and
// must/forbidden.
void click_master_box(ElementBoxes& boxes, ElementBoxes::Master master);

// The four element texts read from the boxes (GBK, elements in the order 金 木 水 火 土).
struct ElementFilter {
    std::string second_place;  // ticked elements, or all five when none is ticked or unchecked
    std::string third_place;
    std::string must;
    std::string forbidden;     // ticked elements; empty when none or the master is unchecked
};
ElementFilter read_element_filter(const ElementBoxes& boxes);

// The candidates, over the usable characters of the pool in pool order (the pool being the
// first pieces of the result): second-place characters × third-place characters when either
// left master is checked, then free characters × free characters when either right master
// is; none without a checked master. `after_character` runs after each pool character.
CandidateList build_super_lucky_candidates(const std::vector<std::string>& pool,
                                           const CharacterCache& cache,
                                           const std::vector<char>& usable,
                                           const ElementBoxes& boxes,
                                           const std::function<void()>& after_character = {});

// The threshold for a heaven-grid verdict: 大凶 96, 凶 98, 中 99, 吉 and 大吉 100, else 0.
int super_lucky_threshold_for(const std::string& heaven_verdict);
// The same from the surname's heaven grid (heaven_grid_verdict over the run's cache).
int super_lucky_threshold(const std::string& surname, const CharacterCache& cache);

}  // namespace langyue
