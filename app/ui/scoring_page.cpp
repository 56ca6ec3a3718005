// Page 7 "姓名评分": a typed surname and given name with a birth date, and the list of the
// names scored so far.
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "app/ui/control_factory.h"
#include "app/ui/date_lists.h"
#include "app/ui/main_pages.h"

namespace langyue {
namespace {

QGroupBox* name_inputs() {
    QGroupBox* group = make_group("分组框11");
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setVerticalSpacing(6);

    auto* names = new QHBoxLayout;
    names->setSpacing(4);
    names->addWidget(make_label("透明标签29", QStringLiteral("姓氏:")));
    QLineEdit* surname = make_edit("编辑框_评分姓氏");
    surname->setFixedWidth(80);
    names->addWidget(surname);
    names->addSpacing(16);
    names->addWidget(make_label("透明标签27", QStringLiteral("名字:")));
    QLineEdit* given_name = make_edit("编辑框_评分名字");
    given_name->setFixedWidth(100);
    names->addWidget(given_name);
    names->addStretch();
    grid->addLayout(names, 0, 0);

    auto* date = new QHBoxLayout;
    date->setSpacing(4);
    date->addWidget(make_label("透明标签26", QStringLiteral("出生日期:")));
    const struct {
        const char* list;
        const char* label;
        const char* unit;
    } parts[] = {{"组合框_评分年份", "透明标签_评分年", "年"},
                 {"组合框_评分月份", "透明标签_评分月", "月"},
                 {"组合框_评分日子", "透明标签_评分日", "日"},
                 {"组合框_评分时间", "透明标签_评分时", "时"},
                 {"组合框_评分分钟", "透明标签_评分分", "分"}};
    QComboBox* lists[5] = {};
    int i = 0;
    for (const auto& part : parts) {
        lists[i++] = make_combo(part.list);
        date->addWidget(lists[i - 1]);
        date->addWidget(make_label(part.label, QString::fromUtf8(part.unit)));
        date->addSpacing(2);
    }
    fill_date_lists(lists[0], lists[1], lists[2], lists[3], lists[4], kYearIndex2013);
    size_date_lists(lists[0], lists[1], lists[2], lists[3], lists[4]);
    date->addStretch();
    grid->addLayout(date, 1, 0);

    QPushButton* score = make_button("按钮_评分", QStringLiteral("评分"));
    score->setMinimumSize(72, 40);
    grid->addWidget(score, 0, 1, 2, 1, Qt::AlignVCenter);
    grid->setColumnStretch(0, 1);
    return group;
}

}  // namespace

QWidget* build_scoring_page() {
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(8, 8, 8, 8);
    column->setSpacing(8);
    column->addWidget(name_inputs());
    QGroupBox* list_group = make_group("分组框12", result_list_caption());
    auto* inner = new QVBoxLayout(list_group);
    inner->setContentsMargins(6, 6, 6, 6);
    inner->addWidget(make_list("超级列表框_评分列表"));
    column->addWidget(list_group, 1);
    return page;
}

}  // namespace langyue
