#include "generation/generation_run.h"

#include "analysis/character_facts.h"
#include "analysis/readings.h"
#include "generation/candidates.h"
#include "generation/classic.h"
#include "generation/english_names.h"
#include "generation/fill_result_list.h"
#include "generation/high_score.h"
#include "generation/poetry_modes.h"
#include "generation/pools.h"
#include "generation/shuffle.h"
#include "generation/super_lucky.h"
#include "text/gbk.h"
#include "text/split_characters.h"

namespace langyue {
namespace {

// Passes calls on only while the run is not cancelled, so that a cancelled run makes no
// further change even between two yield points.
class GuardedSink : public GenerationSink {
public:
    GuardedSink(GenerationSink& sink, const RunControl& control) : sink_(sink), control_(control) {}

    void waiting_window_shown() override { if (live()) sink_.waiting_window_shown(); }
    void waiting_window_closed() override { if (live()) sink_.waiting_window_closed(); }
    void control_enabled(RunControlId control, bool enabled) override {
        if (live()) sink_.control_enabled(control, enabled);
    }
    void page_shown(int page) override { if (live()) sink_.page_shown(page); }
    void rows_inserted(ResultList list, int count) override {
        if (live()) sink_.rows_inserted(list, count);
    }
    void row_filled(ResultList list, int row, const ResultRow& texts) override {
        if (live()) sink_.row_filled(list, row, texts);
    }
    void rows_trimmed(ResultList list, int remaining) override {
        if (live()) sink_.rows_trimmed(list, remaining);
    }
    void rows_sorted(ResultList list) override { if (live()) sink_.rows_sorted(list); }
    void rows_renumbered(ResultList list) override { if (live()) sink_.rows_renumbered(list); }
    void classic_text(const std::string& text) override { if (live()) sink_.classic_text(text); }
    void poem_names_tab_shown() override { if (live()) sink_.poem_names_tab_shown(); }
    void english_row_added(const EnglishNameRow& row) override {
        if (live()) sink_.english_row_added(row);
    }
    MessageAnswer message(const Message& message) override {
        return live() ? sink_.message(message) : MessageAnswer::kCancel;
    }
    void flush() override { if (live()) sink_.flush(); }

private:
    bool live() const { return !control_.cancelled(); }
    GenerationSink& sink_;
    const RunControl& control_;
};

// The state of one run that its steps share.
struct Run {
    const GenerationInputs& inputs;
    GenerationSink& sink;
    YieldPoint& yield;
    bool waiting_open = true;

