// The command-line tool as a user runs it, against build/data/namedata.db.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <sys/wait.h>

#include "tests/test_support.h"

namespace langyue {
namespace {

struct CliRun {
    std::string output;
    int exit_code = -1;
};

// Runs langyue-cli with a shell-quoted argument text (UTF-8), standard error discarded.
CliRun run_cli(const std::string& arguments, const std::string& input = "") {
    const std::string command = std::string(LANGYUE_BUILD_DIR) + "/langyue-cli " + arguments +
                                " 2>/dev/null" + (input.empty() ? "" : " <<'EOF'\n" + input + "EOF");
    CliRun run;
    FILE* pipe = popen(command.c_str(), "r");
    std::array<char, 4096> buffer{};
    while (size_t n = fread(buffer.data(), 1, buffer.size(), pipe)) run.output.append(buffer.data(), n);
    const int status = pclose(pipe);
    run.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

TEST(Cli, LookupPrintsTheRowOrSaysThereIsNone) {
    const CliRun found = run_cli("lookup 李");
    EXPECT_EQ(found.exit_code, 0);
    EXPECT_EQ(found.output.rfind("Id\t", 0), 0u);
    EXPECT_NE(found.output.find("\n汉字\t李\n"), std::string::npos);
    EXPECT_NE(found.output.find("\n繁体笔画数\t7\n"), std::string::npos);
    EXPECT_EQ(run_cli("lookup 𠀀").exit_code, 1);
}

TEST(Cli, ScorePrintsOneLinePerName) {
    const CliRun one = run_cli("score 李 朗月");
    EXPECT_EQ(one.exit_code, 0);
    EXPECT_EQ(one.output.rfind("李朗月\t21\t22\t", 0), 0u) << one.output;
    EXPECT_NE(one.output.find("\t8,18,15,22,5\t金金土\t"), std::string::npos) << one.output;

    const CliRun batch = run_cli("score -", "李 朗月\n李 朗\n\n欧阳 朗月\n");
    EXPECT_EQ(batch.exit_code, 0);
    EXPECT_EQ(std::count(batch.output.begin(), batch.output.end(), '\n'), 3);
    EXPECT_NE(batch.output.find("\n李朗\t"), std::string::npos);
}

TEST(Cli, ScoreRefusesEmptyParts) {
    EXPECT_EQ(run_cli("score '' 朗月").exit_code, 2);
    EXPECT_EQ(run_cli("score 李 '  '").exit_code, 2);
    const CliRun batch = run_cli("score -", "李\n李 朗\n");
    EXPECT_EQ(batch.exit_code, 2);
    EXPECT_EQ(batch.output.rfind("李朗\t", 0), 0u);
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
