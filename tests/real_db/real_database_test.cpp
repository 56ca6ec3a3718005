// Checks of the real data/namedata.db that the build makes from the installed sources.
#include <gtest/gtest.h>
#include <opencc/Lexicon.hpp>
#include <opencc/MarisaDict.hpp>
#include <opencc/SimpleConverter.hpp>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/messages.h"
#include "db/load_name_database.h"
#include "db/name_database.h"
#include "db/table_definitions.h"
#include "tests/test_support.h"
#include "text/gbk.h"
#include "tools/namedata/character_rules.h"

namespace fs = std::filesystem;

namespace langyue {
namespace {

using Row = std::vector<std::string>;

// Read-only access to the file itself (UTF-8 texts).
class RealDatabaseTest : public ::testing::Test {
protected:
    static std::vector<Row> rows(const std::string& statement) {
        return test::real_database_rows(statement);
    }
    static long count(const std::string& table) {
        const auto result = rows("select count(*) from " + table);
        return result.empty() ? -1 : std::stol(result[0][0]);
    }
    // The first row of LM_CNWord for a character, or an empty row.
    static Row character(const std::string& utf8) {
        if (characters_.empty()) {
            for (auto& row : rows("select * from LM_CNWord")) {
                characters_.emplace(row[cnword::kCharacter], std::move(row));
            }
        }
        const auto found = characters_.find(utf8);
        return found == characters_.end() ? Row{} : found->second;
    }

