#include "generation/ui/generation_controller.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QUrl>

#include "app/messages.h"
#include "app/program_paths.h"
#include "app/ui/clickable_label.h"
#include "app/ui/main_window.h"
#include "app/ui/qt_text.h"
#include "generation/generation_run.h"
#include "generation/result_list.h"
#include "generation/super_lucky.h"
#include "generation/ui/generation_character_window.h"
#include "generation/ui/lumetto_waiting.h"
#include "generation/ui/result_list_model.h"
#include "generation/ui/window_generation_sink.h"

namespace langyue {
namespace {

const char* const kObjectName = "GenerationController";

const char* list_name(ResultList list) {
    switch (list) {
        case ResultList::kHighScore: return "超级列表框_高分起名";
        case ResultList::kSuperLucky: return "超级列表框_超吉起名";
        case ResultList::kPoetry: return "超级列表框_诗名列表";
        case ResultList::kCombination: return "超级列表框_组合列表";
        case ResultList::kNickname: return "超级列表框_小名列表";
    }
    return "";
}

const char* control_name(RunControlId control) {
    switch (control) {
        case RunControlId::kModeToolButton: return "工具条按钮_模式选择";
        case RunControlId::kModeMenuItem: return "菜单_模式选择";
        case RunControlId::kHighPause: return "按钮_高分暂停";
        case RunControlId::kHighRegenerate: return "按钮_再生成一次";
        case RunControlId::kHighExport: return "按钮_高分导出";
        case RunControlId::kSuperGenerate: return "按钮_超吉生成";
        case RunControlId::kSuperPause: return "按钮_超吉暂停";
        case RunControlId::kSuperExport: return "按钮_超吉导出";
        case RunControlId::kNicknameGenerate: return "按钮_起小名";
    }
    return "";
}

// The super-lucky boxes: masters, then the element boxes 选择框_金k … 选择框_土k.
const char* const kMasterNames[4] = {"选择框_第二个字五行限定", "选择框_第三个字五行限定",
                                     "选择框_所有字必带五行", "选择框_所有字不能带五行"};
const char* const kElementNames[5] = {"金", "木", "水", "火", "土"};

QString element_box_name(int master, int element) {
    return QStringLiteral("选择框_") + QString::fromUtf8(kElementNames[element]) +
           QString::number(master);
}

}  // namespace

GenerationController::GenerationController(QWidget* window) : QObject(window), window_(window) {
    setObjectName(QString::fromLatin1(kObjectName));
    opener_ = [](const QString& path) { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); };

    const struct {
        const char* name;
        void (GenerationController::*slot)();
    } buttons[] = {{"按钮_起名", &GenerationController::press_start_button},
                   {"按钮_高分暂停", &GenerationController::toggle_high_score_pause},
                   {"按钮_超吉暂停", &GenerationController::toggle_super_lucky_pause},
                   {"按钮_高分导出", &GenerationController::export_high_score_list},
                   {"按钮_超吉导出", &GenerationController::export_super_lucky_list},
                   {"按钮_经典导出", &GenerationController::export_classic_text}};
    for (const auto& b : buttons) {
        if (auto* button = find<QAbstractButton>(b.name)) {
            connect(button, &QAbstractButton::clicked, this, b.slot);
        }
    }
    if (auto* button = find<QAbstractButton>("按钮_经典生成")) {
        connect(button, &QAbstractButton::clicked, this,
                [this] { start_generation(GenerationMode::kClassic); });
    }
    if (auto* button = find<QAbstractButton>("按钮_再生成一次")) {
        connect(button, &QAbstractButton::clicked, this, [this] {
            clear_list(list_name(ResultList::kHighScore));
            start_generation(GenerationMode::kHighScore);
        });
    }
    if (auto* button = find<QAbstractButton>("按钮_超吉生成")) {
        connect(button, &QAbstractButton::clicked, this, [this] {
            clear_list(list_name(ResultList::kSuperLucky));
            start_generation(GenerationMode::kSuperLucky);
        });
    }
    for (int master = 0; master < 4; ++master) {
        if (auto* box = find<QCheckBox>(kMasterNames[master])) {
            connect(box, &QCheckBox::clicked, this, [this, master] { click_master(master); });
        }
    }
    if (auto* label = find<ClickableLabel>("标签_设置辈份")) {
        connect(label, &ClickableLabel::released, this,
                &GenerationController::open_generation_character_window);
    }
}

