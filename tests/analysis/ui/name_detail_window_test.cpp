// The name detail window and the single-page window: their controls and resize rules, and
// opening names from the result lists, the records and the scoring list.
// clang-format off
// The core record comes before any Qt header: its field `slots` is a word Qt defines away.
#include "analysis/name_analysis.h"
// clang-format on
#include "analysis/ui/name_detail_window.h"

#include <QAction>
#include <QGroupBox>
#include <QPointer>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <filesystem>
#include <memory>

#include "analysis/report_pages.h"
#include "analysis/ui/open_name_detail.h"
#include "analysis/ui/page_detail_window.h"
#include "app/program_paths.h"
#include "app/ui/html_view.h"
#include "tests/analysis/ui/stand_in_main_window.h"
#include "tests/test_support.h"

using namespace langyue;

namespace {

const QString kHighScore = QStringLiteral("超级列表框_高分起名");
const QString kPoetry = QStringLiteral("超级列表框_诗名列表");
const QString kRecords = QStringLiteral("超级列表框_记录列表");
const QString kScoring = QStringLiteral("超级列表框_评分列表");

QStringList result_row(const QString& name) {
    return {QStringLiteral("1"),      name,
            QStringLiteral("21"),     QStringLiteral("22"),
            QStringLiteral("火火土"), QStringLiteral("8,18,15,22,5"),
            QStringLiteral("金金土"), QStringLiteral("85")};
}

QStringList visible_tab_texts(const NameDetailWindow& window) {
    QStringList texts;
    for (int tab = 0; tab < window.tabs()->count(); ++tab) {
        if (window.tabs()->isTabVisible(tab)) texts << window.tabs()->tabText(tab);
    }
    return texts;
}

bool page_file_exists(int tab) {
    return std::filesystem::exists(detail_page_file(tab).toStdString());
}

struct RecordCall {
    QString surname, given;
    QStringList columns;
};

}  // namespace

class NameDetailWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        test::load_fixture_database();
        scratch_ = std::make_unique<test::ScratchProgramDir>(false);
        set_program_directory(scratch_->path());
        add_record_ = [this](const QString& surname, const QString& given,
                             const QStringList& columns) {
            records_.push_back({surname, given, columns});
        };
    }

    void init() {
        records_.clear();
        main_ = std::make_unique<test::StandInMainWindow>();
        for (const auto& entry : std::filesystem::directory_iterator(scratch_->path() + "/data")) {
            std::filesystem::remove(entry.path());
        }
    }

    void cleanup() {
        // Closing the main window's stand-in destroys the detail window it parents.
        main_.reset();
    }

    void window_has_its_controls_and_starts_with_the_report_only() {
        write_gbk_file(data_file("temp.html"), gbk("<html><body>报告页</body></html>"));
        NameDetailWindow window;
        QCOMPARE(window.objectName(), QStringLiteral("LumettoConten"));
        QCOMPARE(window.windowTitle(), QStringLiteral("姓名详细解释"));
        QCOMPARE(window.size(), QSize(876, 534));
        QCOMPARE(window.tabs()->objectName(), QStringLiteral("高级选择夹1"));
        QCOMPARE(window.tabs()->count(), 6);
        QCOMPARE(visible_tab_texts(window), QStringList{QStringLiteral("姓名详细解释")});
        for (int tab = 0; tab < 6; ++tab) {
            QCOMPARE(window.view(tab)->objectName(), QStringLiteral("网页浏览框%1").arg(tab + 1));
        }
        QVERIFY(window.view(0)->page_source().contains(QStringLiteral("报告页")));
        QVERIFY(window.findChild<QStatusBar*>(QStringLiteral("状态条1")));

        const QList<QAction*> items = window.toolbar()->actions();
        QCOMPARE(items.size(), 11);
        const QStringList texts = {QStringLiteral("首页"), QStringLiteral("后退"),
                                   QStringLiteral("前进"), QStringLiteral("导出"),
                                   QStringLiteral("打印"), QStringLiteral("退出")};
        for (int i = 0; i < 11; ++i) {
            QCOMPARE(items[i]->isSeparator(), i % 2 == 1);
            if (i % 2 == 0) QCOMPARE(items[i]->text(), texts[i / 2]);
        }
    }

    void single_page_window_shows_the_report() {
        write_gbk_file(data_file("temp.html"), gbk("<html><body>单页报告</body></html>"));
        PageDetailWindow page;
        QCOMPARE(page.objectName(), QStringLiteral("LumettoConten"));
        QCOMPARE(page.windowTitle(), QStringLiteral("姓名详细解释"));
        QCOMPARE(page.size(), QSize(876, 534));
        QVERIFY(page.view()->page_source().contains(QStringLiteral("单页报告")));
        QCOMPARE(page.view()->pos(), QPoint(0, 40));
        QCOMPARE(page.toolbar()->actions().size(), 11);
        QCOMPARE(page.toolbar()->actions()[DetailWindowFrame::kPrintPosition]->text(),
                 QStringLiteral("打印"));
        QCOMPARE(page.toolbar()->actions()[DetailWindowFrame::kExitPosition]->text(),
                 QStringLiteral("退出"));
        QVERIFY(page.findChild<QGroupBox*>(QStringLiteral("分组框4")));
        QVERIFY(page.findChild<QStatusBar*>(QStringLiteral("状态条1")));
    }

    void resizing_follows_the_client_size() {
        NameDetailWindow window;
        window.show();
        window.resize(1000, 700);
        QCoreApplication::processEvents();
        QCOMPARE(window.tabs()->size(), QSize(999, 630));
        QCOMPARE(window.view(3)->size(), QSize(992, 596));
        QCOMPARE(window.findChild<QGroupBox*>(QStringLiteral("分组框4"))->width(), 1010);

        PageDetailWindow page(QStringLiteral(" 汉字[ 李 ]的详细解释"),
                              QString::fromStdString(data_file("temp.html")));
        page.show();
        page.resize(900, 600);
        QCoreApplication::processEvents();
        QCOMPARE(page.windowTitle(), QStringLiteral(" 汉字[ 李 ]的详细解释"));
        QCOMPARE(page.view()->objectName(), QStringLiteral("网页浏览框1"));
        QCOMPARE(page.view()->size(), QSize(899, 530));
        QCOMPARE(page.findChild<QGroupBox*>(QStringLiteral("分组框4"))->width(), 910);
    }

    void exit_closes_and_destroys_the_window() {
        QPointer<PageDetailWindow> page = new PageDetailWindow;
        page->show();
        page->toolbar()->actions()[DetailWindowFrame::kExitPosition]->trigger();
        QTRY_VERIFY(page.isNull());
    }

    void given_name_is_cut_by_the_surname_box_length_data() {
        QTest::addColumn<QString>("full_name");
        QTest::addColumn<QString>("surname_box");
        QTest::addColumn<QString>("given");
        QTest::newRow("one-character surname") << "李朗月"
                                               << "李"
                                               << "朗月";
        QTest::newRow("compound surname") << "欧阳明华"
                                          << "欧阳"
                                          << "明华";
        QTest::newRow("box changed to a compound surname") << "李朗月"
                                                           << "欧阳"
                                                           << "月";
        QTest::newRow("empty box cuts one character") << "李朗月"
                                                      << ""
                                                      << "朗月";
        QTest::newRow("nothing left") << "李"
                                      << "李"
                                      << "";
    }
    void given_name_is_cut_by_the_surname_box_length() {
        QFETCH(QString, full_name);
        QFETCH(QString, surname_box);
        QFETCH(QString, given);
        QCOMPARE(gbk_to_utf8(given_name_of_result(utf8_to_gbk(full_name.toStdString()),
                                                  utf8_to_gbk(surname_box.toStdString()))),
                 given.toStdString());
    }

    void three_character_result_shows_tabs_0_1_2_3_and_5() {
        main_->surname->setText(QStringLiteral("李"));
        main_->add_and_select(kHighScore, result_row(QStringLiteral("李朗月")));
        NameDetailWindow* window = open_name_detail(main_->list(kHighScore), add_record_);
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral("李朗月姓名详细解释"));
        QCOMPARE(
            visible_tab_texts(*window),
            (QStringList{QStringLiteral("姓名详细解释"), QStringLiteral("李"), QStringLiteral("朗"),
                         QStringLiteral("月"), QStringLiteral("姓氏起源")}));
        QVERIFY(!window->tabs()->isTabVisible(4));
        QVERIFY(page_file_exists(1) && page_file_exists(2) && page_file_exists(3));
        QVERIFY(!page_file_exists(4));
        QVERIFY(page_file_exists(5));
        QCOMPARE(window_name_analysis().given_characters.size(), size_t{2});
        QVERIFY(window->view(0)->page_source().contains(QStringLiteral("名字评分")));
        QVERIFY(window->view(0)->page_source().contains(QStringLiteral("天格8的解析")));
    }

    void tabs_load_their_pages_in_any_order_and_tab_0_keeps_the_report() {
        main_->surname->setText(QStringLiteral("李"));
        main_->add_and_select(kHighScore, result_row(QStringLiteral("李朗月")));
        NameDetailWindow* window = open_name_detail(main_->list(kHighScore), add_record_);
        QVERIFY(window);
        const QString report = window->view(0)->page_source();
        const struct {
            int tab;
            QString expected;
        } visits[] = {{3, QStringLiteral("月亮；月份。")},
                      {5, QStringLiteral("百家姓_李")},
                      {1, QStringLiteral("李子树；也是常见姓氏。")},
                      {0, QStringLiteral("名字评分")},
                      {2, QStringLiteral("明亮，开朗。")}};
        for (const auto& visit : visits) {
            window->tabs()->setCurrentIndex(visit.tab);
            QVERIFY2(window->view(visit.tab)->page_source().contains(visit.expected),
                     qPrintable(visit.expected));
        }
        QCOMPARE(window->view(0)->page_source(), report);
    }

    void compound_surname_cuts_two_characters() {
        main_->surname->setText(QStringLiteral("欧阳"));
        main_->add_and_select(kPoetry, result_row(QStringLiteral("欧阳明华")));
        NameDetailWindow* window = open_name_detail(main_->list(kPoetry), add_record_);
        QVERIFY(window);
        QCOMPARE(
            visible_tab_texts(*window),
            (QStringList{QStringLiteral("姓名详细解释"), QStringLiteral("欧"), QStringLiteral("阳"),
                         QStringLiteral("明"), QStringLiteral("华"), QStringLiteral("姓氏起源")}));
        QCOMPARE(window_name_analysis().surname_characters.size(), size_t{2});
        window->tabs()->setCurrentIndex(5);
        QVERIFY(window->view(5)->page_source().contains(QStringLiteral("欧阳修")));
    }

    void characters_missing_from_the_database_still_open_data() {
        QTest::addColumn<QString>("full_name");
        QTest::addColumn<QString>("surname_box");
        QTest::addColumn<QStringList>("tabs");
        QTest::newRow("given name missing")
            << "李龘" << "李" << QStringList{"姓名详细解释", "李", "龘", "姓氏起源"};
        QTest::newRow("surname missing")
            << "龘朗" << "龘" << QStringList{"姓名详细解释", "龘", "朗", "姓氏起源"};
    }
    void characters_missing_from_the_database_still_open() {
        QFETCH(QString, full_name);
        QFETCH(QString, surname_box);
        QFETCH(QStringList, tabs);
        main_->surname->setText(surname_box);
        main_->add_and_select(kHighScore, result_row(full_name));
        NameDetailWindow* window = open_name_detail(main_->list(kHighScore), add_record_);
        QVERIFY(window);
        QCOMPARE(visible_tab_texts(*window), tabs);
        QVERIFY(page_file_exists(0) && page_file_exists(1) && page_file_exists(2));
        QVERIFY(page_file_exists(5));
        for (int tab : {1, 2, 5}) {
            window->tabs()->setCurrentIndex(tab);
            QVERIFY(!window->view(tab)->page_source().isEmpty());
        }
        QCOMPARE(records_.size(), size_t{1});
    }

    void a_result_list_records_the_name_with_its_columns() {
        main_->surname->setText(QStringLiteral("李"));
        main_->add_and_select(kHighScore, result_row(QStringLiteral("李朗月")));
        QVERIFY(open_name_detail(main_->list(kHighScore), add_record_));
        QCOMPARE(records_.size(), size_t{1});
        QCOMPARE(records_[0].surname, QStringLiteral("李"));
        QCOMPARE(records_[0].given, QStringLiteral("朗月"));
        QCOMPARE(records_[0].columns, result_row(QString()).mid(2));
    }

    void records_and_scoring_rows_open_without_a_record_data() {
        QTest::addColumn<QString>("list");
        QTest::newRow("records") << kRecords;
        QTest::newRow("scoring") << kScoring;
    }
    void records_and_scoring_rows_open_without_a_record() {
        QFETCH(QString, list);
        main_->surname->setText(QStringLiteral("张"));  // not used for these lists
        main_->add_and_select(list, result_row(QStringLiteral("欧阳\r\n明华")));
        NameDetailWindow* window = open_name_detail(main_->list(list), add_record_);
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QStringLiteral("欧阳\r\n明华姓名详细解释"));
        QCOMPARE(window->tabs()->tabText(1), QStringLiteral("欧"));
        QCOMPARE(window->tabs()->tabText(4), QStringLiteral("华"));
        QVERIFY(records_.empty());
    }

    void unusable_rows_open_nothing_data() {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("surname_box");
        QTest::addColumn<bool>("select");
        QTest::newRow("no selected row") << kHighScore << "李朗月"
                                         << "李" << false;
        QTest::newRow("empty name") << kHighScore << ""
                                    << "李" << true;
        QTest::newRow("surname box emptied") << kHighScore << "李朗月"
                                             << "" << true;
        QTest::newRow("surname box of blanks") << kHighScore << "李朗月"
                                               << "  " << true;
        QTest::newRow("record without line break") << kRecords << "李朗月"
                                                   << "李" << true;
        QTest::newRow("record without given name") << kRecords << "李\r\n"
                                                   << "李" << true;
    }
    void unusable_rows_open_nothing() {
        QFETCH(QString, list);
        QFETCH(QString, name);
        QFETCH(QString, surname_box);
        QFETCH(bool, select);
        main_->surname->setText(surname_box);
        main_->rows(list)->append_row(result_row(name));
        if (select) main_->list(list)->selectRow(0);
        QVERIFY(!open_name_detail(main_->list(list), add_record_));
        QVERIFY(!page_file_exists(0));
        QVERIFY(records_.empty());
    }

    void a_second_name_reuses_the_open_window() {
        main_->surname->setText(QStringLiteral("欧阳"));
        main_->add_and_select(kHighScore, result_row(QStringLiteral("欧阳明华")));
        NameDetailWindow* first = open_name_detail(main_->list(kHighScore), add_record_);
        QVERIFY(first);
        first->tabs()->setCurrentIndex(4);

        main_->surname->setText(QStringLiteral("李"));
        main_->add_and_select(kHighScore, result_row(QStringLiteral("李朗月")));
        NameDetailWindow* second = open_name_detail(main_->list(kHighScore), add_record_);
        QCOMPARE(second, first);
        QCOMPARE(second->windowTitle(), QStringLiteral("李朗月姓名详细解释"));
        QCOMPARE(second->tabs()->currentIndex(), 0);
        QVERIFY(!second->tabs()->isTabVisible(4));
        QVERIFY(!second->view(0)->page_source().contains(QStringLiteral("欧")));
    }

private:
    std::unique_ptr<test::ScratchProgramDir> scratch_;
    std::unique_ptr<test::StandInMainWindow> main_;
    std::vector<RecordCall> records_;
    NamingRecordAdder add_record_;
};

QTEST_MAIN(NameDetailWindowTest)
#include "name_detail_window_test.moc"
