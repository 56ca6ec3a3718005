#include "analysis/grids.h"

#include <gtest/gtest.h>

#include "analysis/element.h"
#include "text/gbk.h"

namespace langyue {
namespace {

struct GridCase {
    int s1, s2, g1, g2, surname_count, given_count;
    FiveGrids expected;
};

class GridRules : public ::testing::TestWithParam<GridCase> {};

TEST_P(GridRules, FollowTheFourOuterRules) {
    const GridCase& c = GetParam();
    const FiveGrids g = compute_grids(c.s1, c.s2, c.g1, c.g2, c.surname_count, c.given_count);
    EXPECT_EQ(g.heaven, c.expected.heaven);
    EXPECT_EQ(g.person, c.expected.person);
    EXPECT_EQ(g.earth, c.expected.earth);
    EXPECT_EQ(g.total, c.expected.total);
    EXPECT_EQ(g.outer, c.expected.outer);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GridRules,
    ::testing::Values(
        // 1 + 1: outer is 2 whatever the strokes.
        GridCase{7, 0, 11, 0, 1, 1, {8, 18, 12, 18, 2}},
        // 1 + 2: outer = second given + 1.
        GridCase{7, 0, 11, 4, 1, 2, {8, 18, 15, 22, 5}},
        // 2 + 2: outer = s1 + g2.
        GridCase{15, 17, 11, 4, 2, 2, {32, 28, 15, 47, 19}},
        // 2 + 1: outer = s1 + 1.
        GridCase{15, 17, 11, 0, 2, 1, {32, 28, 12, 43, 16}},
        // A missing one-character surname: heaven 1.
        GridCase{0, 0, 11, 4, 1, 2, {1, 11, 15, 15, 5}},
        // Three given characters count as two (only the first two were passed).
        GridCase{7, 0, 11, 4, 1, 3, {8, 18, 15, 22, 5}}));

TEST(NumberElement, ComesFromTheLastDigit) {
    const std::pair<int, const char*> cases[] = {{11, "木"}, {23, "火"}, {35, "土"},
                                                 {48, "金"}, {10, "水"}, {39, "水"}};
    for (const auto& [number, element] : cases) {
        EXPECT_EQ(gbk_to_utf8(number_element(number % 10)), element) << number;
    }
    EXPECT_EQ(number_element(10), "");
    EXPECT_EQ(number_element(-1), "");
}

}  // namespace
}  // namespace langyue
