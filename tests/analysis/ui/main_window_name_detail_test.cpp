// The name detail in the real main window: the scoring page, the result lists and the naming
// records reach the detail window through the window's own connections.
// clang-format off
// The core record comes before any Qt header: its field `slots` is a word Qt defines away.
#include "analysis/name_analysis.h"
// clang-format on
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "analysis/ui/name_detail_window.h"
#include "app/program_paths.h"
#include "app/ui/html_view.h"
#include "app/ui/main_window.h"
#include "generation/ui/result_list_model.h"
#include "tests/analysis/ui/stand_in_main_window.h"
#include "tests/test_support.h"

using namespace langyue;

namespace {

const QString kHighScore = QStringLiteral("超级列表框_高分起名");
const QString kRecords = QStringLiteral("超级列表框_记录列表");
const QString kScoring = QStringLiteral("超级列表框_评分列表");

// Selects a row and double-clicks its name as the user would.
void double_click(MainWindow& window, const QString& list_name, int row) {
    QTableView* list = window.list_view(list_name);
    list->selectRow(row);
    emit list->doubleClicked(list->model()->index(row, 1));
}

NameDetailWindow* detail_window(MainWindow& window) {
    return window.findChild<NameDetailWindow*>();
}

}  // namespace

class MainWindowNameDetailTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        test::load_fixture_database();
        scratch_ = std::make_unique<test::ScratchProgramDir>(false);
        set_program_directory(scratch_->path());
    }

    void init() {
        window_ = std::make_unique<MainWindow>();
        window_->set_settings_file(QString::fromStdString(scratch_->path() + "/config.dat"));
        window_->show();
    }

    void cleanup() { window_.reset(); }

    void scoring_li_langyue_adds_its_row_and_opens_its_detail() {
        test::RecordedMessages messages;
        window_->pages()->setCurrentIndex(MainWindow::kScoringPage);
        window_->control<QLineEdit>(QStringLiteral("编辑框_评分姓氏"))
            ->setText(QStringLiteral("李"));
        window_->control<QLineEdit>(QStringLiteral("编辑框_评分名字"))
            ->setText(QStringLiteral("朗月"));
        QPushButton* score = window_->control<QPushButton>(QStringLiteral("按钮_评分"));
        QTest::mouseClick(score, Qt::LeftButton);
        QTest::mouseClick(score, Qt::LeftButton);
        QVERIFY(messages.texts.empty());

        ResultListModel* rows = window_->list_model(kScoring);
        QCOMPARE(rows->rowCount(), 1);
        QCOMPARE(rows->text(0, 1), QStringLiteral("李\r\n朗月"));
        QCOMPARE(rows->text(0, 5), QStringLiteral("8,18,15,22,5"));

        double_click(*window_, kScoring, 0);
        NameDetailWindow* detail = detail_window(*window_);
        QVERIFY(detail);
        QVERIFY(detail->isVisible());
        QCOMPARE(detail->windowTitle(), QStringLiteral("李\r\n朗月姓名详细解释"));
        QVERIFY(detail->view(0)->page_source().contains(QStringLiteral("名字评分")));
        const QString pages[] = {QStringLiteral("李子树"), QStringLiteral("明亮，开朗。"),
                                 QStringLiteral("月亮；月份。")};
        for (int tab = 1; tab <= 3; ++tab) {
            detail->tabs()->setCurrentIndex(tab);
            QVERIFY(detail->view(tab)->page_source().contains(pages[tab - 1]));
        }
        QVERIFY(!detail->tabs()->isTabVisible(4));
        detail->tabs()->setCurrentIndex(NameDetailWindow::kSurnameTab);
        QVERIFY(detail->view(5)->page_source().contains(QStringLiteral("百家姓_李")));
        // The scoring list is not recorded.
        QCOMPARE(window_->list_model(kRecords)->rowCount(), 0);
    }

    void empty_scoring_input_shows_the_message() {
        test::RecordedMessages messages;
        window_->control<QLineEdit>(QStringLiteral("编辑框_评分姓氏"))->clear();
        QTest::mouseClick(window_->control<QPushButton>(QStringLiteral("按钮_评分")),
                          Qt::LeftButton);
        QCOMPARE(messages.texts, std::vector<std::string>{"请输入姓氏"});
        QCOMPARE(window_->list_model(kScoring)->rowCount(), 0);
    }

    void a_result_opened_twice_is_recorded_once() {
        window_->control<QLineEdit>(QStringLiteral("编辑框_姓氏"))->setText(QStringLiteral("李"));
        const QStringList result = {"1",      "李朗月",       "21",     "22",
                                    "火火土", "8,18,15,22,5", "金金土", "92"};
        window_->list_model(kHighScore)->append_row(result);
        double_click(*window_, kHighScore, 0);
        double_click(*window_, kHighScore, 0);
        QCOMPARE(detail_window(*window_)->windowTitle(), QStringLiteral("李朗月姓名详细解释"));

        ResultListModel* records = window_->list_model(kRecords);
        QCOMPARE(records->rowCount(), 1);
        QCOMPARE(records->text(0, 1), QStringLiteral("李\r\n朗月"));
        for (int column = 2; column <= 7; ++column) {
            QCOMPARE(records->text(0, column), result[column]);
        }

        // Opening the record itself adds nothing.
        double_click(*window_, kRecords, 0);
        QCOMPARE(records->rowCount(), 1);
        QCOMPARE(detail_window(*window_)->windowTitle(), QStringLiteral("李\r\n朗月姓名详细解释"));
    }

private:
    std::unique_ptr<test::ScratchProgramDir> scratch_;
    std::unique_ptr<MainWindow> window_;
};

QTEST_MAIN(MainWindowNameDetailTest)
#include "main_window_name_detail_test.moc"
