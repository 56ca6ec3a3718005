// The poetry page: poets by OrderId, the poet's poems, the poem page, the character grid made
// from the template check box, the grid buttons and the generate button.
#include <QCheckBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

#include "app/messages.h"
#include "app/program_paths.h"
#include "app/ui/main_pages.h"
#include "generation/ui/poetry_page.h"
#include "generation/ui/result_list_model.h"
#include "tests/test_support.h"
#include "text/gbk.h"

namespace langyue {

class PoetryPageTest : public QObject {
    Q_OBJECT

private:
    test::ScratchProgramDir* scratch_ = nullptr;
    std::vector<Message> messages_;

    struct Page {
        std::unique_ptr<QWidget> widget{build_poetry_page()};
        PoetrySelectionPage page{widget.get()};

        template <typename T>
        T* find(const char* name) const {
            return widget->findChild<T*>(QString::fromUtf8(name));
        }
        ResultListModel* model(const char* name) const {
            return page_list_model(find<QTableView>(name));
        }
        QStringList column(const char* name, int column) const {
            QStringList texts;
            ResultListModel* m = model(name);
            for (int row = 0; row < m->rowCount(); ++row) texts << m->text(row, column);
            return texts;
        }
        // Moves the selection of a list the way the arrow keys do.
        void move_to(const char* list, int row) const {
            QTableView* view = find<QTableView>(list);
            view->selectionModel()->setCurrentIndex(
                view->model()->index(row, 0),
                QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        }
        void click(const char* button) const {
            QTest::mouseClick(find<QPushButton>(button), Qt::LeftButton);
        }
        std::vector<bool> ticks() const {
            std::vector<bool> result;
            for (const QCheckBox* box : page.grid()) result.push_back(box->isChecked());
            return result;
        }
        QString captions() const {
            QString text;
            for (const QCheckBox* box : page.grid()) text += box->text();
            return text;
        }
    };

    std::string temp_page() const {
        return gbk_to_utf8(test::read_file(scratch_->data_file("temp.html")));
    }

private slots:
    void initTestCase() {
        test::open_empty_test_database();
        test::exec_sql(
            "insert into LM_Poet (Id,Poet,PoemCount,OrderId) values (1,'李白','2',2),"
            "(2,'王之涣','1',1)");
        test::exec_sql(
            "insert into LM_全唐诗 (Id,标题,作者,内容,首字母) values "
            "(1,'静夜思','李白','床前明月光，疑是地上霜。举头望明月，低头思故乡。','床疑举低'),"
            "(2,'夜思','李白','床前明月光，疑是地上霜。','床疑'),"
            "(3,'登鹳雀楼','王之涣','白日依山尽，黄河入海流。欲穷千里目，更上一层楼。','白黄欲更')");
        scratch_ = new test::ScratchProgramDir(false);
        set_program_directory(scratch_->path());
        set_message_handler([this](const Message& message) {
            messages_.push_back(message);
            return MessageAnswer::kOk;
        });
    }
    void cleanupTestCase() {
        set_message_handler({});
        delete scratch_;
    }

    void poetsComeByOrderIdAndTheFirstPoemIsShown() {
        Page p;
        p.page.fill_poet_list();
        QCOMPARE(p.column("超级列表框_诗人列表", 1), QStringList({"王之涣", "李白"}));
        QCOMPARE(p.column("超级列表框_诗人列表", 0), QStringList({"1", "2"}));
        QCOMPARE(p.column("超级列表框_诗词残", 1), QStringList({"登鹳雀楼"}));
        const std::string page = temp_page();
        QVERIFY(page.find("<title>王之涣:登鹳雀楼</title>") != std::string::npos);
        QVERIFY(page.find("<b>王之涣:登鹳雀楼</b><br><br>白日依山尽，黄河入海流。<br>欲穷") !=
                std::string::npos);
        QVERIFY(page.find("charset=gb2312") != std::string::npos);
    }

    void pickingByKeyboardOrClickShowsThePoetsPoemsAndThePoem() {
        Page p;
        p.widget->resize(720, 400);
        p.widget->show();
        p.page.fill_poet_list();
        p.move_to("超级列表框_诗人列表", 1);
        QCOMPARE(p.column("超级列表框_诗词残", 1), QStringList({"静夜思", "夜思"}));
        QVERIFY(temp_page().find("李白:静夜思") != std::string::npos);
        p.move_to("超级列表框_诗词残", 1);
        const std::string page = temp_page();
        QVERIFY(page.find("李白:夜思") != std::string::npos);
        // Each "。" ends a line.
        QVERIFY(page.find("疑是地上霜。<br></body>") != std::string::npos);

        QTableView* poems = p.find<QTableView>("超级列表框_诗词残");
        QTest::mouseClick(poems->viewport(), Qt::LeftButton, {},
                          poems->visualRect(poems->model()->index(0, 1)).center());
        QVERIFY(temp_page().find("李白:静夜思") != std::string::npos);
    }

