// Page 5 "起英文名": the surname and Chinese given name, the gender character, the name length
// and the list of English names.
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

#include "app/ui/control_factory.h"
#include "app/ui/date_lists.h"
#include "app/ui/main_pages.h"

namespace langyue {

QWidget* build_english_page() {
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(8, 8, 8, 8);
    column->setSpacing(8);

    auto* top = new QHBoxLayout;
    QGroupBox* inputs = make_group("分组框9");
    auto* rows = new QVBoxLayout(inputs);
    rows->setContentsMargins(8, 6, 8, 6);
    rows->setSpacing(6);

    auto* names_row = new QHBoxLayout;
    names_row->setSpacing(4);
    names_row->addWidget(make_label("透明标签18", QStringLiteral("姓氏:")));
    QLineEdit* surname = make_edit("编辑框_英文姓氏");
    surname->setFixedWidth(64);
    names_row->addWidget(surname);
    names_row->addSpacing(12);
    names_row->addWidget(make_label("透明标签19", QStringLiteral("名字:")));
    QLineEdit* given_name = make_edit("编辑框_英文名字");
    given_name->setFixedWidth(80);
    names_row->addWidget(given_name);
    names_row->addSpacing(20);
    names_row->addWidget(make_label("透明标签16", QStringLiteral("名字长度:")));
    names_row->addWidget(make_combo("组合框_日子1", number_items(3, 6)));
    names_row->addWidget(make_label("透明标签20", QStringLiteral("-")));
    QComboBox* longest = make_combo("组合框_时间1", number_items(3, 6));
    longest->setCurrentIndex(3);
    names_row->addWidget(longest);
    names_row->addStretch();
    rows->addLayout(names_row);

    auto* gender_row = new QHBoxLayout;
    gender_row->addWidget(make_label("透明标签17", QStringLiteral("性别设置:")));
    gender_row->addWidget(make_radio("单选框_男性化", QStringLiteral("男性化"), true));
    gender_row->addWidget(make_radio("单选框_女性化", QStringLiteral("女性化")));
    gender_row->addWidget(make_radio("单选框_中性化", QStringLiteral("中性化")));
    gender_row->addStretch();
    rows->addLayout(gender_row);
    top->addWidget(inputs, 1);
    QPushButton* generate = make_button("按钮_英文起名", QStringLiteral("生成"));
    generate->setMinimumSize(64, 34);
    top->addWidget(generate, 0, Qt::AlignVCenter);
    column->addLayout(top);

    QGroupBox* names =
        make_group("分组框13", QStringLiteral("姓名列表(双击英文名字可以自动朗读)"));
    auto* inner = new QVBoxLayout(names);
    inner->setContentsMargins(6, 6, 6, 6);
    inner->addWidget(make_list("超级列表框_英文列表", ResultListModel::english_columns()));
    column->addWidget(names, 1);
    return page;
}

}  // namespace langyue
