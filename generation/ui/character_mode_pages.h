// The main window's hooks into the poetry, combination, nickname and English pages: their
// behaviour bound once to the window's controls, the inputs a run of these modes reads, and
// the two changes such a run makes besides its result list.
#pragma once

#include <QObject>

#include "generation/english_names.h"
#include "generation/generation_inputs.h"

class QWidget;

namespace langyue {

class EnglishNamesPage;
class PoetrySelectionPage;

class CharacterModePages : public QObject {
    Q_OBJECT

public:
    // Binds the pages under `window` (normally the main window, which becomes the parent).
    explicit CharacterModePages(QWidget* window);

    PoetrySelectionPage& poetry() { return *poetry_; }
    EnglishNamesPage& english() { return *english_; }

    // Poetry: the ticked grid characters; combination: 编辑框_组合的字; nickname: the checked
    // pattern; English: the page's given name, gender and lengths. The rest of `inputs` is
    // left alone.
    void read_inputs(GenerationInputs& inputs) const;

    // GenerationSink::poem_names_tab_shown and english_row_added, on the window's thread.
    void show_poem_names_tab();
    void add_english_row(const EnglishNameRow& row);

signals:
    // A page's generate button was pressed and its list emptied (the English inputs checked):
    // the window starts a run of `mode` (a GenerationMode).
    void run_requested(int mode);

private:
    QWidget* window_;
    PoetrySelectionPage* poetry_ = nullptr;
    EnglishNamesPage* english_ = nullptr;
};

// The pages' behaviour on `window`, made on the first call and found afterwards; the first call
// also hands the pages to the window's generation controller (its mode-page hooks, and the
// runs the pages ask for).
CharacterModePages& character_mode_pages(QWidget* window);

}  // namespace langyue
