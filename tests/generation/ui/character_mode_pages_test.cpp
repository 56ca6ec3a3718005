// The main window's hooks into the poetry, combination, nickname and English pages: the
// inputs a run reads, the generate buttons, and the English list's double-click.
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableView>
#include <QtTest>

#include <QCheckBox>
#include <QComboBox>

#include "app/messages.h"
#include "app/program_paths.h"
#include "app/ui/main_window.h"
#include "generation/ui/character_mode_pages.h"
#include "generation/ui/english_page.h"
#include "generation/ui/english_pronunciation.h"
#include "generation/ui/poetry_page.h"
#include "generation/ui/result_list_model.h"
#include "tests/test_support.h"
#include "text/gbk.h"

namespace langyue {

class CharacterModePagesTest : public QObject {
    Q_OBJECT

private:
    test::ScratchProgramDir* scratch_ = nullptr;

    // Presses "开始起名" in the mode of radio button `mode` with the surname 李.
    static void start(MainWindow& window, const char* mode) {
        window.control<QLineEdit>(QStringLiteral("编辑框_姓氏"))->setText(QStringLiteral("李"));
        window.control<QRadioButton>(QString::fromUtf8(mode))->setChecked(true);
        QTest::mouseClick(window.control<QPushButton>(QStringLiteral("按钮_起名")),
                          Qt::LeftButton);
    }

private slots:
    void initTestCase() {
        test::load_fixture_database();
        scratch_ = new test::ScratchProgramDir(false);
        set_program_directory(scratch_->path());
        set_message_handler([](const Message&) { return MessageAnswer::kOk; });
    }
    void cleanupTestCase() {
        set_message_handler({});
        delete scratch_;
    }

    // The whole poetry path in the window: 李白, 静夜思, 明 and 月 ticked, names listed.
    void aPoemsTickedCharactersBecomeNames() {
        MainWindow window;
        character_mode_pages(&window);
        window.control<QComboBox>(QStringLiteral("组合框_名字个数"))->setCurrentIndex(1);
        start(window, "单选框_诗词起名");
        QCOMPARE(window.pages()->currentIndex(), static_cast<int>(MainWindow::kPoetryPage));
        QCOMPARE(window.list_model(QStringLiteral("超级列表框_诗人列表"))->text(0, 1),
                 QStringLiteral("李白"));
        QCOMPARE(window.list_model(QStringLiteral("超级列表框_诗词残"))->text(0, 1),
                 QStringLiteral("静夜思"));
        QTest::mouseClick(window.control<QPushButton>(QStringLiteral("按钮2")), Qt::LeftButton);
        QTest::mouseClick(window.control<QPushButton>(QStringLiteral("按钮4")), Qt::LeftButton);
        for (QCheckBox* box : character_mode_pages(&window).poetry().grid()) {
            if (box->text() == QStringLiteral("明") || box->text() == QStringLiteral("月")) {
                box->setChecked(true);
            }
        }
        QTest::mouseClick(window.control<QPushButton>(QStringLiteral("按钮_诗词起名")),
                          Qt::LeftButton);
        // 明, 月 and 李 pair into nine names; the five holding 李 are skipped.
        ResultListModel* names = window.list_model(QStringLiteral("超级列表框_诗名列表"));
        QTRY_COMPARE_WITH_TIMEOUT(names->rowCount(), 4, 10000);
        QTRY_COMPARE(window.control<QTabWidget>(QStringLiteral("高级选择夹2"))->currentIndex(), 2);
        QStringList listed;
        for (int row = 0; row < 4; ++row) listed << names->text(row, 1);
        listed.sort();
        QCOMPARE(listed, QStringList({"李明明", "李明月", "李月明", "李月月"}));
    }

    void englishNamesForLang() {
        MainWindow window;
        character_mode_pages(&window);
        start(window, "单选框_起英文名");
        QCOMPARE(window.pages()->currentIndex(), static_cast<int>(MainWindow::kEnglishPage));
        QCOMPARE(window.control<QLineEdit>(QStringLiteral("编辑框_英文姓氏"))->text(),
                 QStringLiteral("李"));
        window.control<QLineEdit>(QStringLiteral("编辑框_英文名字"))->setText(QStringLiteral("朗"));
        QTest::mouseClick(window.control<QPushButton>(QStringLiteral("按钮_英文起名")),
                          Qt::LeftButton);
        ResultListModel* names = window.list_model(QStringLiteral("超级列表框_英文列表"));
        QTRY_COMPARE_WITH_TIMEOUT(names->rowCount(), 1, 10000);
        QCOMPARE(names->text(0, 0), QStringLiteral("1"));
        QCOMPARE(names->text(0, 1), QStringLiteral("Leo"));
    }

