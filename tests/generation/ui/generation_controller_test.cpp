// The generation side of the main window on the real database: the start button's cases, a
// high-score run filling its list, the same surname keeping it, a changed surname cancelling
// the run, pause and export, the classic page and its export, the super-lucky master boxes,
// the generation-character window and the waiting window.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <filesystem>

#include "app/messages.h"
#include "app/program_paths.h"
#include "app/ui/clickable_label.h"
#include "app/ui/main_window.h"
#include "db/load_name_database.h"
#include "db/name_database.h"
#include "generation/result_list.h"
#include "generation/ui/generation_character_window.h"
#include "generation/ui/generation_controller.h"
#include "generation/ui/lumetto_waiting.h"
#include "generation/ui/result_list_model.h"
#include "tests/test_support.h"
#include "text/gbk.h"

namespace langyue {

class GenerationControllerTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir program_dir_;
    std::vector<Message> messages_;
    QStringList opened_;
    std::unique_ptr<MainWindow> window_;
    GenerationController* controller_ = nullptr;

    template <typename Widget>
    Widget* control(const char* name) {
        return window_->control<Widget>(QString::fromUtf8(name));
    }
    ResultListModel* model(const char* name) {
        return qobject_cast<ResultListModel*>(control<QTableView>(name)->model());
    }
    void set_inputs(const QString& surname, const char* sex, const char* length, const char* mode) {
        control<QLineEdit>("编辑框_姓氏")->setText(surname);
        control<QComboBox>("组合框_性别")->setCurrentText(QString::fromUtf8(sex));
        control<QComboBox>("组合框_名字个数")->setCurrentText(QString::fromUtf8(length));
        control<QRadioButton>(mode)->setChecked(true);
    }
    // Waits until the current run has ended and its changes have reached the window.
    void finish_run() {
        controller_->worker().wait();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }
    // The rows that are filled, from the top.
    static int filled_rows(ResultListModel* m) {
        int row = 0;
        while (row < m->rowCount() && !m->text(row, 0).isEmpty()) ++row;
        return row;
    }

private slots:
    void initTestCase() {
        const std::string build_dir =
            std::filesystem::path(test::real_database_file()).parent_path().parent_path();
        QVERIFY(load_name_database(name_database(), build_dir));
        QVERIFY(QDir().mkpath(program_dir_.path() + QStringLiteral("/data")));
        set_program_directory(program_dir_.path().toStdString());
        set_message_handler([this](const Message& message) {
            messages_.push_back(message);
            return MessageAnswer::kOk;
        });
    }
    void cleanupTestCase() { set_message_handler({}); }

    void init() {
        window_ = std::make_unique<MainWindow>();
        controller_ = &generation_controller(window_.get());
        QCOMPARE(&generation_controller(window_.get()), controller_);  // made once
        controller_->set_file_opener([this](const QString& path) { opened_.append(path); });
        messages_.clear();
        opened_.clear();
    }
    void cleanup() {
        controller_->cancel_generation();
        window_.reset();
    }

    void emptySurnameIsRefusedWithAMessage() {
        set_inputs(QString(), "男", "二字", "单选框_高分起名");
        control<QPushButton>("按钮_起名")->click();
        QCOMPARE(messages_.size(), size_t{1});
        QCOMPARE(QString::fromStdString(gbk_to_utf8(messages_[0].text)), QStringLiteral("请输入姓氏!"));
        QCOMPARE(messages_[0].icon, MessageIcon::kInformation);
        QVERIFY(controller_->worker().control() == nullptr);
    }

