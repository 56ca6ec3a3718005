// The plain result pages: 1 "高分模式", 3 "组合起名" and 4 "起小名". Each is a result list in
// its group box with the page's own inputs and buttons.
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

#include "app/ui/control_factory.h"
#include "app/ui/main_pages.h"

namespace langyue {
namespace {

// A group box holding one result list, filling the width of the page.
QGroupBox* list_group(const char* group_name, const char* list_name) {
    QGroupBox* group = make_group(group_name, result_list_caption());
    auto* layout = new QVBoxLayout(group);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(make_list(list_name));
    return group;
}

QVBoxLayout* page_column(QWidget* page) {
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(8, 8, 8, 8);
    column->setSpacing(8);
    return column;
}

}  // namespace

QWidget* build_high_score_page() {
    auto* page = new QWidget;
    QVBoxLayout* column = page_column(page);
    column->addWidget(list_group("分组框3", "超级列表框_高分起名"), 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(make_button("按钮_高分暂停", QStringLiteral("暂停")));
    buttons->addWidget(make_button("按钮_再生成一次", QStringLiteral("不满意?再生成一次")));
    buttons->addWidget(make_button("按钮_高分导出", QStringLiteral("导出列表")));
    column->addLayout(buttons);
    return page;
}

QWidget* build_combination_page() {
    auto* page = new QWidget;
    QVBoxLayout* column = page_column(page);

    auto* top = new QHBoxLayout;
    QGroupBox* input = make_group("分组框6", QStringLiteral("请在此处输入要组合的字"));
    auto* input_layout = new QHBoxLayout(input);
    input_layout->setContentsMargins(6, 6, 6, 6);
    QLineEdit* characters =
        make_edit("编辑框_组合的字", QStringLiteral("圣诚杰泽鹤航轩辉皓君豪博楷国益佑天南泰宇"));
    characters->setMinimumHeight(28);
    input_layout->addWidget(characters);
    top->addWidget(input, 1);
    QPushButton* generate = make_button("按钮_组合起名", QStringLiteral("生成"));
    generate->setMinimumSize(64, 34);
    top->addWidget(generate, 0, Qt::AlignBottom);
    column->addLayout(top);

    column->addWidget(list_group("分组框2", "超级列表框_组合列表"), 1);
    return page;
}

QWidget* build_nickname_page() {
    auto* page = new QWidget;
    QVBoxLayout* column = page_column(page);

    auto* top = new QHBoxLayout;
    QGroupBox* styles = make_group("分组框7");
    auto* style_row = new QHBoxLayout(styles);
    style_row->setContentsMargins(8, 4, 8, 4);
    style_row->addWidget(make_label("透明标签14", QStringLiteral("小名样式:")));
    style_row->addWidget(make_radio("单选框_AA型", QStringLiteral("AA型"), true));
    style_row->addWidget(make_radio("单选框_小A型", QStringLiteral("小A型")));
    style_row->addWidget(make_radio("单选框_A儿型", QStringLiteral("A儿型")));
    style_row->addWidget(make_radio("单选框_阿A型", QStringLiteral("阿A型")));
    style_row->addStretch();
    top->addWidget(styles, 1);
    QPushButton* generate = make_button("按钮_起小名", QStringLiteral("点击生成"));
    generate->setMinimumSize(80, 34);
    top->addWidget(generate, 0, Qt::AlignVCenter);
    column->addLayout(top);

    column->addWidget(list_group("分组框8", "超级列表框_小名列表"), 1);
    return page;
}

}  // namespace langyue
