#include "text/split_characters.h"

#include <gtest/gtest.h>

#include "text/gbk.h"

namespace langyue {
namespace {

TEST(Gbk, RoundTripsChineseText) {
    const std::string utf8 = "朗月宝宝取名软件，於歐陽";
    const std::string bytes = utf8_to_gbk(utf8);
    EXPECT_EQ(bytes.size(), 24u);  // twelve two-byte characters
    EXPECT_EQ(gbk_to_utf8(bytes), utf8);
}

TEST(Gbk, TextWithoutGbkFormConvertsToEmpty) {
    EXPECT_EQ(utf8_to_gbk("李\xF0\x9F\x98\x80"), "");  // an emoji has no GBK form
    EXPECT_EQ(gbk_to_utf8("\x81"), "");              // a lone lead byte
}

struct SplitCase {
    std::string text;  // GBK bytes
    std::vector<std::string> expected;
};

// Shows the bytes in hex, so a failing case names itself.
void PrintTo(const SplitCase& c, std::ostream* out) {
    for (unsigned char byte : c.text) *out << std::hex << int(byte) << ' ';
}

class SplitCharacters : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitCharacters, CutsByTheLeadByteRule) {
    EXPECT_EQ(split_characters(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitCharacters,
    ::testing::Values(
        SplitCase{"", {}}, SplitCase{"   ", {}},
        SplitCase{gbk("欧阳"), {gbk("欧"), gbk("阳")}},
        SplitCase{"a" + gbk("李") + "b", {"a", gbk("李"), "b"}},
        // Spaces inside text stay characters; only an all-space text is empty.
        SplitCase{gbk("李 朗"), {gbk("李"), " ", gbk("朗")}},
        // 'z' (122) is one byte; '{' (123) and '~' (126) take the next byte along.
        SplitCase{"z{ab~c", {"z", "{a", "b", "~c"}},
        // A lead byte at the end keeps only itself.
        SplitCase{"a\xC0", {"a", "\xC0"}}));

TEST(TextContains, NeverMatchesInsideACharacter) {
    // "滨" and "海" in GBK: a search for bytes that straddle two characters must fail.
    const std::string text = gbk("李朗月");
    EXPECT_TRUE(text_contains(text, gbk("朗")));
    EXPECT_TRUE(text_contains(text, gbk("朗月")));
    EXPECT_FALSE(text_contains(text, gbk("王")));
    const std::string straddle = text.substr(1, 2);  // second byte of 李, first of 朗
    EXPECT_FALSE(text_contains(text, straddle));
    EXPECT_TRUE(text_contains("abc", "bc"));
    EXPECT_TRUE(text_contains("abc", ""));
}

}  // namespace
}  // namespace langyue
