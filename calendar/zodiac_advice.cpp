#include "calendar/zodiac_advice.h"

#include <array>

#include "calendar/chinese_calendar.h"
#include "text/gbk.h"

namespace langyue {
namespace {

struct AnimalRadicals {
    const char* animal;
    const char* favourable;
    const char* unfavourable;
    bool trailing_blank;
};

// By branch: 子 丑 寅 卯 辰 巳 午 未 申 酉 戌 亥.
constexpr AnimalRadicals kAnimals[] = {
    {"鼠", "宀、米、豆、鱼、艹、金、玉、人、木、月、田、钅",
     "山、刀、力、弓、土、穴、心、石、皮、氵、马、酉、才、火、车", false},
    {"牛", "水、艹、豆、米、金、玉、宀、人、木、氵、钅", "月、火、田、车、马、石、血、纟、刀、几",
     false},
    {"虎", "山、玉、金、木、示、水、月、犭、马、氵、钅",
     "日、火、田、口、几、纟、石、刀、血、弓、父、足", false},
    {"兔", "月、艹、山、田、人、禾、木、宀、金、白、玉、豆、钅", "马、车、石、刀、力、皮、水、川",
     false},
    {"龙", "水、金、玉、白、赤、月、鱼、酉、人、氵、钅",
     "土、田、木、禾、示、心、日、石、艹、力、刀、纟、犭、火", false},
    {"蛇", "艹、虫、豆、鱼、酉、木、田、山、金、玉、月、土、钅",
     "小、石、刀、血、弓、火、人、犭、父、纟", true},
    {"马", "艹、金、玉、木、禾、虫、米、人、月、土、才、钅",
     "田、日、火、水、车、石、力、刀、酉、马", true},
    {"羊", "金、白、玉、月、田、豆、米、马、禾、木、人、艹、鱼", "小、犭、纟、车、山、水、日、火",
     false},
    {"猴", "木、禾、金、玉、豆、米、田、山、月、水、人、氵", "火、石、口、冖、纟、刀、力、皮、犭",
     false},
    {"鸡", "米、豆、虫、木、禾、玉、月、宀、山、艹、金、钅",
     "石、犭、刀、力、日、酉、血、弓、才、乡、车、马", false},
    {"狗", "鱼、豆、米、宀、马、金、玉、艹、田、木、月、禾、水、人、氵、钅",
     "火、石、纟、山、才、日、酉、车、刀、父、言", false},
    {"猪", "豆、米、鱼、水、金、玉、月、木、人、山、土、艹、氵",
     "纟、石、刀、力、血、弓、几、皮、父", false},
};

std::array<std::string, 12> build_texts() {
    std::array<std::string, 12> texts;
    for (int i = 0; i < 12; ++i) {
        const AnimalRadicals& a = kAnimals[i];
        const std::string animal = a.animal;
        texts[i] =
            gbk("生肖属相：" + animal + "。\r\n\r\n" + animal +
                "年出生的人取名偏旁部首：\r\n\r\n宜：" + a.favourable + "等部首为吉。\r\n\r\n忌：" +
                a.unfavourable + "等部首。" + (a.trailing_blank ? " " : ""));
    }
    return texts;
}

}  // namespace

const std::string& zodiac_advice(int branch) {
    static const std::array<std::string, 12> texts = build_texts();
    static const std::string none;
    if (branch < 1 || branch > 12) return none;
    return texts[branch - 1];
}

void append_zodiac_advice(std::string& chart_text, std::string_view year_pillar) {
    const int n = cycle_position(year_pillar);
    if (n != 0) chart_text += zodiac_advice((n - 1) % 12 + 1);
}

}  // namespace langyue
