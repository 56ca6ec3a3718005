#include "app/ui/control_factory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

#include "app/ui/program_images.h"

namespace langyue {
namespace {

template <typename Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromUtf8(name));
    return widget;
}

}  // namespace

QLabel* make_label(const char* name, const QString& text) {
    return named(new QLabel(text), name);
}

QGroupBox* make_group(const char* name, const QString& title) {
    return named(new QGroupBox(title), name);
}

QPushButton* make_button(const char* name, const QString& text) {
    QPushButton* button = named(new QPushButton(text), name);
    button->setAutoDefault(false);
    return button;
}

QLineEdit* make_edit(const char* name, const QString& text) {
    return named(new QLineEdit(text), name);
}

QComboBox* make_combo(const char* name, const QStringList& items) {
    QComboBox* combo = named(new QComboBox, name);
    combo->addItems(items);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return combo;
}

QRadioButton* make_radio(const char* name, const QString& text, bool checked) {
    QRadioButton* radio = named(new QRadioButton(text), name);
    radio->setChecked(checked);
    return radio;
}

QCheckBox* make_check(const char* name, const QString& text, bool checked) {
    QCheckBox* check = named(new QCheckBox(text), name);
    check->setChecked(checked);
    return check;
}

QFrame* make_line(Qt::Orientation orientation) {
    auto* line = new QFrame;
    line->setFrameShape(orientation == Qt::Horizontal ? QFrame::HLine : QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QTableView* make_list(const char* name, const std::vector<ResultListModel::Column>& columns) {
    QTableView* view = named(new QTableView, name);
    auto* model = new ResultListModel(columns, view);
    model->set_row_image(row_image());
    model->attach_to(view);
    return view;
}

ResultListModel* list_model_of(QTableView* view) {
    return view == nullptr ? nullptr : qobject_cast<ResultListModel*>(view->model());
}

QString result_list_caption() { return QStringLiteral("姓名列表(双击姓名可查看详细解释)"); }

}  // namespace langyue
