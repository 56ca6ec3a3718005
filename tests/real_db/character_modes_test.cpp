// The poetry, combination and English modes on the real database.
#include <gtest/gtest.h>

#include "app/messages.h"
#include "db/load_name_database.h"
#include "db/name_database.h"
#include "generation/english_names.h"
#include "generation/generation_run.h"
#include "generation/recording_sink.h"
#include "tests/test_support.h"
#include "text/gbk.h"

namespace langyue {
namespace {

class RealCharacterModes : public testing::Test {
protected:
    static void SetUpTestSuite() {
        set_message_handler([](const Message&) { return MessageAnswer::kOk; });
        const std::string file = test::real_database_file();
        ASSERT_TRUE(load_name_database(name_database(), file.substr(0, file.rfind("/data/"))));
    }
};

TEST_F(RealCharacterModes, EnglishNamesBeginWithTheMappedInitial) {
    const struct {
        const char* given;
        int gender;
        const char* initial;
    } cases[] = {{"朗月", 1, "L"}, {"朗", 2, "L"}, {"子涵", 1, "Th"}, {"安", 1, "I"},
                 {"伟", 1, "W"},   {"晓", 2, "Sh"}};
    for (const auto& c : cases) {
        EnglishNameInputs inputs;
        inputs.given_name = gbk(c.given);
        inputs.gender = c.gender;
        inputs.min_length = 3;
        inputs.max_length = 6;
        const std::vector<EnglishNameRow> rows = english_names(inputs);
        EXPECT_FALSE(rows.empty()) << c.given;
        for (size_t i = 0; i < rows.size(); ++i) {
            EXPECT_EQ(rows[i].number, static_cast<int>(i + 1));
            EXPECT_EQ(rows[i].name.rfind(c.initial, 0), 0u) << c.given << " " << rows[i].name;
            EXPECT_GE(rows[i].name.size(), 3u);
            EXPECT_LE(rows[i].name.size(), 6u);
            EXPECT_FALSE(rows[i].chinese_reading.empty());
        }
    }
}

TEST_F(RealCharacterModes, TheDefaultCombinationTextGivesFourHundredNames) {
    GenerationInputs inputs;
    inputs.mode = GenerationMode::kCombination;
    inputs.surname = gbk("李");
    inputs.sex = gbk("男");
    inputs.given_length = 2;
    inputs.combination_text = gbk("圣诚杰泽鹤航轩辉皓君豪博楷国益佑天南泰宇");
    RecordingSink sink;
    RunControl control;
    generation_run(inputs, sink, control);
    EXPECT_EQ(sink.rows(ResultList::kCombination).size(), 400u);
}

TEST_F(RealCharacterModes, ThousandsOfPoetsAndLiBaisPoems) {
    QueryCursor poets = name_database().query(gbk("select count(*) from LM_Poet"));
    EXPECT_GT(poets.column_int(0), 3000);
    QueryCursor poems =
        name_database().query(gbk("select count(*) from LM_全唐诗 where 作者=\"李白\""));
    EXPECT_GT(poems.column_int(0), 100);
}

}  // namespace
}  // namespace langyue
