#include "generation/result_list.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>

#include "analysis/name_analysis.h"
#include "text/gbk.h"

namespace langyue {
namespace {

const std::string& column_separator() {
    static const std::string blanks = "    ";
    return blanks;
}

int score_value(const ResultRow& row) { return std::atoi(row.cells[ResultRow::kScore].c_str()); }

bool write_bytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

}  // namespace

ResultRow make_result_row(int number, const std::string& surname, const std::string& given,
                          const NameAnalysis& record, int score) {
    ResultRow row;
    const FiveGrids& g = record.grids;
    row.cells[ResultRow::kNumber] = std::to_string(number);
    row.cells[ResultRow::kName] = surname + given;
    row.cells[ResultRow::kSimplifiedTotal] = std::to_string(record.simplified_total);
    row.cells[ResultRow::kTraditionalTotal] = std::to_string(g.total);
    row.cells[ResultRow::kElements] = record.element_string;
    std::string& grids = row.cells[ResultRow::kGrids];
    for (int value : {g.heaven, g.person, g.earth, g.total, g.outer}) {
        if (!grids.empty()) grids += ',';
        grids += std::to_string(value);
    }
    row.cells[ResultRow::kPattern] = record.pattern;
    row.cells[ResultRow::kScore] = std::to_string(score);
    return row;
}

void sort_by_score(std::vector<ResultRow>& rows) {
    std::stable_sort(rows.begin(), rows.end(), [](const ResultRow& a, const ResultRow& b) {
        return score_value(a) > score_value(b);
    });
}

void renumber_rows(std::vector<ResultRow>& rows) {
    for (size_t i = 0; i < rows.size(); ++i) rows[i].cells[ResultRow::kNumber] = std::to_string(i + 1);
}

std::string result_list_export_text(const std::vector<ResultRow>& rows) {
    static const std::string header =
        gbk("编号    姓名    简体笔划    繁体笔划    五行    五格    三才    评分") + "\r\n";
    std::string text = header;
    for (const ResultRow& row : rows) {
        if (!row.filled()) break;
        for (size_t i = 0; i < row.cells.size(); ++i) {
            if (i != 0) text += column_separator();
            text += row.cells[i];
        }
        text += "\r\n";
    }
    return text;
}

bool export_result_list(const std::vector<ResultRow>& rows, const std::string& path) {
    return write_bytes(path, result_list_export_text(rows));
}

bool export_classic_text(const std::string& text, const std::string& path) {
    return write_bytes(path, text);
}

}  // namespace langyue
