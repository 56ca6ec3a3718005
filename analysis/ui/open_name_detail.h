// Opening a name in the name detail window: from a result list, the naming records or the
// scoring list of the main window. The name is analysed with the window thread's own record,
// its character and surname pages are written, and the window shows them.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <string>

class QAbstractItemView;
class QWidget;

namespace langyue {

class NameDetailWindow;
struct NameAnalysis;

// The user-interface thread's name-analysis record (a generation run rates with its own).
NameAnalysis& window_name_analysis();

// The list names the handler knows. Result lists hold the full name in column 1; the records
// and the scoring list hold surname, CR LF, given name.
bool is_result_list(const QString& list_name);
bool is_name_column_list(const QString& list_name);

// Splits a result list's full name (GBK) by the surname box's text: a surname text shorter
// than 3 bytes is one character, so 2 bytes are cut off, otherwise 4. Empty when the name is
// not longer than the cut.
std::string given_name_of_result(const std::string& full_name, const std::string& surname_box);

// Analyses surname + given name (GBK, one character each at least), writes the report, the
// character pages of the first four characters and the surname page, and shows them in the
// name detail window under `caption` + "姓名详细解释". An open name detail window is reused,
// so its pages and the files always belong to the same name. Returns the window, or null
// when either text holds no character.
NameDetailWindow* show_name_detail(const std::string& surname, const std::string& given,
                                   const QString& caption, QWidget* parent);

// Adds a naming record: surname, given name and the texts of columns 2 to 7 of the result row.
// The records list owns the rule that a name is recorded once.
using NamingRecordAdder =
    std::function<void(const QString& surname, const QString& given, const QStringList& columns)>;

// The double-click handler of the lists named above: opens the selected row's name. From a
// result list the surname is the main window's 编辑框_姓氏 text at this moment, and the name
// is then handed to `add_record`. Returns the window, or null when nothing was opened (no
// selected row, an empty name, no usable surname or given name).
NameDetailWindow* open_name_detail(QAbstractItemView* list,
                                   const NamingRecordAdder& add_record = {});

}  // namespace langyue
