#include "app/ui/date_lists.h"

#include <QComboBox>

namespace langyue {

QStringList number_items(int first, int last) {
    QStringList items;
    items.reserve(last - first + 1);
    for (int value = first; value <= last; ++value) items.append(QString::number(value));
    return items;
}

void fill_number_list(QComboBox* list, int first, int last, int selected) {
    if (list == nullptr) return;
    list->clear();
    list->addItems(number_items(first, last));
    list->setCurrentIndex(selected);
}

void fill_date_lists(QComboBox* year, QComboBox* month, QComboBox* day, QComboBox* hour,
                     QComboBox* minute, int year_index) {
    fill_number_list(year, 1970, 2030, year_index);
    fill_number_list(month, 1, 12);
    fill_number_list(day, 1, 31);
    fill_number_list(hour, 0, 23);
    fill_number_list(minute, 0, 59);
}

void size_date_lists(QComboBox* year, QComboBox* month, QComboBox* day, QComboBox* hour,
                     QComboBox* minute) {
    year->setFixedWidth(68);
    for (QComboBox* list : {month, day, hour, minute}) {
        if (list != nullptr) list->setFixedWidth(50);
    }
}

}  // namespace langyue
