// The main window: its pages and controls, the creation steps, the single-instance test, the
// command dispatch and the settings with the naming records.
#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>
#include <atomic>
#include <future>
#include <memory>

#include "app/program_paths.h"
#include "app/ui/main_window.h"
#include "app/ui/single_instance.h"
#include "db/name_database.h"
#include "generation/ui/result_list_model.h"
#include "tests/test_support.h"

using langyue::MainWindow;
using langyue::ResultListModel;

namespace {

const QString kRecords = QStringLiteral("超级列表框_记录列表");

// The text a control shows: a button's or label's text, a group box's title, an edit box's
// text, a list's current item.
QString caption_of(QObject* control) {
    if (auto* button = qobject_cast<QAbstractButton*>(control)) return button->text();
    if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
    if (auto* group = qobject_cast<QGroupBox*>(control)) return group->title();
    if (auto* edit = qobject_cast<QLineEdit*>(control)) return edit->text();
    if (auto* list = qobject_cast<QComboBox*>(control)) return list->currentText();
    return QStringLiteral("<%1>").arg(control->metaObject()->className());
}

QStringList items_of(QComboBox* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items.append(list->itemText(i));
    return items;
}

QStringList numbers(int first, int last) {
    QStringList items;
    for (int i = first; i <= last; ++i) items.append(QString::number(i));
    return items;
}

// Catches the addresses the program hands to the system's "open".
class OpenedUrls : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls.append(url); }
};

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    // A window with its settings file in the test's folder and a database load that does
    // nothing, created through main_window_created with its own instance lock.
    std::unique_ptr<MainWindow> created_window() {
        auto window = std::make_unique<MainWindow>();
        window->set_settings_file(settings_path());
        window->set_database_loader([] {});
        instances_.push_back(std::make_unique<langyue::SingleInstance>(
            QStringLiteral("langyue-test-%1-%2").arg(QCoreApplication::applicationPid()).arg(
                instances_.size())));
        window->main_window_created(*instances_.back());
        return window;
    }
    QString settings_path() const { return folder_.filePath(QStringLiteral("config.dat")); }
    ResultListModel* records(MainWindow& window) { return window.list_model(kRecords); }
    void add_three_records(MainWindow& window) {
        window.add_naming_record(QStringLiteral("李"), QStringLiteral("明轩"),
                                 {"22", "27", "木土土", "8,16,19,26,11", "金土水", "92"});
        window.add_naming_record(QStringLiteral("王"), QStringLiteral("子涵"),
                                 {"15", "21", "土水水", "5,7,18,21,16", "土金金", "88"});
        window.add_naming_record(QStringLiteral("欧阳"), QStringLiteral("雪"),
                                 {"21", "30", "土土水", "23,26,19,30,12", "火土水", ""});
    }

    QTemporaryDir folder_;
    std::vector<std::unique_ptr<langyue::SingleInstance>> instances_;

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(folder_.isValid());
        langyue::set_program_directory(folder_.path().toStdString());
    }
    void cleanup() {
        QFile::remove(settings_path());
        instances_.clear();
    }

    void window_has_title_size_and_eleven_pages() {
        MainWindow window;
        QCOMPARE(window.objectName(), QStringLiteral("LumettoMain"));
        QCOMPARE(window.windowTitle(), QStringLiteral("朗月宝宝取名软件V1.1"));
        QCOMPARE(window.size(), QSize(729, 513));
        const QStringList titles = {"模式选择", "高分模式", "诗词起名", "组合起名",
                                    "起小名",   "起英文名", "生辰八字", "姓名评分",
                                    "起名记录", "超吉模式", "经典模式"};
        QTabWidget* pages = window.control<QTabWidget>(QStringLiteral("高级选择夹1"));
        QVERIFY(pages != nullptr);
        QCOMPARE(pages->count(), titles.size());
        for (int i = 0; i < titles.size(); ++i) QCOMPARE(pages->tabText(i), titles[i]);
        QVERIFY(window.control<QGroupBox>(QStringLiteral("分组框4")) != nullptr);
        QVERIFY(window.control<QWidget>(QStringLiteral("状态条1")) != nullptr);
        QVERIFY(window.control<QWidget>(QStringLiteral("媒体播放1")) != nullptr);
    }

    void controls_have_their_captions_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("checked");  // -1 not a check or radio box, 0 no, 1 yes
        auto row = [](const char* name, int page, const char* caption, int checked = -1) {
            QTest::newRow(name) << QString::fromUtf8(name) << page << QString::fromUtf8(caption)
                                << checked;
        };
        const char* list_caption = "姓名列表(双击姓名可查看详细解释)";
        row("分组框1", 0, "宝宝信息：");
        row("透明标签1", 0, "姓氏:");
        row("编辑框_姓氏", 0, "");
        row("透明标签2", 0, "性别:");
        row("组合框_性别", 0, "男");
        row("透明标签3", 0, "名字个数:");
        row("组合框_名字个数", 0, "一字");
        row("标签_设置辈份", 0, "辈分");
        row("透明标签4", 0, "出生日期(公历):");
        row("透明标签5", 0, "年");
        row("透明标签6", 0, "月");
        row("透明标签7", 0, "日");
        row("透明标签8", 0, "时");
        row("透明标签9", 0, "分");
        row("透明标签10", 0, "请选择起名模式:");
        row("单选框_经典起名", 0, "经典起名", 1);
        row("单选框_高分起名", 0, "高分起名", 0);
        row("单选框_超吉起名", 0, "超吉起名", 0);
        row("单选框_诗词起名", 0, "诗词起名", 0);
        row("单选框_组合起名", 0, "组合起名", 0);
        row("单选框_起小名", 0, "起小名", 0);
        row("单选框_起英文名", 0, "起英文名", 0);
        row("按钮_起名", 0, "开始起名");
        row("分组框3", 1, list_caption);
        row("按钮_高分暂停", 1, "暂停");
        row("按钮_再生成一次", 1, "不满意?再生成一次");
        row("按钮_高分导出", 1, "导出列表");
        row("透明标签15", 2, "① 选择诗人");
        row("透明标签28", 2, "② 选择诗词");
        row("透明标签30", 2, "③ 使用本诗词,点击按钮");
        row("按钮2", 2, "使用此诗词");
        row("选择框1", 2, "国", 0);
        row("按钮3", 2, "全选");
        row("按钮6", 2, "反选");
        row("按钮4", 2, "全清");
        row("按钮_诗词起名", 2, "生成");
        row("分组框5", 2, list_caption);
        row("分组框6", 3, "请在此处输入要组合的字");
        row("编辑框_组合的字", 3, "圣诚杰泽鹤航轩辉皓君豪博楷国益佑天南泰宇");
        row("按钮_组合起名", 3, "生成");
        row("分组框2", 3, list_caption);
        row("透明标签14", 4, "小名样式:");
        row("单选框_AA型", 4, "AA型", 1);
        row("单选框_小A型", 4, "小A型", 0);
        row("单选框_A儿型", 4, "A儿型", 0);
        row("单选框_阿A型", 4, "阿A型", 0);
        row("按钮_起小名", 4, "点击生成");
        row("分组框8", 4, list_caption);
        row("透明标签18", 5, "姓氏:");
        row("透明标签19", 5, "名字:");
        row("透明标签17", 5, "性别设置:");
        row("单选框_男性化", 5, "男性化", 1);
        row("单选框_女性化", 5, "女性化", 0);
        row("单选框_中性化", 5, "中性化", 0);
        row("透明标签16", 5, "名字长度:");
        row("组合框_日子1", 5, "3");
        row("透明标签20", 5, "-");
        row("按钮_英文起名", 5, "生成");
        row("分组框13", 5, "姓名列表(双击英文名字可以自动朗读)");
        row("单选框1", 6, "使用起名日期:", 1);
        row("单选框_自定义日期", 6, "自定义日期:", 0);
        row("透明标签34", 6, "出生日期:");
        row("按钮_八字查询", 6, "查询");
        row("透明标签29", 7, "姓氏:");
        row("编辑框_评分姓氏", 7, "");
        row("透明标签27", 7, "名字:");
        row("编辑框_评分名字", 7, "");
        row("透明标签26", 7, "出生日期:");
        row("按钮_评分", 7, "评分");
        row("分组框12", 7, list_caption);
        row("分组框10", 8, "姓名列表(双击姓名可查看详细解释,右键点击姓名可以删除不要的记录)");
        row("分组框16", 9, "请设置五行筛选条件");
        row("选择框_第二个字五行限定", 9, "第二个字五行限定", 0);
        row("选择框_第三个字五行限定", 9, "第三个字五行限定", 0);
        row("选择框_所有字必带五行", 9, "所有字必须带五行(含姓)", 1);
        row("选择框_所有字不能带五行", 9, "所有字不能带五行(含姓)", 0);
        row("选择框_土2", 9, "土", 1);
        row("选择框_金0", 9, "金", 0);
        row("分组框17", 9, list_caption);
        row("分组框18", 9, "超“吉”筛选原理");
        row("按钮_超吉生成", 9, "生成");
        row("按钮_超吉暂停", 9, "暂停");
        row("按钮_超吉导出", 9, "导出");
        row("按钮_经典生成", 10, "不满意?再生成一次");
        row("按钮_经典导出", 10, "导出");
    }
    void controls_have_their_captions() {
        QFETCH(QString, name);
        QFETCH(int, page);
        QFETCH(QString, caption);
        QFETCH(int, checked);
        MainWindow window;
        QWidget* control = window.control<QWidget>(name);
        QVERIFY2(control != nullptr, qPrintable(name));
        QVERIFY(window.pages()->widget(page)->isAncestorOf(control));
        QCOMPARE(caption_of(control), caption);
        if (checked >= 0) {
            QCOMPARE(qobject_cast<QAbstractButton*>(control)->isChecked(), checked == 1);
        }
    }

    void element_boxes_are_disabled_at_design() {
        MainWindow window;
        for (const char* element : {"金", "木", "水", "火", "土"}) {
            for (int row = 0; row < 4; ++row) {
                const QString name = QStringLiteral("选择框_%1%2").arg(QString::fromUtf8(element)).arg(row);
                QAbstractButton* box = window.control<QAbstractButton>(name);
                QVERIFY2(box != nullptr, qPrintable(name));
                QCOMPARE(box->text(), QString::fromUtf8(element));
                QVERIFY(!box->isEnabled());
            }
        }
        QVERIFY(window.control<QAbstractButton>(QStringLiteral("选择框_第二个字五行限定"))->isEnabled());
    }

    void fixed_lists_and_tabs_hold_their_items() {
        MainWindow window;
        const struct {
            const char* name;
            QStringList items;
        } lists[] = {{"组合框_性别", {"男", "女"}},
                     {"组合框_名字个数", {"一字", "二字"}},
                     {"组合框_日子1", numbers(3, 6)},
                     {"组合框_时间1", numbers(3, 6)}};
        for (const auto& list : lists) {
            QComboBox* box = window.control<QComboBox>(QString::fromUtf8(list.name));
            QVERIFY2(box != nullptr, list.name);
            QCOMPARE(items_of(box), list.items);
        }
        QTabWidget* poetry = window.control<QTabWidget>(QStringLiteral("高级选择夹2"));
        QVERIFY(poetry != nullptr);
        QCOMPARE(poetry->count(), 3);
        const QStringList titles = {"选取诗词", "诗词取名", "生成名字"};
        for (int tab = 0; tab < 3; ++tab) QCOMPARE(poetry->tabText(tab), titles[tab]);
    }

    void mode_buttons_run_from_left_to_right() {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        int previous = -1;
        for (const char* name : {"单选框_经典起名", "单选框_高分起名", "单选框_超吉起名",
                                 "单选框_诗词起名", "单选框_组合起名", "单选框_起小名",
                                 "单选框_起英文名"}) {
            QRadioButton* radio = window.control<QRadioButton>(QString::fromUtf8(name));
            const int x = radio->mapTo(&window, QPoint(0, 0)).x();
            QVERIFY2(x > previous, name);
            previous = x;
        }
    }

    void lists_have_their_columns() {
        MainWindow window;
        const QStringList headers = {"编号", "姓名", "简体笔划", "繁体笔划",
                                     "五行", "五格", "三才",     "评分"};
        const QList<int> widths = {60, 70, 80, 80, 70, 120, 50};  // the last one stretches
        for (const char* name : {"超级列表框_高分起名", "超级列表框_诗名列表", "超级列表框_组合列表",
                                 "超级列表框_小名列表", "超级列表框_评分列表", "超级列表框_记录列表",
                                 "超级列表框_超吉起名"}) {
            QTableView* view = window.list_view(QString::fromUtf8(name));
            QVERIFY2(view != nullptr, name);
            QCOMPARE(view->model()->columnCount(), 8);
            for (int column = 0; column < 8; ++column) {
                QCOMPARE(view->model()->headerData(column, Qt::Horizontal).toString(),
                         headers[column]);
            }
            for (int column = 0; column < widths.size(); ++column) {
                QCOMPARE(view->columnWidth(column), widths[column]);
            }
        }
        QAbstractItemModel* english = window.list_view(QStringLiteral("超级列表框_英文列表"))->model();
        QCOMPARE(english->columnCount(), 4);
        QCOMPARE(english->headerData(3, Qt::Horizontal).toString(), QStringLiteral("相关含义"));
    }

    void creation_runs_the_steps_in_order() {
        // A saved surname must not reach last_generated_surname: step 6 comes before step 8.
        {
            QFile file(settings_path());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray::fromHex("5BC9E8D6C35D0D0AD0D5CACF3DC0EE0D0A"));  // [设置] 姓氏=李
        }
        auto window = created_window();
        QCOMPARE(window->startup_steps(),
                 QStringList({"single_instance", "start_skin", "show", "date_lists",
                              "birth_chart", "last_generated_surname", "status_hint",
                              "restore_settings", "generation_character", "database_load"}));
        QVERIFY(window->isVisible());
        QCOMPARE(window->last_generated_surname, QString());
        QCOMPARE(window->control<QLineEdit>(QStringLiteral("编辑框_姓氏"))->text(),
                 QStringLiteral("李"));
        QCOMPARE(window->status_image(), 0);
        QCOMPARE(window->status_text(),
                 QStringLiteral("高速生成,以好听为主,不考虑名字的五行数理等因素"));
    }

    void start_date_lists_hold_every_item() {
        auto window = created_window();
        struct Expected {
            const char* name;
            QStringList items;
            QString current;
        };
        const Expected lists[] = {{"组合框_年份", numbers(1970, 2030), "2017"},
                                  {"组合框_月份", numbers(1, 12), "1"},
                                  {"组合框_日子", numbers(1, 31), "1"},
                                  {"组合框_时间", numbers(0, 23), "0"},
                                  {"组合框_分钟", numbers(0, 59), "0"}};
        for (const Expected& expected : lists) {
            QComboBox* list = window->control<QComboBox>(QString::fromUtf8(expected.name));
            QCOMPARE(items_of(list), expected.items);
            QCOMPARE(list->currentText(), expected.current);
        }
    }

    void database_load_is_not_waited_for() {
        auto window = std::make_unique<MainWindow>();
        window->set_settings_file(settings_path());
        auto release = std::make_shared<std::promise<void>>();
        auto finished = std::make_shared<std::atomic<bool>>(false);
        std::shared_future<void> go = release->get_future().share();
        window->set_database_loader([go, finished] {
            go.wait();
            *finished = true;
        });
        langyue::SingleInstance instance(QStringLiteral("langyue-test-load-%1")
                                              .arg(QCoreApplication::applicationPid()));
        QVERIFY(window->main_window_created(instance));  // returns while the load still waits
        QVERIFY(!*finished);
        release->set_value();
        QTRY_VERIFY(*finished);
    }

    void second_instance_ends_silently() {
        const QString name =
            QStringLiteral("langyue-test-single-%1").arg(QCoreApplication::applicationPid());
        langyue::SingleInstance first(name);
        QVERIFY(first.acquire());
        MainWindow window;
        window.set_settings_file(settings_path());
        window.set_database_loader([] { QFAIL("the second instance must not load"); });
        langyue::SingleInstance second(name);
        QVERIFY(!window.main_window_created(second));
        QVERIFY(!window.isVisible());
        QCOMPARE(window.startup_steps(), QStringList({"single_instance"}));
    }

    void first_run_gives_the_defaults() {
        auto window = created_window();
        QCOMPARE(window->control<QLineEdit>(QStringLiteral("编辑框_姓氏"))->text(), QString());
        QCOMPARE(window->control<QComboBox>(QStringLiteral("组合框_性别"))->currentText(),
                 QStringLiteral("男"));
        QCOMPARE(window->control<QComboBox>(QStringLiteral("组合框_名字个数"))->currentText(),
                 QStringLiteral("一字"));
        QCOMPARE(window->control<QLineEdit>(QStringLiteral("编辑框_组合的字"))->text(), QString());
        QCOMPARE(window->control<QLineEdit>(QStringLiteral("编辑框_英文名字"))->text(), QString());
        QCOMPARE(window->control<QLineEdit>(QStringLiteral("编辑框_评分名字"))->text(), QString());
        QCOMPARE(records(*window)->rowCount(), 0);
    }

    void settings_and_records_come_back() {
        {
            auto window = created_window();
            window->control<QLineEdit>(QStringLiteral("编辑框_姓氏"))->setText(QStringLiteral("欧阳"));
            window->control<QComboBox>(QStringLiteral("组合框_性别"))->setCurrentIndex(1);
            window->control<QComboBox>(QStringLiteral("组合框_名字个数"))->setCurrentIndex(1);
            window->control<QLineEdit>(QStringLiteral("编辑框_组合的字"))->setText(QStringLiteral("圣诚"));
            window->control<QLineEdit>(QStringLiteral("编辑框_英文名字"))->setText(QStringLiteral("明"));
            window->control<QLineEdit>(QStringLiteral("编辑框_评分名字"))->setText(QStringLiteral("子涵"));
            add_three_records(*window);
            window->add_naming_record(QStringLiteral("司 马"), QStringLiteral("光"),
                                      {"1", "2", "3", "4", "5", "6"});
            QVERIFY(window->write_settings());
        }
        instances_.clear();
        auto window = created_window();
        QCOMPARE(window->control<QLineEdit>(QStringLiteral("编辑框_姓氏"))->text(), QStringLiteral("欧阳"));
        QCOMPARE(window->control<QComboBox>(QStringLiteral("组合框_性别"))->currentText(), QStringLiteral("女"));
        QCOMPARE(window->control<QComboBox>(QStringLiteral("组合框_名字个数"))->currentText(),
                 QStringLiteral("二字"));
        QCOMPARE(window->control<QLineEdit>(QStringLiteral("编辑框_组合的字"))->text(), QStringLiteral("圣诚"));
        QCOMPARE(window->control<QLineEdit>(QStringLiteral("编辑框_英文名字"))->text(), QStringLiteral("明"));
        QCOMPARE(window->control<QLineEdit>(QStringLiteral("编辑框_评分名字"))->text(), QStringLiteral("子涵"));
        ResultListModel* list = records(*window);
        QCOMPARE(list->rowCount(), 4);
        for (int row = 0; row < 4; ++row) QCOMPARE(list->text(row, 0), QString::number(row + 1));
        QCOMPARE(list->text(0, 1), QStringLiteral("李\r\n明轩"));
        QCOMPARE(list->text(1, 5), QStringLiteral("5,7,18,21,16"));
        QCOMPARE(list->text(2, 1), QStringLiteral("欧阳\r\n雪"));
        QCOMPARE(list->text(2, 7), QString());  // the empty last column
        QCOMPARE(list->text(3, 1), QStringLiteral("司\r\n马\r\n光"));  // a blank became a break
    }

    void a_character_gbk_lacks_is_left_out_of_the_saved_text() {
        {
            auto window = created_window();
            // 😀 and 𠀀 have no GBK form; the rest of each text is kept.
            window->control<QLineEdit>(QStringLiteral("编辑框_组合的字"))
                ->setText(QStringLiteral("圣😀诚𠀀杰"));
            window->control<QLineEdit>(QStringLiteral("编辑框_评分名字"))
                ->setText(QStringLiteral("朗😀月"));
            window->control<QLineEdit>(QStringLiteral("编辑框_英文名字"))->setText(QStringLiteral("明"));
            QVERIFY(window->write_settings());
        }
        instances_.clear();
        auto window = created_window();
        QCOMPARE(window->control<QLineEdit>(QStringLiteral("编辑框_组合的字"))->text(),
                 QStringLiteral("圣诚杰"));
        QCOMPARE(window->control<QLineEdit>(QStringLiteral("编辑框_评分名字"))->text(),
                 QStringLiteral("朗月"));
        QCOMPARE(window->control<QLineEdit>(QStringLiteral("编辑框_英文名字"))->text(),
                 QStringLiteral("明"));
    }

    void closing_saves_the_settings_data() {
        QTest::addColumn<bool>("through_menu");
        QTest::newRow("window closed") << false;
        QTest::newRow("退出程序") << true;
    }
    void closing_saves_the_settings() {
        QFETCH(bool, through_menu);
        langyue::test::open_empty_test_database();
        QVERIFY(langyue::name_database().is_open());
        auto window = created_window();
        window->control<QLineEdit>(QStringLiteral("编辑框_姓氏"))->setText(QStringLiteral("赵"));
        if (through_menu) {
            window->menu_item(QStringLiteral("退出程序"))->trigger();
        } else {
            window->close();
        }
        QVERIFY(!window->isVisible());
        QVERIFY(!langyue::name_database().is_open());  // save_settings closes the database
        QFile file(settings_path());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains(QByteArray::fromHex("D0D5CACF3DD5D4")));  // 姓氏=赵
    }

    void a_name_is_recorded_once() {
        auto window = created_window();
        const QStringList columns = {"22", "27", "木土土", "8,16,19,26,11", "金土水", "92"};
        window->add_naming_record(QStringLiteral("李"), QStringLiteral("明轩"), columns);
        window->add_naming_record(QStringLiteral("李"), QStringLiteral("明轩"), columns);
        QCOMPARE(records(*window)->rowCount(), 1);
        window->add_naming_record(QStringLiteral("王"), QStringLiteral("明轩"), columns);
        QCOMPARE(records(*window)->rowCount(), 2);
        QCOMPARE(records(*window)->text(1, 0), QStringLiteral("2"));
        QCOMPARE(records(*window)->text(1, 1), QStringLiteral("王\r\n明轩"));
        QCOMPARE(records(*window)->text(1, 7), QStringLiteral("92"));
    }

    void deleting_renumbers_the_rest() {
        auto window = created_window();
        add_three_records(*window);
        QTableView* view = window->list_view(kRecords);
        window->delete_naming_record();  // nothing selected: nothing happens
        QCOMPARE(records(*window)->rowCount(), 3);

        view->selectRow(1);
        window->records_menu()->actions().first()->trigger();
        QCOMPARE(records(*window)->rowCount(), 2);
        QCOMPARE(records(*window)->text(1, 0), QStringLiteral("2"));
        QCOMPARE(records(*window)->text(1, 1), QStringLiteral("欧阳\r\n雪"));
        QCOMPARE(window->records_menu()->objectName(), QStringLiteral("记录列表菜单"));
        QCOMPARE(window->records_menu()->actions().first()->text(), QStringLiteral("删除记录"));
    }

    void right_click_shows_the_records_menu_without_a_selection() {
        auto window = created_window();
        add_three_records(*window);
        QTableView* view = window->list_view(kRecords);
        view->clearSelection();
        const QPoint below_the_rows(20, view->viewport()->height() - 5);
        QContextMenuEvent click(QContextMenuEvent::Mouse, below_the_rows,
                                view->viewport()->mapToGlobal(below_the_rows));
        QCoreApplication::sendEvent(view->viewport(), &click);
        QVERIFY(window->records_menu()->isVisible());
        window->records_menu()->actions().first()->trigger();  // 删除记录 with nothing selected
        window->records_menu()->close();
        QCOMPARE(records(*window)->rowCount(), 3);
    }

    void scoring_page_is_prepared_each_time() {
        auto window = created_window();
        window->control<QLineEdit>(QStringLiteral("编辑框_姓氏"))->setText(QStringLiteral("李"));
        window->control<QLineEdit>(QStringLiteral("编辑框_评分名字"))->setText(QStringLiteral("明"));
        struct Expected {
            const char* name;
            QStringList items;
            QString current;
        };
        const Expected lists[] = {{"组合框_评分年份", numbers(1970, 2030), "2013"},
                                  {"组合框_评分月份", numbers(1, 12), "1"},
                                  {"组合框_评分日子", numbers(1, 31), "1"},
                                  {"组合框_评分时间", numbers(0, 23), "0"},
                                  {"组合框_评分分钟", numbers(0, 59), "0"}};
        // Twice through the toolbar, then through the menu item.
        QList<QAction*> commands = {window->toolbar_item(4), window->toolbar_item(4),
                                    window->menu_item(QStringLiteral("姓名评分"))};
        for (QAction* command : commands) {
            for (const Expected& expected : lists) {
                window->control<QComboBox>(QString::fromUtf8(expected.name))->setCurrentIndex(5);
            }
            window->control<QLineEdit>(QStringLiteral("编辑框_评分姓氏"))->setText(QStringLiteral("王"));
            window->pages()->setCurrentIndex(MainWindow::kModePage);
            command->trigger();
            QCOMPARE(window->pages()->currentIndex(), int(MainWindow::kScoringPage));
            QCOMPARE(window->control<QLineEdit>(QStringLiteral("编辑框_评分姓氏"))->text(),
                     QStringLiteral("李"));
            QCOMPARE(window->control<QLineEdit>(QStringLiteral("编辑框_评分名字"))->text(),
                     QStringLiteral("明"));
            for (const Expected& expected : lists) {
                QComboBox* list = window->control<QComboBox>(QString::fromUtf8(expected.name));
                QCOMPARE(items_of(list), expected.items);
                QCOMPARE(list->currentText(), expected.current);
            }
        }
    }

    void toolbar_and_menus_switch_pages() {
        auto window = created_window();
        QToolBar* toolbar = window->control<QToolBar>(QStringLiteral("工具条1"));
        QVERIFY(toolbar != nullptr);
        const QStringList captions = {"模式选择", "生辰八字", "姓名评分", "起名记录", "新华字典"};
        QCOMPARE(toolbar->actions().size(), 9);  // five buttons and four separators, nothing else
        for (int index = 0; index < 9; ++index) {
            QAction* item = window->toolbar_item(index);
            QVERIFY(item != nullptr);
            QCOMPARE(item->isSeparator(), index % 2 == 1);
            if (index % 2 == 0) {
                QCOMPARE(item->text(), captions[index / 2]);
                QVERIFY(!item->icon().isNull());
            }
        }
        struct Case {
            QAction* item;
            int page;
        };
        const Case cases[] = {{window->toolbar_item(6), MainWindow::kRecordsPage},
                              {window->toolbar_item(0), MainWindow::kModePage},
                              {window->toolbar_item(2), MainWindow::kChartPage},
                              {window->menu_item(QStringLiteral("起名记录")), MainWindow::kRecordsPage},
                              {window->menu_item(QStringLiteral("模式选择")), MainWindow::kModePage},
                              {window->menu_item(QStringLiteral("姓名评分")), MainWindow::kScoringPage}};
        for (const Case& c : cases) {
            QVERIFY(c.item != nullptr);
            c.item->trigger();
            QCOMPARE(window->pages()->currentIndex(), c.page);
        }
        QStringList menus;
        for (QAction* menu : window->menuBar()->actions()) menus.append(menu->text());
        QCOMPARE(menus, QStringList({"操作菜单[&C]", "育儿知识[&Y]", "算命风水[&S]", "帮助[&H]"}));
        for (const char* caption : {"退出程序", "更换皮肤", "使用帮助", "关于软件", "备孕百科",
                                    "护理保健", "幼儿园安全", "起名知识", "开运技巧"}) {
            QVERIFY2(window->menu_item(QString::fromUtf8(caption)) != nullptr, caption);
        }
    }

    void mode_buttons_change_the_status_hint() {
        auto window = created_window();
        window->control<QRadioButton>(QStringLiteral("单选框_高分起名"))->click();
        QCOMPARE(window->status_image(), 1);
        QCOMPARE(window->status_text(), QStringLiteral("1-20秒内生成10000个90分以上的高分姓名"));
        window->control<QRadioButton>(QStringLiteral("单选框_起英文名"))->click();
        QCOMPARE(window->status_image(), 6);
        QCOMPARE(window->pages()->currentIndex(), int(MainWindow::kModePage));
    }

    void help_opens_the_manual_beside_the_program() {
        OpenedUrls opened;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &opened, "open");
        auto window = created_window();
        window->menu_item(QStringLiteral("使用帮助"))->trigger();
        QVERIFY(opened.urls.isEmpty());  // no manual yet: nothing opens, nothing is said

        QVERIFY(QDir(folder_.path()).mkpath(QStringLiteral("Help")));
        const QString manual = folder_.filePath(QStringLiteral("Help/用户手册.html"));
        QFile file(manual);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        window->menu_item(QStringLiteral("使用帮助"))->trigger();
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QCOMPARE(opened.urls.size(), 1);
        QCOMPARE(opened.urls.first().toLocalFile(), manual);
    }

    void about_window_opens_once() {
        auto window = created_window();
        window->menu_item(QStringLiteral("关于软件"))->trigger();
        window->menu_item(QStringLiteral("关于软件"))->trigger();
        const QList<QWidget*> abouts = window->findChildren<QWidget*>(QStringLiteral("AboutUs"));
        QCOMPARE(abouts.size(), 1);
        QWidget* about = abouts.first();
        QVERIFY(about->isVisible());
        QVERIFY(!about->isModal());
        QCOMPARE(about->windowTitle(), QStringLiteral("关于软件"));
        QCOMPARE(about->size(), QSize(678, 338));
        QCOMPARE(about->findChild<QLabel*>(QStringLiteral("透明标签1"))->text(),
                 QStringLiteral("朗月宝宝起名软件 版本：V1.1"));
        QVERIFY(!about->findChild<QLabel*>(QStringLiteral("图片框1"))->pixmap().isNull());
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
