// The date lists of the main window: years "1970" … "2030", months "1" … "12", days
// "1" … "31", hours "0" … "23", minutes "0" … "59", plain decimal texts.
#pragma once

#include <QStringList>

class QComboBox;

namespace langyue {

// Year indexes the program selects: "2017" on the mode page, "2013" on the chart and
// scoring pages.
inline constexpr int kYearIndex2017 = 47;
inline constexpr int kYearIndex2013 = 43;

// "first" … "last" as decimal texts.
QStringList number_items(int first, int last);

// Empties a list, fills it with first … last and selects `selected`.
void fill_number_list(QComboBox* list, int first, int last, int selected = 0);

// Refills a set of date lists with the year at `year_index` and every other list at its first
// item; `minute` may be null (the chart page has no minute list).
void fill_date_lists(QComboBox* year, QComboBox* month, QComboBox* day, QComboBox* hour,
                     QComboBox* minute, int year_index);

// Gives a set of date lists compact fixed widths (a year list is wider than the others);
// `minute` may be null.
void size_date_lists(QComboBox* year, QComboBox* month, QComboBox* day, QComboBox* hour,
                     QComboBox* minute);

}  // namespace langyue