GenerationController::~GenerationController() { worker_.cancel(); }

template <typename Widget>
Widget* GenerationController::find(const char* name) const {
    return window_->findChild<Widget*>(QString::fromUtf8(name));
}

QString GenerationController::last_generated_surname() const {
    if (auto* main = qobject_cast<MainWindow*>(window_)) return main->last_generated_surname;
    return own_last_surname_;
}

void GenerationController::set_last_generated_surname(const QString& surname) {
    if (auto* main = qobject_cast<MainWindow*>(window_)) main->last_generated_surname = surname;
    own_last_surname_ = surname;
}

GenerationInputs GenerationController::read_inputs(GenerationMode mode) const {
    GenerationInputs inputs;
    inputs.mode = mode;
    if (auto* surname = find<QLineEdit>("编辑框_姓氏")) inputs.surname = to_gbk(surname->text());
    if (auto* sex = find<QComboBox>("组合框_性别")) inputs.sex = to_gbk(sex->currentText());
    if (auto* length = find<QComboBox>("组合框_名字个数")) {
        inputs.given_length = length->currentText() == QStringLiteral("二字") ? 2 : 1;
    }
    inputs.generation_character = setting_;
    inputs.element_boxes = read_element_boxes();
    if (hooks_.read_inputs &&
        (mode == GenerationMode::kPoetry || mode == GenerationMode::kCombination ||
         mode == GenerationMode::kNickname || mode == GenerationMode::kEnglish)) {
        hooks_.read_inputs(inputs);
    }
    return inputs;
}

void GenerationController::start_generation(GenerationMode mode) {
    const GenerationInputs inputs = read_inputs(mode);
    auto control = std::make_shared<RunControl>();
    auto sink = std::make_shared<WindowGenerationSink>(this, control);
    worker_.start(control, [inputs, sink](RunControl& run_control) {
        generation_run(inputs, *sink, run_control);
        sink->flush();
    });
}

void GenerationController::cancel_generation() { worker_.cancel(); }

void GenerationController::clear_generation_character() {
    setting_ = GenerationCharacterSetting{};
    update_generation_label();
}

// --- the start button ---

void GenerationController::press_start_button() {
    auto* surname_box = find<QLineEdit>("编辑框_姓氏");
    const QString surname = surname_box ? surname_box->text() : QString();
    if (surname.isEmpty()) {
        show_message({gbk("请输入姓氏!"), gbk("提示"), MessageIcon::kInformation,
                      MessageButtons::kOk});
        return;
    }
    GenerationMode mode = GenerationMode::kClassic;
    if (auto* group = window_->findChild<QButtonGroup*>(QStringLiteral("起名模式组"))) {
        if (group->checkedId() >= 0) mode = static_cast<GenerationMode>(group->checkedId());
    }
    switch (mode) {
        case GenerationMode::kClassic: start_generation(mode); break;
        case GenerationMode::kPoetry:
            if (hooks_.fill_poet_list) hooks_.fill_poet_list();
            show_page(MainWindow::kPoetryPage);
            break;
        case GenerationMode::kHighScore:
            if (surname != last_generated_surname()) {
                clear_list(list_name(ResultList::kHighScore));
                set_caption("按钮_高分暂停", QStringLiteral("暂停"));
                set_enabled(RunControlId::kHighRegenerate, true);
                set_last_generated_surname(surname);
                cancel_generation();
                show_page(kPageHighScore);
                start_generation(mode);
            } else {
                show_page(kPageHighScore);
            }
            break;
        case GenerationMode::kCombination:
            clear_list(list_name(ResultList::kCombination));
            show_page(MainWindow::kCombinationPage);
            break;
        case GenerationMode::kNickname:
            clear_list(list_name(ResultList::kNickname));
            show_page(MainWindow::kNicknamePage);
            break;
        case GenerationMode::kEnglish:
            if (auto* english = find<QLineEdit>("编辑框_英文姓氏")) english->setText(surname);
            clear_list("超级列表框_英文列表");
            show_page(MainWindow::kEnglishPage);
            break;
        case GenerationMode::kSuperLucky:
            if (surname != last_generated_surname()) {
                clear_list(list_name(ResultList::kSuperLucky));
                set_caption("按钮_超吉暂停", QStringLiteral("暂停"));
                set_enabled(RunControlId::kSuperGenerate, true);
                set_last_generated_surname(surname);
                show_page(kPageSuperLucky);
                cancel_generation();
            } else {
                show_page(kPageSuperLucky);
            }
            click_master(ElementBoxes::kMust);
            break;
    }
}