    void highScoreRunListsTenThousandBestFirstAndTheSameSurnameKeepsThem() {
        set_inputs(QStringLiteral("李"), "男", "二字", "单选框_高分起名");
        control<QPushButton>("按钮_起名")->click();
        QCOMPARE(window_->pages()->currentIndex(), int(MainWindow::kHighScorePage));
        finish_run();

        ResultListModel* list = model("超级列表框_高分起名");
        QCOMPARE(list->rowCount(), 10000);
        int previous = 100;
        for (int row = 0; row < list->rowCount(); ++row) {
            QCOMPARE(list->text(row, 0), QString::number(row + 1));
            QVERIFY(list->text(row, 1).startsWith(QStringLiteral("李")));
            const int score = list->text(row, 7).toInt();
            QVERIFY(score >= 90 && score <= previous);
            previous = score;
        }
        QVERIFY(controller_->waiting_window()->isHidden());
        QVERIFY(window_->toolbar_item(0)->isEnabled());
        QVERIFY(control<QPushButton>("按钮_高分暂停")->isEnabled());
        QVERIFY(control<QPushButton>("按钮_再生成一次")->isEnabled());
        QVERIFY(control<QPushButton>("按钮_高分导出")->isEnabled());
        QCOMPARE(controller_->last_generated_surname(), QStringLiteral("李"));

        // The same surname, another sex: only the page is shown, the list stays.
        const QString first = list->text(0, 1);
        const auto run = controller_->worker().control();
        window_->pages()->setCurrentIndex(MainWindow::kModePage);
        control<QComboBox>("组合框_性别")->setCurrentText(QStringLiteral("女"));
        control<QPushButton>("按钮_起名")->click();
        QCOMPARE(window_->pages()->currentIndex(), int(MainWindow::kHighScorePage));
        QCOMPARE(controller_->worker().control(), run);
        QCOMPARE(list->text(0, 1), first);

        // The export holds the header and every row.
        control<QPushButton>("按钮_高分导出")->click();
        QCOMPARE(opened_.size(), qsizetype(1));
        QVERIFY(opened_[0].endsWith(QStringLiteral("/data/NameList.txt")));
        const std::string text = test::read_file(opened_[0].toStdString());
        QCOMPARE(std::count(text.begin(), text.end(), '\n'), long(10001));
        QVERIFY(text.rfind(gbk("编号    姓名    简体笔划"), 0) == 0);
        QStringList first_row;
        for (int column = 0; column < 8; ++column) first_row.append(list->text(0, column));
        const size_t line = text.find("\r\n") + 2;
        QCOMPARE(QString::fromStdString(gbk_to_utf8(text.substr(line, text.find("\r\n", line) - line))),
                 first_row.join(QStringLiteral("    ")));
    }

    void aChangedSurnameCancelsTheRunAndStartsAfresh() {
        set_inputs(QStringLiteral("李"), "男", "二字", "单选框_高分起名");
        control<QPushButton>("按钮_起名")->click();
        const auto first = controller_->worker().control();
        control<QLineEdit>("编辑框_姓氏")->setText(QStringLiteral("王"));
        control<QPushButton>("按钮_起名")->click();
        QVERIFY(first->cancelled());
        finish_run();
        ResultListModel* list = model("超级列表框_高分起名");
        QCOMPARE(list->rowCount(), 10000);
        for (int row = 0; row < list->rowCount(); ++row) {
            QVERIFY2(list->text(row, 1).startsWith(QStringLiteral("王")), qPrintable(list->text(row, 1)));
        }
    }

    void pauseHoldsTheRunExportWritesTheFilledRowsAndContinueFinishesIt() {
        set_inputs(QStringLiteral("李"), "男", "二字", "单选框_超吉起名");
        control<QPushButton>("按钮_起名")->click();
        QCOMPARE(window_->pages()->currentIndex(), int(MainWindow::kSuperLuckyPage));
        control<QPushButton>("按钮_超吉生成")->click();
        // Pause as soon as the window shows a listed name (or at once when the run is quick).
        ResultListModel* list = model("超级列表框_超吉起名");
        for (int i = 0; i < 200 && filled_rows(list) == 0; ++i) QTest::qWait(1);
        controller_->toggle_super_lucky_pause();
        auto* pause = control<QPushButton>("按钮_超吉暂停");
        QCOMPARE(pause->text(), QStringLiteral("继续"));
        QVERIFY(control<QPushButton>("按钮_超吉导出")->isEnabled());
        QVERIFY(window_->toolbar_item(0)->isEnabled());
        const auto run = controller_->worker().control();
        QTRY_VERIFY(run->waiting() || filled_rows(list) == list->rowCount());
        QCoreApplication::processEvents();
        // Filled rows first, then empty ones only.
        const int filled = filled_rows(list);
        for (int row = filled; row < list->rowCount(); ++row) QVERIFY(list->text(row, 1).isEmpty());
        control<QPushButton>("按钮_超吉导出")->click();
        QVERIFY(opened_.last().endsWith(QStringLiteral("/data/100NameList.txt")));
        const std::string text = test::read_file(opened_.last().toStdString());
        QCOMPARE(std::count(text.begin(), text.end(), '\n'), long(filled + 1));

        pause->click();
        QCOMPARE(pause->text(), QStringLiteral("暂停"));
        QVERIFY(!control<QPushButton>("按钮_超吉导出")->isEnabled());
        finish_run();
        QCOMPARE(list->rowCount(), 100000);
        QCOMPARE(list->text(99999, 0), QStringLiteral("100000"));
        control<QPushButton>("按钮_超吉导出")->click();
        const std::string all = test::read_file(opened_.last().toStdString());
        QCOMPARE(std::count(all.begin(), all.end(), '\n'), long(100001));
        QVERIFY(control<QPushButton>("按钮_超吉导出")->isEnabled());
        QVERIFY(control<QPushButton>("按钮_超吉生成")->isEnabled());
    }

