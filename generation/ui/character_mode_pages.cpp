#include "generation/ui/character_mode_pages.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableView>

#include "app/ui/media_player_control.h"
#include "app/ui/qt_text.h"
#include "generation/ui/english_page.h"
#include "generation/ui/english_pronunciation.h"
#include "generation/ui/generation_controller.h"
#include "generation/ui/poetry_page.h"
#include "generation/ui/result_list_model.h"

namespace langyue {
namespace {

const char* const kObjectName = "CharacterModePages";

}  // namespace

CharacterModePages::CharacterModePages(QWidget* window)
    : QObject(window),
      window_(window),
      poetry_(new PoetrySelectionPage(window, this)),
      english_(new EnglishNamesPage(window, this)) {
    setObjectName(QString::fromLatin1(kObjectName));
    connect(poetry_, &PoetrySelectionPage::generate_requested, this,
            [this] { emit run_requested(static_cast<int>(GenerationMode::kPoetry)); });
    connect(english_, &EnglishNamesPage::generate_requested, this,
            [this] { emit run_requested(static_cast<int>(GenerationMode::kEnglish)); });

    // The pronunciations play on the window's player 媒体播放1.
    if (auto* player = window->findChild<MediaPlayerControl*>(QStringLiteral("媒体播放1"))) {
        english_->pronunciation().set_player([player](const QUrl& sound) { player->play(sound); });
    }

    // 按钮_组合起名 and 按钮_起小名 empty their list and ask for a run.
    const struct {
        const char* button;
        const char* list;
        GenerationMode mode;
    } buttons[] = {{"按钮_组合起名", "超级列表框_组合列表", GenerationMode::kCombination},
                   {"按钮_起小名", "超级列表框_小名列表", GenerationMode::kNickname}};
    for (const auto& b : buttons) {
        auto* button = window->findChild<QAbstractButton*>(QString::fromUtf8(b.button));
        if (button == nullptr) continue;
        QTableView* list = window->findChild<QTableView*>(QString::fromUtf8(b.list));
        const GenerationMode mode = b.mode;
        connect(button, &QAbstractButton::clicked, this, [this, list, mode] {
            if (ResultListModel* model = page_list_model(list)) model->clear();
            emit run_requested(static_cast<int>(mode));
        });
    }
}

void CharacterModePages::read_inputs(GenerationInputs& inputs) const {
    inputs.poem_characters = poetry_->ticked_characters();
    if (auto* text = window_->findChild<QLineEdit*>(QStringLiteral("编辑框_组合的字"))) {
        inputs.combination_text = to_gbk(text->text());
    }
    const struct {
        const char* name;
        NicknameStyle style;
    } styles[] = {{"单选框_AA型", NicknameStyle::kDoubled},
                  {"单选框_小A型", NicknameStyle::kXiaoBefore},
                  {"单选框_A儿型", NicknameStyle::kErAfter},
                  {"单选框_阿A型", NicknameStyle::kABefore}};
    for (const auto& s : styles) {
        auto* radio = window_->findChild<QRadioButton*>(QString::fromUtf8(s.name));
        if (radio != nullptr && radio->isChecked()) inputs.nickname_style = s.style;
    }
    inputs.english = english_->inputs();
}

void CharacterModePages::show_poem_names_tab() { poetry_->show_names_tab(); }

void CharacterModePages::add_english_row(const EnglishNameRow& row) { english_->add_row(row); }

CharacterModePages& character_mode_pages(QWidget* window) {
    if (auto* pages = window->findChild<CharacterModePages*>(QString::fromLatin1(kObjectName),
                                                             Qt::FindDirectChildrenOnly)) {
        return *pages;
    }
    auto* pages = new CharacterModePages(window);
    // The window's generation controller starts the runs the pages ask for, reads their
    // inputs, fills the poet list on "开始起名" in poetry mode, and hands back the two changes
    // these runs make besides their result lists.
    GenerationController& controller = generation_controller(window);
    GenerationController::ModePageHooks hooks;
    hooks.read_inputs = [pages](GenerationInputs& inputs) { pages->read_inputs(inputs); };
    hooks.fill_poet_list = [pages] { pages->poetry().fill_poet_list(); };
    hooks.show_poem_names_tab = [pages] { pages->show_poem_names_tab(); };
    hooks.add_english_row = [pages](const EnglishNameRow& row) { pages->add_english_row(row); };
    controller.set_mode_page_hooks(std::move(hooks));
    QObject::connect(pages, &CharacterModePages::run_requested, &controller,
                     &GenerationController::run_requested);
    return *pages;
}

}  // namespace langyue
