// The written tables of the real database: the numerology tables, surnames, English names,
// articles and the meanings of the pool characters.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "analysis/name_analysis.h"
#include "app/embedded_resources.h"
#include "app/messages.h"
#include "app/program_paths.h"
#include "db/load_name_database.h"
#include "tests/test_support.h"
#include "text/gbk.h"

namespace langyue {
namespace {

using Row = std::vector<std::string>;

// build/ for build/data/namedata.db.
std::string program_directory_of_real_database() {
    const std::string file = test::real_database_file();
    return file.substr(0, file.rfind("/data/"));
}

std::vector<Row> rows(const std::string& statement) { return test::real_database_rows(statement); }

// Fails for every row with an empty field, except at the allowed positions.
void expect_no_empty_field(const std::string& table, std::set<size_t> allowed = {}) {
    for (const Row& row : rows("select * from " + table)) {
        for (size_t i = 0; i < row.size(); ++i) {
            if (allowed.count(i)) continue;
            EXPECT_FALSE(row[i].empty()) << table << " row " << row[0] << " column " << i;
        }
    }
}

const std::set<std::string> kVerdicts = {"大吉", "吉", "中", "凶", "大凶"};

TEST(NumerologyTables, EightyOneNumbersWithValidVerdicts) {
    const auto numbers = rows("select * from LM_八一灵动数 order by Id");
    ASSERT_EQ(numbers.size(), 81u);
    for (size_t i = 0; i < numbers.size(); ++i) {
        EXPECT_EQ(numbers[i][0], std::to_string(i + 1));
        EXPECT_TRUE(kVerdicts.count(numbers[i][1])) << numbers[i][0];
    }
    expect_no_empty_field("LM_八一灵动数");
}

TEST(NumerologyTables, EveryThreeTalentPatternExactlyOnce) {
    const std::string elements[] = {"金", "木", "水", "火", "土"};
    std::set<std::string> expected;
    for (const auto& a : elements)
        for (const auto& b : elements)
            for (const auto& c : elements) expected.insert(a + b + c);
    std::multiset<std::string> found;
    for (const Row& row : rows("select * from LM_三才配置")) {
        found.insert(row[1]);
        EXPECT_TRUE(kVerdicts.count(row[2])) << row[1];
    }
    EXPECT_EQ(found.size(), 125u);
    EXPECT_EQ(std::set<std::string>(found.begin(), found.end()), expected);
    expect_no_empty_field("LM_三才配置");
}

// Reads column `value` of the row whose column `key` is `wanted` in a table file of
// resources/data, independently of the database.
std::string from_table_file(const std::string& table, size_t key, const std::string& wanted,
                            size_t value) {
    std::ifstream in(test::source_dir() + "/resources/data/" + table + ".tsv");
    std::string line;
    while (std::getline(in, line)) {
        std::vector<std::string> fields;
        std::stringstream stream(line);
        for (std::string field; std::getline(stream, field, '\t');) fields.push_back(field);
        if (fields.size() > std::max(key, value) && fields[key] == wanted) return fields[value];
    }
    return {};
}

TEST(NumerologyTables, KnownNamesScoreByTheVerdictsOfTheFiles) {
    set_message_handler([](const Message&) { return MessageAnswer::kOk; });
    name_database().close();
    ASSERT_TRUE(load_name_database(name_database(), program_directory_of_real_database()));
    struct Known {
        const char* surname;
        const char* given;
        std::vector<int> grids;  // heaven, person, earth, total, outer
        const char* pattern;
    };
    const Known names[] = {{"李", "朗月", {8, 18, 15, 22, 5}, "金金土"},
                           {"张", "伟", {12, 22, 12, 22, 2}, "木木木"},
                           {"欧阳", "明", {32, 25, 9, 40, 16}, "木土水"}};
    for (const Known& name : names) {
        NameAnalysis analysis;
        analyse_name(gbk(name.surname), gbk(name.given), analysis);
        const FiveGrids& g = analysis.grids;
        ASSERT_EQ((std::vector<int>{g.heaven, g.person, g.earth, g.total, g.outer}), name.grids)
            << name.surname << name.given;
        ASSERT_EQ(gbk_to_utf8(analysis.pattern), name.pattern);
        for (size_t i = 0; i < 5; ++i) {
            EXPECT_EQ(gbk_to_utf8(analysis.verdicts[i]),
                      from_table_file("LM_八一灵动数", 0, std::to_string(name.grids[i]), 1));
        }
        EXPECT_EQ(gbk_to_utf8(analysis.verdicts[5]),
                  from_table_file("LM_三才配置", 1, name.pattern, 2));
    }
}

TEST(Surnames, AtLeastFiveHundredWithCompoundOnesAndNoEmptyField) {
    EXPECT_GE(rows("select * from LM_百家姓").size(), 500u);
    for (const char* surname : {"欧阳", "司马", "上官", "诸葛", "东方", "皇甫", "尉迟", "公孙",
                                "慕容", "令狐", "宇文", "长孙", "司徒", "夏侯", "李", "王"}) {
        EXPECT_EQ(rows(std::string("select * from LM_百家姓 where 姓='") + surname + "'").size(), 1u)
            << surname;
    }
    expect_no_empty_field("LM_百家姓");
}

TEST(EnglishNames, EveryMappedInitialFindsNamesOfEachSex) {
    const auto names = rows("select * from LM_EName");
    EXPECT_GE(names.size(), 1500u);
    std::map<std::string, std::set<std::string>> sexes_by_initial;
    for (const Row& row : names) sexes_by_initial[row[2].empty() ? row[1] : row[2]].insert(row[5]);
    // What the English initial map gives for the pinyin initials: a c j k o q x y z are mapped,
    // the rest stay as they are.
    for (const char* initial : {"i", "s", "g", "ch", "a", "sh", "e", "th", "b", "p", "m", "f",
                                "d", "t", "n", "l", "h", "r", "w"}) {
        EXPECT_TRUE(sexes_by_initial[initial].count("1")) << initial;
        EXPECT_TRUE(sexes_by_initial[initial].count("2")) << initial;
    }
    expect_no_empty_field("LM_EName", {2});
}

TEST(Articles, EveryMenuCategoryHasThreeArticles) {
    const std::vector<std::string> parenting = {
        "备孕百科", "孕期百科", "分娩百科", "0-1岁百科", "1-3岁百科", "3-6岁百科", "孕育指南",
        "教育早知道", "胎教", "早教资源", "才艺培养", "游戏玩具", "智力开发", "行为心理",
        "学前教育", "母乳喂养", "人工喂养", "补钙攻略", "辅食添加", "营养元素", "食疗保健",
        "食谱大全", "饮食宜忌", "均衡营养", "护理保健", "生长发育", "体格检查", "预防免疫",
        "成人疾病", "儿科疾病", "药物手册", "出行安全", "用品安全", "家居安全", "宠物安全",
        "医药安全", "食品安全", "幼儿园安全"};
    const std::vector<std::string> fortune = {"起名知识", "算命知识", "星座算命", "相术算命",
                                              "血型算命", "风水知识", "开运技巧"};
    for (const auto& [table, categories] :
         {std::pair{"LM_育儿百科", parenting}, std::pair{"LM_算命风水", fortune}}) {
        for (const std::string& category : categories) {
            const auto articles = rows(std::string("select 标题 from ") + table +
                                       " where 分类标题='" + category + "'");
            EXPECT_GE(articles.size(), 3u) << category;
            std::set<std::string> titles;
            for (const Row& row : articles) titles.insert(row[0]);
            EXPECT_EQ(titles.size(), articles.size()) << category;
        }
        expect_no_empty_field(table);
    }
}

TEST(CharacterMeanings, EveryPoolCharacterShowsItsWrittenMeaningAndAnElement) {
    std::map<std::string, std::string> written;
    for (const char* file : {"char_meanings_a", "char_meanings_b", "char_meanings_c"}) {
        std::ifstream in(test::source_dir() + "/resources/data/" + file + ".tsv");
        std::string line;
        while (std::getline(in, line)) {
            const size_t tab = line.find('\t');
            if (tab != std::string::npos) written[line.substr(0, tab)] = line.substr(tab + 1);
        }
    }
    std::map<std::string, Row> table;
    for (Row& row : rows("select 汉字, 基本解释, 五行属性 from LM_CNWord")) {
        table.emplace(row[0], std::move(row));
    }
    for (const char* pool : {"pools/boys_characters.txt", "pools/girls_characters.txt",
                             "pools/classic_boys_characters.txt",
                             "pools/classic_girls_characters.txt"}) {
        const std::string text(embedded_resource(pool));
        for (size_t i = 0; i + 3 <= text.size() && text[i] != '\n'; i += 3) {
            const std::string character = text.substr(i, 3);
            const auto row = table.find(character);
            ASSERT_NE(row, table.end()) << character;
            EXPECT_EQ(row->second[1], written[character]) << character;
            EXPECT_FALSE(row->second[2].empty()) << character;
        }
    }
}

}  // namespace
}  // namespace langyue
