// The name detail window: a tab for the name report, one tab for each character of the name
// (the first four) and one for the surname page. Each tab shows a page file of the data
// folder; a character or surname tab (re)loads its page whenever it is chosen.
#pragma once

#include <QString>
#include <array>

#include "analysis/ui/detail_window_frame.h"

class QTabWidget;

namespace langyue {

class HtmlView;

class NameDetailWindow : public DetailWindowFrame {
    Q_OBJECT

public:
    static constexpr int kTabCount = 6;
    static constexpr int kSurnameTab = 5;
    static constexpr int kCharacterTabs = 4;

    // Created with the report of data/temp.html on tab 0 and tabs 1 to 5 hidden.
    explicit NameDetailWindow(QWidget* parent = nullptr);

    QTabWidget* tabs() const { return tabs_; }
    // The view of tab `tab` (0 to 5), named 网页浏览框<tab + 1>.
    HtmlView* view(int tab) const;

    // Shows character tab `position` (1 to 4) with the character as its caption.
    void show_character_tab(int position, const QString& character);
    // Shows tab 5 with the caption "姓氏起源".
    void show_surname_tab();
    // Back to the state of a new window: tab 0 on show with the report reloaded, tabs 1 to 5
    // hidden. Used when the open window is given another name.
    void start_over();

protected:
    void print_current() override;
    void place_content(int width, int height) override;

private:
    void tab_changed(int tab);

    QTabWidget* tabs_ = nullptr;
    std::array<HtmlView*, kTabCount> views_{};
};

// The page file a tab shows: temp.html for tab 0, temp1.html to temp4.html for the character
// tabs, temp5.html for the surname tab.
QString detail_page_file(int tab);

}  // namespace langyue