// --- pause and continue ---

void GenerationController::toggle_pause(const char* pause_button, const char* export_button) {
    auto* button = find<QAbstractButton>(pause_button);
    if (button == nullptr) return;
    QAbstractButton* export_box = find<QAbstractButton>(export_button);
    if (button->text() == QStringLiteral("暂停")) {
        worker_.pause();
        set_enabled(RunControlId::kModeToolButton, true);
        if (export_box) export_box->setEnabled(true);
        button->setText(QStringLiteral("继续"));
    } else {
        worker_.resume();
        button->setText(QStringLiteral("暂停"));
        if (export_box) export_box->setEnabled(false);
    }
}

void GenerationController::toggle_high_score_pause() { toggle_pause("按钮_高分暂停", "按钮_高分导出"); }

void GenerationController::toggle_super_lucky_pause() { toggle_pause("按钮_超吉暂停", "按钮_超吉导出"); }

// --- export ---

void GenerationController::open_export(const std::string& path) {
    if (opener_) opener_(QString::fromStdString(path));
}

void GenerationController::export_list(ResultList list, const char* file_name) {
    // The filled rows from the top, converted to GBK in one piece (cells joined by tabs, rows
    // by line feeds, neither of which a cell holds) and cut up again.
    QString joined;
    if (ResultListModel* model = list_model(list)) {
        for (int row = 0; row < model->rowCount(); ++row) {
            if (model->text(row, 0).isEmpty()) break;
            for (int column = 0; column < 8; ++column) {
                joined += model->text(row, column);
                joined += column == 7 ? QLatin1Char('\n') : QLatin1Char('\t');
            }
        }
    }
    const std::string bytes = to_gbk(joined);
    std::vector<ResultRow> rows;
    ResultRow row;
    size_t column = 0;
    size_t start = 0;
    for (size_t at = 0; at < bytes.size(); ++at) {
        if (bytes[at] != '\t' && bytes[at] != '\n') continue;
        row.cells[column++] = bytes.substr(start, at - start);
        start = at + 1;
        if (bytes[at] == '\n') {
            rows.push_back(std::move(row));
            row = ResultRow{};
            column = 0;
        }
    }
    const std::string path = data_file(file_name);
    export_result_list(rows, path);
    open_export(path);
}

void GenerationController::export_high_score_list() {
    export_list(ResultList::kHighScore, kHighScoreExportFile);
}

void GenerationController::export_super_lucky_list() {
    export_list(ResultList::kSuperLucky, kSuperLuckyExportFile);
}

void GenerationController::export_classic_text() {
    QString text;
    if (auto* box = find<QPlainTextEdit>("编辑框_经典名字")) text = box->toPlainText();
    // The box keeps its line breaks as LF; the text it was given had CR LF.
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    const std::string path = data_file(kClassicExportFile);
    langyue::export_classic_text(to_gbk(text), path);
    open_export(path);
}

// --- the super-lucky boxes ---

ElementBoxes GenerationController::read_element_boxes() const {
    ElementBoxes boxes;
    for (int master = 0; master < 4; ++master) {
        const auto m = static_cast<size_t>(master);
        if (auto* box = find<QCheckBox>(kMasterNames[master])) {
            boxes.master_checked[m] = box->isChecked();
            boxes.master_enabled[m] = box->isEnabled();
        }
        for (int element = 0; element < 5; ++element) {
            if (auto* box = window_->findChild<QCheckBox*>(element_box_name(master, element))) {
                boxes.ticked[m][static_cast<size_t>(element)] = box->isChecked();
                if (element == 0) boxes.ticks_enabled[m] = box->isEnabled();
            }
        }
    }
    return boxes;
}