    // "开始起名" in super-lucky mode starts no run; the same surname keeps a paused run and its
    // list, a changed one cancels the run and empties the list, and the run changes nothing
    // afterwards.
    void superLuckyStartButtonStartsNoRunAndAChangedSurnameCancelsAPausedOne() {
        set_inputs(QStringLiteral("李"), "男", "二字", "单选框_超吉起名");
        control<QPushButton>("按钮_起名")->click();
        QCOMPARE(window_->pages()->currentIndex(), int(MainWindow::kSuperLuckyPage));
        QVERIFY(controller_->worker().control() == nullptr);

        control<QPushButton>("按钮_超吉生成")->click();
        const auto run = controller_->worker().control();
        QVERIFY(run != nullptr);
        controller_->worker().pause();  // before its first yield point: it stops there
        QTRY_VERIFY(run->waiting());
        QCoreApplication::processEvents();
        ResultListModel* list = model("超级列表框_超吉起名");
        const int rows = list->rowCount();

        window_->pages()->setCurrentIndex(MainWindow::kModePage);
        control<QComboBox>("组合框_性别")->setCurrentText(QStringLiteral("女"));
        control<QPushButton>("按钮_起名")->click();
        QCOMPARE(window_->pages()->currentIndex(), int(MainWindow::kSuperLuckyPage));
        QVERIFY(!run->cancelled());
        QCOMPARE(list->rowCount(), rows);

        control<QPushButton>("按钮_超吉暂停")->setText(QStringLiteral("继续"));
        control<QPushButton>("按钮_超吉生成")->setEnabled(false);
        control<QLineEdit>("编辑框_姓氏")->setText(QStringLiteral("王"));
        control<QPushButton>("按钮_起名")->click();
        QVERIFY(run->cancelled());
        QCOMPARE(controller_->worker().control(), run);  // no new run
        QCOMPARE(controller_->last_generated_surname(), QStringLiteral("王"));
        QCOMPARE(control<QPushButton>("按钮_超吉暂停")->text(), QStringLiteral("暂停"));
        QVERIFY(control<QPushButton>("按钮_超吉生成")->isEnabled());
        QCoreApplication::processEvents();
        QCOMPARE(list->rowCount(), 0);
    }

    void classicRunFillsTheBoxAndTheExportEqualsIt() {
        set_inputs(QStringLiteral("李"), "男", "二字", "单选框_经典起名");
        control<QPushButton>("按钮_起名")->click();
        finish_run();
        QCOMPARE(window_->pages()->currentIndex(), int(MainWindow::kClassicPage));
        const QString text = control<QPlainTextEdit>("编辑框_经典名字")->toPlainText();
        QCOMPARE(text.count(QStringLiteral("李")) >= 2910, true);
        QCOMPARE(text.split(QStringLiteral("\n\n")).size(), 208);
        control<QPushButton>("按钮_经典导出")->click();
        QVERIFY(opened_.last().endsWith(QStringLiteral("/data/ClassNameList.txt")));
        QString expected = text;
        expected.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
        QCOMPARE(test::read_file(opened_.last().toStdString()), to_gbk_for_test(expected));
        QVERIFY(controller_->waiting_window()->isHidden());
    }

    void masterBoxesExcludeTheOtherPair() {
        auto* second = control<QCheckBox>("选择框_第二个字五行限定");
        auto* must = control<QCheckBox>("选择框_所有字必带五行");
        auto* forbidden = control<QCheckBox>("选择框_所有字不能带五行");
        QVERIFY(must->isChecked());
        must->click();  // unchecked: its boxes disabled
        second->click();
        QVERIFY(!must->isEnabled() && !must->isChecked() && !forbidden->isEnabled());
        QVERIFY(control<QCheckBox>("选择框_木0")->isEnabled());
        QVERIFY(!control<QCheckBox>("选择框_木2")->isEnabled());
        second->click();
        QVERIFY(must->isEnabled() && forbidden->isEnabled());
        QVERIFY(!control<QCheckBox>("选择框_木0")->isEnabled());
        // What a run would read.
        control<QCheckBox>("选择框_所有字不能带五行")->click();
        control<QCheckBox>("选择框_金3")->setChecked(true);
        const ElementBoxes boxes = controller_->read_inputs(GenerationMode::kSuperLucky).element_boxes;
        QVERIFY(boxes.master_checked[ElementBoxes::kForbidden]);
        QVERIFY(boxes.ticked[ElementBoxes::kForbidden][0]);
        QVERIFY(!boxes.master_checked[ElementBoxes::kSecondPlace]);
    }

