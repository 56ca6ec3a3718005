// The command-line tool as a user runs it, against build/data/namedata.db.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/test_support.h"

namespace langyue {
namespace {

using test::run_cli;

TEST(Cli, LookupPrintsTheRowOrSaysThereIsNone) {
    const test::CliOutput found = run_cli("lookup 李");
    EXPECT_EQ(found.exit_code, 0);
    EXPECT_EQ(found.text.rfind("Id\t", 0), 0u);
    EXPECT_NE(found.text.find("\n汉字\t李\n"), std::string::npos);
    EXPECT_NE(found.text.find("\n繁体笔画数\t7\n"), std::string::npos);
    EXPECT_EQ(run_cli("lookup 𠀀").exit_code, 1);
}

TEST(Cli, ScorePrintsOneLinePerName) {
    const test::CliOutput one = run_cli("score 李 朗月");
    EXPECT_EQ(one.exit_code, 0);
    EXPECT_EQ(one.text.rfind("李朗月\t21\t22\t", 0), 0u) << one.text;
    EXPECT_NE(one.text.find("\t8,18,15,22,5\t金金土\t"), std::string::npos) << one.text;

    const test::CliOutput batch = run_cli("score -", "李 朗月\n李 朗\n\n欧阳 朗月\n");
    EXPECT_EQ(batch.exit_code, 0);
    EXPECT_EQ(std::count(batch.text.begin(), batch.text.end(), '\n'), 3);
    EXPECT_NE(batch.text.find("\n李朗\t"), std::string::npos);
}

TEST(Cli, ScoreRefusesEmptyParts) {
    EXPECT_EQ(run_cli("score '' 朗月").exit_code, 2);
    EXPECT_EQ(run_cli("score 李 '  '").exit_code, 2);
    const test::CliOutput batch = run_cli("score -", "李\n李 朗\n");
    EXPECT_EQ(batch.exit_code, 2);
    EXPECT_EQ(batch.text.rfind("李朗\t", 0), 0u);
}

TEST(Cli, ScoreWritesTheReportOfTheLastName) {
    test::ScratchProgramDir dir(false);
    const std::string report = dir.data_file("report.html");
    EXPECT_EQ(run_cli("score - --report " + report, "李 朗\n欧阳 朗月\n").exit_code, 0);
    const std::string page = test::read_file(report);
    EXPECT_NE(page.find("charset=gb2312"), std::string::npos);
    EXPECT_NE(page.find("\xC5\xB7"), std::string::npos);  // 欧 in GBK
}

}  // namespace
}  // namespace langyue
