// Result lists: the row layout, the operations on rows held outside a view, and the export.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace langyue {

struct NameAnalysis;

// Columns: 编号, 姓名, 简体笔划, 繁体笔划, 五行, 五格, 三才, 评分.
struct ResultRow {
    enum Column { kNumber = 0, kName, kSimplifiedTotal, kTraditionalTotal, kElements, kGrids,
                  kPattern, kScore };
    std::array<std::string, 8> cells;

    // An empty row is one that a paused run has not filled yet: its number is empty.
    bool filled() const { return !cells[kNumber].empty(); }
};

// The row of a rated name from the record rate_candidate leaves: the number, the surname and
// given name, the two stroke totals, the element string, the grids 天,人,地,总,外, the pattern
// and the score.
ResultRow make_result_row(int number, const std::string& surname, const std::string& given,
                          const NameAnalysis& record, int score);

// The operations a list view performs on its rows, for lists held outside a view.
// Sorts by the integer value of column 7, highest first; equal scores keep their order.
void sort_by_score(std::vector<ResultRow>& rows);
// Writes 1, 2, 3, ... into column 0 from the top down.
void renumber_rows(std::vector<ResultRow>& rows);

// The export file's text: the header line, then one line per row from the top up to the first
// unfilled row; columns separated by four blanks, lines ended by CR LF (GBK).
std::string result_list_export_text(const std::vector<ResultRow>& rows);

// Writes the export text to `path`, replacing any earlier file; false when it cannot be
// written (the caller does not report it).
bool export_result_list(const std::vector<ResultRow>& rows, const std::string& path);
// The classic page's text written unchanged.
bool export_classic_text(const std::string& text, const std::string& path);

// The export files in the data folder.
inline constexpr const char* kHighScoreExportFile = "NameList.txt";
inline constexpr const char* kSuperLuckyExportFile = "100NameList.txt";
inline constexpr const char* kClassicExportFile = "ClassNameList.txt";

}  // namespace langyue
