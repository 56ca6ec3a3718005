#include "analysis/name_analysis.h"

#include "analysis/report_pages.h"
#include "analysis/verdict.h"
#include "app/program_paths.h"
#include "text/gbk.h"
#include "text/split_characters.h"

namespace langyue {
namespace {

// Fills a slot from the character table, with the acceptance rule of look_up_character.
void fill_slot(const std::string& character, SlotFacts& slot) {
    const CharacterFacts facts = look_up_character(character);
    slot.simplified_strokes = facts.simplified_strokes;
    slot.traditional_strokes = facts.traditional_strokes;
    slot.element = facts.element;
    slot.pinyin = facts.pinyin;
    slot.traditional_form = facts.traditional_form;
}

int strokes(const CharacterCacheEntry* entry) { return entry ? entry->traditional_strokes : 0; }

}  // namespace

int analyse_name(const std::string& surname, const std::string& given, NameAnalysis& analysis) {
    analysis = NameAnalysis{};
    analysis.surname_characters = split_characters(surname);
    analysis.given_characters = split_characters(given);
    const auto& sur = analysis.surname_characters;
    const auto& giv = analysis.given_characters;
    auto& slot_facts = analysis.slot_facts;

    if (!sur.empty()) fill_slot(sur[0], slot_facts[kSurname1]);
    if (sur.size() >= 2) fill_slot(sur[1], slot_facts[kSurname2]);
    // The surname 于 alone is counted by its simplified strokes in every grid (a usable row
    // only: an unusable one has 0 in both counts anyway).
    static const std::string yu = gbk("于");
    if (sur.size() == 1 && sur[0] == yu && slot_facts[kSurname1].simplified_strokes != 0) {
        slot_facts[kSurname1].traditional_strokes = slot_facts[kSurname1].simplified_strokes;
    }
    if (!giv.empty()) fill_slot(giv[0], slot_facts[kGiven1]);
    if (giv.size() >= 2) fill_slot(giv[1], slot_facts[kGiven2]);

    const int surname_count = static_cast<int>(sur.size());
    const int given_count = static_cast<int>(giv.size());
    analysis.grids = compute_grids(slot_facts[0].traditional_strokes, slot_facts[1].traditional_strokes,
                                   slot_facts[2].traditional_strokes, slot_facts[3].traditional_strokes,
                                   surname_count, given_count);
    for (const SlotFacts& slot : slot_facts) {
        analysis.simplified_total += slot.simplified_strokes;
        analysis.element_string += slot.element;
    }

    const FiveGrids& g = analysis.grids;
    const int numbers[5] = {g.heaven, g.person, g.earth, g.total, g.outer};
    for (int i = 0; i < 5; ++i) {
        analysis.readings[static_cast<size_t>(i)] = read_number(numbers[i]);
        analysis.verdicts.push_back(analysis.readings[static_cast<size_t>(i)].verdict);
        analysis.grid_elements[static_cast<size_t>(i)] = number_element(numbers[i] % 10);
    }
    analysis.pattern = three_talent_pattern(g.heaven, g.person, g.earth);
    analysis.talent_reading = read_three_talent(analysis.pattern);
    analysis.verdicts.push_back(analysis.talent_reading.verdict);

    int hundredths = 0;
    for (size_t i = 0; i < 6; ++i) {
        const int factor = verdict_factor_hundredths(analysis.verdicts[i]);
        analysis.factors[i] = static_cast<float>(factor) / 100.0f;
        hundredths += kGridWeights[i] * factor;
    }
    // Every sum of these products is a multiple of 0.25 below 2^24, so the float is exact.
    analysis.score = static_cast<float>(hundredths) / 100.0f;
    analysis.advice = score_advice(hundredths);
    return hundredths / 100;
}

int score_name(const std::string& surname, const std::string& given, NameAnalysis& analysis) {
    const int score = analyse_name(surname, given, analysis);
    write_gbk_file(data_file("temp.html"), fill_name_report(analysis));
    return score;
}

CandidateRater::CandidateRater(const std::string& surname, const CharacterCache& cache,
                               const VerdictMemo& verdicts)
    : cache_(cache), verdicts_(verdicts) {
    const std::vector<std::string> characters = split_characters(surname);
    surname_characters_ = static_cast<int>(characters.size());
    for (size_t i = 0; i < 2 && i < characters.size(); ++i) surname_[i] = cache.find(characters[i]);
}

FiveGrids CandidateRater::grids_for(const CharacterCacheEntry* g1, const CharacterCacheEntry* g2,
                                    int given_characters) const {
    return compute_grids(strokes(surname_[0]), surname_characters_ == 1 ? 0 : strokes(surname_[1]),
                         strokes(g1), given_characters == 1 ? 0 : strokes(g2), surname_characters_,
                         given_characters);
}

int CandidateRater::rate_hundredths(const CharacterCacheEntry* g1, const CharacterCacheEntry* g2,
                                    int given_characters) const {
    const FiveGrids g = grids_for(g1, g2, given_characters);
    return kGridWeights[0] * verdicts_.number_factor(g.heaven) +
           kGridWeights[1] * verdicts_.number_factor(g.person) +
           kGridWeights[2] * verdicts_.number_factor(g.earth) +
           kGridWeights[3] * verdicts_.number_factor(g.total) +
           kGridWeights[4] * verdicts_.number_factor(g.outer) +
           kGridWeights[5] * verdicts_.pattern_factor(number_element_of(g.heaven % 10),
                                                      number_element_of(g.person % 10),
                                                      number_element_of(g.earth % 10));
}

int CandidateRater::rate_hundredths(const std::string& candidate) const {
    const std::vector<std::string> characters = split_characters(candidate);
    const CharacterCacheEntry* g1 = characters.size() >= 1 ? cache_.find(characters[0]) : nullptr;
    const CharacterCacheEntry* g2 = characters.size() >= 2 ? cache_.find(characters[1]) : nullptr;
    return rate_hundredths(g1, g2, static_cast<int>(characters.size()));
}

void CandidateRater::fill_record(const std::string& candidate, NameAnalysis& record) const {
    const std::vector<std::string> characters = split_characters(candidate);
    const int given_count = static_cast<int>(characters.size());
    std::array<const CharacterCacheEntry*, 4> entries = {
        surname_[0], surname_characters_ == 1 ? nullptr : surname_[1],
        given_count >= 1 ? cache_.find(characters[0]) : nullptr,
        given_count >= 2 ? cache_.find(characters[1]) : nullptr};
    record.simplified_total = 0;
    record.element_string.clear();
    for (size_t i = 0; i < 4; ++i) {
        SlotFacts& slot = record.slot_facts[i];
        slot.simplified_strokes = entries[i] ? entries[i]->simplified_strokes : 0;
        slot.traditional_strokes = entries[i] ? entries[i]->traditional_strokes : 0;
        slot.element = entries[i] ? entries[i]->element : std::string();
        record.simplified_total += slot.simplified_strokes;
        record.element_string += slot.element;
    }
    record.grids = grids_for(entries[2], entries[3], given_count);
    record.pattern =
        three_talent_pattern(record.grids.heaven, record.grids.person, record.grids.earth);
}

int rate_candidate(const std::string& surname, const std::string& candidate,
                   const CharacterCache& cache, const VerdictMemo& verdicts,
                   NameAnalysis& record) {
    const CandidateRater rater(surname, cache, verdicts);
    rater.fill_record(candidate, record);
    return rater.rate_hundredths(candidate) / 100;
}

}  // namespace langyue
