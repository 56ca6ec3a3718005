#include "calendar/nayin_table.h"

#include <array>

#include "text/gbk.h"

namespace langyue {
namespace {

std::array<NayinEntry, 60> build_table() {
    // The element of each stem (甲 … 癸) and each branch (子 … 亥).
    const char* stem_elements[] = {"木", "木", "火", "火", "土", "土", "金", "金", "水", "水"};
    const char* branch_elements[] = {"水", "土", "木", "木", "土", "火",
                                     "火", "土", "金", "金", "土", "水"};
    // One nayin for each pair of positions, 1-2 first.
    const char* nayin[] = {"海中金", "炉中火", "大林木", "路旁土", "剑锋金", "山头火",
                           "涧下水", "城头土", "白蜡金", "杨柳木", "泉中水", "屋上土",
                           "霹雳火", "松柏木", "长流水", "砂石金", "山下火", "平地木",
                           "壁上土", "金箔金", "灯头火", "天河水", "大驿土", "钗钏金",
                           "桑柘木", "大溪水", "沙中土", "天上火", "石榴木", "大海水"};
    std::array<NayinEntry, 60> table;
    for (int i = 0; i < 60; ++i) {
        table[i].element_pair =
            gbk(std::string(stem_elements[i % 10]) + "," + branch_elements[i % 12] + ",");
        table[i].nayin = gbk(nayin[i / 2]);
    }
    return table;
}

}  // namespace

const NayinEntry* nayin_entry(int n) {
    static const std::array<NayinEntry, 60> table = build_table();
    if (n < 1 || n > 60) return nullptr;
    return &table[n - 1];
}

}  // namespace langyue
