#include "generation/poetry_modes.h"

#include "analysis/character_facts.h"
#include "analysis/readings.h"
#include "generation/fill_result_list.h"
#include "generation/gb2312_filter.h"
#include "generation/generation_sink.h"
#include "generation/high_score.h"
#include "generation/pools.h"
#include "generation/run_control.h"
#include "text/gbk.h"
#include "text/split_characters.h"

namespace langyue {
namespace {

void append_surname(std::string& text, const std::string& surname) {
    if (!text_contains(text, surname)) text += surname;
}

}  // namespace

std::vector<std::string> poetry_pool(const std::vector<std::string>& ticked_captions,
                                     const std::string& surname) {
    std::string text;
    for (const std::string& caption : ticked_captions) {
        if (!text_contains(text, caption)) text += caption;
    }
    append_surname(text, surname);
    return split_characters(text);
}

std::vector<std::string> combination_pool(const std::string& typed_text,
                                          const std::string& surname) {
    std::string text = typed_text;
    append_surname(text, surname);
    return split_characters(gb2312_hanzi_filter(text));
}

std::vector<std::string> nickname_pool(const std::string& surname) {
    std::string text = pool_text(Pool::kBoysCharacters) + pool_text(Pool::kGirlsCharacters);
    append_surname(text, surname);
    return split_characters(text);
}

CandidateList build_nickname_candidates(const std::vector<std::string>& pool,
                                        const std::vector<char>& usable, NicknameStyle style) {
    CandidateList list;
    list.pieces = pool;
    std::int32_t extra = -1;
    switch (style) {
        case NicknameStyle::kDoubled: break;
        case NicknameStyle::kXiaoBefore: extra = list.add_piece(gbk("小")); break;
        case NicknameStyle::kErAfter: extra = list.add_piece(gbk("儿")); break;
        case NicknameStyle::kABefore: extra = list.add_piece(gbk("阿")); break;
    }
    list.items.reserve(pool.size());
    for (size_t i = 0; i < pool.size(); ++i) {
        if (!usable[i]) continue;
        const auto c = static_cast<std::int32_t>(i);
        switch (style) {
            case NicknameStyle::kDoubled: list.add(c, c); break;
            case NicknameStyle::kErAfter: list.add(c, extra); break;
            case NicknameStyle::kXiaoBefore:
            case NicknameStyle::kABefore: list.add(extra, c); break;
        }
    }
    return list;
}

void run_character_mode(const GenerationInputs& in, GenerationSink& sink, YieldPoint& yield,
                        const std::function<void()>& close_waiting) {
    // Step 5: the preparation of the mode.
    std::vector<std::string> pool;
    ResultList list = ResultList::kNickname;
    const bool nickname = in.mode == GenerationMode::kNickname;
    if (in.mode == GenerationMode::kPoetry) {
        sink.poem_names_tab_shown();
        pool = poetry_pool(in.poem_characters, in.surname);
        list = ResultList::kPoetry;
    } else if (in.mode == GenerationMode::kCombination) {
        pool = combination_pool(in.combination_text, in.surname);
        list = ResultList::kCombination;
    } else {
        pool = nickname_pool(in.surname);
    }

    // Step 6: one cache entry per pool element; in poetry and combination mode the fixed
    // generation character follows with two-character names.
    using State = GenerationCharacterSetting::State;
    const GenerationCharacterSetting& setting = in.generation_character;
    const std::string* fixed = nullptr;
    if (!nickname && in.given_length == 2) {
        if (setting.state == State::kSecondFixed) fixed = &setting.second_character;
        if (setting.state == State::kThirdFixed) fixed = &setting.third_character;
    }
    if (!nickname && in.given_length != 2) {
        sink.message({one_character_message(), gbk("提示"), MessageIcon::kInformation,
                      MessageButtons::kOk});
        yield();
    }
    CharacterCache cache;
    for (const std::string& character : pool) {
        cache.add_characters({character});
        yield();
    }
    if (fixed != nullptr) {
        cache.add_characters({*fixed});
        yield();
    }

    // Step 7: the candidates, from usable characters only, in pool order.
    const std::vector<char> usable = usable_characters(cache, pool.size());
    CandidateList candidates;
    if (nickname) {
        candidates = build_nickname_candidates(pool, usable, in.nickname_style);
        if (!candidates.empty()) sink.control_enabled(RunControlId::kNicknameGenerate, false);
    } else {
        candidates = build_pair_candidates(pool, usable, in.given_length, setting,
                                           [&yield] { yield(); });
    }

    // Step 8: the user watches the list fill.
    close_waiting();

    // Step 9: every candidate without the surname is listed, best first.
    VerdictMemo verdicts;
    verdicts.load();
    ListingPlan plan;
    plan.list = list;
    plan.threshold = 0;
    plan.capacity = static_cast<int>(candidates.size());
    fill_result_list(plan, in.surname, candidates, cache, verdicts, sink, yield);
}

}  // namespace langyue
