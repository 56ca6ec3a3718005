#include "analysis/grids.h"

namespace langyue {

FiveGrids compute_grids(int s1, int s2, int g1, int g2, int surname_characters,
                        int given_characters) {
    const bool single_surname = surname_characters == 1;
    const bool single_given = given_characters == 1;
    FiveGrids grids;
    grids.heaven = single_surname ? s1 + 1 : s1 + s2;
    grids.person = (single_surname ? s1 : s2) + g1;
    grids.earth = single_given ? g1 + 1 : g1 + g2;
    grids.total = s1 + s2 + g1 + g2;
    if (single_surname && single_given) {
        grids.outer = 2;
    } else if (!single_surname && !single_given) {
        grids.outer = grids.total - grids.person;
    } else {
        grids.outer = grids.total - grids.person + 1;
    }
    return grids;
}

}  // namespace langyue
