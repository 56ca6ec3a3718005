#include "analysis/ui/open_name_detail.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPointer>

#include "analysis/name_analysis.h"
#include "analysis/report_pages.h"
#include "analysis/ui/name_detail_window.h"
#include "app/ui/qt_text.h"
#include "generation/ui/result_list_model.h"
#include "text/split_characters.h"

namespace langyue {
namespace {

const QString kResultLists[] = {
    QStringLiteral("超级列表框_高分起名"), QStringLiteral("超级列表框_超吉起名"),
    QStringLiteral("超级列表框_组合列表"), QStringLiteral("超级列表框_诗名列表"),
    QStringLiteral("超级列表框_小名列表")};
const QString kRecordsList = QStringLiteral("超级列表框_记录列表");
const QString kScoringList = QStringLiteral("超级列表框_评分列表");

// The one name detail window; reused while it is open.
QPointer<NameDetailWindow>& open_window() {
    static QPointer<NameDetailWindow> window;
    return window;
}

// The selected row of a list, or -1.
int selected_row(QAbstractItemView* list) {
    QItemSelectionModel* selection = list->selectionModel();
    if (!selection) return -1;
    const QModelIndexList rows = selection->selectedIndexes();
    return rows.isEmpty() ? -1 : rows.first().row();
}

// A cell's text as stored (a ResultListModel shows a record's line break as a blank; the
// stored text keeps it).
QString cell_text(QAbstractItemView* list, int row, int column) {
    QAbstractItemModel* model = list->model();
    if (auto* results = qobject_cast<ResultListModel*>(model)) return results->text(row, column);
    return model->data(model->index(row, column)).toString();
}

}  // namespace

NameAnalysis& window_name_analysis() {
    static NameAnalysis analysis;
    return analysis;
}

bool is_result_list(const QString& list_name) {
    for (const QString& name : kResultLists) {
        if (name == list_name) return true;
    }
    return false;
}

bool is_name_column_list(const QString& list_name) {
    return list_name == kRecordsList || list_name == kScoringList;
}

std::string given_name_of_result(const std::string& full_name, const std::string& surname_box) {
    const size_t cut = surname_box.size() < 3 ? 2 : 4;
    return full_name.size() > cut ? full_name.substr(cut) : std::string();
}

NameDetailWindow* show_name_detail(const std::string& surname, const std::string& given,
                                   const QString& caption, QWidget* parent) {
    if (split_characters(surname).empty() || split_characters(given).empty()) return nullptr;
    score_name(surname, given, window_name_analysis());

    QPointer<NameDetailWindow>& window = open_window();
    const bool reused = !window.isNull();
    if (reused) {
        window->start_over();
    } else {
        window = new NameDetailWindow(parent);
    }
    window->setWindowTitle(caption + DetailWindowFrame::window_caption());

    const std::vector<std::string> characters = split_characters(surname + given);
    const int shown =
        std::min(static_cast<int>(characters.size()), NameDetailWindow::kCharacterTabs);
    for (int position = 1; position <= shown; ++position) {
        const std::string& character = characters[static_cast<size_t>(position - 1)];
        write_character_page(character, position);
        window->show_character_tab(position, from_gbk(character));
    }
    window->show_surname_tab();
    write_surname_page(surname);

    window->show();
    if (reused) {
        window->raise();
        window->activateWindow();
    }
    return window;
}

NameDetailWindow* open_name_detail(QAbstractItemView* list, const NamingRecordAdder& add_record) {
    if (!list || !list->model()) return nullptr;
    const QString list_name = list->objectName();
    const int row = selected_row(list);
    if (row < 0) return nullptr;
    const QString name = cell_text(list, row, 1);
    if (name.isEmpty()) return nullptr;
    QWidget* main_window = list->window();

    if (is_name_column_list(list_name)) {
        const qsizetype line_break = name.indexOf(QStringLiteral("\r\n"));
        if (line_break < 0) return nullptr;
        return show_name_detail(to_gbk(name.left(line_break)), to_gbk(name.mid(line_break + 2)),
                                name, main_window);
    }
    if (!is_result_list(list_name)) return nullptr;

    const auto* surname_box = main_window->findChild<QLineEdit*>(QStringLiteral("编辑框_姓氏"));
    const std::string surname = surname_box ? to_gbk(surname_box->text()) : std::string();
    const std::string given = given_name_of_result(to_gbk(name), surname);
    NameDetailWindow* window = show_name_detail(surname, given, name, main_window);
    if (window && add_record) {
        QStringList columns;
        for (int column = 2; column <= 7; ++column) columns << cell_text(list, row, column);
        add_record(from_gbk(surname), from_gbk(given), columns);
    }
    return window;
}

}  // namespace langyue
