// Page 0 "模式选择": the baby's details, the birth date, an introduction and the seven modes.
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/ui/clickable_label.h"
#include "app/ui/control_factory.h"
#include "app/ui/date_lists.h"
#include "app/ui/main_pages.h"
#include "app/ui/mode_hints.h"

namespace langyue {
namespace {

QString introduction() {
    return QStringLiteral(
        "本软件依据五格姓名学，以康熙字典笔画计算天格、人格、地格、外格与总格，再结合三才配置为"
        "名字打分。请先填好宝宝的姓氏、性别、名字字数和出生时间，然后从下面七种方式中挑选一种："
        "经典起名快速列出好听的名字；高分起名和超吉起名注重数理评分；诗词起名从唐诗里取字；"
        "组合起名只用您自己选定的字；起小名生成顺口的乳名；起英文名为宝宝配一个发音相近的英文名。"
        "双击任何一个名字，都能看到它的详细解释。");
}

QGroupBox* baby_details() {
    QGroupBox* group = make_group("分组框1", QStringLiteral("宝宝信息："));
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(8);

    auto* first_row = new QHBoxLayout;
    first_row->addWidget(make_label("透明标签1", QStringLiteral("姓氏:")));
    QLineEdit* surname = make_edit("编辑框_姓氏");
    surname->setFixedWidth(90);
    surname->setMaxLength(8);
    first_row->addWidget(surname);
    first_row->addSpacing(16);
    first_row->addWidget(make_label("透明标签2", QStringLiteral("性别:")));
    first_row->addWidget(make_combo("组合框_性别", {QStringLiteral("男"), QStringLiteral("女")}));
    first_row->addSpacing(16);
    first_row->addWidget(make_label("透明标签3", QStringLiteral("名字个数:")));
    first_row->addWidget(
        make_combo("组合框_名字个数", {QStringLiteral("一字"), QStringLiteral("二字")}));
    first_row->addSpacing(8);
    auto* generation_label = new ClickableLabel(QStringLiteral("辈分"));
    generation_label->setObjectName(QStringLiteral("标签_设置辈份"));
    generation_label->setToolTip(QStringLiteral("设置名字中固定的辈分字"));
    generation_label->set_text_colour(QColor(96, 96, 96));
    first_row->addWidget(generation_label);
    first_row->addStretch();
    grid->addLayout(first_row, 0, 0);

    auto* second_row = new QHBoxLayout;
    second_row->setSpacing(4);
    second_row->addWidget(make_label("透明标签4", QStringLiteral("出生日期(公历):")));
    const struct {
        const char* list;
        const char* label;
        const char* unit;
    } parts[] = {{"组合框_年份", "透明标签5", "年"},
                 {"组合框_月份", "透明标签6", "月"},
                 {"组合框_日子", "透明标签7", "日"},
                 {"组合框_时间", "透明标签8", "时"},
                 {"组合框_分钟", "透明标签9", "分"}};
    QComboBox* lists[5] = {};
    int i = 0;
    for (const auto& part : parts) {
        lists[i] = make_combo(part.list);
        second_row->addWidget(lists[i++]);
        second_row->addWidget(make_label(part.label, QString::fromUtf8(part.unit)));
        second_row->addSpacing(4);
    }
    size_date_lists(lists[0], lists[1], lists[2], lists[3], lists[4]);
    second_row->addStretch();
    grid->addLayout(second_row, 1, 0);
    return group;
}

QWidget* mode_choice() {
    auto* box = new QWidget;
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(make_label("透明标签10", QStringLiteral("请选择起名模式:")));

    auto* row = new QHBoxLayout;
    auto* group = new QButtonGroup(box);
    group->setObjectName(QStringLiteral("起名模式组"));
    const auto& hints = mode_hints();
    for (size_t mode = 0; mode < hints.size(); ++mode) {
        QRadioButton* radio = make_radio(hints[mode].radio_name, QString::fromUtf8(hints[mode].caption),
                                         mode == 0);
        group->addButton(radio, static_cast<int>(mode));
        row->addWidget(radio);
    }
    row->addStretch();
    column->addLayout(row);
    return box;
}

}  // namespace

QWidget* build_mode_page() {
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(10, 8, 10, 10);
    column->setSpacing(10);
    column->addWidget(baby_details());

    QLabel* intro = make_label("透明标签11", introduction());
    intro->setWordWrap(true);
    intro->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    intro->setContentsMargins(4, 2, 4, 2);
    intro->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    column->addWidget(intro, 1);

    column->addWidget(mode_choice());

    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    QPushButton* start = make_button("按钮_起名", QStringLiteral("开始起名"));
    start->setMinimumSize(120, 34);
    bottom->addWidget(start);
    bottom->addStretch();
    column->addLayout(bottom);
    return page;
}

}  // namespace langyue
