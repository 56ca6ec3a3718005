#include "generation/english_names.h"

#include <gtest/gtest.h>

#include "tests/generation/run_helpers.h"
#include "tests/test_support.h"
#include "text/gbk.h"

namespace langyue {
namespace {

TEST(EnglishInitialMap, MapsEachRuleAndLeavesOtherInitials) {
    const std::pair<const char*, const char*> cases[] = {
        {"a", "i"}, {"c", "s"},   {"j", "g"},  {"k", "ch"}, {"o", "a"}, {"q", "ch"},
        {"x", "sh"}, {"y", "e"},  {"z", "th"}, {"w", "w"},  {"l", "l"}, {"zh", "zh"},
        {"", ""},    {"Z", "Z"}};
    for (const auto& [pinyin, english] : cases) {
        EXPECT_EQ(english_initial_map(pinyin), english) << pinyin;
    }
}

TEST(PronunciationLink, TakesTheTextBetweenTheMarkerAndMp3) {
    const std::string page =
        "<p><a href=\"x\" url=\"no.mp3\"></a><a href=\"#\" url=\"http://s.example/leo.mp3\">"
        "<a href=\"#\" url=\"http://s.example/other.mp3\">";
    EXPECT_EQ(pronunciation_link(page), "http://s.example/leo");
    EXPECT_EQ(pronunciation_link("<html>no sound here</html>"), "");
    EXPECT_EQ(pronunciation_link("<a href=\"#\" url=\"http://s.example/leo.wav"), "");
    EXPECT_EQ(pronunciation_page_address("Leo"), std::string(kEnglishDictionaryAddress) + "Leo");
}

// A small table: characters with the initials the rules need, and English names of three
// initials, genders and lengths.
class EnglishNames : public testing::Test {
protected:
    void SetUp() override {
        test::open_empty_test_database();
        test::exec_sql(
            "insert into LM_CNWord (Id,汉字,拼音1,声母) values (1,'朗','lang','l'),"
            "(2,'泽','ze','Z'),(3,'伟','wei','w'),(4,'安','an',''),(5,'梓','zi','z')");
        test::exec_sql(
            "insert into LM_EName (Id,EIndex,EIndex2,Name,NameLength,Sex,Cnword,Mean) values "
            "(1,'t','th','Thomas',6,1,'托马斯','双生子'),"
            "(2,'t','','Tom',3,1,'汤姆','双生子'),"
            "(3,'t','th','Theo',4,3,'西奥','神赐'),"
            "(4,'w','','William',7,1,'威廉','坚定的守护者'),"
            "(5,'w','','Wade',4,1,'韦德','涉水者'),"
            "(6,'i','','Ian',3,1,'伊恩','神的恩典'),"
            "(7,'l','','Leo',3,1,'利奥','狮子'),"
            "(8,'l','','Lily',4,2,'莉莉','百合花'),"
            "(9,'l','','Louis',5,1,'路易斯','著名的战士'),"
            "(10,'l','','Lorenzo',7,1,'洛伦佐','月桂')");
    }

    static std::vector<std::string> names(const std::string& given, int gender, int low = 0,
                                          int high = 0) {
        EnglishNameInputs inputs;
        inputs.given_name = gbk(given);
        inputs.gender = gender;
        inputs.min_length = low;
        inputs.max_length = high;
        std::vector<std::string> result;
        int expected_number = 1;
        for (const EnglishNameRow& row : english_names(inputs)) {
            EXPECT_EQ(row.number, expected_number++);
            result.push_back(row.name);
        }
        return result;
    }
};

TEST_F(EnglishNames, SearchesTheMappedInitialOfTheFirstCharacter) {
    const struct {
        const char* given;
        int gender;
        std::vector<std::string> names;
    } cases[] = {
        {"梓涵", 1, {"Thomas"}},                    // z searches th (Tom's own initial is t)
        {"泽", 1, {"Thomas"}},                      // 声母 is taken in lower case
        {"伟", 1, {"William", "Wade"}},             // w stays w
        {"安", 1, {"Ian"}},                         // empty 声母: 拼音1's a, mapped to i
        {"朗", 1, {"Leo", "Louis", "Lorenzo"}},
        {"朗", 2, {"Lily"}},
        {"梓", 3, {"Theo"}},
        {"朗", 0, {}},                              // no gender checked
        {"鑫", 1, {}},                              // no LM_CNWord row
        {"  ", 1, {}},                              // only blanks
    };
    for (const auto& c : cases) {
        EXPECT_EQ(names(c.given, c.gender), c.names) << c.given << " " << c.gender;
    }
}

TEST_F(EnglishNames, TheLengthBoxesFilterByNameLengthInEitherOrder) {
    EXPECT_EQ(names("朗", 1, 3, 6), (std::vector<std::string>{"Leo", "Louis"}));
    EXPECT_EQ(names("朗", 1, 6, 3), (std::vector<std::string>{"Leo", "Louis"}));
    EXPECT_EQ(names("朗", 1, 4, 5), (std::vector<std::string>{"Louis"}));
    EXPECT_EQ(names("朗", 1, 5, 5), (std::vector<std::string>{"Louis"}));
}

TEST_F(EnglishNames, RunListsTheNamesAndClosesTheWaitingWindow) {
    GenerationInputs inputs = test::inputs_for(GenerationMode::kEnglish, "李", "男", 2);
    inputs.english.given_name = gbk("朗");
    inputs.english.gender = 1;
    RecordingSink sink;
    test::run_to_end(inputs, sink);
    ASSERT_EQ(sink.english_rows().size(), 3u);
    EXPECT_EQ(gbk_to_utf8(english_list_text(sink.english_rows())),
              "编号    英文名    中文读音    相关含义\r\n"
              "1    Leo    利奥    狮子\r\n"
              "2    Louis    路易斯    著名的战士\r\n"
              "3    Lorenzo    洛伦佐    月桂\r\n");
    const auto& log = sink.log();
    const auto english_end = std::find(log.begin(), log.end(), "english 3");
    ASSERT_NE(english_end, log.end());
    EXPECT_EQ(*(english_end + 1), "waiting closed");

    // Switching the gender gives a new list numbered from 1.
    inputs.english.gender = 3;
    inputs.english.given_name = gbk("梓");
    RecordingSink second;
    test::run_to_end(inputs, second);
    ASSERT_EQ(second.english_rows().size(), 1u);
    EXPECT_EQ(second.english_rows()[0].number, 1);
}

}  // namespace
}  // namespace langyue
