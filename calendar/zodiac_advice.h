// ZodiacAdvice: for the zodiac animal of a birth year, the radicals a given name should and
// should not use.
#pragma once

#include <string>
#include <string_view>

namespace langyue {

// The advice text of earthly branch `branch` (1 子 鼠 … 12 亥 猪), GBK; empty outside 1..12.
// Built as "生肖属相：" + animal + "。\r\n\r\n" + animal + "年出生的人取名偏旁部首：\r\n\r\n宜："
// + favourable radicals + "等部首为吉。\r\n\r\n忌：" + unfavourable radicals + "等部首。",
// with one blank more at the end for 蛇 and 马.
const std::string& zodiac_advice(int branch);

// append_zodiac_advice: appends to the chart text the advice for the animal of the year
// pillar (甲子 and 丙子 both give 鼠, 癸亥 gives 猪), directly after its last paragraph.
// Nothing is appended when the pillar is no position of the sexagenary cycle (it is empty).
void append_zodiac_advice(std::string& chart_text, std::string_view year_pillar);

}  // namespace langyue
