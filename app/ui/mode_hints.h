// The seven generation modes as the mode page shows them: radio button, caption, and the
// status bar's image and text while the mode is chosen. Order: left to right on the page.
#pragma once

#include <array>

namespace langyue {

struct ModeHint {
    const char* radio_name;
    const char* caption;
    int status_image;
    const char* status_text;
};

inline const std::array<ModeHint, 7>& mode_hints() {
    static const std::array<ModeHint, 7> hints = {{
        {"单选框_经典起名", "经典起名", 0, "高速生成,以好听为主,不考虑名字的五行数理等因素"},
        {"单选框_高分起名", "高分起名", 1, "1-20秒内生成10000个90分以上的高分姓名"},
        {"单选框_超吉起名", "超吉起名", 2,
         "系统将在1000万个名字中提取超吉名字,起名时间较长,并且不考虑单字名"},
        {"单选框_诗词起名", "诗词起名", 3, "使用近3000位诗人的数十万诗词进行组合起名"},
        {"单选框_组合起名", "组合起名", 4, "使用您自定义的字进行组合起名"},
        {"单选框_起小名", "起小名", 5, "小名即为乳名,以好听为主,侧重好记好听顺口,评分不用考虑"},
        {"单选框_起英文名", "起英文名", 6, "有了中文名之后,还应该给宝宝起个英文名字,向国际化接轨"},
    }};
    return hints;
}

}  // namespace langyue