    void theWindowsControlsGiveTheRunsInputs() {
        MainWindow window;
        CharacterModePages& pages = character_mode_pages(&window);
        QCOMPARE(&character_mode_pages(&window), &pages);  // made once

        window.control<QLineEdit>(QStringLiteral("编辑框_组合的字"))->setText(QStringLiteral("泽轩"));
        window.control<QRadioButton>(QStringLiteral("单选框_阿A型"))->setChecked(true);
        window.control<QLineEdit>(QStringLiteral("编辑框_英文名字"))->setText(QStringLiteral("朗"));
        window.control<QRadioButton>(QStringLiteral("单选框_女性化"))->setChecked(true);
        GenerationInputs inputs;
        pages.read_inputs(inputs);
        QCOMPARE(gbk_to_utf8(inputs.combination_text), std::string("泽轩"));
        QVERIFY(inputs.nickname_style == NicknameStyle::kABefore);
        QCOMPARE(gbk_to_utf8(inputs.english.given_name), std::string("朗"));
        QCOMPARE(inputs.english.gender, 2);
        QCOMPARE(inputs.english.min_length, 3);
        QCOMPARE(inputs.english.max_length, 6);
        QVERIFY(inputs.poem_characters.empty());
    }

    void generateButtonsEmptyTheirListAndAskForARun() {
        MainWindow window;
        CharacterModePages& pages = character_mode_pages(&window);
        QSignalSpy requested(&pages, &CharacterModePages::run_requested);
        const struct {
            const char* button;
            const char* list;
            GenerationMode mode;
        } cases[] = {{"按钮_组合起名", "超级列表框_组合列表", GenerationMode::kCombination},
                     {"按钮_起小名", "超级列表框_小名列表", GenerationMode::kNickname},
                     {"按钮_诗词起名", "超级列表框_诗名列表", GenerationMode::kPoetry}};
        for (const auto& c : cases) {
            window.list_model(QString::fromUtf8(c.list))->append_row({"1", "李泽"});
            QTest::mouseClick(window.control<QPushButton>(QString::fromUtf8(c.button)),
                              Qt::LeftButton);
            QCOMPARE(window.list_model(QString::fromUtf8(c.list))->rowCount(), 0);
            QCOMPARE(requested.takeFirst().at(0).toInt(), static_cast<int>(c.mode));
        }
        window.control<QLineEdit>(QStringLiteral("编辑框_英文姓氏"))->setText(QStringLiteral("李"));
        window.control<QLineEdit>(QStringLiteral("编辑框_英文名字"))->setText(QStringLiteral("朗"));
        QTest::mouseClick(window.control<QPushButton>(QStringLiteral("按钮_英文起名")),
                          Qt::LeftButton);
        QCOMPARE(requested.takeFirst().at(0).toInt(), static_cast<int>(GenerationMode::kEnglish));
    }

    void aRunsTabAndEnglishRowsReachThePages() {
        MainWindow window;
        CharacterModePages& pages = character_mode_pages(&window);
        pages.show_poem_names_tab();
        QCOMPARE(window.control<QTabWidget>(QStringLiteral("高级选择夹2"))->currentIndex(), 2);
        pages.add_english_row({1, "Leo", gbk("利奥"), gbk("狮子")});
        ResultListModel* list = window.list_model(QStringLiteral("超级列表框_英文列表"));
        QCOMPARE(list->rowCount(), 1);
        QCOMPARE(list->text(0, 2), QStringLiteral("利奥"));
    }

    void doubleClickingAnEnglishNameSaysItWhenTheDictionaryIsUnreachable() {
        MainWindow window;
        window.resize(729, 513);
        window.show();
        window.pages()->setCurrentIndex(MainWindow::kEnglishPage);
        EnglishNamesPage& english = character_mode_pages(&window).english();
        QStringList said;
        english.pronunciation().set_speaker([&said](const QString& name) { said << name; });
        english.pronunciation().set_dictionary_address(QStringLiteral("http://127.0.0.1:9/s?wd="));
        english.add_row({1, "Leo", gbk("利奥"), gbk("狮子")});
        QSignalSpy finished(&english.pronunciation(), &EnglishPronunciation::finished);

        QTableView* view = window.list_view(QStringLiteral("超级列表框_英文列表"));
        const QPoint row = view->visualRect(view->model()->index(0, 1)).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, row);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, row);
        QVERIFY(finished.wait(5000));
        QCOMPARE(said, QStringList({"Leo"}));
    }
};

}  // namespace langyue

QTEST_MAIN(langyue::CharacterModePagesTest)
#include "character_mode_pages_test.moc"
