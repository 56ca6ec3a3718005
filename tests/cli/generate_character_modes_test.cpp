// langyue-cli generate poem|combo|nick|english against build/data/namedata.db.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/test_support.h"

namespace langyue {
namespace {

test::CliOutput generate(const std::string& arguments) {
    return test::run_cli("generate " + arguments);
}

const char* const kResultHeader = "编号    姓名    简体笔划    繁体笔划    五行    五格    三才    评分\r\n";

TEST(CliCharacterModes, PrintTheListAsTheExportWouldWriteIt) {
    const struct {
        const char* arguments;
        long lines;  // the header included
    } cases[] = {
        {"poem --surname 李 --length 2 --chars 明月明", 5},  // 明 月 李: 9 pairs, 4 without 李
        {"poem --surname 李 --length 1 --chars 明月", 3},
        {"combo --surname 李 --length 2 --chars '圣诚杰泽鹤航轩辉皓君豪博楷国益佑天南泰宇'", 401},
        {"combo --surname 李 --length 2 --chars 'a1，泽 轩'", 5},
        {"nick --surname 小 --style 小A", 1},
    };
    for (const auto& c : cases) {
        const test::CliOutput out = generate(c.arguments);
        EXPECT_EQ(out.exit_code, 0) << c.arguments;
        EXPECT_EQ(out.text.rfind(kResultHeader, 0), 0u) << c.arguments;
        EXPECT_EQ(out.lines(), c.lines) << c.arguments;
    }
}

TEST(CliCharacterModes, EnglishListsTheNamesOfTheMappedInitial) {
    const test::CliOutput out = generate("english --surname 李 --given 朗 --gender 女性化 --min 6 --max 3");
    EXPECT_EQ(out.exit_code, 0);
    EXPECT_EQ(out.text.rfind("编号    英文名    中文读音    相关含义\r\n1    L", 0), 0u) << out.text;
    EXPECT_GT(out.lines(), 2);
    EXPECT_NE(out.text.find("\r\n2    L"), std::string::npos);  // numbered from 1 down
}

TEST(CliCharacterModes, RefusesBadOptions) {
    for (const char* arguments : {"nick --surname 李 --style BB", "english --surname 李",
                                  "english --surname 李 --given 朗 --gender 男",
                                  "english --surname 李 --given 朗 --min x"}) {
        EXPECT_EQ(generate(arguments).exit_code, 2) << arguments;
    }
}

}  // namespace
}  // namespace langyue
