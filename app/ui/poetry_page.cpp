// Page 2 "诗词起名": the tab control 高级选择夹2 with the poem choice, the character grid and
// the generated names.
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include "app/ui/control_factory.h"
#include "app/ui/html_view.h"
#include "app/ui/main_pages.h"

namespace langyue {
namespace {

// "选取诗词": poets, their poems and the poem page side by side, the three steps below.
QWidget* choose_poem_tab() {
    auto* tab = new QWidget;
    auto* grid = new QGridLayout(tab);
    grid->setContentsMargins(6, 6, 6, 6);
    grid->setHorizontalSpacing(4);

    QTableView* poets = make_list("超级列表框_诗人列表", ResultListModel::poet_columns());
    poets->setMinimumWidth(168);
    poets->setMaximumWidth(200);
    QTableView* poems = make_list("超级列表框_诗词残", ResultListModel::poem_columns());
    poems->setMinimumWidth(221);
    poems->setMaximumWidth(260);
    auto* poem_view = new HtmlView;
    poem_view->setObjectName(QStringLiteral("网页浏览框1"));
    grid->addWidget(poets, 0, 0);
    grid->addWidget(poems, 0, 1);
    grid->addWidget(poem_view, 0, 2);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(0, 1);

    grid->addWidget(make_label("透明标签15", QStringLiteral("① 选择诗人")), 1, 0);
    grid->addWidget(make_label("透明标签28", QStringLiteral("② 选择诗词")), 1, 1);
    auto* use_row = new QHBoxLayout;
    use_row->addWidget(make_label("透明标签30", QStringLiteral("③ 使用本诗词,点击按钮")));
    use_row->addStretch();
    use_row->addWidget(make_button("按钮2", QStringLiteral("使用此诗词")));
    grid->addLayout(use_row, 1, 2);
    return tab;
}

// "诗词取名": the character grid and its buttons. The grid's check boxes are copies of the
// template 选择框1 and are placed by pixel position on the template's parent, the widget
// 诗词字符网格 inside a scroll area; after placing them, call adjustSize() on that widget so
// that every row can be scrolled to.
QWidget* character_grid_tab() {
    auto* tab = new QWidget;
    auto* column = new QVBoxLayout(tab);
    column->setContentsMargins(6, 6, 6, 6);

    QGroupBox* group = make_group("分组框_诗词字符");
    auto* row = new QHBoxLayout(group);
    row->setContentsMargins(4, 4, 4, 4);

    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("诗词字符滚动区"));
    scroll->setFrameShape(QFrame::NoFrame);
    auto* grid_area = new QWidget;
    grid_area->setObjectName(QStringLiteral("诗词字符网格"));
    QCheckBox* template_box = make_check("选择框1", QStringLiteral("国"));
    template_box->setParent(grid_area);
    template_box->setGeometry(-24, 16, 32, 16);
    template_box->hide();
    grid_area->resize(620, 300);
    scroll->setWidget(grid_area);
    row->addWidget(scroll, 1);

    auto* buttons = new QVBoxLayout;
    buttons->addSpacing(24);
    buttons->addWidget(make_button("按钮3", QStringLiteral("全选")));
    buttons->addWidget(make_button("按钮6", QStringLiteral("反选")));
    buttons->addWidget(make_button("按钮4", QStringLiteral("全清")));
    buttons->addStretch();
    buttons->addWidget(make_button("按钮_诗词起名", QStringLiteral("生成")));
    buttons->addSpacing(12);
    row->addLayout(buttons);

    column->addWidget(group);
    return tab;
}

// "生成名字": the names made from the ticked characters.
QWidget* poem_names_tab() {
    auto* tab = new QWidget;
    auto* column = new QVBoxLayout(tab);
    column->setContentsMargins(6, 6, 6, 6);
    QGroupBox* group = make_group("分组框5", result_list_caption());
    auto* inner = new QVBoxLayout(group);
    inner->setContentsMargins(6, 6, 6, 6);
    inner->addWidget(make_list("超级列表框_诗名列表"));
    column->addWidget(group);
    return tab;
}

}  // namespace

QWidget* build_poetry_page() {
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(6, 6, 6, 6);
    auto* tabs = new QTabWidget;
    tabs->setObjectName(QStringLiteral("高级选择夹2"));
    tabs->addTab(choose_poem_tab(), QStringLiteral("选取诗词"));
    tabs->addTab(character_grid_tab(), QStringLiteral("诗词取名"));
    tabs->addTab(poem_names_tab(), QStringLiteral("生成名字"));
    column->addWidget(tabs);
    return page;
}

}  // namespace langyue
