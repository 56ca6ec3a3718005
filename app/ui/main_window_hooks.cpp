// The main window's entry points whose behaviour belongs to other parts of the program.
// Each is called from its place (creation step, menu item, toolbar, list double-click); the
// part that owns the behaviour fills in the body here, or calls its own code from here.
#include <QTabWidget>
#include <QTableView>

#include "analysis/ui/open_name_detail.h"
#include "app/ui/main_window.h"
#include "app/ui/skins.h"
#include "calendar/ui/birth_chart_page.h"
#include "generation/ui/character_mode_pages.h"
#include "generation/ui/english_page.h"
#include "generation/ui/generation_controller.h"
#include "reference/ui/article_reader_window.h"
#include "reference/ui/dictionary_window.h"

namespace langyue {

// Skins: creation step 2 applies the start skin (entry 15) and sets the next skin number to 1.
void MainWindow::apply_start_skin() { langyue::apply_start_skin(); }

// Skins: "更换皮肤" applies the next skin of the list while there is one.
void MainWindow::next_skin() { langyue::next_skin(); }

// Eight-character chart: creation step 5 charts the mode page's start date; from then on
// 按钮_八字查询 answers (the page object connects it when it is made).
void MainWindow::show_birth_chart() {
    BirthChartPage::attach(pages_->widget(kChartPage), this)->show_birth_chart();
}

// Eight-character chart: toolbar index 2 sets the naming-date label, refills the page's date
// lists and shows the page.
void MainWindow::prepare_eight_character_page() {
    BirthChartPage::attach(pages_->widget(kChartPage), this)->prepare_eight_character_page();
}

// High-score mode: creation step 9 turns the generation-character setting off.
void MainWindow::clear_generation_character() {
    generation_controller(this).clear_generation_character();
}

// Generation run control: stops the generation worker wherever it stands (save_settings).
void MainWindow::cancel_generation() { generation_controller(this).cancel_generation(); }

// Character dictionary: toolbar index 8 opens LumettoWord as a modal dialog.
void MainWindow::open_dictionary_window() { open_dictionary(this); }

// Article reader: a knowledge menu item opens LumettoRead on a category of LM_<table>.
void MainWindow::open_article_list(const QString& table, const QString& category) {
    langyue::open_article_list(this, table, category);
}

// Name detail: a double-click on a result list, the scoring list or the naming records. A
// name opened from a result list becomes a naming record.
void MainWindow::open_name_detail(QTableView* source) {
    langyue::open_name_detail(source, [this](const QString& surname, const QString& given,
                                             const QStringList& columns) {
        add_naming_record(surname, given, columns);
    });
}

// English names: a double-click on the English list plays the name.
void MainWindow::play_english_name() { character_mode_pages(this).english().play_english_name(); }

}  // namespace langyue