    void aTenCharacterPoemGivesTenBoxesWithItsInitialsTicked() {
        Page p;
        p.page.fill_poet_list();
        p.move_to("超级列表框_诗人列表", 1);
        p.move_to("超级列表框_诗词残", 1);
        p.click("按钮2");
        QCOMPARE(p.captions(), QStringLiteral("床前明月光疑是地上霜"));
        QCOMPARE(p.ticks(), std::vector<bool>({true, false, false, false, false, true, false,
                                                false, false, false}));
        QCOMPARE(p.find<QTabWidget>("高级选择夹2")->currentIndex(), 1);
        const QCheckBox* template_box = p.find<QCheckBox>("选择框1");
        for (const QCheckBox* box : p.page.grid()) {
            QCOMPARE(box->parentWidget(), template_box->parentWidget());
            QVERIFY(box->isVisibleTo(p.widget.get()));
        }
    }

    void boxesFifteenToARowTheSixteenthStartsTheSecond() {
        Page p;
        p.page.fill_poet_list();
        p.move_to("超级列表框_诗人列表", 1);
        p.click("按钮2");  // 静夜思, twenty characters
        const auto& grid = p.page.grid();
        QCOMPARE(grid.size(), size_t{20});
        const int left = PoetrySelectionPage::kGridLeft;
        const int top = PoetrySelectionPage::kGridTop;
        QCOMPARE(grid[0]->geometry(), QRect(left, top, 70, 20));
        QCOMPARE(grid[14]->geometry(), QRect(left + 40 * 14, top, 70, 20));
        QCOMPARE(grid[15]->geometry(), QRect(left, top + 20, 70, 20));
        // 明 and 月 occur twice and get two boxes each, ticked on their own.
        QCOMPARE(grid[2]->text(), QStringLiteral("明"));
        QCOMPARE(grid[13]->text(), QStringLiteral("明"));
        grid[2]->setChecked(true);
        QVERIFY(!grid[13]->isChecked());
        // The area holding the boxes reaches the last row and no further, and ends where the
        // characters of the last column end, not 70 pixels after its left edge: a short poem
        // then needs no scroll bar.
        const QWidget* area = grid[0]->parentWidget();
        QCOMPARE(area->height(), top + 2 * 20 + top);
        QCOMPARE(area->width(), left + 40 * 14 + grid[14]->sizeHint().width() + left);

        // A new poem replaces the grid.
        p.move_to("超级列表框_诗词残", 1);
        p.click("按钮2");
        QCOMPARE(p.page.grid().size(), size_t{10});
    }

    void gridButtons() {
        Page p;
        p.click("按钮3");  // an empty grid: nothing happens
        p.click("按钮4");
        QVERIFY(p.page.grid().empty());
        p.page.fill_poet_list();
        p.move_to("超级列表框_诗人列表", 1);
        p.move_to("超级列表框_诗词残", 1);
        p.click("按钮2");
        p.click("按钮3");
        QCOMPARE(p.ticks(), std::vector<bool>(10, true));
        p.click("按钮6");
        QCOMPARE(p.ticks(), std::vector<bool>(10, false));
        p.page.grid()[3]->setChecked(true);
        p.click("按钮6");
        QCOMPARE(p.ticks()[3], false);
        QCOMPARE(p.ticks()[4], true);
        p.click("按钮4");
        QCOMPARE(p.ticks(), std::vector<bool>(10, false));
    }

    void usePoemWithoutAPoemAsks() {
        Page p;
        messages_.clear();
        p.click("按钮2");
        QCOMPARE(messages_.size(), size_t{1});
        QCOMPARE(gbk_to_utf8(messages_[0].text), std::string("请选择一首诗词"));
        QCOMPARE(gbk_to_utf8(messages_[0].title), std::string("提示"));
        QVERIFY(p.page.grid().empty());
    }

    void generateEmptiesTheNamesAndAsksForARunWithTheTickedCharacters() {
        Page p;
        p.page.fill_poet_list();
        p.move_to("超级列表框_诗人列表", 1);
        p.move_to("超级列表框_诗词残", 1);
        p.click("按钮2");
        p.model("超级列表框_诗名列表")->append_row({"1", "李明"});
        QSignalSpy requested(&p.page, &PoetrySelectionPage::generate_requested);
        p.click("按钮_诗词起名");
        QCOMPARE(requested.count(), 1);
        QCOMPARE(p.model("超级列表框_诗名列表")->rowCount(), 0);
        const std::vector<std::string> ticked = p.page.ticked_characters();
        QCOMPARE(ticked.size(), size_t{2});
        QCOMPARE(gbk_to_utf8(ticked[0] + ticked[1]), std::string("床疑"));
        p.page.show_names_tab();
        QCOMPARE(p.find<QTabWidget>("高级选择夹2")->currentIndex(), 2);
    }

    void thousandsOfPoetsFillTheList() {
        std::string values;
        for (int i = 0; i < 3600; ++i) {
            if (!values.empty()) values += ",";
            values += "(" + std::to_string(100 + i) + ",'诗人" + std::to_string(i) + "','1'," +
                      std::to_string(10 + i) + ")";
        }
        test::exec_sql("insert into LM_Poet (Id,Poet,PoemCount,OrderId) values " + values);
        Page p;
        p.page.fill_poet_list();
        ResultListModel* poets = p.model("超级列表框_诗人列表");
        QCOMPARE(poets->rowCount(), 3602);
        QCOMPARE(poets->text(3601, 0), QStringLiteral("3602"));
        QCOMPARE(poets->text(3601, 1), QStringLiteral("诗人3599"));
        test::exec_sql("delete from LM_Poet where Id >= 100");
    }
};

}  // namespace langyue

QTEST_MAIN(langyue::PoetryPageTest)
#include "poetry_page_test.moc"
