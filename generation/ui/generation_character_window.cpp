#include "generation/ui/generation_character_window.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/messages.h"
#include "app/ui/qt_text.h"

namespace langyue {
namespace {

QFrame* separator() {
    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QLabel* label(const char* name, const QString& text) {
    auto* result = new QLabel(text);
    result->setObjectName(QString::fromUtf8(name));
    return result;
}

}  // namespace

GenerationCharacterWindow::GenerationCharacterWindow(const GenerationCharacterSetting& setting,
                                                     QWidget* parent)
    : QDialog(parent), setting_(setting) {
    setWindowTitle(QStringLiteral("设置辈分"));
    setModal(true);
    setFixedSize(498, 257);

    off_ = new QRadioButton(QStringLiteral("不设置辈分"));
    off_->setObjectName(QStringLiteral("单选框_不设置辈份"));
    second_ = new QRadioButton(QStringLiteral("第  二  个字设定为"));
    second_->setObjectName(QStringLiteral("单选框_设置第二个字"));
    third_ = new QRadioButton(QStringLiteral("第  三  个字设定为"));
    third_->setObjectName(QStringLiteral("单选框_设置第三个字"));
    second_box_ = new QLineEdit(QStringLiteral("朗"));
    second_box_->setObjectName(QStringLiteral("编辑框_第二个字"));
    third_box_ = new QLineEdit(QStringLiteral("月"));
    third_box_->setObjectName(QStringLiteral("编辑框_第三个字"));
    for (QLineEdit* box : {second_box_, third_box_}) box->setFixedWidth(36);

    using State = GenerationCharacterSetting::State;
    (setting.state == State::kSecondFixed ? second_
     : setting.state == State::kThirdFixed ? third_
                                            : off_)->setChecked(true);

    auto* column = new QVBoxLayout(this);
    column->addWidget(label("透明标签3", QStringLiteral(
        "高分模式下建议不设置辈分,设置后生成名字较少,且很难取得高分名字")));
    column->addWidget(separator());
    column->addWidget(off_);
    auto* second_row = new QHBoxLayout;
    second_row->addWidget(second_);
    second_row->addWidget(second_box_);
    second_row->addWidget(label("透明标签1", QStringLiteral("设定第二个字如李\"朗\"月的\"朗\"")));
    second_row->addStretch();
    column->addLayout(second_row);
    auto* third_row = new QHBoxLayout;
    third_row->addWidget(third_);
    third_row->addWidget(third_box_);
    third_row->addWidget(label("透明标签2", QStringLiteral("设定第二个字如李朗\"月\"的\"月\"")));
    third_row->addStretch();
    column->addLayout(third_row);
    column->addWidget(separator());
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* ok = new QPushButton(QStringLiteral("确定"));
    ok->setObjectName(QStringLiteral("按钮_辈份确定"));
    auto* cancel_button = new QPushButton(QStringLiteral("取消"));
    cancel_button->setObjectName(QStringLiteral("按钮_辈份取消"));
    buttons->addWidget(ok);
    buttons->addWidget(cancel_button);
    column->addLayout(buttons);
    column->addWidget(separator());

    connect(ok, &QPushButton::clicked, this, &GenerationCharacterWindow::confirm);
    connect(cancel_button, &QPushButton::clicked, this, &GenerationCharacterWindow::cancel);
}

void GenerationCharacterWindow::confirm() {
    using State = GenerationCharacterSetting::State;
    if (off_->isChecked()) {
        setting_.state = State::kOff;
        accept();
        return;
    }
    QLineEdit* box = second_->isChecked() ? second_box_ : third_box_;
    if (!second_->isChecked() && !third_->isChecked()) return;
    if (box->text().isEmpty()) {
        // Both boxes answer with the same words.
        show_message({gbk("请输入所设定的第二个字"), gbk("提示"), MessageIcon::kWarning,
                      MessageButtons::kOk});
        return;
    }
    if (second_->isChecked()) {
        setting_.state = State::kSecondFixed;
        setting_.second_character = to_gbk(box->text());
    } else {
        setting_.state = State::kThirdFixed;
        setting_.third_character = to_gbk(box->text());
    }
    accept();
}

void GenerationCharacterWindow::cancel() {
    setting_.state = GenerationCharacterSetting::State::kOff;
    reject();
}

QColor generation_label_colour(const GenerationCharacterSetting& setting) {
    return setting.is_set() ? QColor(255, 0, 0) : QColor(96, 96, 96);
}

}  // namespace langyue
