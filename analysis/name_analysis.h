// The analysis of one name: the full score with its report, and the fast candidate rating.
//
// Each caller owns its NameAnalysis: the window's scoring and a generation run's rating never
// share a record, so a name opened while a run is rating gets its own consistent analysis.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "analysis/character_facts.h"
#include "analysis/grids.h"
#include "analysis/readings.h"

namespace langyue {

// Slots of a name, in this order.
enum Slot { kSurname1 = 0, kSurname2, kGiven1, kGiven2 };

struct SlotFacts {
    int simplified_strokes = 0;
    int traditional_strokes = 0;
    std::string element;
    std::string pinyin;
    std::string traditional_form;
};

struct NameAnalysis {
    std::vector<std::string> surname_characters;
    std::vector<std::string> given_characters;
    std::array<SlotFacts, 4> slot_facts;
    FiveGrids grids;
    int simplified_total = 0;
    std::string element_string;          // the slot elements joined, S1 S2 G1 G2
    std::array<std::string, 5> grid_elements;  // heaven, person, earth, total, outer
    std::string pattern;                 // three-talent pattern
    std::array<NumberReading, 5> readings;     // heaven, person, earth, total, outer
    ThreeTalentReading talent_reading;
    std::vector<std::string> verdicts;   // heaven, person, earth, total, outer, three talents
    std::array<float, 6> factors{};
    float score = 0;
    std::string advice;

    // The score truncated toward zero, as lists and pages show it.
    int shown_score() const { return static_cast<int>(score); }
};

// Analyses a name completely (both texts hold at least one character), fills `analysis` from
// a cleared start, writes the name report to data/temp.html beside the program, and returns
// the score truncated toward zero. The surname 于 alone counts its simplified strokes.
int score_name(const std::string& surname, const std::string& given, NameAnalysis& analysis);

// The same analysis without writing the report (used by score_name and by callers that only
// want the values).
int analyse_name(const std::string& surname, const std::string& given, NameAnalysis& analysis);

// Rates a candidate given name after a surname from the run's cache and verdict memo only:
// no character query, no texts read, no report. Writes the record values a result row shows
// (slot counts and elements, grids, simplified total, element string, pattern) and returns
// the score truncated toward zero. The surname 于 keeps its cached traditional count.
int rate_candidate(const std::string& surname, const std::string& candidate,
                   const CharacterCache& cache, const VerdictMemo& verdicts,
                   NameAnalysis& record);

}  // namespace langyue

namespace langyue {

// The rating of many candidates after one surname: the surname's half is looked up once, and
// each candidate costs two cache lookups and six array reads. rate_candidate is built on it.
class CandidateRater {
public:
    CandidateRater(const std::string& surname, const CharacterCache& cache,
                   const VerdictMemo& verdicts);

    // The score in hundredths of a point of a candidate whose characters are given as cache
    // entries (null for a character the cache lacks); `given_characters` is how many
    // characters the candidate split into (only the first two are passed).
    int rate_hundredths(const CharacterCacheEntry* g1, const CharacterCacheEntry* g2,
                        int given_characters) const;
    // The same for a candidate text.
    int rate_hundredths(const std::string& candidate) const;
    // Writes the record values of a candidate (see rate_candidate).
    void fill_record(const std::string& candidate, NameAnalysis& record) const;

    const CharacterCache& cache() const { return cache_; }

private:
    FiveGrids grids_for(const CharacterCacheEntry* g1, const CharacterCacheEntry* g2,
                        int given_characters) const;

    const CharacterCache& cache_;
    const VerdictMemo& verdicts_;
    int surname_characters_ = 0;
    std::array<const CharacterCacheEntry*, 2> surname_{nullptr, nullptr};
};

}  // namespace langyue
