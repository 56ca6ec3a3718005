// The main window's knowledge menus, 新华字典 and 更换皮肤 reach the reader, the dictionary
// and the skins.
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include "app/program_paths.h"
#include "app/ui/qt_text.h"
#include "app/ui/main_window.h"
#include "app/ui/skins.h"
#include "reference/article_reader.h"
#include "reference/ui/article_reader_window.h"
#include "reference/ui/dictionary_window.h"
#include "tests/test_support.h"
#include "text/gbk.h"

namespace langyue {

class ArticleMenusTest : public QObject {
    Q_OBJECT

private:
    test::ScratchProgramDir* scratch_ = nullptr;
    MainWindow* window_ = nullptr;

    // The items of a menu and its submenus, in menu order, separators left out.
    static QList<QAction*> items_of(QMenu* menu) {
        QList<QAction*> items;
        for (QAction* action : menu->actions()) {
            if (action->isSeparator()) continue;
            if (action->menu()) {
                items += items_of(action->menu());
            } else {
                items << action;
            }
        }
        return items;
    }
    static QStringList captions(const QList<QAction*>& items) {
        QStringList list;
        for (const QAction* action : items) list << action->text();
        return list;
    }

private slots:
    void initTestCase() {
        test::load_fixture_database();
        scratch_ = new test::ScratchProgramDir(false);
        set_program_directory(scratch_->path());
        window_ = new MainWindow;
    }
    void cleanupTestCase() {
        delete window_;
        delete scratch_;
    }

    void everyKnowledgeItemOpensTheCategoryOfItsCaption() {
        const struct {
            const char* menu;
            const char* table;
            QStringList items;
        } menus[] = {
            {"育儿知识", "育儿百科",
             QString::fromUtf8("备孕百科 孕期百科 分娩百科 0-1岁百科 1-3岁百科 3-6岁百科 孕育指南 "
                               "教育早知道 胎教 早教资源 才艺培养 游戏玩具 智力开发 行为心理 "
                               "学前教育 母乳喂养 人工喂养 补钙攻略 辅食添加 营养元素 食疗保健 "
                               "食谱大全 饮食宜忌 均衡营养 护理保健 生长发育 体格检查 预防免疫 "
                               "成人疾病 儿科疾病 药物手册 出行安全 用品安全 家居安全 宠物安全 "
                               "医药安全 食品安全 幼儿园安全")
                 .split(' ')},
            {"算命风水", "算命风水",
             QString::fromUtf8("起名知识 算命知识 星座算命 相术算命 血型算命 风水知识 开运技巧")
                 .split(' ')},
        };
        for (const auto& each : menus) {
            auto* menu = window_->menuBar()->findChild<QMenu*>(QString::fromUtf8(each.menu));
            QVERIFY(menu);
            const QList<QAction*> items = items_of(menu);
            QCOMPARE(captions(items), each.items);
            for (QAction* item : items) {
                item->trigger();
                ArticleReaderWindow* reader = open_article_reader();
                QVERIFY(reader);
                QCOMPARE(reader->parentWidget(), window_);
                QCOMPARE(reader->windowTitle(), item->text());
                const std::vector<std::string> titles =
                    article_titles(gbk(each.table), to_gbk(item->text()));
                QCOMPARE(reader->title_list()->topLevelItemCount(), int(titles.size()));
                QCOMPARE(reader->title_list()->topLevelItem(0)->text(0), from_gbk(titles[0]));
            }
        }
        QCOMPARE(window_->findChildren<ArticleReaderWindow*>().size(), qsizetype(1));
    }

    void dictionaryItemOpensTheModalDictionary() {
        bool seen = false;
        QTimer::singleShot(0, this, [&seen] {
            auto* dictionary = qobject_cast<DictionaryWindow*>(QApplication::activeModalWidget());
            seen = dictionary && dictionary->objectName() == QStringLiteral("LumettoWord");
            if (dictionary) dictionary->reject();
        });
        window_->menu_item(QStringLiteral("新华字典"))->trigger();
        QVERIFY(seen);
    }

    void changeSkinItemStepsTheSkins() {
        apply_start_skin();
        QAction* change = window_->menu_item(QStringLiteral("更换皮肤"));
        QVERIFY(change);
        change->trigger();
        QCOMPARE(current_skin(), 1);
        change->trigger();
        QCOMPARE(current_skin(), 2);
        QCOMPARE(window_->palette().color(QPalette::Window), skin_list()[1].window);
    }
};

}  // namespace langyue

QTEST_MAIN(langyue::ArticleMenusTest)
#include "article_menus_test.moc"
