// The main window LumettoMain: toolbar, menus, status bar and the eleven working pages.
//
// The class is spread over a few files, one concept each:
//   main_window.cpp          construction and the creation handler main_window_created
//   command_dispatch.cpp     toolbar, menus, the scoring page's preparation, help and about
//   main_window_settings.cpp restore_settings / save_settings and the naming records
//   main_window_hooks.cpp    the entry points other parts of the program fill in
// The pages themselves are built in their own files (main_pages.h).
#pragma once

#include <QMainWindow>
#include <QStringList>
#include <functional>

class QAction;
class QLabel;
class QMenu;
class QTabWidget;
class QTableView;
class QToolBar;

namespace langyue {

class ResultListModel;
class SingleInstance;

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    // Page indexes of 高级选择夹1.
    enum Page {
        kModePage = 0,
        kHighScorePage = 1,
        kPoetryPage = 2,
        kCombinationPage = 3,
        kNicknamePage = 4,
        kEnglishPage = 5,
        kChartPage = 6,
        kScoringPage = 7,
        kRecordsPage = 8,
        kSuperLuckyPage = 9,
        kClassicPage = 10,
    };

    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The creation handler, its ten steps in order: single-instance test, start skin, show,
    // date lists, chart, last generated surname, status hint, settings, generation character,
    // and the database load on a thread nobody waits for. False when another instance runs;
    // the caller then ends silently.
    bool main_window_created(SingleInstance& instance);

    // The names of the creation steps that have run, in order.
    const QStringList& startup_steps() const { return startup_steps_; }

    // Where the settings file is; by default config.dat in the user's configuration folder.
    void set_settings_file(const QString& path) { settings_file_ = path; }
    const QString& settings_file() const { return settings_file_; }

    // What step 10 runs on its worker thread (the database load unless replaced, for tests).
    void set_database_loader(std::function<void()> loader) { database_loader_ = std::move(loader); }

    // Controls by their control names.
    template <typename Widget>
    Widget* control(const QString& name) const {
        return findChild<Widget*>(name);
    }
    QTabWidget* pages() const { return pages_; }
    QTableView* list_view(const QString& name) const;
    ResultListModel* list_model(const QString& name) const;

    // The toolbar's items by index (0 to 8; odd indexes are separators) and the menu items
    // by caption.
    QAction* toolbar_item(int index) const;
    QAction* menu_item(const QString& caption) const;
    QMenu* records_menu() const { return records_menu_; }

    // Status bar part 0: an image of the status image list and a text.
    void set_status_hint(int image, const QString& text);
    QString status_text() const;
    int status_image() const { return status_image_index_; }

    // The surname of the last high-score or super-lucky start (not saved).
    QString last_generated_surname;

public slots:
    // Command dispatch.
    void dispatch_toolbar_command(int index);
    void prepare_scoring_page();
    void open_user_manual();
    void open_about_window();

    // Settings and naming records.
    void restore_settings();
    void save_settings();
    bool write_settings();
    void add_naming_record(const QString& surname, const QString& given_name,
                           const QStringList& columns);
    void open_naming_record();
    void delete_naming_record();

    // Entry points other parts fill in (main_window_hooks.cpp).
    void apply_start_skin();
    void next_skin();
    void show_birth_chart();
    void prepare_eight_character_page();
    void clear_generation_character();
    void cancel_generation();
    void open_dictionary_window();
    void open_article_list(const QString& table, const QString& category);
    void open_name_detail(QTableView* source);
    void play_english_name();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void build_toolbar();
    void build_menus();
    void build_central_area();
    void build_status_bar();
    void connect_lists();
    void show_records_menu(const QPoint& position);

    // The creation steps that are the window's own.
    void fill_start_date_lists();
    void show_start_status_hint();
    void start_database_load();
    void record_step(const char* name) { startup_steps_.append(QString::fromUtf8(name)); }

    QTabWidget* pages_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    QLabel* status_picture_ = nullptr;
    QLabel* status_label_ = nullptr;
    QMenu* records_menu_ = nullptr;
    int status_image_index_ = -1;
    bool settings_saved_ = false;
    QString settings_file_;
    QStringList startup_steps_;
    std::function<void()> database_loader_;
};

}  // namespace langyue
