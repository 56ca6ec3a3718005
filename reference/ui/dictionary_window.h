// The dictionary window LumettoWord (新华字典): type a character, press 查询, and its entry
// opens in a single-page detail window of its own. The window stays for the next character.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace langyue {

class PageDetailWindow;

class DictionaryWindow : public QDialog {
    Q_OBJECT

public:
    explicit DictionaryWindow(QWidget* parent = nullptr);

    QLineEdit* character_box() const { return character_; }

    // The caption of the detail window of `text`: " 汉字[ " + text + " ]的详细解释".
    static QString entry_caption(const QString& text);

public slots:
    // Writes the character page of the typed text (as typed, not trimmed) to data/temp.html
    // and opens one more detail window, owned by this window, showing it. Returns the window.
    PageDetailWindow* look_up_character();

private:
    QLabel* prompt_ = nullptr;
    QLineEdit* character_ = nullptr;
    QPushButton* look_up_ = nullptr;
};

// The 新华字典 command: the dictionary as a modal dialog owned by `owner`; returns when the
// user closes it (the detail windows it opened close with it).
void open_dictionary(QWidget* owner);

}  // namespace langyue
