// Settings and naming records of the main window: restored while the window is created,
// written when it closes; records added, opened and deleted.
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QTableView>

#include "app/naming_records.h"
#include "app/settings.h"
#include "app/ui/control_factory.h"
#include "app/ui/main_window.h"
#include "app/ui/qt_text.h"
#include "db/name_database.h"
#include "generation/ui/result_list_model.h"

namespace langyue {
namespace {

const QString kRecordsList = QStringLiteral("超级列表框_记录列表");
const QString kLineBreak = QStringLiteral("\r\n");

std::string file_path(const QString& path) { return QFile::encodeName(path).toStdString(); }

// A typed text as GBK for the settings file. A character GBK lacks (pasted or typed through an
// input method) is left out, instead of the whole text failing to convert and being lost.
std::string typed_text_gbk(const QLineEdit* box) {
    const QString text = box->text();
    std::string converted = to_gbk(text);
    if (!converted.empty() || text.isEmpty()) return converted;
    for (const uint code_point : text.toUcs4()) {
        converted += to_gbk(QString::fromUcs4(reinterpret_cast<const char32_t*>(&code_point), 1));
    }
    return converted;
}

// The selected row of a list, or -1.
int selected_row(QTableView* view) {
    const QModelIndexList rows = view->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

}  // namespace

void MainWindow::restore_settings() {
    const SavedSettings saved = read_settings(file_path(settings_file_));
    control<QLineEdit>(QStringLiteral("编辑框_姓氏"))->setText(from_gbk(saved.surname));
    control<QComboBox>(QStringLiteral("组合框_性别"))->setCurrentIndex(saved.sex_index);
    control<QComboBox>(QStringLiteral("组合框_名字个数"))->setCurrentIndex(saved.name_length_index);
    control<QLineEdit>(QStringLiteral("编辑框_组合的字"))->setText(from_gbk(saved.combination_text));
    control<QLineEdit>(QStringLiteral("编辑框_英文名字"))
        ->setText(from_gbk(saved.english_given_name));
    control<QLineEdit>(QStringLiteral("编辑框_评分名字"))
        ->setText(from_gbk(saved.scoring_given_name));

    ResultListModel* records = list_model(kRecordsList);
    records->clear();
    records->insert_empty_rows(static_cast<int>(saved.records.size()));
    for (size_t i = 0; i < saved.records.size(); ++i) {
        const NamingRecord& record = saved.records[i];
        QStringList row{QString::number(i + 1), from_gbk(record.name)};
        for (const std::string& column : record.columns) row.append(from_gbk(column));
        records->set_row(static_cast<int>(i), row);
    }
}

bool MainWindow::write_settings() {
    SavedSettings settings;
    settings.surname = typed_text_gbk(control<QLineEdit>(QStringLiteral("编辑框_姓氏")));
    settings.sex_index = control<QComboBox>(QStringLiteral("组合框_性别"))->currentIndex();
    settings.name_length_index =
        control<QComboBox>(QStringLiteral("组合框_名字个数"))->currentIndex();
    settings.combination_text =
        typed_text_gbk(control<QLineEdit>(QStringLiteral("编辑框_组合的字")));
    settings.english_given_name =
        typed_text_gbk(control<QLineEdit>(QStringLiteral("编辑框_英文名字")));
    settings.scoring_given_name =
        typed_text_gbk(control<QLineEdit>(QStringLiteral("编辑框_评分名字")));

    const ResultListModel* records = list_model(kRecordsList);
    settings.records.reserve(static_cast<size_t>(records->rowCount()));
    for (int row = 0; row < records->rowCount(); ++row) {
        NamingRecord record;
        record.name = to_gbk(records->text(row, 1));
        for (size_t column = 0; column < record.columns.size(); ++column) {
            record.columns[column] = to_gbk(records->text(row, static_cast<int>(column) + 2));
        }
        settings.records.push_back(std::move(record));
    }
    return langyue::write_settings(file_path(settings_file_), settings);
}

void MainWindow::save_settings() {
    // Closing the window and "退出程序" both come here; the work is done once.
    if (settings_saved_) return;
    settings_saved_ = true;
    name_database().close();
    cancel_generation();
    write_settings();  // a failed write is not reported; the earlier file stays whole
    QCoreApplication::exit(0);
}

void MainWindow::add_naming_record(const QString& surname, const QString& given_name,
                                   const QStringList& columns) {
    ResultListModel* records = list_model(kRecordsList);
    const std::string surname_gbk = to_gbk(surname);
    const std::string given_gbk = to_gbk(given_name);
    for (int row = 0; row < records->rowCount(); ++row) {
        if (record_name_matches(to_gbk(records->text(row, 1)), surname_gbk, given_gbk)) return;
    }
    QStringList row{QString::number(records->rowCount() + 1), surname + kLineBreak + given_name};
    for (int column = 0; column < 6; ++column) row.append(columns.value(column));
    records->append_row(row);
}

void MainWindow::open_naming_record() {
    QTableView* view = list_view(kRecordsList);
    const int row = selected_row(view);
    const QString name = list_model_of(view)->text(row, 1);
    if (row < 0 || name.isEmpty()) return;
    // The record's name is surname, CR LF, given name; the detail window splits it at the
    // line break and adds no record.
    open_name_detail(view);
}

void MainWindow::delete_naming_record() {
    QTableView* view = list_view(kRecordsList);
    ResultListModel* records = list_model_of(view);
    const int row = selected_row(view);
    if (row < 0 || records->text(row, 1).isEmpty()) return;
    records->remove_row(row);
    records->renumber();
}

}  // namespace langyue
