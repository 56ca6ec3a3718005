// The behaviour of the page "起英文名": the inputs of an English run, the generate button's
// checks, the rows of 超级列表框_英文列表, and play_english_name on a double-click.
#pragma once

#include <QObject>
#include <QPointer>

#include "generation/english_names.h"
#include "generation/generation_inputs.h"

class QComboBox;
class QLineEdit;
class QRadioButton;
class QTableView;
class QWidget;

namespace langyue {

class EnglishPronunciation;
class ResultListModel;

class EnglishNamesPage : public QObject {
    Q_OBJECT

public:
    // `root` holds the page's controls (the main window, or the page alone in tests).
    explicit EnglishNamesPage(QWidget* root, QObject* parent = nullptr);

    // What an English run reads: the Chinese given name, the checked gender (1 男性化,
    // 2 女性化, 3 中性化, 0 none) and the two length boxes.
    EnglishNameInputs inputs() const;
    // One row at the end of the list (the run's english_row_added).
    void add_row(const EnglishNameRow& row);
    ResultListModel* list_model() const;
    // The sound of the names; its player and speaker may be replaced.
    EnglishPronunciation& pronunciation() { return *pronunciation_; }

public slots:
    // 按钮_英文起名: "请输入姓氏" or "请输入名字" (no icon, title "提示") for an empty box;
    // otherwise the list is emptied and a run requested.
    void generate();
    // The double-click handler (the main window routes the list's double-click here): the
    // selected row's name is fetched and played, or said.
    void play_english_name();

signals:
    void generate_requested();

private:
    QPointer<QWidget> root_;
    QLineEdit* surname_ = nullptr;
    QLineEdit* given_name_ = nullptr;
    QRadioButton* genders_[3] = {nullptr, nullptr, nullptr};
    QComboBox* shortest_ = nullptr;
    QComboBox* longest_ = nullptr;
    QTableView* list_ = nullptr;
    EnglishPronunciation* pronunciation_ = nullptr;
};

}  // namespace langyue
