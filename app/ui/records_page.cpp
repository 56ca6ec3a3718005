// Page 8 "起名记录": the naming records. A right-click on the list opens the popup menu
// 记录列表菜单 (the main window connects it).
#include <QGroupBox>
#include <QTableView>
#include <QVBoxLayout>

#include "app/ui/control_factory.h"
#include "app/ui/main_pages.h"

namespace langyue {

QWidget* build_records_page() {
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(8, 8, 8, 8);
    QGroupBox* group = make_group(
        "分组框10",
        QStringLiteral("姓名列表(双击姓名可查看详细解释,右键点击姓名可以删除不要的记录)"));
    auto* inner = new QVBoxLayout(group);
    inner->setContentsMargins(6, 6, 6, 6);
    QTableView* records = make_list("超级列表框_记录列表");
    records->setContextMenuPolicy(Qt::CustomContextMenu);
    inner->addWidget(records);
    column->addWidget(group);
    return page;
}

}  // namespace langyue
