// The generation-character window "设置辈分": chooses whether a character is fixed in the
// second or third place of the full name (GenerationCharacterSetting).
#pragma once

#include <QDialog>

#include "generation/generation_inputs.h"

class QLineEdit;
class QRadioButton;

namespace langyue {

class GenerationCharacterWindow : public QDialog {
    Q_OBJECT

public:
    // Made anew at every opening: the radio button of the setting's state is selected, the
    // boxes show "朗" and "月" whatever the setting holds.
    GenerationCharacterWindow(const GenerationCharacterSetting& setting, QWidget* parent);

    // The setting after "确定" or "取消" (off after "取消").
    const GenerationCharacterSetting& setting() const { return setting_; }

private:
    void confirm();
    void cancel();

    GenerationCharacterSetting setting_;
    QRadioButton* off_ = nullptr;
    QRadioButton* second_ = nullptr;
    QRadioButton* third_ = nullptr;
    QLineEdit* second_box_ = nullptr;
    QLineEdit* third_box_ = nullptr;
};

// The label colour of 标签_设置辈份: red while a generation character is set, grey otherwise.
QColor generation_label_colour(const GenerationCharacterSetting& setting);

}  // namespace langyue
