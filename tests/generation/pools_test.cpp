#include "generation/pools.h"

#include <gtest/gtest.h>

#include <set>

#include "text/gbk.h"

namespace langyue {
namespace {

struct PoolCase {
    Pool pool;
    size_t size;
    size_t distinct;
    const char* first;  // UTF-8
    const char* last;
};

class PoolSizes : public testing::TestWithParam<PoolCase> {};

TEST_P(PoolSizes, HoldTheGivenEntries) {
    const PoolCase& c = GetParam();
    const std::vector<std::string>& entries = pool_entries(c.pool);
    ASSERT_EQ(entries.size(), c.size);
    EXPECT_EQ(std::set<std::string>(entries.begin(), entries.end()).size(), c.distinct);
    EXPECT_EQ(gbk_to_utf8(entries.front()), c.first);
    EXPECT_EQ(gbk_to_utf8(entries.back()), c.last);
    const bool names = c.pool == Pool::kClassicBoysNames || c.pool == Pool::kClassicGirlsNames;
    for (const std::string& entry : entries) {
        ASSERT_EQ(entry.size(), names ? 4u : 2u) << gbk_to_utf8(entry);
        ASSERT_GE(static_cast<unsigned char>(entry[0]), 0x81);
    }
}

INSTANTIATE_TEST_SUITE_P(
    BuiltIn, PoolSizes,
    testing::Values(PoolCase{Pool::kBoysCharacters, 1854, 1854, "湛", "苗"},
                    PoolCase{Pool::kGirlsCharacters, 973, 973, "筠", "苓"},
                    PoolCase{Pool::kNicknameCharacters, 2827, 2124, "湛", "苓"},
                    PoolCase{Pool::kClassicBoysCharacters, 841, 841, "安", "遵"},
                    PoolCase{Pool::kClassicGirlsCharacters, 294, 294, "安", "醉"},
                    PoolCase{Pool::kClassicBoysNames, 2910, 2878, "博涛", "翰波"},
                    PoolCase{Pool::kClassicGirlsNames, 2134, 2091, "梦璐", "晓梅"}));

TEST(Pools, NicknamePoolIsTheBoysPoolFollowedByTheGirls) {
    EXPECT_EQ(pool_text(Pool::kNicknameCharacters),
              pool_text(Pool::kBoysCharacters) + pool_text(Pool::kGirlsCharacters));
}

TEST(Pools, NameListsEndWithAComma) {
    for (Pool pool : {Pool::kClassicBoysNames, Pool::kClassicGirlsNames}) {
        EXPECT_EQ(pool_text(pool).back(), ',');
    }
}

TEST(Pools, HoldCharactersOutsideGb2312) {
    const std::string& boys = pool_text(Pool::kBoysCharacters);
    const std::string& girls = pool_text(Pool::kGirlsCharacters);
    for (const char* character : {"弢", "燊", "瑄", "垚"}) {
        EXPECT_NE(boys.find(gbk(character)), std::string::npos) << character;
    }
    for (const char* character : {"玥", "嬿", "翾", "婼"}) {
        EXPECT_NE(girls.find(gbk(character)), std::string::npos) << character;
    }
}

TEST(Pools, SexChoosesThePool) {
    EXPECT_EQ(character_pool_for_sex(gbk("男")).size(), 1854u);
    EXPECT_EQ(character_pool_for_sex(gbk("女")).size(), 973u);
    EXPECT_TRUE(character_pool_for_sex(gbk("未知")).empty());
}

}  // namespace
}  // namespace langyue
