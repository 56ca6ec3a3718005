// The dictionary window: looking up a character opens one more detail window per press.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "analysis/report_pages.h"
#include "analysis/ui/page_detail_window.h"
#include "app/program_paths.h"
#include "app/ui/html_view.h"
#include "reference/ui/dictionary_window.h"
#include "tests/test_support.h"
#include "text/gbk.h"

namespace langyue {

class DictionaryWindowTest : public QObject {
    Q_OBJECT

private:
    test::ScratchProgramDir* scratch_ = nullptr;

    static PageDetailWindow* press(DictionaryWindow& dictionary, const QString& text) {
        const QList<PageDetailWindow*> before = dictionary.findChildren<PageDetailWindow*>();
        dictionary.character_box()->setText(text);
        QTest::mouseClick(dictionary.findChild<QPushButton*>(QStringLiteral("按钮_查询")),
                          Qt::LeftButton);
        for (PageDetailWindow* window : dictionary.findChildren<PageDetailWindow*>()) {
            if (!before.contains(window)) return window;
        }
        return nullptr;
    }
    std::string temp_page() const { return test::read_file(scratch_->data_file("temp.html")); }

private slots:
    void initTestCase() {
        test::load_fixture_database();
        scratch_ = new test::ScratchProgramDir(false);
        set_program_directory(scratch_->path());
    }
    void cleanupTestCase() { delete scratch_; }

    void windowHasItsControls() {
        DictionaryWindow dictionary;
        QCOMPARE(dictionary.objectName(), QStringLiteral("LumettoWord"));
        QCOMPARE(dictionary.windowTitle(), QStringLiteral("汉字查询"));
        QCOMPARE(dictionary.size(), QSize(289, 109));
        QCOMPARE(dictionary.findChild<QLabel*>(QStringLiteral("透明标签1"))->text(),
                 QStringLiteral("请输入要查询的汉字:"));
        QCOMPARE(dictionary.findChild<QPushButton*>(QStringLiteral("按钮_查询"))->text(),
                 QStringLiteral("查询"));
        QVERIFY(dictionary.findChild<QLineEdit*>(QStringLiteral("编辑框1")));
    }

    void lookingUpLiShowsItsEntry() {
        DictionaryWindow dictionary;
        PageDetailWindow* entry = press(dictionary, QStringLiteral("李"));
        QVERIFY(entry);
        QVERIFY(entry->isVisible());
        QCOMPARE(entry->objectName(), QStringLiteral("LumettoConten"));
        QCOMPARE(entry->windowTitle(), QStringLiteral(" 汉字[ 李 ]的详细解释"));
        QCOMPARE(temp_page(), fill_character_page(gbk("李")));
        const QString shown = entry->view()->toPlainText();
        QVERIFY(shown.contains(QStringLiteral("李子树；也是常见姓氏。")));
        QVERIFY(shown.contains(QStringLiteral("lǐ")));
        QCOMPARE(entry->view()->documentTitle(), QStringLiteral("李"));
    }

    void emptyBoxStillOpensAWindow() {
        DictionaryWindow dictionary;
        PageDetailWindow* entry = press(dictionary, QString());
        QVERIFY(entry);
        QCOMPARE(entry->windowTitle(), QStringLiteral(" 汉字[  ]的详细解释"));
        QCOMPARE(temp_page(), fill_character_page(std::string()));
        QVERIFY(!entry->view()->toPlainText().contains(QStringLiteral("李子")));
    }

    void twoLookupsLeaveTwoWindows() {
        DictionaryWindow dictionary;
        PageDetailWindow* first = press(dictionary, QStringLiteral("李"));
        PageDetailWindow* second = press(dictionary, QStringLiteral("不在字典里"));
        QVERIFY(first && second && first != second);
        QCOMPARE(dictionary.findChildren<PageDetailWindow*>().size(), qsizetype(2));
        QVERIFY(first->isVisible() && second->isVisible());
        QCOMPARE(second->windowTitle(), QStringLiteral(" 汉字[ 不在字典里 ]的详细解释"));
        QCOMPARE(temp_page(), fill_character_page(gbk("不在字典里")));
        QVERIFY(first->view()->toPlainText().contains(QStringLiteral("李子树")));
        QCOMPARE(dictionary.character_box()->text(), QStringLiteral("不在字典里"));
    }
};

}  // namespace langyue

QTEST_MAIN(langyue::DictionaryWindowTest)
#include "dictionary_window_test.moc"
