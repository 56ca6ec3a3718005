#include "generation/result_list.h"

#include <gtest/gtest.h>

#include "analysis/name_analysis.h"
#include "tests/test_support.h"
#include "text/gbk.h"

namespace langyue {
namespace {

ResultRow row(const std::string& number, const std::string& name, const std::string& score) {
    ResultRow r;
    r.cells = {number, gbk(name), "20", "22", gbk("木火土"), "8,18,16,22,6", gbk("金金土"), score};
    return r;
}

TEST(ResultRow, IsMadeFromTheRatingRecord) {
    NameAnalysis record;
    record.simplified_total = 23;
    record.grids = {8, 18, 17, 24, 7};
    record.element_string = gbk("木火木");
    record.pattern = gbk("金金金");
    const ResultRow r = make_result_row(12, gbk("李"), gbk("朗竹"), record, 97);
    const std::array<std::string, 8> expected = {"12", gbk("李朗竹"), "23", "24", gbk("木火木"),
                                                 "8,18,17,24,7", gbk("金金金"), "97"};
    EXPECT_EQ(r.cells, expected);
}

TEST(ResultList, SortIsNumericHighestFirstAndKeepsTheOrderOfEqualScores) {
    std::vector<ResultRow> rows = {row("1", "李甲", "99"), row("2", "李乙", "100"),
                                   row("3", "李丙", "99"), row("4", "李丁", "9"),
                                   row("5", "李戊", "100")};
    sort_by_score(rows);
    std::vector<std::string> names;
    for (const ResultRow& r : rows) names.push_back(gbk_to_utf8(r.cells[ResultRow::kName]));
    EXPECT_EQ(names, (std::vector<std::string>{"李乙", "李戊", "李甲", "李丙", "李丁"}));
    renumber_rows(rows);
    for (size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(rows[i].cells[0], std::to_string(i + 1));
}

TEST(ResultList, ExportWritesHeaderAndRowsWithFourBlanksAndCrLf) {
    const std::vector<ResultRow> rows = {row("1", "李朗", "100"), row("2", "李月", "96")};
    const std::string expected = gbk(
        "编号    姓名    简体笔划    繁体笔划    五行    五格    三才    评分\r\n"
        "1    李朗    20    22    木火土    8,18,16,22,6    金金土    100\r\n"
        "2    李月    20    22    木火土    8,18,16,22,6    金金土    96\r\n");
    EXPECT_EQ(result_list_export_text(rows), expected);
    EXPECT_EQ(result_list_export_text({}), gbk("编号    姓名    简体笔划    繁体笔划    五行    五格    三才    评分\r\n"));

    test::ScratchProgramDir dir(false);
    ASSERT_TRUE(export_result_list(rows, dir.data_file(kHighScoreExportFile)));
    EXPECT_EQ(test::read_file(dir.data_file(kHighScoreExportFile)), expected);
}

TEST(ResultList, ExportStopsAtTheFirstUnfilledRow) {
    const std::vector<ResultRow> rows = {row("1", "李朗", "100"), ResultRow{},
                                         row("3", "李月", "96")};
    const std::string text = result_list_export_text(rows);
    EXPECT_NE(text.find(gbk("李朗")), std::string::npos);
    EXPECT_EQ(text.find(gbk("李月")), std::string::npos);
}

}  // namespace
}  // namespace langyue
