// Page 9 "超吉模式": the five-element filters, the result list, the explanation and the
// page's buttons.
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

#include "app/ui/control_factory.h"
#include "app/ui/main_pages.h"

namespace langyue {
namespace {

QString explanation() {
    return QStringLiteral(
        "名字里缺少的五行，选择对应的五行，就可以进行后天补救。五格是根据姓名的康熙笔画数计算出来的，"
        "然后再对照81灵动数，查看吉凶。三才是按数字对应五行属性计算的，再对照三才凶吉表，查看吉凶。"
        "所以筛选时，选择吉祥的参照，就能获得五格，三才超“吉”的名字。由于姓是固定的，天格也是固定的，"
        "所以天格为凶时无法得到100分！");
}

// One filter row of the grid: the master box, then its five element boxes 金 木 水 火 土,
// which are disabled at design (the page's logic enables them with their master).
void add_filter_row(QGridLayout* grid, int grid_row, const char* master_name,
                    const QString& caption, int row, bool checked) {
    grid->addWidget(make_check(master_name, caption, checked), grid_row, 0);
    const char* names[] = {"金", "木", "水", "火", "土"};
    int column = 1;
    for (const char* element : names) {
        const QByteArray name = QByteArray("选择框_") + element + QByteArray::number(row);
        QCheckBox* check = make_check(name.constData(), QString::fromUtf8(element), checked);
        check->setEnabled(false);
        grid->addWidget(check, grid_row, column++);
    }
}

// The filters: the two one-place filters above the rule 分组框19, the two all-character
// filters below it.
QGroupBox* filters() {
    QGroupBox* group = make_group("分组框16", QStringLiteral("请设置五行筛选条件"));
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(8, 4, 8, 6);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);
    add_filter_row(grid, 0, "选择框_第二个字五行限定", QStringLiteral("第二个字五行限定"), 0,
                   false);
    add_filter_row(grid, 1, "选择框_第三个字五行限定", QStringLiteral("第三个字五行限定"), 1,
                   false);
    QFrame* divider = make_line(Qt::Horizontal);
    divider->setObjectName(QStringLiteral("分组框19"));
    grid->addWidget(divider, 2, 0, 1, 6);
    add_filter_row(grid, 3, "选择框_所有字必带五行", QStringLiteral("所有字必须带五行(含姓)"), 2,
                   true);
    add_filter_row(grid, 4, "选择框_所有字不能带五行", QStringLiteral("所有字不能带五行(含姓)"),
                   3, false);
    return group;
}

QGroupBox* principle() {
    QGroupBox* group = make_group("分组框18", QStringLiteral("超“吉”筛选原理"));
    auto* layout = new QVBoxLayout(group);
    layout->setContentsMargins(6, 2, 6, 4);
    QLabel* text = make_label("透明标签12", explanation());
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont font = text->font();
    font.setPixelSize(12);
    text->setFont(font);
    layout->addWidget(text);
    return group;
}

}  // namespace

QWidget* build_super_lucky_page() {
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(8, 6, 8, 8);
    column->setSpacing(6);

    auto* top = new QHBoxLayout;
    top->addWidget(filters());
    top->addWidget(principle(), 1);
    column->addLayout(top);

    auto* bottom = new QHBoxLayout;
    QGroupBox* list_group = make_group("分组框17", result_list_caption());
    auto* inner = new QVBoxLayout(list_group);
    inner->setContentsMargins(6, 6, 6, 6);
    inner->addWidget(make_list("超级列表框_超吉起名"));
    bottom->addWidget(list_group, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addStretch();
    buttons->addWidget(make_button("按钮_超吉生成", QStringLiteral("生成")));
    buttons->addWidget(make_button("按钮_超吉暂停", QStringLiteral("暂停")));
    buttons->addWidget(make_button("按钮_超吉导出", QStringLiteral("导出")));
    bottom->addLayout(buttons);
    column->addLayout(bottom, 1);
    return page;
}

}  // namespace langyue
