#include "analysis/ui/score_typed_name.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTableView>

#include "analysis/name_analysis.h"
#include "analysis/ui/open_name_detail.h"
#include "app/messages.h"
#include "app/ui/qt_text.h"
#include "generation/ui/result_list_model.h"
#include "text/gbk.h"
#include "text/split_characters.h"

namespace langyue {
namespace {

const QString kSurnameBox = QStringLiteral("编辑框_评分姓氏");
const QString kGivenBox = QStringLiteral("编辑框_评分名字");
const QString kScoreButton = QStringLiteral("按钮_评分");
const QString kScoringList = QStringLiteral("超级列表框_评分列表");

// A box's text as GBK when it holds at least one character (a text of blanks holds none).
std::string typed_text(const QLineEdit* box) {
    const std::string text = box ? to_gbk(box->text()) : std::string();
    return split_characters(text).empty() ? std::string() : text;
}

}  // namespace

QStringList scoring_row(int number, const QString& surname, const QString& given,
                        const NameAnalysis& analysis, int score) {
    const FiveGrids& grids = analysis.grids;
    const QString grid_text = QStringLiteral("%1,%2,%3,%4,%5")
                                  .arg(grids.heaven)
                                  .arg(grids.person)
                                  .arg(grids.earth)
                                  .arg(grids.total)
                                  .arg(grids.outer);
    return {QString::number(number),
            surname + QStringLiteral("\r\n") + given,
            QString::number(analysis.simplified_total),
            QString::number(grids.total),
            from_gbk(analysis.element_string),
            grid_text,
            from_gbk(analysis.pattern),
            QString::number(score)};
}

bool score_typed_name(QWidget* main_window) {
    const auto* surname_box = main_window->findChild<QLineEdit*>(kSurnameBox);
    const auto* given_box = main_window->findChild<QLineEdit*>(kGivenBox);
    const std::string surname = typed_text(surname_box);
    if (surname.empty()) {
        static const std::string no_surname = gbk("请输入姓氏");
        show_info(no_surname);
        return false;
    }
    const std::string given = typed_text(given_box);
    if (given.empty()) {
        static const std::string no_given = gbk("请输入名字");
        show_info(no_given);
        return false;
    }

    NameAnalysis& analysis = window_name_analysis();
    const int score = score_name(surname, given, analysis);

    auto* list = main_window->findChild<QTableView*>(kScoringList);
    auto* rows = list ? qobject_cast<ResultListModel*>(list->model()) : nullptr;
    if (!rows) return false;
    const QString name_column = surname_box->text() + QStringLiteral("\r\n") + given_box->text();
    if (rows->find_row(ResultListModel::kName, name_column) >= 0) return false;
    rows->append_row(
        scoring_row(rows->rowCount() + 1, surname_box->text(), given_box->text(), analysis, score));
    return true;
}

bool connect_scoring_button(QWidget* main_window) {
    auto* button = main_window->findChild<QAbstractButton*>(kScoreButton);
    if (!button) return false;
    QObject::connect(button, &QAbstractButton::clicked, main_window,
                     [main_window] { score_typed_name(main_window); });
    return true;
}

}  // namespace langyue
