// The scoring page: refusing empty input, one row per distinct name, and the double-click
// that opens a scored name in the detail window.
// clang-format off
// The core record comes before any Qt header: its field `slots` is a word Qt defines away.
#include "analysis/name_analysis.h"
// clang-format on
#include <QTabWidget>
#include <QTest>
#include <filesystem>
#include <memory>

#include "analysis/ui/name_detail_window.h"
#include "analysis/ui/open_name_detail.h"
#include "analysis/ui/score_typed_name.h"
#include "app/program_paths.h"
#include "app/ui/html_view.h"
#include "app/ui/qt_text.h"
#include "tests/analysis/ui/stand_in_main_window.h"
#include "tests/test_support.h"

using namespace langyue;

namespace {

const QString kScoring = QStringLiteral("超级列表框_评分列表");

QStringList row_texts(const ResultListModel& rows, int row) {
    QStringList texts;
    for (int column = 0; column < rows.columnCount(); ++column) texts << rows.text(row, column);
    return texts;
}

}  // namespace

class ScoringPageTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        test::load_fixture_database();
        scratch_ = std::make_unique<test::ScratchProgramDir>(false);
        set_program_directory(scratch_->path());
    }

    void init() {
        main_ = std::make_unique<test::StandInMainWindow>();
        QVERIFY(connect_scoring_button(main_.get()));
        // The main window sends the scoring list's double-click to open_name_detail.
        QTableView* list = main_->list(kScoring);
        connect(list, &QTableView::doubleClicked, list, [list] { open_name_detail(list); });
        std::filesystem::remove(data_file("temp.html"));
    }

    void cleanup() { main_.reset(); }

    void empty_input_is_refused_data() {
        QTest::addColumn<QString>("surname");
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("message");
        QTest::newRow("no surname") << ""
                                    << "朗月"
                                    << "请输入姓氏";
        QTest::newRow("surname of blanks") << "  "
                                           << "朗月"
                                           << "请输入姓氏";
        QTest::newRow("both empty") << ""
                                    << ""
                                    << "请输入姓氏";
        QTest::newRow("no given name") << "李"
                                       << ""
                                       << "请输入名字";
        QTest::newRow("given name of blanks") << "李"
                                              << " "
                                              << "请输入名字";
    }
    void empty_input_is_refused() {
        QFETCH(QString, surname);
        QFETCH(QString, given);
        QFETCH(QString, message);
        test::RecordedMessages messages;
        main_->scoring_surname->setText(surname);
        main_->scoring_given->setText(given);
        QTest::mouseClick(main_->score_button, Qt::LeftButton);
        QCOMPARE(messages.texts, std::vector<std::string>{message.toStdString()});
        QCOMPARE(messages.titles, std::vector<std::string>{"提示"});
        QCOMPARE(main_->rows(kScoring)->rowCount(), 0);
        QVERIFY(!std::filesystem::exists(data_file("temp.html")));
    }

    void a_scored_name_adds_its_row() {
        test::RecordedMessages messages;
        main_->scoring_surname->setText(QStringLiteral("李"));
        main_->scoring_given->setText(QStringLiteral("朗月"));
        QTest::mouseClick(main_->score_button, Qt::LeftButton);
        QVERIFY(messages.texts.empty());
        const ResultListModel& rows = *main_->rows(kScoring);
        QCOMPARE(rows.rowCount(), 1);
        // 李 7, 朗 11 (10 simplified), 月 4 Kangxi strokes: heaven 8, person 18, earth 15,
        // total 22, outer 5.
        const QStringList expected = {QStringLiteral("1"),
                                      QStringLiteral("李\r\n朗月"),
                                      QStringLiteral("21"),
                                      QStringLiteral("22"),
                                      QStringLiteral("火火土"),
                                      QStringLiteral("8,18,15,22,5"),
                                      from_gbk(window_name_analysis().pattern),
                                      QString::number(window_name_analysis().shown_score())};
        QCOMPARE(row_texts(rows, 0), expected);
        QVERIFY(!window_name_analysis().pattern.empty());
        QVERIFY(std::filesystem::exists(data_file("temp.html")));
    }

    void each_distinct_name_gets_one_row() {
        const struct {
            const char16_t* surname;
            const char16_t* given;
        } typed[] = {{u"李", u"朗月"},
                     {u"李", u"朗月"},
                     {u"欧阳", u"明华"},
                     {u"李", u"朗月"},
                     {u"李", u"明"}};
        for (const auto& name : typed) {
            main_->scoring_surname->setText(QString::fromUtf16(name.surname));
            main_->scoring_given->setText(QString::fromUtf16(name.given));
            QTest::mouseClick(main_->score_button, Qt::LeftButton);
        }
        const ResultListModel& rows = *main_->rows(kScoring);
        QCOMPARE(rows.rowCount(), 3);
        const QStringList names = {QStringLiteral("李\r\n朗月"), QStringLiteral("欧阳\r\n明华"),
                                   QStringLiteral("李\r\n明")};
        for (int row = 0; row < 3; ++row) {
            QCOMPARE(rows.text(row, 0), QString::number(row + 1));
            QCOMPARE(rows.text(row, 1), names[row]);
        }
        // The last scoring rewrote the report even for a name already listed.
        main_->scoring_surname->setText(QStringLiteral("欧阳"));
        main_->scoring_given->setText(QStringLiteral("明华"));
        QTest::mouseClick(main_->score_button, Qt::LeftButton);
        QCOMPARE(rows.rowCount(), 3);
        QVERIFY(test::read_file(data_file("temp.html")).find(gbk("欧")) != std::string::npos);
    }

    void double_click_opens_the_scored_name() {
        main_->show();
        main_->scoring_surname->setText(QStringLiteral("李"));
        main_->scoring_given->setText(QStringLiteral("朗月"));
        QTest::mouseClick(main_->score_button, Qt::LeftButton);
        QTableView* list = main_->list(kScoring);
        list->selectRow(0);
        emit list->doubleClicked(list->model()->index(0, 1));
        auto* window = main_->findChild<NameDetailWindow*>();
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QVERIFY(window->view(0)->page_source().contains(QStringLiteral("名字评分")));
        const QString pages[] = {QStringLiteral("李子树"), QStringLiteral("明亮，开朗。"),
                                 QStringLiteral("月亮；月份。"), QString(), QStringLiteral("陇西")};
        for (int tab = 1; tab <= 5; ++tab) {
            QCOMPARE(window->tabs()->isTabVisible(tab), tab != 4);
            if (tab == 4) continue;
            window->tabs()->setCurrentIndex(tab);
            QVERIFY2(window->view(tab)->page_source().contains(pages[tab - 1]),
                     qPrintable(pages[tab - 1]));
        }
    }

private:
    std::unique_ptr<test::ScratchProgramDir> scratch_;
    std::unique_ptr<test::StandInMainWindow> main_;
};

QTEST_MAIN(ScoringPageTest)
#include "scoring_page_test.moc"