    static std::map<std::string, Row> characters_;
};
std::map<std::string, Row> RealDatabaseTest::characters_;

TEST_F(RealDatabaseTest, RowCounts) {
    // Every character GBK encodes (20,902 unified ideographs and a few more), the Tang poems
    // that survive the GBK and placeholder filters, and their poets.
    EXPECT_GE(count("LM_CNWord"), 20900);
    EXPECT_LE(count("LM_CNWord"), 21100);
    EXPECT_GE(count("LM_全唐诗"), 55000);
    EXPECT_LE(count("LM_全唐诗"), 57607);
    EXPECT_GE(count("LM_Poet"), 3400);
    EXPECT_LE(count("LM_Poet"), 3700);
    EXPECT_EQ(rows("select count(distinct 汉字) from LM_CNWord")[0][0],
              std::to_string(count("LM_CNWord")));
}

TEST_F(RealDatabaseTest, EveryPoolCharacterHasAUsableRow) {
    size_t checked = 0;
    for (const auto& entry : fs::directory_iterator(test::source_dir() + "/resources/pools")) {
        const std::string name = entry.path().filename().string();
        if (!name.ends_with("_characters.txt")) continue;
        std::ifstream in(entry.path());
        std::stringstream text;
        text << in.rdbuf();
        for (const char32_t c : namedata::to_u32(text.str())) {
            if (!namedata::is_ideograph(c)) continue;
            const std::string utf8 = namedata::to_utf8(c);
            const Row row = character(utf8);
            ASSERT_FALSE(row.empty()) << name << ": " << utf8;
            EXPECT_FALSE(row[cnword::kElement].empty()) << utf8;
            EXPECT_NE(row[cnword::kSimplifiedStrokes], "0") << utf8;
            EXPECT_NE(row[cnword::kTraditionalStrokes], "0") << utf8;
            EXPECT_FALSE(row[cnword::kPinyin2].empty()) << utf8;
            ++checked;
        }
    }
    EXPECT_GE(checked, 1854u + 973u + 841u + 294u);
}

TEST_F(RealDatabaseTest, KangxiStrokeCounts) {
    const std::pair<const char*, int> cases[] = {
        {"李", 7},  {"海", 11}, {"张", 11}, {"郑", 19}, {"苏", 22}, {"琳", 13}, {"芳", 10},
        {"远", 17}, {"陈", 16}, {"胡", 11}, {"五", 5},  {"朗", 11}, {"一", 1},  {"二", 2},
        {"三", 3},  {"四", 4},  {"六", 6},  {"七", 7},  {"八", 8},  {"九", 9},  {"十", 10},
        {"铭", 14}, {"扬", 13}, {"邦", 11}, {"阳", 17}, {"然", 12}, {"余", 7},  {"范", 11},
        {"王", 4},  {"才", 3},  {"玉", 5},  {"龙", 16}, {"马", 10},
        // 月 as the moon 4, as flesh 6; one reduced form of each further radical.
        {"期", 12}, {"服", 8},  {"肖", 9},  {"情", 12}, {"猛", 12}, {"祥", 11}, {"裕", 13},
        {"罗", 20}, {"红", 9},  {"诗", 13}, {"饰", 14}, {"顺", 12}, {"贵", 12}, {"轩", 10},
        {"闻", 14}, {"鸿", 17}, {"鲁", 15}, {"百", 6},  {"千", 3},  {"万", 15},
        // Common surnames in their traditional form.
        {"刘", 15}, {"杨", 13}, {"黄", 12}, {"赵", 14}, {"吴", 7},  {"孙", 10}, {"郭", 15},
        {"谢", 17}, {"韩", 17}, {"冯", 12}, {"邓", 19}, {"萧", 18},
        // Unihan's residual one short of the written strokes.
        {"政", 9},  {"紫", 12}, {"泰", 10}, {"求", 7},  {"露", 21}, {"致", 10}, {"兴", 16},
        // Forms the override file keeps: 栗 not 慄, 涂 not 塗, 累 not 纍.
        {"栗", 10}, {"涂", 11}, {"累", 11},
        // stroke_overrides.tsv: the index gives 路 12 strokes.
        {"璐", 18},
    };
    for (const auto& [utf8, strokes] : cases) {
        const Row row = character(utf8);
        ASSERT_FALSE(row.empty()) << utf8;
        EXPECT_EQ(row[cnword::kTraditionalStrokes], std::to_string(strokes)) << utf8;
    }
}

TEST_F(RealDatabaseTest, FullReadingsAndWrittenRadicals) {
    struct Case {
        const char* character;
        const char* reading;  // toned, and one the current standard dictionary gives
        const char* radical;  // the side form where the character writes one
    };
    const Case cases[] = {
        {"子", "zǐ", "子"},   {"地", "dì", "土"},   {"著", "zhù", "艹"}, {"裳", "cháng", "衣"},
        {"海", "hǎi", "氵"},  {"泉", "quán", "水"}, {"芳", "fāng", "艹"}, {"远", "yuǎn", "辶"},
        {"怡", "yí", "忄"},   {"思", "sī", "心"},   {"琳", "lín", "王"},  {"璧", "bì", "玉"},
        {"胡", "hú", "月"},   {"都", "dōu", "阝"},  {"陈", "chén", "阝"}, {"祥", "xiáng", "礻"},
        {"裕", "yù", "衤"},   {"罗", "luó", "罒"},  {"卓", "zhuó", "十"}, {"珩", "héng", "王"},
        {"绩", "jì", "纟"},
    };
    for (const auto& c : cases) {
        const Row row = character(c.character);
        ASSERT_FALSE(row.empty()) << c.character;
        EXPECT_EQ(row[cnword::kPinyin2], c.reading) << c.character;
        EXPECT_EQ(row[cnword::kRadical], c.radical) << c.character;
    }
}

TEST_F(RealDatabaseTest, SurnameYuKeepsItsTraditionalForm) {
    const Row row = character("于");
    ASSERT_FALSE(row.empty());
    EXPECT_EQ(row[cnword::kTraditional], "於");
    EXPECT_EQ(row[cnword::kTraditionalStrokes], "8");
    EXPECT_EQ(row[cnword::kSimplifiedStrokes], "3");
}

TEST_F(RealDatabaseTest, ACompleteRow) {
    const Row row = character("铭");
    ASSERT_EQ(row.size(), 16u);
    EXPECT_EQ(row[cnword::kCode], "38125");
    EXPECT_EQ(row[cnword::kSimplified], "铭");
    EXPECT_EQ(row[cnword::kTraditional], "銘");
    EXPECT_EQ(row[cnword::kSimplifiedStrokes], "11");
    EXPECT_EQ(row[cnword::kPinyin1], "ming");
    EXPECT_EQ(row[cnword::kPinyin2], "míng");
    EXPECT_EQ(row[cnword::kInitial], "m");
    EXPECT_EQ(row[cnword::kFinal], "ing");
    EXPECT_EQ(row[cnword::kRadical], "钅");
    EXPECT_EQ(row[cnword::kElement], "金");
    EXPECT_EQ(row[cnword::kWubi], "QQKG");
    EXPECT_FALSE(row[cnword::kBasicMeaning].empty());
    EXPECT_NE(row[cnword::kDetailedMeaning].find("英文释义："), std::string::npos);
    EXPECT_NE(row[cnword::kDetailedMeaning].find("铭记"), std::string::npos);
}

TEST_F(RealDatabaseTest, ElementsAndTextsAreWellFormed) {
    const std::set<std::string> elements = {"", "金", "木", "水", "火", "土"};
    for (const auto& row : rows("select 汉字, 五行属性, 基本解释, 详细解释 from LM_CNWord")) {
        EXPECT_TRUE(elements.count(row[1])) << row[0] << " " << row[1];
        EXPECT_EQ(row[2].find('<'), std::string::npos) << row[0];
        std::string detail = row[3];
        for (size_t at; (at = detail.find("<BR>")) != std::string::npos;) detail.erase(at, 4);
        EXPECT_EQ(detail.find('<'), std::string::npos) << row[0];
    }
}

// Characters that OpenCC's traditional-to-simplified table keeps in some words (於 in 於戏,
// 徵 in 宫徵): a second conversion may segment a text differently and change them.
std::set<std::string> kept_in_some_words() {
    std::set<std::string> kept;
    FILE* file = std::fopen("/usr/share/opencc/TSCharacters.ocd2", "rb");
    if (!file) return kept;
    const auto dict = opencc::MarisaDict::NewFromFile(file);
    std::fclose(file);
    for (const auto& entry : *dict->GetLexicon()) {
        const auto values = entry->Values();
        if (std::find(values.begin(), values.end(), entry->Key()) != values.end()) {
            kept.insert(entry->Key());
        }
    }
    return kept;
}

TEST_F(RealDatabaseTest, PoemsAreSimplifiedAndGbkClean) {
    const opencc::SimpleConverter t2s("/usr/share/opencc/t2s.json");
    const std::set<std::string> kept = kept_in_some_words();
    ASSERT_TRUE(kept.count("於"));
    size_t poems = 0;
    for (const auto& row : rows("select 标题, 作者, 内容, 首字母, 内容长度 from LM_全唐诗")) {
        ++poems;
        for (const auto& text : {row[0], row[1], row[2]}) {
            ASSERT_FALSE(utf8_to_gbk(text).empty()) << text;
            EXPECT_EQ(text.find("□"), std::string::npos) << text;
            // t2s changes nothing, except a character whose simplified form GBK lacks or
            // one that OpenCC keeps in some words.
            const std::u32string before = namedata::to_u32(text);
            const std::u32string after = namedata::to_u32(t2s.Convert(text));
            ASSERT_EQ(before.size(), after.size()) << text;
            for (size_t i = 0; i < before.size(); ++i) {
                if (before[i] == after[i] || kept.count(namedata::to_utf8(before[i]))) continue;
                EXPECT_TRUE(utf8_to_gbk(namedata::to_utf8(after[i])).empty()) << text;
            }
        }
        EXPECT_FALSE(row[3].empty()) << row[2];
        EXPECT_EQ(row[4], std::to_string(namedata::to_u32(row[2]).size()));
    }
    EXPECT_GT(poems, 0u);
}

TEST_F(RealDatabaseTest, PoetsOrderedByPoemCount) {
    const auto poets = rows("select Poet, PoemCount, OrderId from LM_Poet order by OrderId ASC");
    ASSERT_GE(poets.size(), 5u);
    std::vector<std::string> top;
    for (size_t i = 0; i < 5; ++i) top.push_back(poets[i][0]);
    for (const char* poet : {"李白", "杜甫", "白居易"}) {
        EXPECT_NE(std::find(top.begin(), top.end(), poet), top.end()) << poet;
    }
    long total = 0;
    for (size_t i = 0; i < poets.size(); ++i) {
        total += std::stol(poets[i][1]);
        EXPECT_EQ(poets[i][2], std::to_string(i + 1));
        if (i > 0) {
            EXPECT_GE(std::stol(poets[i - 1][1]), std::stol(poets[i][1]));
        }
    }
    EXPECT_EQ(total, count("LM_全唐诗"));
    const auto typed = rows("select typeof(PoemCount) from LM_Poet limit 1");
    EXPECT_EQ(typed[0][0], "text");
    EXPECT_EQ(rows("select count(*) from LM_全唐诗 where 作者 not in (select Poet from LM_Poet)")[0][0],
              "0");
}

// The program loads the file without a message, and the query layer reads the rows as GBK.
TEST(RealDatabaseLoadTest, ProgramLoadsTheFile) {
    std::vector<std::string> messages;
    const auto previous = set_message_handler([&](const Message& message) {
        messages.push_back(gbk_to_utf8(message.text));
        return MessageAnswer::kOk;
    });
    const std::string program_dir =
        fs::path(test::real_database_file()).parent_path().parent_path().string();
    NameDatabase database;
    EXPECT_TRUE(load_name_database(database, program_dir));
    set_message_handler(previous);
    EXPECT_TRUE(messages.empty()) << messages.front();

    QueryCursor cursor = database.query(gbk("select * from LM_CNWord where 汉字=\"朗\""));
    ASSERT_FALSE(cursor.is_none());
    EXPECT_EQ(cursor.column_int(cnword::kTraditionalStrokes), 11);
    EXPECT_EQ(cursor.column_text(cnword::kPinyin2), gbk("lǎng"));
    cursor.finalize();
}

}  // namespace
}  // namespace langyue
