#include "analysis/verdict.h"

#include <utility>
#include <vector>

#include "text/gbk.h"

namespace langyue {

int verdict_factor_hundredths(const std::string& verdict_gbk) {
    static const std::vector<std::pair<std::string, int>> factors = {
        {gbk("大吉"), 100}, {gbk("吉"), 100}, {gbk("中"), 85}, {gbk("凶"), 60}, {gbk("大凶"), 30}};
    for (const auto& [word, factor] : factors) {
        if (word == verdict_gbk) return factor;
    }
    return 0;
}

const std::string& score_advice(int score_hundredths) {
    static const std::vector<std::pair<int, std::string>> bands = {
        {9000, gbk("你的名字取得非常棒，如果与命理搭配得当，成功与惊喜将会伴随你的一生。但千万注意不要失去上进心。")},
        {8000, gbk("你的名字取得不错，如果与命理搭配得当，相信它会助你一生顺利的，祝你好运！")},
        {7000, gbk("你的名字可能不太理想，要想赢得成功，必须比别人付出更多的艰辛和汗水。如果有条件，改个名字也未尝不可。")},
        {6000, gbk("你的名字不太好，如果可能的话，不妨尝试改变一下，也许会有事半功倍之效。")},
        {0, gbk("你的名字很不好！强烈建议你换个名字试试，也许人生会因此而改变的。")}};
    for (const auto& [bound, advice] : bands) {
        if (score_hundredths >= bound) return advice;
    }
    return bands.back().second;
}

}  // namespace langyue