void GenerationController::write_element_boxes(const ElementBoxes& boxes) {
    for (int master = 0; master < 4; ++master) {
        const auto m = static_cast<size_t>(master);
        if (auto* box = find<QCheckBox>(kMasterNames[master])) {
            box->setChecked(boxes.master_checked[m]);
            box->setEnabled(boxes.master_enabled[m]);
        }
        for (int element = 0; element < 5; ++element) {
            if (auto* box = window_->findChild<QCheckBox*>(element_box_name(master, element))) {
                box->setChecked(boxes.ticked[m][static_cast<size_t>(element)]);
                box->setEnabled(boxes.ticks_enabled[m]);
            }
        }
    }
}

void GenerationController::click_master(int master) {
    ElementBoxes boxes = read_element_boxes();
    click_master_box(boxes, static_cast<ElementBoxes::Master>(master));
    write_element_boxes(boxes);
}

// --- the generation character ---

void GenerationController::open_generation_character_window() {
    GenerationCharacterWindow window(setting_, window_);
    window.exec();
    setting_ = window.setting();
    update_generation_label();
}

void GenerationController::update_generation_label() {
    if (auto* label = find<ClickableLabel>("标签_设置辈份")) {
        label->set_text_colour(generation_label_colour(setting_));
    }
}

// --- changes of a run ---

void GenerationController::show_waiting_window() {
    if (waiting_ == nullptr) waiting_ = new LumettoWaiting(window_);
    waiting_->show();
}

void GenerationController::close_waiting_window() {
    if (waiting_ != nullptr) waiting_->hide();
}

void GenerationController::set_enabled(RunControlId control, bool enabled) {
    const QString name = QString::fromUtf8(control_name(control));
    if (auto* action = window_->findChild<QAction*>(name)) {
        action->setEnabled(enabled);
    } else if (auto* widget = window_->findChild<QWidget*>(name)) {
        widget->setEnabled(enabled);
    }
}

void GenerationController::show_page(int page) {
    if (auto* pages = find<QTabWidget>("高级选择夹1")) pages->setCurrentIndex(page);
}

ResultListModel* GenerationController::list_model(ResultList list) const {
    // Found once: a run fills up to 100,000 rows, and a search of the window's controls per
    // row would cost more than the rows themselves.
    QPointer<ResultListModel>& model = models_[static_cast<size_t>(list)];
    if (model.isNull()) {
        auto* view = find<QTableView>(list_name(list));
        model = view ? qobject_cast<ResultListModel*>(view->model()) : nullptr;
    }
    return model.data();
}

void GenerationController::clear_list(const char* name) {
    auto* view = find<QTableView>(name);
    if (auto* model = view ? qobject_cast<ResultListModel*>(view->model()) : nullptr) model->clear();
}

void GenerationController::set_caption(const char* button, const QString& caption) {
    if (auto* b = find<QAbstractButton>(button)) b->setText(caption);
}

void GenerationController::insert_rows(ResultList list, int count) {
    if (ResultListModel* model = list_model(list)) model->insert_empty_rows(count);
}

void GenerationController::fill_row(ResultList list, int row, const QStringList& texts) {
    if (ResultListModel* model = list_model(list)) model->set_row(row, texts);
}

void GenerationController::trim_rows(ResultList list, int remaining) {
    if (ResultListModel* model = list_model(list)) model->trim_to(remaining);
}

void GenerationController::sort_rows(ResultList list) {
    if (ResultListModel* model = list_model(list)) model->sort_by_score();
}

void GenerationController::renumber_rows(ResultList list) {
    if (ResultListModel* model = list_model(list)) model->renumber();
}

void GenerationController::set_classic_text(const QString& text) {
    if (auto* box = find<QPlainTextEdit>("编辑框_经典名字")) box->setPlainText(text);
}

void GenerationController::show_poem_names_tab() {
    if (hooks_.show_poem_names_tab) hooks_.show_poem_names_tab();
}

void GenerationController::add_english_row(const EnglishNameRow& row) {
    if (hooks_.add_english_row) hooks_.add_english_row(row);
}

GenerationController& generation_controller(QWidget* window) {
    if (auto* found = window->findChild<GenerationController*>(QString::fromLatin1(kObjectName),
                                                               Qt::FindDirectChildrenOnly)) {
        return *found;
    }
    return *new GenerationController(window);
}

}  // namespace langyue
