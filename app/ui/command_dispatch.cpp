// Command dispatch of the main window: the toolbar 工具条1, the menu bar, the preparation of
// the scoring page, the user manual and the about window.
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QTabWidget>
#include <QToolBar>
#include <initializer_list>

#include "app/ui/about_window.h"
#include "app/ui/date_lists.h"
#include "app/ui/main_window.h"
#include "app/ui/media_player_control.h"
#include "app/ui/program_images.h"
#include "app/ui/user_manual.h"

namespace langyue {
namespace {

// The five toolbar buttons in order; button i sits at index 2 × i, separators between.
constexpr const char* kToolbarCaptions[] = {"模式选择", "生辰八字", "姓名评分", "起名记录",
                                            "新华字典"};

QString toolbar_item_name(const char* caption) {
    return QStringLiteral("工具条按钮_") + QString::fromUtf8(caption);
}

QString menu_item_name(const QString& caption) { return QStringLiteral("菜单_") + caption; }

}  // namespace

void MainWindow::build_toolbar() {
    toolbar_ = addToolBar(QStringLiteral("工具条1"));
    toolbar_->setObjectName(QStringLiteral("工具条1"));
    toolbar_->setMovable(false);
    toolbar_->setFloatable(false);
    toolbar_->setIconSize(QSize(24, 24));
    toolbar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    toolbar_->setContextMenuPolicy(Qt::PreventContextMenu);
    for (int button = 0; button < 5; ++button) {
        if (button > 0) toolbar_->addSeparator();
        const char* caption = kToolbarCaptions[button];
        QAction* action =
            toolbar_->addAction(toolbar_image(button), QString::fromUtf8(caption));
        action->setObjectName(toolbar_item_name(caption));
        const int index = button * 2;
        connect(action, &QAction::triggered, this, [this, index] { dispatch_toolbar_command(index); });
    }
}

void MainWindow::build_menus() {
    QMenuBar* bar = menuBar();
    auto add_item = [this](QMenu* menu, const QString& caption) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(menu_item_name(caption));
        return action;
    };

    QMenu* operations = bar->addMenu(QStringLiteral("操作菜单[&C]"));
    operations->setObjectName(QStringLiteral("操作菜单"));
    for (int button = 0; button < 5; ++button) {
        QAction* action = add_item(operations, QString::fromUtf8(kToolbarCaptions[button]));
        const int index = button * 2;
        connect(action, &QAction::triggered, this, [this, index] { dispatch_toolbar_command(index); });
    }
    operations->addSeparator();
    connect(add_item(operations, QStringLiteral("退出程序")), &QAction::triggered, this,
            &QWidget::close);

    // The two knowledge menus: every item opens the article category of its caption in the
    // menu's table (LM_育儿百科, LM_算命风水). 护理保健 and 儿科疾病 open their own categories
    // too, not 均衡营养 and a truncated 科疾病.
    auto add_articles = [this, add_item](QMenu* menu, const QString& table,
                                         std::initializer_list<const char*> captions) {
        for (const char* entry : captions) {
            const QString text = QString::fromUtf8(entry);
            if (text == QLatin1String("-")) {
                menu->addSeparator();
                continue;
            }
            connect(add_item(menu, text), &QAction::triggered, this,
                    [this, table, text] { open_article_list(table, text); });
        }
    };
    const QString parenting_table = QStringLiteral("育儿百科");
    QMenu* parenting = bar->addMenu(QStringLiteral("育儿知识[&Y]"));
    parenting->setObjectName(QStringLiteral("育儿知识"));
    add_articles(parenting->addMenu(QStringLiteral("育儿百科")), parenting_table,
                 {"备孕百科", "孕期百科", "分娩百科", "0-1岁百科", "1-3岁百科", "3-6岁百科"});
    parenting->addSeparator();
    add_articles(parenting, parenting_table, {"孕育指南"});
    parenting->addSeparator();
    add_articles(parenting->addMenu(QStringLiteral("儿童教育")), parenting_table,
                 {"教育早知道", "胎教", "早教资源", "才艺培养", "游戏玩具", "智力开发",
                  "行为心理", "学前教育"});
    add_articles(parenting->addMenu(QStringLiteral("营养知识")), parenting_table,
                 {"母乳喂养", "人工喂养", "补钙攻略", "辅食添加", "营养元素", "食疗保健",
                  "食谱大全", "饮食宜忌", "均衡营养"});
    add_articles(parenting->addMenu(QStringLiteral("健康讲座")), parenting_table,
                 {"护理保健", "生长发育", "体格检查", "预防免疫", "成人疾病", "儿科疾病",
                  "药物手册"});
    add_articles(parenting->addMenu(QStringLiteral("安全知识")), parenting_table,
                 {"出行安全", "用品安全", "家居安全", "宠物安全", "医药安全", "食品安全",
                  "幼儿园安全"});

