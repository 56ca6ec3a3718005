#include "generation/ui/poetry_page.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QItemSelectionModel>
#include <QTabWidget>
#include <QTableView>

#include <fstream>

#include "app/messages.h"
#include "app/program_paths.h"
#include "app/ui/html_view.h"
#include "app/ui/qt_text.h"
#include "db/name_database.h"
#include "generation/ui/result_list_model.h"
#include "text/split_characters.h"

namespace langyue {
namespace {

// Tabs of 高级选择夹2.
enum PoetryTab { kChooseTab = 0, kGridTab = 1, kNamesTab = 2 };

// How many poet rows are appended between two looks at pending window events.
constexpr int kRowsBetweenEvents = 64;

// Column positions of LM_Poet and LM_全唐诗.
constexpr int kPoetName = 1;
constexpr int kPoemTitle = 1;
constexpr int kPoemText = 3;
constexpr int kPoemInitials = 4;

std::string poem_query(const std::string& title) {
    static const std::string head = gbk("select * from LM_全唐诗 where 标题=\"");
    return head + title + "\"";
}

// Every occurrence of `from` replaced, searched character by character.
std::string replace_characters(const std::string& text, const std::string& from,
                               const std::string& to) {
    std::string result;
    for (const std::string& character : split_characters(text)) {
        result += character == from ? to : character;
    }
    return result;
}

}  // namespace

ResultListModel* page_list_model(QTableView* view) {
    return view == nullptr ? nullptr : qobject_cast<ResultListModel*>(view->model());
}

PoetrySelectionPage::PoetrySelectionPage(QWidget* root, QObject* parent)
    : QObject(parent), root_(root) {
    tabs_ = root->findChild<QTabWidget*>(QStringLiteral("高级选择夹2"));
    poets_ = root->findChild<QTableView*>(QStringLiteral("超级列表框_诗人列表"));
    poems_ = root->findChild<QTableView*>(QStringLiteral("超级列表框_诗词残"));
    names_ = root->findChild<QTableView*>(QStringLiteral("超级列表框_诗名列表"));
    poem_view_ = root->findChild<HtmlView*>(QStringLiteral("网页浏览框1"));
    template_box_ = root->findChild<QCheckBox*>(QStringLiteral("选择框1"));

    // A list is picked by click and by moving its selection, both running the same step.
    auto bind_list = [this](QTableView* view, void (PoetrySelectionPage::*step)()) {
        if (view == nullptr) return;
        connect(view, &QTableView::clicked, this, step);
        if (view->selectionModel() != nullptr) {
            connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                    [this, step] {
                        if (!filling_) (this->*step)();
                    });
        }
    };
    bind_list(poets_, &PoetrySelectionPage::show_poems_of_poet);
    bind_list(poems_, &PoetrySelectionPage::show_poem);

    auto bind_button = [this, root](const char* name, void (PoetrySelectionPage::*step)()) {
        if (auto* button = root->findChild<QAbstractButton*>(QString::fromUtf8(name))) {
            connect(button, &QAbstractButton::clicked, this, step);
        }
    };
    bind_button("按钮2", &PoetrySelectionPage::use_poem);
    bind_button("按钮3", &PoetrySelectionPage::select_all_characters);
    bind_button("按钮6", &PoetrySelectionPage::invert_characters);
    bind_button("按钮4", &PoetrySelectionPage::clear_all_characters);
    bind_button("按钮_诗词起名", &PoetrySelectionPage::generate_from_poem);
}

std::vector<std::string> PoetrySelectionPage::ticked_characters() const {
    std::vector<std::string> ticked;
    for (const QCheckBox* box : grid_) {
        if (box->isChecked()) ticked.push_back(to_gbk(box->text()));
    }
    return ticked;
}

