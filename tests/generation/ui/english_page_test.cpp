// The page "起英文名": the generate button's checks, the list filled by an English run and
// renumbered from 1 on each run, the length boxes, and play_english_name.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableView>
#include <QtTest>

#include "app/messages.h"
#include "app/ui/main_pages.h"
#include "generation/generation_run.h"
#include "generation/recording_sink.h"
#include "generation/ui/english_page.h"
#include "generation/ui/english_pronunciation.h"
#include "generation/ui/result_list_model.h"
#include "tests/test_support.h"
#include "text/gbk.h"

namespace langyue {

// A run's English rows go straight to the page, as the window's sink does.
class PageSink : public RecordingSink {
public:
    explicit PageSink(EnglishNamesPage& page) : page_(page) {}
    void english_row_added(const EnglishNameRow& row) override {
        RecordingSink::english_row_added(row);
        page_.add_row(row);
    }

private:
    EnglishNamesPage& page_;
};

class EnglishPageTest : public QObject {
    Q_OBJECT

private:
    std::vector<Message> messages_;
    QTemporaryDir folder_;

    struct Page {
        std::unique_ptr<QWidget> widget{build_english_page()};
        EnglishNamesPage page{widget.get()};
        QStringList played;
        QStringList said;

        Page() {
            page.pronunciation().set_player([this](const QUrl& url) { played << url.toString(); });
            page.pronunciation().set_speaker([this](const QString& name) { said << name; });
        }
        template <typename T>
        T* find(const char* name) const {
            return widget->findChild<T*>(QString::fromUtf8(name));
        }
        QStringList column(int column) const {
            QStringList texts;
            ResultListModel* m = page.list_model();
            for (int row = 0; row < m->rowCount(); ++row) texts << m->text(row, column);
            return texts;
        }
        // Presses 生成 and, when a run is asked for, runs it to its end.
        void generate() {
            QSignalSpy requested(&page, &EnglishNamesPage::generate_requested);
            QTest::mouseClick(find<QPushButton>("按钮_英文起名"), Qt::LeftButton);
            if (requested.count() != 1) return;
            GenerationInputs inputs;
            inputs.mode = GenerationMode::kEnglish;
            inputs.surname = gbk("李");
            inputs.english = page.inputs();
            PageSink sink(page);
            RunControl control;
            generation_run(inputs, sink, control);
        }
        void select_row(int row) const {
            QTableView* view = find<QTableView>("超级列表框_英文列表");
            view->selectionModel()->setCurrentIndex(
                view->model()->index(row, 0),
                QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        }
    };

    // A dictionary page file; the name is appended to the returned address.
    QString dictionary_with(const QByteArray& body) {
        static int count = 0;
        const QString file = folder_.filePath(QStringLiteral("page%1-").arg(++count));
        QFile page(file + QStringLiteral("Leo"));
        page.open(QIODevice::WriteOnly);
        page.write(body);
        return QUrl::fromLocalFile(file).toString();
    }

private slots:
    void initTestCase() {
        test::open_empty_test_database();
        test::exec_sql(
            "insert into LM_CNWord (Id,汉字,拼音1,声母) values (1,'朗','lang','l'),"
            "(2,'梓','zi','z'),(3,'安','an','')");
        test::exec_sql(
            "insert into LM_EName (Id,EIndex,EIndex2,Name,NameLength,Sex,Cnword,Mean) values "
            "(1,'t','th','Thomas',6,1,'托马斯','双生子'),"
            "(2,'l','','Leo',3,1,'利奥','狮子'),"
            "(3,'l','','Lily',4,2,'莉莉','百合花'),"
            "(4,'l','','Logan',5,3,'洛根','小山谷'),"
            "(5,'l','','Lee',3,3,'李','草地'),"
            "(6,'l','','Louis',5,1,'路易斯','著名的战士'),"
            "(7,'i','','Ian',3,1,'伊恩','神的恩典')");
        set_message_handler([this](const Message& message) {
            messages_.push_back(message);
            return MessageAnswer::kOk;
        });
    }
    void cleanupTestCase() { set_message_handler({}); }

