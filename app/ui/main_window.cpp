#include "app/ui/main_window.h"

#include <QTabWidget>
#include <thread>

#include "app/ui/single_instance.h"
#include "db/load_name_database.h"

namespace langyue {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("LumettoMain"));
    setWindowTitle(QStringLiteral("朗月宝宝取名软件V1.1"));
    resize(729, 513);
    build_pages();
}

void MainWindow::build_pages() {
    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("高级选择夹1"));
    const char* titles[] = {"模式选择", "高分模式", "诗词起名", "组合起名", "起小名",  "起英文名",
                            "生辰八字", "姓名评分", "起名记录", "超吉模式", "经典模式"};
    for (const char* title : titles) pages_->addTab(new QWidget, QString::fromUtf8(title));
    setCentralWidget(pages_);
}

bool MainWindow::main_window_created(SingleInstance& instance) {
    if (!instance.acquire()) return false;
    show();
    // The load is not waited for: the window is usable while the tables are copied.
    std::thread([] { load_name_database(); }).detach();
    return true;
}

}  // namespace langyue
