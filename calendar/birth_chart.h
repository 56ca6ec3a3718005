// The eight-character chart (生辰八字) of a date and hour: the chart state kept between
// queries and the texts of the chart page, without any widget.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "calendar/chinese_calendar.h"

namespace langyue {

// BirthChart: one instance for the program's life. Texts are GBK.
struct BirthChart {
    // The four combo item texts last charted.
    std::string year;
    std::string month;
    std::string day;
    std::string hour;
    // The date-time made of them, when that date exists.
    std::optional<DateTime> moment;
    // Year, month, day and hour pillar; empty until the first successful query, and kept when
    // a query has no pillars (a date that does not exist, a year before 1901).
    std::array<std::string, 4> pillars;
    // The element pair ("木,水,") and nayin ("海中金") of each pillar, kept between queries.
    std::array<std::string, 4> pillar_elements;
    std::array<std::string, 4> pillar_nayin;

    // year pillar + "年  " + month pillar + "月  " + day pillar + "日  " + hour pillar + "时".
    std::string pillars_text() const;
};

// What one query puts on the chart page.
struct ChartTexts {
    std::string chart;          // 编辑框_八字信息: five paragraphs, then the zodiac advice
    std::string five_elements;  // 八字五行标签: the eight elements, each followed by a comma
    std::string missing_elements;  // 缺五行标签: for example "金", empty when none is missing
};

// Charts the date given by four decimal combo texts, updating `chart`:
//   公历日期：2013年2月10日12时
//   农历日期：癸巳年    正月  初一日  丙午时
//   八字四柱：癸巳年  甲寅月  丁未日  丙午时
//   八字五行：水,火,木,木,火,土,火,火, ( 五行缺：金 )
//   五行纳音：长流水  大溪水  天河水  天河水
// each paragraph ending in "\r\n\r\n", followed by the zodiac advice of the year pillar.
// A date without a lunar date (one that does not exist) has the lunar paragraph
// "农历日期：" alone.
ChartTexts compute_birth_chart(BirthChart& chart, std::string_view year, std::string_view month,
                               std::string_view day, std::string_view hour);

}  // namespace langyue
