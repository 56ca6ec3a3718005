// The behaviour of the eight-character page (page 6 "生辰八字" of the main window): charting
// the chosen date into 编辑框_八字信息 and preparing the page when it is opened. The page's
// controls are built elsewhere; this class finds them by their control names.
#pragma once

#include <QObject>

#include "calendar/birth_chart.h"

class QWidget;

namespace langyue {

class BirthChartPage : public QObject {
    Q_OBJECT

public:
    // page: the widget holding 单选框1, 单选框_自定义日期, 透明标签_起名日期, the four
    // 组合框_八字… lists, 按钮_八字查询, 编辑框_八字信息, 八字五行标签 and 缺五行标签.
    // main_dates: a widget holding the mode page's 组合框_年份, 组合框_月份, 组合框_日子 and
    // 组合框_时间 (the main window). 按钮_八字查询 is connected to show_birth_chart. The object
    // becomes a child of `page`.
    BirthChartPage(QWidget* page, QWidget* main_dates);

    // The chart state kept between queries.
    const BirthChart& chart() const { return chart_; }

    // The page of a main window, made on the first call and found again afterwards.
    static BirthChartPage* attach(QWidget* page, QWidget* main_dates);

public slots:
    // Charts the page's own date when 单选框_自定义日期 is selected, otherwise the mode page's,
    // and replaces the chart text. A date that does not exist keeps the previous pillars.
    void show_birth_chart();

    // Before the page is shown: the naming date into 透明标签_起名日期, the page's own date
    // lists refilled at 2013-1-1 0时, and the page made current in 高级选择夹1. The chart is not
    // recomputed and the radio buttons keep their state.
    void prepare_eight_character_page();

private:
    QWidget* page_;
    QWidget* main_dates_;
    BirthChart chart_;
};

}  // namespace langyue
