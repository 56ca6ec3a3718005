// The article reader: listing a category, showing articles, reuse of the window, the menus.
#include <QMenu>
#include <QTextBlock>
#include <QToolBar>
#include <QTreeWidget>
#include <QtTest>

#include "analysis/ui/detail_window_frame.h"
#include "app/program_paths.h"
#include "app/ui/html_view.h"
#include "reference/article_reader.h"
#include "reference/ui/article_reader_window.h"
#include "tests/test_support.h"
#include "text/gbk.h"

namespace langyue {

class ArticleReaderWindowTest : public QObject {
    Q_OBJECT

private:
    test::ScratchProgramDir* scratch_ = nullptr;
    QWidget* owner_ = nullptr;

    static QStringList titles(const ArticleReaderWindow* reader) {
        QStringList list;
        const QTreeWidget* rows = reader->title_list();
        for (int i = 0; i < rows->topLevelItemCount(); ++i) list << rows->topLevelItem(i)->text(0);
        return list;
    }
    std::string temp_page() const { return test::read_file(scratch_->data_file("temp.html")); }
    static bool shows(const ArticleReaderWindow* reader, const QString& text) {
        return reader->view()->toPlainText().contains(text);
    }

private slots:
    void initTestCase() {
        test::load_fixture_database();
        scratch_ = new test::ScratchProgramDir(false);
        set_program_directory(scratch_->path());
        owner_ = new QWidget;
    }
    void cleanupTestCase() {
        delete owner_;
        delete scratch_;
    }

    void categoryListsItsTitlesAndShowsTheFirst() {
        ArticleReaderWindow* reader =
            open_article_list(owner_, QStringLiteral("育儿百科"), QStringLiteral("备孕百科"));
        QVERIFY(reader);
        QCOMPARE(reader->objectName(), QStringLiteral("LumettoRead"));
        QVERIFY(reader->isWindow());
        QCOMPARE(reader->parentWidget(), owner_);
        QCOMPARE(reader->windowTitle(), QStringLiteral("备孕百科"));
        QCOMPARE(titles(reader), (QStringList{QStringLiteral("备孕第一篇"),
                                              QStringLiteral("备孕第二篇"),
                                              QStringLiteral("备孕第三篇")}));
        QCOMPARE(reader->title_list()->currentIndex().row(), 0);
        QVERIFY(shows(reader, QStringLiteral("第一篇正文。")));
        QCOMPARE(temp_page(), fill_article_page(gbk("育儿百科"), gbk("备孕第一篇")));
        QCOMPARE(reader->title_list()->headerItem()->text(0), QStringLiteral("文章标题[点击阅读]"));
    }

    void keyboardAndClickShowTheChosenArticle() {
        ArticleReaderWindow* reader =
            open_article_list(owner_, QStringLiteral("育儿百科"), QStringLiteral("备孕百科"));
        QTreeWidget* rows = reader->title_list();
        rows->setFocus();
        QTest::keyClick(rows, Qt::Key_Down);
        QCOMPARE(rows->currentIndex().row(), 1);
        QVERIFY(shows(reader, QStringLiteral("第二篇正文。")));
        QCOMPARE(temp_page(), fill_article_page(gbk("育儿百科"), gbk("备孕第二篇")));

        const QRect third = rows->visualItemRect(rows->topLevelItem(2));
        QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, third.center());
        QCOMPARE(rows->currentIndex().row(), 2);
        QVERIFY(shows(reader, QStringLiteral("第三篇正文。")));
    }

    void articleMarkupIsRendered() {
        ArticleReaderWindow* reader =
            open_article_list(owner_, QStringLiteral("育儿百科"), QStringLiteral("备孕百科"));
        reader->title_list()->setCurrentItem(reader->title_list()->topLevelItem(2));
        const QString text = reader->view()->toPlainText();
        QVERIFY(text.contains(QStringLiteral("小标题")));
        QVERIFY(!text.contains(QStringLiteral("<h3>")));
        int heading_levels = 0;
        for (QTextBlock block = reader->view()->document()->begin(); block.isValid();
             block = block.next()) {
            if (block.text() == QStringLiteral("小标题")) heading_levels = block.blockFormat().headingLevel();
        }
        QCOMPARE(heading_levels, 3);
    }