int PoetrySelectionPage::selected_row(QTableView* view) const {
    if (view == nullptr || view->selectionModel() == nullptr) return -1;
    const QModelIndexList rows = view->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

QString PoetrySelectionPage::selected_text(QTableView* view) const {
    const int row = selected_row(view);
    ResultListModel* model = page_list_model(view);
    return row < 0 || model == nullptr ? QString() : model->text(row, 1);
}

// Selects row 0 without running the list's step (the caller runs it once).
void PoetrySelectionPage::select_first_row(QTableView* view) {
    ResultListModel* model = page_list_model(view);
    if (model == nullptr || model->rowCount() == 0) return;
    const bool was_filling = filling_;
    filling_ = true;
    view->selectionModel()->setCurrentIndex(
        model->index(0, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    filling_ = was_filling;
}

void PoetrySelectionPage::fill_poet_list() {
    ResultListModel* model = page_list_model(poets_);
    if (model == nullptr || filling_) return;
    filling_ = true;
    model->clear();
    static const std::string statement = gbk("select * from LM_Poet order by OrderId ASC");
    // The rows are walked as the query layer does: the current row is read before the first
    // test, so a query without rows gives one empty row.
    QueryCursor row = name_database().query(statement);
    int number = 1;
    do {
        model->append_row({QString::number(number), from_gbk(row.column_text(kPoetName))});
        if (number % kRowsBetweenEvents == 0) QCoreApplication::processEvents();
        ++number;
    } while (row.next_row());
    row.finalize();
    filling_ = false;
    select_first_row(poets_);
    show_poems_of_poet();
}

void PoetrySelectionPage::show_poems_of_poet() {
    ResultListModel* model = page_list_model(poems_);
    if (model == nullptr) return;
    const std::string poet = to_gbk(selected_text(poets_));
    model->clear();
    static const std::string head = gbk("select * from LM_全唐诗 where 作者=\"");
    QueryCursor row = name_database().query(head + poet + "\"");
    int number = 1;
    do {
        model->append_row({QString::number(number++), from_gbk(row.column_text(kPoemTitle))});
    } while (row.next_row());
    row.finalize();
    select_first_row(poems_);
    show_poem();
}

void PoetrySelectionPage::show_poem() {
    const std::string poet = to_gbk(selected_text(poets_));
    const std::string title = to_gbk(selected_text(poems_));
    QueryCursor row = name_database().query(poem_query(title));
    static const std::string stop = gbk("。");
    static const std::string stop_break = gbk("。<br>");
    const std::string text = replace_characters(row.column_text(kPoemText), stop, stop_break);
    const std::string heading = poet + ":" + title;
    const std::string page =
        "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">"
        "<title>" + heading + "</title></head><body><b>" + heading + "</b><br><br>" + text +
        "</body></html>";
    const std::string path = data_file("temp.html");
    {
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file << page;
    }
    row.finalize();
    if (poem_view_ != nullptr) poem_view_->open_page(QString::fromStdString(path));
}

void PoetrySelectionPage::clear_grid() {
    for (QCheckBox* box : grid_) delete box;
    grid_.clear();
}

void PoetrySelectionPage::use_poem() {
    clear_grid();
    if (selected_row(poems_) < 0) {
        show_message({gbk("请选择一首诗词"), gbk("提示"), MessageIcon::kNone, MessageButtons::kOk});
        return;
    }
    if (template_box_ == nullptr) return;
    QueryCursor row = name_database().query(poem_query(to_gbk(selected_text(poems_))));
    std::string text = row.column_text(kPoemText);
    const std::string initials = row.column_text(kPoemInitials);
    row.finalize();

    static const std::string comma = gbk("，");
    static const std::string stop = gbk("。");
    text = replace_characters(replace_characters(text, comma, {}), stop, {});
    QWidget* area = template_box_->parentWidget();
    for (const std::string& character : split_characters(text)) {
        auto* box = new QCheckBox(area);
        box->setFont(template_box_->font());
        box->setPalette(template_box_->palette());
        box->setStyleSheet(template_box_->styleSheet());
        box->setText(from_gbk(character));
        box->setChecked(text_contains(initials, character));
        box->show();
        grid_.push_back(box);
    }
    lay_out_poem_characters();
    if (tabs_ != nullptr) tabs_->setCurrentIndex(kGridTab);
}

void PoetrySelectionPage::lay_out_poem_characters() {
    int right = 0;
    int bottom = 0;
    for (size_t i = 0; i < grid_.size(); ++i) {
        const int k = static_cast<int>(i);
        const int x = kGridLeft + kColumnStep * (k % kBoxesPerRow);
        const int y = kGridTop + kRowStep * (k / kBoxesPerRow);
        grid_[i]->setGeometry(x, y, kBoxWidth, kBoxHeight);
        // A box is 70 wide, but only its mark and character show; the blank rest of the last
        // column must not widen the area beyond its scroll area.
        right = std::max(right, x + std::min(kBoxWidth, grid_[i]->sizeHint().width()));
        bottom = std::max(bottom, y + kBoxHeight);
    }
    // The area takes the size of its rows, so that its scroll area reaches every box of a
    // long poem and shows no scroll bar for a short one.
    if (template_box_ != nullptr && template_box_->parentWidget() != nullptr) {
        template_box_->parentWidget()->resize(right + kGridLeft, bottom + kGridTop);
    }
}

void PoetrySelectionPage::select_all_characters() {
    for (QCheckBox* box : grid_) box->setChecked(true);
}

void PoetrySelectionPage::invert_characters() {
    for (QCheckBox* box : grid_) box->setChecked(!box->isChecked());
}

void PoetrySelectionPage::clear_all_characters() {
    for (QCheckBox* box : grid_) box->setChecked(false);
}

void PoetrySelectionPage::generate_from_poem() {
    if (ResultListModel* model = page_list_model(names_)) model->clear();
    emit generate_requested();
}

void PoetrySelectionPage::show_names_tab() {
    if (tabs_ != nullptr) tabs_->setCurrentIndex(kNamesTab);
}

}  // namespace langyue
