// NayinTable: for each position of the sexagenary cycle, the element pair of its stem and
// branch and its nayin (纳音), the sound-element shared by two consecutive positions.
#pragma once

#include <string>

namespace langyue {

struct NayinEntry {
    std::string element_pair;  // element of the stem, comma, element of the branch, comma: "木,水,"
    std::string nayin;         // for example "海中金"
};

// The entry of position n (1 甲子 … 60 癸亥), GBK; nullptr outside 1..60.
// Stems 甲乙 木, 丙丁 火, 戊己 土, 庚辛 金, 壬癸 水; branches 寅卯 木, 巳午 火, 申酉 金,
// 亥子 水, 辰戌丑未 土.
const NayinEntry* nayin_entry(int n);

}  // namespace langyue
