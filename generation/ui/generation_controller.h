// The generation side of the main window: the start button "开始起名" with its eight cases,
// the generate, pause and export buttons of the high-score, super-lucky and classic pages,
// the runs the poetry, combination, nickname and English pages ask for, the super-lucky
// master boxes, the generation-character window behind 标签_设置辈份, and the one generation
// worker. Controls are found by their control names under the window, so the controller works
// on the main window and on any widget holding controls of those names.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

#include "generation/english_names.h"
#include "generation/generation_inputs.h"
#include "generation/generation_sink.h"
#include "generation/generation_worker.h"

class QWidget;
class QAbstractButton;

namespace langyue {

class LumettoWaiting;
class ResultListModel;

class GenerationController : public QObject {
    Q_OBJECT

public:
    explicit GenerationController(QWidget* window);
    ~GenerationController() override;

    // start_generation: a new run of `mode` with the window's inputs as they are now; an
    // active run is cancelled first (the pages' buttons never leave two runs side by side).
    void start_generation(GenerationMode mode);
    // cancel_generation: stops the worker wherever it stands; the run changes nothing more.
    void cancel_generation();
    // Creation step 8: the generation character is off and the label grey.
    void clear_generation_character();

    const GenerationCharacterSetting& generation_character() const { return setting_; }
    GenerationWorker& worker() { return worker_; }
    // The surname of the last high-score or super-lucky start (the main window's own field
    // when the window is the main window).
    QString last_generated_surname() const;
    // How an export file is opened (the system's viewer unless replaced, e.g. in tests).
    void set_file_opener(std::function<void(const QString&)> opener) { opener_ = std::move(opener); }
    // The inputs a run started now would take.
    GenerationInputs read_inputs(GenerationMode mode) const;

    // What the poetry, combination, nickname and English pages add: their inputs, the poet
    // list the start button fills in poetry mode, and the two changes their runs make besides
    // the result lists. Set by whoever binds those pages; unset parts do nothing.
    struct ModePageHooks {
        std::function<void(GenerationInputs&)> read_inputs;
        std::function<void()> fill_poet_list;
        std::function<void()> show_poem_names_tab;
        std::function<void(const EnglishNameRow&)> add_english_row;
    };
    void set_mode_page_hooks(ModePageHooks hooks) { hooks_ = std::move(hooks); }

    // The changes of a run, applied on the window's thread (WindowGenerationSink).
    void show_waiting_window();
    void close_waiting_window();
    void set_enabled(RunControlId control, bool enabled);
    void show_page(int page);
    void insert_rows(ResultList list, int count);
    void fill_row(ResultList list, int row, const QStringList& texts);
    void trim_rows(ResultList list, int remaining);
    void sort_rows(ResultList list);
    void renumber_rows(ResultList list);
    void set_classic_text(const QString& text);
    void show_poem_names_tab();
    void add_english_row(const EnglishNameRow& row);

    LumettoWaiting* waiting_window() const { return waiting_; }
    ResultListModel* list_model(ResultList list) const;

public slots:
    // A page's generate button asks for a run of `mode` (a GenerationMode).
    void run_requested(int mode) { start_generation(static_cast<GenerationMode>(mode)); }
    void press_start_button();
    void toggle_high_score_pause();
    void toggle_super_lucky_pause();
    void export_high_score_list();
    void export_super_lucky_list();
    void export_classic_text();
    void open_generation_character_window();

private:
    template <typename Widget>
    Widget* find(const char* name) const;
    void set_last_generated_surname(const QString& surname);
    void clear_list(const char* name);
    void set_caption(const char* button, const QString& caption);
    void toggle_pause(const char* pause_button, const char* export_button);
    void export_list(ResultList list, const char* file_name);
    void open_export(const std::string& path);
    // The super-lucky boxes: read from and written back to the check boxes.
    ElementBoxes read_element_boxes() const;
    void write_element_boxes(const ElementBoxes& boxes);
    void click_master(int master);
    void update_generation_label();

    QWidget* window_;
    GenerationWorker worker_;
    GenerationCharacterSetting setting_;
    QString own_last_surname_;
    LumettoWaiting* waiting_ = nullptr;
    std::function<void(const QString&)> opener_;
    ModePageHooks hooks_;
    mutable std::array<QPointer<ResultListModel>, 5> models_;  // by ResultList
};

// The controller of `window`, made on the first call and found afterwards.
GenerationController& generation_controller(QWidget* window);

}  // namespace langyue
