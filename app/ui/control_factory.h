// Small builders for the named controls of the main window's pages: each sets the control's
// objectName to its Chinese control name, so the rest of the program (and the tests) finds
// it with findChild.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "generation/ui/result_list_model.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;
class QWidget;

namespace langyue {

QLabel* make_label(const char* name, const QString& text);
QGroupBox* make_group(const char* name, const QString& title = QString());
QPushButton* make_button(const char* name, const QString& text);
QLineEdit* make_edit(const char* name, const QString& text = QString());
QComboBox* make_combo(const char* name, const QStringList& items = {});
QRadioButton* make_radio(const char* name, const QString& text, bool checked = false);
QCheckBox* make_check(const char* name, const QString& text, bool checked = false);
// A vertical or horizontal line drawn by a plain frame, for separators without a name.
QFrame* make_line(Qt::Orientation orientation);

// A report-style list view with its own ResultListModel (the result columns unless others
// are given); the model is a child of the view and reached through view->model().
QTableView* make_list(const char* name,
                      const std::vector<ResultListModel::Column>& columns =
                          ResultListModel::result_columns());

// The model of a list made by make_list (nullptr for any other view).
ResultListModel* list_model_of(QTableView* view);

// The caption of every result list's group box.
QString result_list_caption();

}  // namespace langyue
