// Page 6 "生辰八字": the date choice and the chart text. The chart itself is computed by the
// calendar part of the program; this file only builds the controls.
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/ui/control_factory.h"
#include "app/ui/date_lists.h"
#include "app/ui/main_pages.h"

namespace langyue {
namespace {

// Two lines: the naming date of the mode page, or a date of the page's own, with 查询 beside.
QGroupBox* date_choice() {
    QGroupBox* group = make_group("分组框15");
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(8, 4, 8, 4);
    grid->setVerticalSpacing(4);
    grid->addWidget(make_radio("单选框1", QStringLiteral("使用起名日期:"), true), 0, 0);
    grid->addWidget(make_label("透明标签_起名日期", QString()), 0, 1);
    grid->addWidget(make_radio("单选框_自定义日期", QStringLiteral("自定义日期:")), 1, 0);

    auto* date = new QHBoxLayout;
    date->setSpacing(3);
    date->addWidget(make_label("透明标签34", QStringLiteral("出生日期:")));
    QComboBox* year = make_combo("组合框_八字年份");
    QComboBox* month = make_combo("组合框_八字月份");
    QComboBox* day = make_combo("组合框_八字日子");
    QComboBox* hour = make_combo("组合框_八字时间");
    fill_date_lists(year, month, day, hour, nullptr, kYearIndex2013);
    size_date_lists(year, month, day, hour, nullptr);
    const struct {
        QComboBox* list;
        const char* label;
        const char* unit;
    } parts[] = {{year, "透明标签33", "年"},
                 {month, "透明标签32", "月"},
                 {day, "透明标签31", "日"},
                 {hour, "透明标签13", "时"}};
    for (const auto& part : parts) {
        date->addWidget(part.list);
        date->addWidget(make_label(part.label, QString::fromUtf8(part.unit)));
        date->addSpacing(3);
    }
    date->addStretch();
    grid->addLayout(date, 1, 1);

    QPushButton* query = make_button("按钮_八字查询", QStringLiteral("查询"));
    query->setMinimumSize(72, 40);
    grid->addWidget(query, 0, 2, 2, 1, Qt::AlignVCenter);
    grid->setColumnStretch(1, 1);
    return group;
}

QGroupBox* chart_text() {
    QGroupBox* group = make_group("分组框14");
    auto* column = new QVBoxLayout(group);
    column->setContentsMargins(8, 8, 8, 8);
    auto* text = new QPlainTextEdit;
    text->setObjectName(QStringLiteral("编辑框_八字信息"));
    text->setReadOnly(true);
    column->addWidget(text);
    // Holders of the chart's element texts: state of the page, never shown.
    for (const char* name : {"八字五行标签", "缺五行标签"}) {
        QLabel* holder = make_label(name, QString());
        holder->setParent(group);
        holder->hide();
    }
    return group;
}

}  // namespace

QWidget* build_chart_page() {
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(8, 8, 8, 8);
    column->setSpacing(8);
    column->addWidget(date_choice());
    column->addWidget(chart_text(), 1);
    return page;
}

}  // namespace langyue
