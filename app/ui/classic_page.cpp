// Page 10 "经典模式": the classic names as one text, with the page's two buttons.
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ui/control_factory.h"
#include "app/ui/main_pages.h"

namespace langyue {

QWidget* build_classic_page() {
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(8, 8, 8, 8);
    column->setSpacing(8);
    QGroupBox* group = make_group("分组框20");
    auto* inner = new QVBoxLayout(group);
    inner->setContentsMargins(6, 6, 6, 6);
    auto* names = new QPlainTextEdit;
    names->setObjectName(QStringLiteral("编辑框_经典名字"));
    names->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    inner->addWidget(names);
    column->addWidget(group, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(make_button("按钮_经典生成", QStringLiteral("不满意?再生成一次")));
    buttons->addWidget(make_button("按钮_经典导出", QStringLiteral("导出")));
    column->addLayout(buttons);
    return page;
}

}  // namespace langyue