    void generationCharacterWindowSetsTheCharacterAndTheLabelColour() {
        auto* label = control<ClickableLabel>("标签_设置辈份");
        QCOMPARE(label->text_colour(), QColor(96, 96, 96));
        // Second place with an empty box: warned, the window stays; then "朗" is accepted.
        QTimer::singleShot(0, this, [this] {
            auto* window = qobject_cast<GenerationCharacterWindow*>(QApplication::activeModalWidget());
            QVERIFY(window);
            QCOMPARE(window->windowTitle(), QStringLiteral("设置辈分"));
            window->findChild<QRadioButton*>(QStringLiteral("单选框_设置第二个字"))->setChecked(true);
            auto* box = window->findChild<QLineEdit*>(QStringLiteral("编辑框_第二个字"));
            QCOMPARE(box->text(), QStringLiteral("朗"));
            box->clear();
            window->findChild<QPushButton*>(QStringLiteral("按钮_辈份确定"))->click();
            QVERIFY(window->isVisible());
            QCOMPARE(gbk_to_utf8(messages_.back().text), std::string("请输入所设定的第二个字"));
            box->setText(QStringLiteral("朗"));
            window->findChild<QPushButton*>(QStringLiteral("按钮_辈份确定"))->click();
        });
        controller_->open_generation_character_window();
        QCOMPARE(label->text_colour(), QColor(255, 0, 0));
        QCOMPARE(controller_->generation_character().state,
                 GenerationCharacterSetting::State::kSecondFixed);
        QCOMPARE(gbk_to_utf8(controller_->generation_character().second_character), std::string("朗"));

        QTimer::singleShot(0, this, [] {
            auto* window = QApplication::activeModalWidget();
            QVERIFY(window->findChild<QRadioButton*>(QStringLiteral("单选框_设置第二个字"))->isChecked());
            window->findChild<QPushButton*>(QStringLiteral("按钮_辈份取消"))->click();
        });
        emit label->released();
        QCOMPARE(label->text_colour(), QColor(96, 96, 96));
        QVERIFY(!controller_->generation_character().is_set());
    }

    void waitingWindowShowsItsMessageAndEightFrames() {
        controller_->show_waiting_window();
        LumettoWaiting* waiting = controller_->waiting_window();
        QVERIFY(waiting->isVisible());
        QCOMPARE(waiting->windowTitle(), QStringLiteral("请稍等"));
        QCOMPARE(waiting->size(), QSize(380, 52));
        QCOMPARE(waiting->findChild<QLabel*>(QStringLiteral("透明标签1"))->text(),
                 QStringLiteral("正在生成,请稍等一下......"));
        QSet<qint64> frames;
        for (int i = 0; i < WaitingAnimation::kFrames; ++i) {
            const QImage frame = WaitingAnimation::frame_picture(i).toImage();
            QCOMPARE(frame.size(), QSize(145, 15));
            frames.insert(qHashBits(frame.constBits(), static_cast<size_t>(frame.sizeInBytes())));
        }
        QCOMPARE(frames.size(), 8);
        auto* animation = waiting->findChild<WaitingAnimation*>(QStringLiteral("图片框1"));
        const int before = animation->frame();
        QTRY_VERIFY(animation->frame() != before);
        controller_->close_waiting_window();
        QVERIFY(waiting->isHidden());
    }

    // Last: closing the window closes the database as well.
    void closingTheWindowStopsAPausedRun() {
        window_->set_settings_file(program_dir_.filePath(QStringLiteral("config.dat")));
        set_inputs(QStringLiteral("李"), "男", "二字", "单选框_高分起名");
        control<QPushButton>("按钮_起名")->click();
        const auto run = controller_->worker().control();
        run->pause();
        window_->close();
        QVERIFY(run->cancelled());
    }

private:
    static std::string to_gbk_for_test(const QString& text) { return utf8_to_gbk(text.toStdString()); }
};

}  // namespace langyue

QTEST_MAIN(langyue::GenerationControllerTest)
#include "generation_controller_test.moc"