    QMenu* fortune = bar->addMenu(QStringLiteral("算命风水[&S]"));
    fortune->setObjectName(QStringLiteral("算命风水"));
    add_articles(fortune, QStringLiteral("算命风水"),
                 {"起名知识", "-", "算命知识", "星座算命", "相术算命", "血型算命", "-",
                  "风水知识", "-", "开运技巧"});

    QMenu* help = bar->addMenu(QStringLiteral("帮助[&H]"));
    help->setObjectName(QStringLiteral("帮助"));
    connect(add_item(help, QStringLiteral("更换皮肤")), &QAction::triggered, this,
            &MainWindow::next_skin);
    connect(add_item(help, QStringLiteral("使用帮助")), &QAction::triggered, this,
            &MainWindow::open_user_manual);
    help->addSeparator();
    connect(add_item(help, QStringLiteral("关于软件")), &QAction::triggered, this,
            &MainWindow::open_about_window);

    // The media player sits at the right end of the menu bar, so that the toolbar holds its
    // nine items only.
    bar->setCornerWidget(new MediaPlayerControl, Qt::TopRightCorner);
}

QAction* MainWindow::toolbar_item(int index) const {
    const QList<QAction*> items = toolbar_->actions();
    return index >= 0 && index < 9 && index < items.size() ? items[index] : nullptr;
}

QAction* MainWindow::menu_item(const QString& caption) const {
    return menuBar()->findChild<QAction*>(menu_item_name(caption));
}

void MainWindow::dispatch_toolbar_command(int index) {
    switch (index) {
        case 0: pages_->setCurrentIndex(kModePage); break;
        case 2: prepare_eight_character_page(); break;
        case 4: prepare_scoring_page(); break;
        case 6: pages_->setCurrentIndex(kRecordsPage); break;
        case 8: open_dictionary_window(); break;
        default: break;
    }
}

void MainWindow::prepare_scoring_page() {
    control<QLineEdit>(QStringLiteral("编辑框_评分姓氏"))
        ->setText(control<QLineEdit>(QStringLiteral("编辑框_姓氏"))->text());
    fill_date_lists(control<QComboBox>(QStringLiteral("组合框_评分年份")),
                    control<QComboBox>(QStringLiteral("组合框_评分月份")),
                    control<QComboBox>(QStringLiteral("组合框_评分日子")),
                    control<QComboBox>(QStringLiteral("组合框_评分时间")),
                    control<QComboBox>(QStringLiteral("组合框_评分分钟")), kYearIndex2013);
    pages_->setCurrentIndex(kScoringPage);
}

void MainWindow::open_user_manual() { open_user_manual_document(); }

void MainWindow::open_about_window() {
    // One about window at a time; a second command brings the open one forward.
    AboutWindow* about = findChild<AboutWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (about == nullptr) {
        about = new AboutWindow(this);
        about->setAttribute(Qt::WA_DeleteOnClose);
    }
    about->show();
    about->raise();
    about->activateWindow();
}

}  // namespace langyue
