#include "reference/ui/dictionary_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "analysis/report_pages.h"
#include "analysis/ui/page_detail_window.h"
#include "app/program_paths.h"
#include "app/ui/qt_text.h"

namespace langyue {

DictionaryWindow::DictionaryWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("LumettoWord"));
    setWindowTitle(QStringLiteral("汉字查询"));
    setFixedSize(289, 109);
    move(50, 50);

    prompt_ = new QLabel(QStringLiteral("请输入要查询的汉字:"), this);
    prompt_->setObjectName(QStringLiteral("透明标签1"));
    prompt_->setGeometry(10, 29, 136, 16);

    character_ = new QLineEdit(this);
    character_->setObjectName(QStringLiteral("编辑框1"));
    character_->setGeometry(151, 27, 54, 20);

    look_up_ = new QPushButton(QStringLiteral("查询"), this);
    look_up_->setObjectName(QStringLiteral("按钮_查询"));
    look_up_->setGeometry(216, 23, 48, 30);
    look_up_->setDefault(true);
    connect(look_up_, &QPushButton::clicked, this, &DictionaryWindow::look_up_character);
}

QString DictionaryWindow::entry_caption(const QString& text) {
    return QStringLiteral(" 汉字[ ") + text + QStringLiteral(" ]的详细解释");
}

PageDetailWindow* DictionaryWindow::look_up_character() {
    const QString text = character_->text();
    const std::string page_file = data_file("temp.html");
    write_gbk_file(page_file, fill_character_page(to_gbk(text)));
    auto* window =
        new PageDetailWindow(entry_caption(text), QString::fromStdString(page_file), this);
    window->show();
    return window;
}

void open_dictionary(QWidget* owner) {
    DictionaryWindow dictionary(owner);
    dictionary.exec();
}

}  // namespace langyue
