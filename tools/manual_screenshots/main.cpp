// Takes the screenshots of the user manual from the real windows of the program.
//
//   xvfb-run -a -s "-screen 0 1024x768x24" build/manual_screenshots resources/help/images
//
// The tool opens the main window with the start skin and the database beside it
// (build/data/namedata.db), fills in the surname 李, runs the modes the manual describes and
// writes one PNG per window or page with QWidget::grab() into the given folder. Settings go
// to a scratch folder, so the user's config.dat is left alone. Names of the random modes
// differ from run to run. The pictures are large; shrink them afterwards, e.g. with
// `pngquant --force --ext .png 256 <folder>/*.png`.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>

#include "analysis/ui/name_detail_window.h"
#include "analysis/ui/open_name_detail.h"
#include "analysis/ui/page_detail_window.h"
#include "app/messages.h"
#include "app/program_paths.h"
#include "app/ui/main_window.h"
#include "app/ui/program_images.h"
#include "app/ui/single_instance.h"
#include "app/ui/skins.h"
#include "db/load_name_database.h"
#include "generation/ui/character_mode_pages.h"
#include "generation/ui/generation_controller.h"
#include "generation/ui/poetry_page.h"
#include "reference/ui/article_reader_window.h"
#include "reference/ui/dictionary_window.h"
#include "text/gbk.h"

using namespace langyue;

namespace {

QString output_folder;
int failures = 0;

void settle() {
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
        QThread::msleep(20);
    }
}

void save(QWidget* widget, const char* name) {
    settle();
    const QString path = QDir(output_folder).filePath(QString::fromUtf8(name) + ".png");
    if (widget == nullptr || !widget->grab().save(path)) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
        ++failures;
        return;
    }
    std::printf("%s\n", qPrintable(path));
}

template <typename Widget>
Widget* control(MainWindow& window, const char* name) {
    auto* found = window.control<Widget>(QString::fromUtf8(name));
    if (found == nullptr) std::fprintf(stderr, "no control %s\n", name);
    return found;
}

void click(MainWindow& window, const char* name) {
    if (auto* button = control<QAbstractButton>(window, name)) button->click();
    settle();
}

// Waits until the current generation run has ended and its changes have reached the window.
void finish_run(MainWindow& window) {
    generation_controller(&window).worker().wait();
    settle();
}

// Makes the row whose cell shows `text` the current row of the list; false when none does.
bool pick_row(QTableView* view, const QString& text) {
    if (view == nullptr) return false;
    QAbstractItemModel* model = view->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        for (int column = 0; column < model->columnCount(); ++column) {
            if (model->index(row, column).data().toString() == text) {
                view->setCurrentIndex(model->index(row, 0));
                view->scrollTo(model->index(row, 0));
                settle();
                return true;
            }
        }
    }
    std::fprintf(stderr, "no row %s\n", qPrintable(text));
    return false;
}

