// The scoring page of the main window: the user types a surname and a given name, "评分"
// scores the name and adds it once to the scoring list; a double-click on the list opens the
// name in the detail window.
#pragma once

#include <QStringList>

class QWidget;

namespace langyue {

struct NameAnalysis;

// The row the scoring list shows for a scored name: number, surname CR LF given name,
// simplified total, 总格, element string, the five grids joined by ",", pattern, score.
QStringList scoring_row(int number, const QString& surname, const QString& given,
                        const NameAnalysis& analysis, int score);

// The click handler of 按钮_评分 on `main_window`: refuses an empty surname ("请输入姓氏") or
// given name ("请输入名字"), scores the typed name (rewriting data/temp.html) and appends its
// row to 超级列表框_评分列表 unless the list already holds the name. Returns whether a row
// was added.
bool score_typed_name(QWidget* main_window);

// Connects 按钮_评分 under `main_window` (found by objectName) to score_typed_name. The
// scoring list's double-click goes to open_name_detail through the main window. Returns
// whether the button was found.
bool connect_scoring_button(QWidget* main_window);

}  // namespace langyue
