// The five grids (五格) of a name from the Kangxi stroke counts of its four slots.
#pragma once

namespace langyue {

struct FiveGrids {
    int heaven = 0;  // 天格
    int person = 0;  // 人格
    int earth = 0;   // 地格
    int total = 0;   // 总格
    int outer = 0;   // 外格
};

// s1, s2, g1, g2: traditional strokes of surname 1, surname 2, given 1, given 2 (0 for an
// absent or unusable slot). A part counts as one character only when it split into exactly one;
// a part of more than two characters is treated as two, since only its first two characters
// enter the grids, and 外格 then follows the two-character rules.
FiveGrids compute_grids(int s1, int s2, int g1, int g2, int surname_characters,
                        int given_characters);

}  // namespace langyue