    void secondCategoryReusesTheWindow() {
        ArticleReaderWindow* first =
            open_article_list(owner_, QStringLiteral("育儿百科"), QStringLiteral("备孕百科"));
        ArticleReaderWindow* second =
            open_article_list(owner_, QStringLiteral("育儿百科"), QStringLiteral("胎教"));
        QCOMPARE(second, first);
        QCOMPARE(owner_->findChildren<ArticleReaderWindow*>().size(), qsizetype(1));
        QCOMPARE(second->windowTitle(), QStringLiteral("胎教"));
        QCOMPARE(titles(second), QStringList{QStringLiteral("胎教一篇")});
        QVERIFY(shows(second, QStringLiteral("胎教正文。")));
    }

    void emptyCategoryShowsOneEmptyRow() {
        ArticleReaderWindow* reader =
            open_article_list(owner_, QStringLiteral("算命风水"), QStringLiteral("风水知识"));
        QCOMPARE(titles(reader), QStringList{QString()});
        QCOMPARE(reader->windowTitle(), QStringLiteral("风水知识"));
        QCOMPARE(temp_page(), fill_article_page(gbk("算命风水"), std::string()));
    }

    void menuItemsOpenTheCategoryOfTheirCaption() {
        QMenu parenting;
        QMenu* health = parenting.addMenu(QStringLiteral("健康讲座"));
        QAction* care = health->addAction(QStringLiteral("护理保健"));
        QAction* illness = health->addAction(QStringLiteral("儿科疾病"));
        parenting.addSeparator();
        QAction* guide = parenting.addMenu(QStringLiteral("育儿百科"))
                             ->addAction(QStringLiteral("备孕百科"));
        QMenu lore;
        QAction* naming = lore.addAction(QStringLiteral("起名知识"));
        connect_article_menu(&parenting, QStringLiteral("育儿百科"), owner_);
        connect_article_menu(&lore, QStringLiteral("算命风水"), owner_);

        const struct {
            QAction* action;
            const char16_t* caption;
            QStringList titles;
        } cases[] = {{care, u"护理保健", {QString()}},
                     {illness, u"儿科疾病", {QString()}},
                     {guide, u"备孕百科", {QStringLiteral("备孕第一篇"), QStringLiteral("备孕第二篇"), QStringLiteral("备孕第三篇")}},
                     {naming, u"起名知识", {QStringLiteral("起名一篇")}}};
        for (const auto& each : cases) {
            each.action->trigger();
            ArticleReaderWindow* reader = open_article_reader();
            QVERIFY(reader);
            QCOMPARE(reader->windowTitle(), QString::fromUtf16(each.caption));
            QCOMPARE(titles(reader), each.titles);
        }
    }

    void resizingKeepsTheListAndStretchesTheView() {
        ArticleReaderWindow* reader =
            open_article_list(owner_, QStringLiteral("育儿百科"), QStringLiteral("备孕百科"));
        reader->resize(1000, 600);
        QTRY_COMPARE(reader->title_list()->geometry(), QRect(0, 40, 232, 530));
        QCOMPARE(reader->view()->geometry(), QRect(236, 40, 1000 - 232 - 1, 530));
        QCOMPARE(reader->findChild<QWidget*>(QStringLiteral("分组框4"))->width(), 1010);
    }

    void toolbarCloseEndsTheReaderAndTheNextChoiceOpensANewOne() {
        QPointer<ArticleReaderWindow> reader =
            open_article_list(owner_, QStringLiteral("育儿百科"), QStringLiteral("备孕百科"));
        const QList<QAction*> buttons = reader->toolbar()->actions();
        QCOMPARE(buttons.size(), qsizetype(11));
        QCOMPARE(buttons[DetailWindowFrame::kPrintPosition]->text(), QStringLiteral("打印"));
        buttons[DetailWindowFrame::kExitPosition]->trigger();
        QTRY_VERIFY(reader.isNull());
        QVERIFY(!open_article_reader());
        ArticleReaderWindow* next =
            open_article_list(owner_, QStringLiteral("育儿百科"), QStringLiteral("胎教"));
        QVERIFY(next);
        QCOMPARE(next->windowTitle(), QStringLiteral("胎教"));
    }
};

}  // namespace langyue

QTEST_MAIN(langyue::ArticleReaderWindowTest)
#include "article_reader_window_test.moc"
