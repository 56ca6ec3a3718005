#include "tools/namedata/character_rules.h"

#include <gtest/gtest.h>

#include "tools/namedata/poem_text.h"

namespace namedata {
namespace {

TEST(RadicalStrokeTest, ReadsRadicalSimplifiedMarkAndResidual) {
    const auto plain = parse_radical_stroke("85.7");
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->radical, 85);
    EXPECT_FALSE(plain->simplified_radical);
    EXPECT_EQ(plain->residual, 7);

    const auto simplified = parse_radical_stroke("167'.6 167.6");
    ASSERT_TRUE(simplified);
    EXPECT_EQ(simplified->radical, 167);
    EXPECT_TRUE(simplified->simplified_radical);
    EXPECT_EQ(simplified->residual, 6);

    EXPECT_EQ(parse_radical_stroke("5.-1")->residual, -1);
    EXPECT_FALSE(parse_radical_stroke(""));
    EXPECT_FALSE(parse_radical_stroke("215.3"));
    EXPECT_FALSE(parse_radical_stroke("85"));
}

TEST(KangxiStrokesTest, RadicalsCountInFullForm) {
    struct Case {
        int radical;
        int strokes;
    };
    // 一 1, 二 2, 口 3, 手(扌) 4, 水(氵) 4, 火(灬) 4, 玉(王) 5, 肉(月) 6, 艸(艹) 6,
    // 辵(辶) 7, 邑(右阝) 7, 金 8, 阜(左阝) 8, 食 9, 馬 10, 魚 11, 黃 12, 鼓 13, 鼻 14,
    // 齒 15, 龍 16, 龠 17.
    const Case cases[] = {{1, 1},   {7, 2},   {30, 3},   {64, 4},   {85, 4},   {86, 4},
                          {96, 5},  {130, 6}, {140, 6},  {162, 7},  {163, 7},  {167, 8},
                          {170, 8}, {184, 9}, {187, 10}, {195, 11}, {201, 12}, {207, 13},
                          {209, 14}, {211, 15}, {212, 16}, {214, 17}, {0, 0},  {215, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(full_radical_strokes(c.radical), c.strokes) << "radical " << c.radical;
    }
}

TEST(KangxiStrokesTest, TraditionalCharactersFromTheirIndex) {
    struct Case {
        char32_t character;
        const char* index;
        int total_strokes;
        int strokes;
    };
    const Case cases[] = {
        {U'海', "85.7", 10, 11},   {U'張', "57.8", 11, 11},  {U'鄭', "163.12", 14, 19},
        {U'蘇', "140.16", 19, 22}, {U'琳', "96.8", 12, 13},  {U'遠', "162.10", 13, 17},
        {U'陳', "170.8", 10, 16},  {U'胡', "130.5", 9, 11},  {U'朗', "74.7", 10, 11},
        {U'於', "70.4", 8, 8},     {U'銘', "167'.6", 14, 14},  // a simplified mark counts 金
        // A residual one short of the written strokes: the written count stands.
        {U'政', "66.4", 9, 9},     {U'紫', "120.5", 12, 12}, {U'泰', "85.5", 10, 10},
        // Radicals written whole count their own strokes.
        {U'王', "96.-1", 4, 4},    {U'才', "64.0", 3, 3},    {U'玉', "96.0", 5, 5},
        {U'月', "74.0", 4, 4},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(kangxi_strokes(c.character, *parse_radical_stroke(c.index), c.total_strokes),
                  c.strokes)
            << c.index;
    }
}

TEST(KangxiStrokesTest, NumeralsCountTheirValue) {
    const char32_t numerals[] = {U'一', U'二', U'三', U'四', U'五',
                                 U'六', U'七', U'八', U'九', U'十'};
    const RadicalStroke any{1, false, 3};
    for (int value = 1; value <= 10; ++value) {
        EXPECT_EQ(kangxi_strokes(numerals[value - 1], any, 2), value);
    }
    EXPECT_EQ(kangxi_strokes(U'百', *parse_radical_stroke("106.1"), 6), 6);
}

TEST(RadicalFormTest, SideFormWhereTheRadicalIsWrittenShort) {
    struct Case {
        int radical;
        int written_strokes;
        char32_t form;
    };
    const Case cases[] = {
        {85, 3, U'氵'},  {85, 4, 0},      {64, 3, U'扌'},  {140, 3, U'艹'}, {162, 3, U'辶'},
        {61, 3, U'忄'},  {61, 4, 0},      {94, 3, U'犭'},  {96, 4, U'王'},  {96, 5, 0},
        {113, 4, U'礻'}, {145, 5, U'衤'}, {145, 6, 0},     {130, 4, U'月'}, {163, 2, U'阝'},
        {170, 2, U'阝'}, {122, 5, U'罒'}, {18, 2, U'刂'},  {75, 4, 0},      {85, 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(written_radical_form(c.radical, c.written_strokes), c.form)
            << c.radical << " written with " << c.written_strokes;
    }
}

TEST(ToneMarksTest, StripsMarksKeepsUmlaut) {
    const std::pair<const char*, const char*> cases[] = {
        {"lǎng", "lang"}, {"lǜ", "lü"},   {"nǚ", "nü"},   {"yú", "yu"},  {"ne", "ne"},
        {"zhāng", "zhang"}, {"ǎi", "ai"}, {"ń", "n"},     {"ḿ", "m"},    {"ề", "ê"},
        {"Lǐ", "li"},     {"xiōng", "xiong"}, {"è", "e"}, {"ōu", "ou"},
    };
    for (const auto& [marked, plain] : cases) EXPECT_EQ(strip_tone_marks(marked), plain);
}

TEST(SyllableTest, SplitsInitialAndFinal) {
    struct Case {
        const char* plain;
        const char* initial;
        const char* final_part;
    };
    const Case cases[] = {
        {"lang", "l", "ang"},  {"zhang", "zh", "ang"}, {"chen", "ch", "en"},
        {"shi", "sh", "i"},    {"zi", "z", "i"},       {"xiong", "x", "iong"},
        {"yu", "y", "u"},      {"wang", "w", "ang"},   {"lü", "l", "ü"},
        {"ai", "", "ai"},      {"er", "", "er"},       {"ou", "", "ou"},
        {"n", "", "n"},        {"hm", "", "hm"},       {"ng", "", "ng"},
    };
    for (const auto& c : cases) {
        const auto parts = split_syllable(c.plain);
        EXPECT_EQ(parts.initial, c.initial) << c.plain;
        EXPECT_EQ(parts.final_part, c.final_part) << c.plain;
    }
}

TEST(ElementTest, RadicalDecidesBeforeInitial) {
    EXPECT_EQ(element_of(167, "m", true), "金");  // 铭: 钅
    EXPECT_EQ(element_of(75, "l", true), "木");   // 李: 木
    EXPECT_EQ(element_of(85, "h", true), "水");   // 海: 氵
    EXPECT_EQ(element_of(15, "b", true), "水");   // 冰: 冫
    EXPECT_EQ(element_of(173, "x", true), "水");  // 雪: 雨
    EXPECT_EQ(element_of(86, "r", true), "火");   // 然: 灬
    EXPECT_EQ(element_of(32, "k", true), "土");   // 坤: 土
    EXPECT_EQ(element_of(32, "", false), "土");
}

TEST(ElementTest, InitialDecidesOtherwise) {
    const std::pair<const char*, const char*> cases[] = {
        {"b", "水"}, {"p", "水"}, {"m", "水"}, {"f", "水"},  {"d", "火"},  {"t", "火"},
        {"n", "火"}, {"l", "火"}, {"g", "木"}, {"k", "木"},  {"h", "木"},  {"j", "金"},
        {"q", "金"}, {"x", "金"}, {"z", "金"}, {"c", "金"},  {"s", "金"},  {"zh", "金"},
        {"ch", "金"}, {"sh", "金"}, {"r", "金"}, {"y", "土"}, {"w", "土"}, {"", "土"},
    };
    for (const auto& [initial, element] : cases) {
        EXPECT_EQ(element_of(74, initial, true), element) << initial;  // 月 names no element
    }
    EXPECT_EQ(element_of(74, "", false), "");
}

TEST(HtmlEscapeTest, EscapesAmpersandAndLessThan) {
    EXPECT_EQ(html_escape("a<b & c>d"), "a&lt;b &amp; c>d");
    EXPECT_EQ(html_escape("朗"), "朗");
}

TEST(PoemTextTest, JoinsLinesWithFullWidthPunctuation) {
    EXPECT_EQ(join_poem_lines({"床前明月光，疑是地上霜。", "举头望明月,低头思故乡."}),
              "床前明月光，疑是地上霜。举头望明月，低头思故乡。");
}

TEST(PoemTextTest, InitialsAreFirstCharactersOfClauses) {
    EXPECT_EQ(clause_initials("床前明月光，疑是地上霜。举头望明月，低头思故乡。"), "床疑举低");
    // A clause ending in "？" runs on to the next "，" or "。".
    EXPECT_EQ(clause_initials("何处是归程？长亭更短亭。"), "何");
    EXPECT_EQ(clause_initials("「春眠不觉晓」，处处闻啼鸟。"), "春处");
    EXPECT_EQ(clause_initials(""), "");
}

TEST(PoemTextTest, PlaceholdersAreFound) {
    EXPECT_TRUE(has_placeholder("冰□已镂津"));
    EXPECT_TRUE(has_placeholder("语浑{山/沦}"));
    EXPECT_FALSE(has_placeholder("床前明月光"));
}

TEST(Utf8Test, RoundTripsAndRecognisesIdeographs) {
    const std::string text = "朗a𫛶〇";
    EXPECT_EQ(to_u32(text), U"朗a𫛶〇");
    EXPECT_EQ(to_utf8(to_u32(text)), text);
    EXPECT_TRUE(is_ideograph(U'朗'));
    EXPECT_TRUE(is_ideograph(U'〇'));
    EXPECT_TRUE(is_ideograph(U'𫛶'));
    EXPECT_FALSE(is_ideograph(U'，'));
    EXPECT_FALSE(is_ideograph(U'a'));
}

}  // namespace
}  // namespace namedata
