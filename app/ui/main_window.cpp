#include "app/ui/main_window.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <thread>

#include "analysis/ui/score_typed_name.h"
#include "app/ui/control_factory.h"
#include "app/ui/date_lists.h"
#include "app/ui/main_pages.h"
#include "app/ui/mode_hints.h"
#include "app/ui/program_images.h"
#include "app/ui/single_instance.h"
#include "db/load_name_database.h"
#include "generation/ui/character_mode_pages.h"
#include "generation/ui/result_list_model.h"

namespace langyue {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("LumettoMain"));
    setWindowTitle(QStringLiteral("朗月宝宝取名软件V1.1"));
    setWindowIcon(window_icon());
    resize(729, 513);
    settings_file_ = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
                     QStringLiteral("/config.dat");
    database_loader_ = [] { load_name_database(); };

    build_toolbar();
    build_menus();
    build_central_area();
    build_status_bar();
    connect_lists();
}

MainWindow::~MainWindow() = default;

void MainWindow::build_central_area() {
    auto* central = new QWidget;
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(4, 0, 4, 2);
    column->setSpacing(4);

    // 分组框4: a thin rule between the toolbar and the pages.
    QGroupBox* rule = make_group("分组框4");
    rule->setFixedHeight(4);
    rule->setFlat(true);
    column->addWidget(rule);

    pages_ = new QTabWidget;
    pages_->setObjectName(QStringLiteral("高级选择夹1"));
    // Narrow tab padding (over the skin's own), so that the eleven titles fit the designed
    // width.
    pages_->setStyleSheet(
        QStringLiteral("QTabWidget#高级选择夹1 > QTabBar::tab { padding: 4px 6px; }"));
    pages_->addTab(build_mode_page(), QStringLiteral("模式选择"));
    pages_->addTab(build_high_score_page(), QStringLiteral("高分模式"));
    pages_->addTab(build_poetry_page(), QStringLiteral("诗词起名"));
    pages_->addTab(build_combination_page(), QStringLiteral("组合起名"));
    pages_->addTab(build_nickname_page(), QStringLiteral("起小名"));
    pages_->addTab(build_english_page(), QStringLiteral("起英文名"));
    pages_->addTab(build_chart_page(), QStringLiteral("生辰八字"));
    pages_->addTab(build_scoring_page(), QStringLiteral("姓名评分"));
    pages_->addTab(build_records_page(), QStringLiteral("起名记录"));
    pages_->addTab(build_super_lucky_page(), QStringLiteral("超吉模式"));
    pages_->addTab(build_classic_page(), QStringLiteral("经典模式"));
    column->addWidget(pages_, 1);
    setCentralWidget(central);
}

void MainWindow::build_status_bar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("状态条1"));
    bar->setSizeGripEnabled(true);
    status_picture_ = new QLabel;
    status_picture_->setObjectName(QStringLiteral("状态条1_图片"));
    status_picture_->setFixedSize(18, 18);
    status_label_ = new QLabel;
    status_label_->setObjectName(QStringLiteral("状态条1_文本"));
    bar->addWidget(status_picture_);
    bar->addWidget(status_label_, 1);
}

void MainWindow::connect_lists() {
    // A double-click on a Chinese name opens its detail; on an English name, plays it.
    for (const char* name : {"超级列表框_高分起名", "超级列表框_超吉起名", "超级列表框_诗名列表",
                             "超级列表框_组合列表", "超级列表框_小名列表",
                             "超级列表框_评分列表"}) {
        QTableView* view = list_view(QString::fromUtf8(name));
        connect(view, &QTableView::doubleClicked, this, [this, view] { open_name_detail(view); });
    }
    connect(list_view(QStringLiteral("超级列表框_记录列表")), &QTableView::doubleClicked, this,
            &MainWindow::open_naming_record);
    connect(list_view(QStringLiteral("超级列表框_英文列表")), &QTableView::doubleClicked, this,
            &MainWindow::play_english_name);

    QTableView* records = list_view(QStringLiteral("超级列表框_记录列表"));
    records_menu_ = new QMenu(QStringLiteral("记录列表菜单"), this);
    records_menu_->setObjectName(QStringLiteral("记录列表菜单"));
    QAction* remove = records_menu_->addAction(QStringLiteral("删除记录"));
    remove->setObjectName(QStringLiteral("菜单_删除记录"));
    connect(remove, &QAction::triggered, this, &MainWindow::delete_naming_record);
    connect(records, &QTableView::customContextMenuRequested, this,
            &MainWindow::show_records_menu);

    // 按钮_评分 scores the typed name (the scoring page's own code).
    connect_scoring_button(this);
    // The poetry, combination, nickname and English pages' own buttons and lists.
    character_mode_pages(this);

    // The mode buttons change only the status-bar hint; the mode is read when naming starts.
    auto* modes = findChild<QButtonGroup*>(QStringLiteral("起名模式组"));
    connect(modes, &QButtonGroup::idClicked, this, [this](int mode) {
        const ModeHint& hint = mode_hints()[static_cast<size_t>(mode)];
        set_status_hint(hint.status_image, QString::fromUtf8(hint.status_text));
    });
}

void MainWindow::show_records_menu(const QPoint& position) {
    QTableView* records = list_view(QStringLiteral("超级列表框_记录列表"));
    records_menu_->popup(records->viewport()->mapToGlobal(position));
}

QTableView* MainWindow::list_view(const QString& name) const { return control<QTableView>(name); }

ResultListModel* MainWindow::list_model(const QString& name) const {
    return list_model_of(list_view(name));
}

void MainWindow::set_status_hint(int image, const QString& text) {
    status_image_index_ = image;
    status_picture_->setPixmap(langyue::status_image(image));
    status_label_->setText(text);
}

QString MainWindow::status_text() const { return status_label_->text(); }

bool MainWindow::main_window_created(SingleInstance& instance) {
    record_step("single_instance");
    if (!instance.acquire()) return false;
    record_step("start_skin");
    apply_start_skin();
    record_step("show");
    show();
    record_step("date_lists");
    fill_start_date_lists();
    record_step("birth_chart");
    show_birth_chart();
    record_step("last_generated_surname");
    last_generated_surname = control<QLineEdit>(QStringLiteral("编辑框_姓氏"))->text();
    record_step("status_hint");
    show_start_status_hint();
    record_step("restore_settings");
    restore_settings();
    record_step("generation_character");
    clear_generation_character();
    record_step("database_load");
    start_database_load();
    return true;
}

void MainWindow::fill_start_date_lists() {
    fill_date_lists(control<QComboBox>(QStringLiteral("组合框_年份")),
                    control<QComboBox>(QStringLiteral("组合框_月份")),
                    control<QComboBox>(QStringLiteral("组合框_日子")),
                    control<QComboBox>(QStringLiteral("组合框_时间")),
                    control<QComboBox>(QStringLiteral("组合框_分钟")), kYearIndex2017);
}

void MainWindow::show_start_status_hint() {
    const ModeHint& classic = mode_hints()[0];
    set_status_hint(classic.status_image, QString::fromUtf8(classic.status_text));
}

void MainWindow::start_database_load() {
    // Nobody waits for the load: the window is usable at once, and a query made before the
    // load has committed behaves as after a failed load.
    std::thread(database_loader_).detach();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    save_settings();
    event->accept();
}

}  // namespace langyue
