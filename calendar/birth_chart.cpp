#include "calendar/birth_chart.h"

#include "calendar/five_elements.h"
#include "calendar/nayin_table.h"
#include "calendar/zodiac_advice.h"
#include "text/gbk.h"

namespace langyue {
namespace {

// The fixed texts of the chart, converted once.
struct ChartWords {
    std::string year = gbk("年");
    std::string month = gbk("月");
    std::string day = gbk("日");
    std::string hour = gbk("时");
    std::string gregorian = gbk("公历日期：");
    std::string lunar = gbk("农历日期：");
    std::string lunar_pattern = gbk("%Y年    %M  %D日  ");
    std::string pillars = gbk("八字四柱：");
    std::string elements = gbk("八字五行：");
    std::string nayin = gbk("五行纳音：");
};

const ChartWords& words() {
    static const ChartWords w;
    return w;
}

constexpr const char* kParagraphEnd = "\r\n\r\n";

}  // namespace

std::string BirthChart::pillars_text() const {
    const ChartWords& w = words();
    return pillars[0] + w.year + "  " + pillars[1] + w.month + "  " + pillars[2] + w.day + "  " +
           pillars[3] + w.hour;
}

ChartTexts compute_birth_chart(BirthChart& chart, std::string_view year, std::string_view month,
                               std::string_view day, std::string_view hour) {
    const ChartWords& w = words();
    chart.year = year;
    chart.month = month;
    chart.day = day;
    chart.hour = hour;
    chart.moment = moment_from_texts(year, month, day, hour);

    if (chart.moment) {
        if (const auto pillars = four_pillars(*chart.moment)) {
            chart.pillars = {pillars->year, pillars->month, pillars->day, pillars->hour};
        }
    }
    for (int i = 0; i < 4; ++i) {
        if (const NayinEntry* entry = nayin_entry(cycle_position(chart.pillars[i]))) {
            chart.pillar_elements[i] = entry->element_pair;
            chart.pillar_nayin[i] = entry->nayin;
        }
    }

    ChartTexts texts;
    for (const std::string& pair : chart.pillar_elements) texts.five_elements += pair;
    const MissingElements missing = find_missing_elements(texts.five_elements);
    texts.missing_elements = missing.missing;

    const std::string date_text =
        chart.year + w.year + chart.month + w.month + chart.day + w.day + chart.hour + w.hour;
    const std::string lunar_text =
        chart.moment ? lunar_date_text(*chart.moment, w.lunar_pattern) : std::string();

    std::string& out = texts.chart;
    out = w.gregorian + date_text + kParagraphEnd;
    out += w.lunar;
    if (!lunar_text.empty()) out += lunar_text + chart.pillars[3] + w.hour;
    out += kParagraphEnd;
    out += w.pillars + chart.pillars_text() + kParagraphEnd;
    out += w.elements + texts.five_elements + " ( " + missing.text + " ) " + kParagraphEnd;
    out += w.nayin + chart.pillar_nayin[0] + "  " + chart.pillar_nayin[1] + "  " +
           chart.pillar_nayin[2] + "  " + chart.pillar_nayin[3] + kParagraphEnd;
    append_zodiac_advice(out, chart.pillars[0]);
    return texts;
}

}  // namespace langyue
