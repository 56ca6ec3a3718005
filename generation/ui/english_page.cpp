#include "generation/ui/english_page.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableView>

#include "app/messages.h"
#include "app/ui/qt_text.h"
#include "generation/ui/english_pronunciation.h"
#include "generation/ui/poetry_page.h"
#include "generation/ui/result_list_model.h"

namespace langyue {
namespace {

// The name-length box's number; 0 (an open end) for a box without a number.
int length_of(const QComboBox* box) {
    return box == nullptr ? 0 : box->currentText().trimmed().toInt();
}

}  // namespace

EnglishNamesPage::EnglishNamesPage(QWidget* root, QObject* parent)
    : QObject(parent), root_(root), pronunciation_(new EnglishPronunciation(this)) {
    surname_ = root->findChild<QLineEdit*>(QStringLiteral("编辑框_英文姓氏"));
    given_name_ = root->findChild<QLineEdit*>(QStringLiteral("编辑框_英文名字"));
    genders_[0] = root->findChild<QRadioButton*>(QStringLiteral("单选框_男性化"));
    genders_[1] = root->findChild<QRadioButton*>(QStringLiteral("单选框_女性化"));
    genders_[2] = root->findChild<QRadioButton*>(QStringLiteral("单选框_中性化"));
    shortest_ = root->findChild<QComboBox*>(QStringLiteral("组合框_日子1"));
    longest_ = root->findChild<QComboBox*>(QStringLiteral("组合框_时间1"));
    list_ = root->findChild<QTableView*>(QStringLiteral("超级列表框_英文列表"));
    if (auto* button = root->findChild<QAbstractButton*>(QStringLiteral("按钮_英文起名"))) {
        connect(button, &QAbstractButton::clicked, this, &EnglishNamesPage::generate);
    }
}

ResultListModel* EnglishNamesPage::list_model() const { return page_list_model(list_); }

EnglishNameInputs EnglishNamesPage::inputs() const {
    EnglishNameInputs in;
    if (given_name_ != nullptr) in.given_name = to_gbk(given_name_->text());
    in.gender = 0;
    for (int i = 0; i < 3; ++i) {
        if (genders_[i] != nullptr && genders_[i]->isChecked()) in.gender = i + 1;
    }
    in.min_length = length_of(shortest_);
    in.max_length = length_of(longest_);
    return in;
}

void EnglishNamesPage::add_row(const EnglishNameRow& row) {
    if (ResultListModel* model = list_model()) {
        model->append_row({QString::number(row.number), from_gbk(row.name),
                           from_gbk(row.chinese_reading), from_gbk(row.meaning)});
    }
}

void EnglishNamesPage::generate() {
    const auto ask = [](const char* text) {
        show_message({gbk(text), gbk("提示"), MessageIcon::kNone, MessageButtons::kOk});
    };
    if (surname_ == nullptr || surname_->text().isEmpty()) {
        ask("请输入姓氏");
        return;
    }
    if (given_name_ == nullptr || given_name_->text().isEmpty()) {
        ask("请输入名字");
        return;
    }
    if (ResultListModel* model = list_model()) model->clear();
    emit generate_requested();
}

void EnglishNamesPage::play_english_name() {
    ResultListModel* model = list_model();
    if (model == nullptr || list_->selectionModel() == nullptr) return;
    const QModelIndexList rows = list_->selectionModel()->selectedRows();
    if (rows.isEmpty()) return;
    const QString name = model->text(rows.first().row(), 1);
    if (name.isEmpty()) return;
    pronunciation_->pronounce(name);
}

}  // namespace langyue