    void emptyBoxesAreRefused() {
        const struct {
            const char* surname;
            const char* given;
            const char* message;
        } cases[] = {{"", "朗", "请输入姓氏"}, {"李", "", "请输入名字"}};
        for (const auto& c : cases) {
            Page p;
            p.page.add_row({1, "Leo", "", ""});
            p.find<QLineEdit>("编辑框_英文姓氏")->setText(QString::fromUtf8(c.surname));
            p.find<QLineEdit>("编辑框_英文名字")->setText(QString::fromUtf8(c.given));
            messages_.clear();
            p.generate();
            QCOMPARE(messages_.size(), size_t{1});
            QCOMPARE(gbk_to_utf8(messages_[0].text), std::string(c.message));
            QCOMPARE(gbk_to_utf8(messages_[0].title), std::string("提示"));
            QCOMPARE(messages_[0].icon, MessageIcon::kNone);
            QCOMPARE(p.page.list_model()->rowCount(), 1);  // the list is left as it was
        }
    }

    void aRunListsTheNamesAndSwitchingTheGenderReplacesThem() {
        Page p;
        p.find<QLineEdit>("编辑框_英文姓氏")->setText(QStringLiteral("李"));
        p.find<QLineEdit>("编辑框_英文名字")->setText(QStringLiteral("朗月"));
        p.generate();
        QCOMPARE(p.column(1), QStringList({"Leo", "Louis"}));
        QCOMPARE(p.column(0), QStringList({"1", "2"}));
        QCOMPARE(p.column(2), QStringList({"利奥", "路易斯"}));
        QCOMPARE(p.column(3), QStringList({"狮子", "著名的战士"}));

        p.find<QRadioButton>("单选框_中性化")->setChecked(true);
        p.generate();
        QCOMPARE(p.column(1), QStringList({"Logan", "Lee"}));
        QCOMPARE(p.column(0), QStringList({"1", "2"}));

        // An empty 声母: 拼音1's a, mapped to i.
        p.find<QRadioButton>("单选框_男性化")->setChecked(true);
        p.find<QLineEdit>("编辑框_英文名字")->setText(QStringLiteral("安"));
        p.generate();
        QCOMPARE(p.column(1), QStringList({"Ian"}));
    }

    void theLengthBoxesFilterInEitherOrder() {
        Page p;
        p.find<QLineEdit>("编辑框_英文姓氏")->setText(QStringLiteral("李"));
        p.find<QLineEdit>("编辑框_英文名字")->setText(QStringLiteral("朗"));
        p.find<QRadioButton>("单选框_中性化")->setChecked(true);
        QComboBox* lower = p.find<QComboBox>("组合框_日子1");
        QComboBox* upper = p.find<QComboBox>("组合框_时间1");
        QCOMPARE(lower->currentText(), QStringLiteral("3"));
        QCOMPARE(upper->currentText(), QStringLiteral("6"));
        lower->setCurrentText(QStringLiteral("4"));
        p.generate();
        QCOMPARE(p.column(1), QStringList({"Logan"}));
        lower->setCurrentText(QStringLiteral("3"));
        upper->setCurrentText(QStringLiteral("3"));
        p.generate();
        QCOMPARE(p.column(1), QStringList({"Lee"}));
        lower->setCurrentText(QStringLiteral("6"));
        upper->setCurrentText(QStringLiteral("4"));
        p.generate();
        QCOMPARE(p.column(1), QStringList({"Logan"}));
    }

    void aDoubleClickPlaysTheDictionarysSoundOrSaysTheName() {
        Page p;
        p.page.add_row({1, "Leo", "", ""});
        EnglishPronunciation& sound = p.page.pronunciation();
        QSignalSpy finished(&sound, &EnglishPronunciation::finished);

        // No row selected: nothing is fetched.
        p.page.play_english_name();
        QTest::qWait(50);
        QCOMPARE(finished.count(), 0);

        p.select_row(0);
        sound.set_dictionary_address(dictionary_with(
            "<div><a href=\"#\" url=\"http://sound.example/en/leo.mp3\">leo</a></div>"));
        p.page.play_english_name();
        QVERIFY(finished.wait(3000));
        QCOMPARE(p.played, QStringList({"http://sound.example/en/leo.mp3"}));
        QVERIFY(p.said.isEmpty());

        sound.set_dictionary_address(dictionary_with("<html>nothing to hear</html>"));
        p.page.play_english_name();
        QVERIFY(finished.wait(3000));
        QCOMPARE(p.said, QStringList({"Leo"}));

        // An address nobody answers: the name is said all the same, within the timeout.
        sound.set_dictionary_address(QStringLiteral("http://127.0.0.1:9/s?wd="));
        sound.set_timeout(1500);
        p.page.play_english_name();
        QVERIFY(finished.wait(5000));
        QCOMPARE(p.said, QStringList({"Leo", "Leo"}));
        QCOMPARE(p.played.size(), 1);
    }
};

}  // namespace langyue

QTEST_MAIN(langyue::EnglishPageTest)
#include "english_page_test.moc"