    void close_waiting() {
        if (!waiting_open) return;
        waiting_open = false;
        sink.waiting_window_closed();
    }
    void enable(RunControlId control, bool enabled = true) { sink.control_enabled(control, enabled); }
    void show(const std::string& text, MessageIcon icon) {
        sink.message({text, gbk("提示"), icon, MessageButtons::kOk});
        yield();
    }
};

// Step 6: one entry per pool character in pool order, then the surname's characters, then
// the fixed generation character when there is one; a yield after each character.
void fill_cache(Run& run, CharacterCache& cache, const std::vector<std::string>& pool,
                const std::string* fixed_character) {
    for (const std::string& character : pool) {
        cache.add_characters({character});
        run.yield();
    }
    for (const std::string& character : split_characters(run.inputs.surname)) {
        cache.add_characters({character});
        run.yield();
    }
    if (fixed_character != nullptr) {
        cache.add_characters({*fixed_character});
        run.yield();
    }
}

void run_high_score(Run& run) {
    const GenerationInputs& in = run.inputs;
    run.enable(RunControlId::kHighPause, false);
    run.enable(RunControlId::kHighRegenerate, false);
    run.enable(RunControlId::kHighExport, false);
    run.sink.page_shown(kPageHighScore);

    const std::vector<std::string> pool = high_score_pool(in.sex, in.given_length, in.seed);

    using State = GenerationCharacterSetting::State;
    const GenerationCharacterSetting& setting = in.generation_character;
    const std::string* fixed = nullptr;
    if (in.given_length == 2 && setting.state == State::kSecondFixed) fixed = &setting.second_character;
    if (in.given_length == 2 && setting.state == State::kThirdFixed) fixed = &setting.third_character;
    if (in.given_length != 2) run.show(one_character_message(), MessageIcon::kInformation);
    CharacterCache cache;
    fill_cache(run, cache, pool, fixed);

    const CandidateList candidates =
        build_pair_candidates(pool, usable_characters(cache, pool.size()), in.given_length,
                              setting, [&run] { run.yield(); });

    VerdictMemo verdicts;
    verdicts.load();
    ListingPlan plan;
    plan.list = ResultList::kHighScore;
    plan.capacity = kHighScoreCapacity;
    plan.threshold = high_score_threshold(in.given_length, setting);
    if (in.given_length == 2 && setting.is_set()) {
        run.show(generation_character_message(), MessageIcon::kWarning);
    }
    plan.on_first_listed = [&run] {
        run.close_waiting();
        run.enable(RunControlId::kHighPause);
    };
    plan.on_complete = [&run] { run.enable(RunControlId::kHighRegenerate); };
    fill_result_list(plan, in.surname, candidates, cache, verdicts, run.sink, run.yield);
}

void run_super_lucky(Run& run) {
    const GenerationInputs& in = run.inputs;
    run.enable(RunControlId::kSuperGenerate, false);
    run.enable(RunControlId::kSuperPause, false);
    run.enable(RunControlId::kSuperExport, false);

    std::vector<std::string> pool = character_pool_for_sex(in.sex);
    shuffle_entries(pool, in.seed);
    CharacterCache cache;
    fill_cache(run, cache, pool, nullptr);

    const CandidateList candidates =
        build_super_lucky_candidates(pool, cache, usable_characters(cache, pool.size()),
                                     in.element_boxes, [&run] { run.yield(); });

    VerdictMemo verdicts;
    verdicts.load();
    ListingPlan plan;
    plan.list = ResultList::kSuperLucky;
    plan.capacity = kSuperLuckyCapacity;
    plan.threshold = super_lucky_threshold(in.surname, cache);
    plan.on_first_listed = [&run] {
        run.close_waiting();
        run.enable(RunControlId::kSuperPause);
    };
    plan.on_complete = [&run] {
        run.enable(RunControlId::kSuperGenerate);
        run.enable(RunControlId::kSuperExport);
    };
    fill_result_list(plan, in.surname, candidates, cache, verdicts, run.sink, run.yield);
}

void run_classic(Run& run) {
    const GenerationInputs& in = run.inputs;
    run.sink.page_shown(kPageClassic);
    run.sink.classic_text({});
    std::vector<std::string> entries = classic_entries(in.sex, in.given_length);
    shuffle_entries(entries, in.seed);
    run.sink.classic_text(classic_text(in.surname, entries, in.given_length, [&run] { run.yield(); }));
}

// English mode: the list is filled here and no pool is built; the waiting window closes
// after it.
void run_english(Run& run) {
    list_english_names(run.inputs.english, [&run](const EnglishNameRow& row) {
        run.sink.english_row_added(row);
        run.yield();
    });
    run.close_waiting();
}

}  // namespace

const std::string& missing_surname_message() {
    static const std::string text = gbk("请输入姓氏");
    return text;
}

void generation_run(const GenerationInputs& inputs, GenerationSink& target, RunControl& control) {
    GuardedSink sink(target, control);
    YieldPoint yield(control, sink);
    Run run{inputs, sink, yield};
    try {
        sink.waiting_window_shown();
        run.enable(RunControlId::kModeToolButton, false);
        run.enable(RunControlId::kModeMenuItem, false);
        if (inputs.surname.empty()) {
            run.show(missing_surname_message(), MessageIcon::kNone);
        } else {
            switch (inputs.mode) {
                case GenerationMode::kHighScore: run_high_score(run); break;
                case GenerationMode::kClassic: run_classic(run); break;
                case GenerationMode::kSuperLucky: run_super_lucky(run); break;
                case GenerationMode::kPoetry:
                case GenerationMode::kCombination:
                case GenerationMode::kNickname:
                    run_character_mode(inputs, sink, yield, [&run] { run.close_waiting(); });
                    break;
                case GenerationMode::kEnglish: run_english(run); break;
            }
        }
    } catch (const RunCancelled&) {
        return;
    }
    run.enable(RunControlId::kModeToolButton);
    run.enable(RunControlId::kModeMenuItem);
    run.enable(RunControlId::kNicknameGenerate);
    run.enable(RunControlId::kHighExport);
    run.close_waiting();
}

}  // namespace langyue
