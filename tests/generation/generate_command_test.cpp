// langyue-cli generate high|super|classic against build/data/namedata.db: the export text on
// standard output, the options steering the run, and the seed fixing the shuffle.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "tests/test_support.h"

namespace langyue {
namespace {

test::CliOutput generate(const std::string& arguments) {
    return test::run_cli("generate " + arguments);
}

// The columns of an export line.
std::vector<std::string> columns(const std::string& line) {
    std::vector<std::string> result;
    size_t start = 0;
    for (size_t at = line.find("    "); at != std::string::npos; at = line.find("    ", start)) {
        result.push_back(line.substr(start, at - start));
        start = at + 4;
    }
    result.push_back(line.substr(start));
    return result;
}

const char* const kHeader = "编号    姓名    简体笔划    繁体笔划    五行    五格    三才    评分\r\n";

TEST(GenerateCommand, HighScoreListsTenThousandNamesOfNinetyOrMore) {
    const test::CliOutput out = generate("high --surname 李 --length 2 --seed 5");
    ASSERT_EQ(out.exit_code, 0);
    EXPECT_EQ(out.text.rfind(kHeader, 0), 0u);
    const std::vector<std::string> rows = out.rows();
    ASSERT_EQ(rows.size(), 10000u);
    int previous = 100;
    for (size_t i = 0; i < rows.size(); ++i) {
        const std::vector<std::string> cells = columns(rows[i]);
        ASSERT_EQ(cells.size(), 8u) << rows[i];
        ASSERT_EQ(cells[0], std::to_string(i + 1));
        ASSERT_EQ(cells[1].rfind("李", 0), 0u);
        const int score = std::stoi(cells[7]);
        ASSERT_TRUE(score >= 90 && score <= previous) << rows[i];
        previous = score;
    }
    EXPECT_EQ(generate("high --surname 李 --length 2 --seed 5").text, out.text);
    EXPECT_NE(generate("high --surname 李 --length 2 --seed 6").text, out.text);
}

TEST(GenerateCommand, GenerationCharacterFixesTheSecondPlace) {
    const test::CliOutput out = generate("high --surname 李 --length 2 --second 朗 --seed 5");
    ASSERT_EQ(out.exit_code, 0);
    ASSERT_GT(out.rows().size(), 300u);
    for (const std::string& row : out.rows()) ASSERT_EQ(columns(row)[1].substr(0, 6), "李朗") << row;
}

TEST(GenerateCommand, SuperLuckyFiltersByElement) {
    // Second place 木 only: the element string's second character is 木.
    const test::CliOutput wood = generate("super --surname 李 --sex 女 --second-place 木 --seed 2");
    ASSERT_EQ(wood.exit_code, 0);
    ASSERT_FALSE(wood.rows().empty());
    for (const std::string& row : wood.rows()) ASSERT_EQ(columns(row)[4].substr(3, 3), "木") << row;
    // No 金 in the given name.
    const test::CliOutput no_metal = generate("super --surname 李 --sex 女 --forbid 金 --seed 2");
    ASSERT_FALSE(no_metal.rows().empty());
    for (const std::string& row : no_metal.rows()) {
        ASSERT_EQ(columns(row)[4].substr(3).find("金"), std::string::npos) << row;
    }
    EXPECT_EQ(generate("super --surname 李 --forbid 水火 --second-place 土 --seed 2").exit_code, 0);
    EXPECT_EQ(generate("super --surname 李 --must 石").exit_code, 2);
}

TEST(GenerateCommand, ClassicPrintsTheBoxText) {
    const test::CliOutput out = generate("classic --surname 李 --sex 女 --length 1 --seed 9");
    ASSERT_EQ(out.exit_code, 0);
    EXPECT_EQ(std::count(out.text.begin(), out.text.end(), '\n'), 2 * 18);
    EXPECT_EQ(out.text.rfind("李", 0), 0u);
    EXPECT_EQ(generate("classic --surname 李 --sex 女 --length 1 --seed 9").text, out.text);
}

TEST(GenerateCommand, RefusesBadOptions) {
    EXPECT_EQ(generate("high").exit_code, 2);
    EXPECT_EQ(generate("high --surname 李 --length 3").exit_code, 2);
    EXPECT_EQ(generate("fast --surname 李").exit_code, 2);
    EXPECT_EQ(generate("high --surname 李 --second 朗 --third 月").exit_code, 2);
    // An empty surname is the run's own message; the list is the header alone.
    const test::CliOutput empty = generate("high --surname ''");
    EXPECT_EQ(empty.exit_code, 0);
    EXPECT_EQ(empty.text, kHeader);
}

}  // namespace
}  // namespace langyue