// Opens the name of `row` of a list as a double-click would; a result list's name becomes a
// naming record.
NameDetailWindow* open_row(MainWindow& window, QTableView* view, int row) {
    if (view == nullptr || view->model()->rowCount() <= row) return nullptr;
    view->setCurrentIndex(view->model()->index(row, 0));
    return open_name_detail(view, [&window](const QString& surname, const QString& given,
                                            const QStringList& columns) {
        window.add_naming_record(surname, given, columns);
    });
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: manual_screenshots <output folder>\n");
        return 2;
    }
    output_folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(output_folder);
    QApplication::setApplicationName(QStringLiteral("langyue"));
    QApplication::setWindowIcon(window_icon());
    set_program_directory(executable_directory());
    // Every message is answered at once and written to the terminal.
    set_message_handler([](const Message& message) {
        std::fprintf(stderr, "message: %s\n", gbk_to_utf8(message.text).c_str());
        return message.buttons == MessageButtons::kYesNo ? MessageAnswer::kYes : MessageAnswer::kOk;
    });
    if (!load_name_database()) {
        std::fprintf(stderr, "no database beside the program (data/namedata.db)\n");
        return 1;
    }
    load_skin_engine();

    QTemporaryDir scratch;
    SingleInstance instance(QStringLiteral("langyue-manual-screenshots-%1")
                                .arg(QCoreApplication::applicationPid()));
    MainWindow window;
    window.set_settings_file(scratch.filePath(QStringLiteral("config.dat")));
    window.set_database_loader([] {});
    if (!window.main_window_created(instance)) return 1;
    window.move(0, 0);
    QTabWidget* pages = window.pages();

    // Page 0 with the baby's details.
    control<QLineEdit>(window, "编辑框_姓氏")->setText(QStringLiteral("李"));
    control<QComboBox>(window, "组合框_性别")->setCurrentText(QStringLiteral("男"));
    control<QComboBox>(window, "组合框_名字个数")->setCurrentText(QStringLiteral("二字"));
    control<QRadioButton>(window, "单选框_高分起名")->click();
    save(&window, "mode_page");

    // A high-score run.
    click(window, "按钮_起名");
    finish_run(window);
    save(&window, "high_score");
    auto* high_list = control<QTableView>(window, "超级列表框_高分起名");
    for (int row = 0; row < 3; ++row) {
        if (NameDetailWindow* detail = open_row(window, high_list, row)) detail->close();
    }

    // The super-lucky page after a run with its start settings.
    control<QRadioButton>(window, "单选框_超吉起名")->click();
    pages->setCurrentIndex(MainWindow::kModePage);
    click(window, "按钮_起名");
    pages->setCurrentIndex(MainWindow::kSuperLuckyPage);
    click(window, "按钮_超吉生成");
    finish_run(window);
    save(&window, "super_lucky");
    if (NameDetailWindow* detail =
            open_row(window, control<QTableView>(window, "超级列表框_超吉起名"), 0)) {
        detail->close();
    }

    // The poetry page: 李白's 静夜思 chosen, then its characters.
    pages->setCurrentIndex(MainWindow::kModePage);
    control<QRadioButton>(window, "单选框_诗词起名")->click();
    click(window, "按钮_起名");
    pick_row(control<QTableView>(window, "超级列表框_诗人列表"), QStringLiteral("李白"));
    pick_row(control<QTableView>(window, "超级列表框_诗词残"), QStringLiteral("静夜思"));
    save(&window, "poetry_select");
    click(window, "按钮2");
    PoetrySelectionPage& poetry = character_mode_pages(&window).poetry();
    poetry.clear_all_characters();
    for (QCheckBox* box : poetry.grid()) {
        if (QStringLiteral("明月光霜望").contains(box->text())) box->setChecked(true);
    }
    save(&window, "poetry_characters");

    // The classic page after a run.
    pages->setCurrentIndex(MainWindow::kModePage);
    control<QRadioButton>(window, "单选框_经典起名")->click();
    click(window, "按钮_起名");
    finish_run(window);
    save(&window, "classic");

    // The birth chart of the mode page's date.
    window.dispatch_toolbar_command(2);
    settle();
    click(window, "按钮_八字查询");
    save(&window, "birth_chart");

    // 李朗月 scored, and its detail window.
    window.dispatch_toolbar_command(4);
    settle();
    control<QLineEdit>(window, "编辑框_评分名字")->setText(QStringLiteral("朗月"));
    click(window, "按钮_评分");
    save(&window, "scoring");
    if (NameDetailWindow* detail =
            open_row(window, control<QTableView>(window, "超级列表框_评分列表"), 0)) {
        detail->show();
        save(detail, "name_detail");
        detail->close();
    }

    // The naming records.
    window.dispatch_toolbar_command(6);
    save(&window, "records");

    // The article reader on its first category.
    if (ArticleReaderWindow* reader = open_article_list(&window, QStringLiteral("育儿百科"),
                                                        QStringLiteral("备孕百科"))) {
        reader->show();
        save(reader, "article_reader");
        reader->close();
    }

    // The dictionary and the entry of 朗.
    DictionaryWindow dictionary(&window);
    dictionary.character_box()->setText(QStringLiteral("朗"));
    dictionary.show();
    save(&dictionary, "dictionary");
    if (PageDetailWindow* entry = dictionary.look_up_character()) {
        entry->show();
        save(entry, "dictionary_entry");
    }
    dictionary.close();

    generation_controller(&window).cancel_generation();
    return failures == 0 ? 0 : 1;
}
