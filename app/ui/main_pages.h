// The eleven pages of the main tab control 高级选择夹1, one builder each. A builder creates
// every control of its page with its control name as objectName and lays the page out; the
// behaviour is attached by the main window and by the parts of the program that own it.
#pragma once

class QWidget;

namespace langyue {

QWidget* build_mode_page();         // 0 "模式选择"   mode_page.cpp
QWidget* build_high_score_page();   // 1 "高分模式"   result_pages.cpp
QWidget* build_poetry_page();       // 2 "诗词起名"   poetry_page.cpp
QWidget* build_combination_page();  // 3 "组合起名"   result_pages.cpp
QWidget* build_nickname_page();     // 4 "起小名"     result_pages.cpp
QWidget* build_english_page();      // 5 "起英文名"   english_page.cpp
QWidget* build_chart_page();        // 6 "生辰八字"   chart_page.cpp
QWidget* build_scoring_page();      // 7 "姓名评分"   scoring_page.cpp
QWidget* build_records_page();      // 8 "起名记录"   records_page.cpp
QWidget* build_super_lucky_page();  // 9 "超吉模式"   super_lucky_page.cpp
QWidget* build_classic_page();      // 10 "经典模式"  classic_page.cpp

}  // namespace langyue
