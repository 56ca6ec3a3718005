#include "generation/fill_result_list.h"

#include <array>
#include <charconv>

#include "analysis/grids.h"
#include "analysis/name_analysis.h"
#include "analysis/readings.h"
#include "generation/candidates.h"
#include "generation/run_control.h"
#include "text/split_characters.h"

namespace langyue {
namespace {

// What the rating needs of a piece, found once: its first two characters' cache entries, how
// many characters it holds, and whether it holds the surname by itself.
struct PieceFacts {
    const CharacterCacheEntry* first = nullptr;
    const CharacterCacheEntry* second = nullptr;
    int characters = 0;
    bool holds_surname = false;
};

std::vector<PieceFacts> piece_facts(const CandidateList& candidates, const CharacterCache& cache,
                                    const std::string& surname) {
    std::vector<PieceFacts> facts;
    facts.reserve(candidates.pieces.size());
    for (const std::string& piece : candidates.pieces) {
        const std::vector<std::string> characters = split_characters(piece);
        PieceFacts f;
        f.characters = static_cast<int>(characters.size());
        if (f.characters >= 1) f.first = cache.find(characters[0]);
        if (f.characters >= 2) f.second = cache.find(characters[1]);
        f.holds_surname = text_contains(piece, surname);
        facts.push_back(f);
    }
    return facts;
}

// The rating of a candidate depends on nothing but the traditional counts of its first two
// characters and whether it has one character or more (the surname being fixed for the run),
// so each such combination is rated once through the CandidateRater and then looked up.
class ScoreMemo {
public:
    explicit ScoreMemo(const CandidateRater& rater) : rater_(rater) { table_.fill(kUnknown); }

    int rate(const CharacterCacheEntry* g1, const CharacterCacheEntry* g2,
             int given_characters) {
        const int t1 = g1 ? g1->traditional_strokes : 0;
        const int t2 = g2 && given_characters >= 2 ? g2->traditional_strokes : 0;
        if (t1 < 0 || t2 < 0 || t1 >= kLimit || t2 >= kLimit || given_characters < 1) {
            return rater_.rate_hundredths(g1, g2, given_characters);
        }
        int& slot = table_[static_cast<size_t>(((given_characters >= 2) * kLimit + t1) * kLimit + t2)];
        if (slot == kUnknown) slot = rater_.rate_hundredths(g1, g2, given_characters);
        return slot;
    }

private:
    static constexpr int kLimit = 96;
    static constexpr int kUnknown = -1;
    const CandidateRater& rater_;
    std::array<int, 2 * kLimit * kLimit> table_;
};

// How often the loop looks at the run's state while no name is listed.
constexpr size_t kCheckInterval = 4096;

void append_number(std::string& text, int value) {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    text.append(digits, end);
}

std::string number_text(int value) {
    std::string text;
    append_number(text, value);
    return text;
}

// The row of a listed candidate from the cache entries the rating used: the same values
// CandidateRater::fill_record leaves in a record (make_result_row), without cutting the
// candidate's text again. `surname` holds the entries of the slots S1 and S2.
class RowMaker {
public:
    RowMaker(const std::string& surname, const CharacterCache& cache) : surname_(surname) {
        const std::vector<std::string> characters = split_characters(surname);
        surname_characters_ = static_cast<int>(characters.size());
        if (!characters.empty()) s1_ = cache.find(characters[0]);
        if (characters.size() >= 2) s2_ = cache.find(characters[1]);
        if (surname_characters_ == 1) s2_ = nullptr;
    }

    ResultRow make(int number, const std::string& given, const CharacterCacheEntry* g1,
                   const CharacterCacheEntry* g2, int given_characters, int score) const {
        if (given_characters < 2) g2 = nullptr;
        const CharacterCacheEntry* slots[4] = {s1_, s2_, g1, g2};
        int simplified = 0;
        ResultRow row;
        std::string& elements = row.cells[ResultRow::kElements];
        for (const CharacterCacheEntry* slot : slots) {
            if (slot == nullptr) continue;
            simplified += slot->simplified_strokes;
            elements += slot->element;
        }
        const FiveGrids g = compute_grids(strokes(s1_), strokes(s2_), strokes(g1), strokes(g2),
                                          surname_characters_, given_characters);
        row.cells[ResultRow::kNumber] = number_text(number);
        row.cells[ResultRow::kName].reserve(surname_.size() + given.size());
        row.cells[ResultRow::kName] = surname_;
        row.cells[ResultRow::kName] += given;
        row.cells[ResultRow::kSimplifiedTotal] = number_text(simplified);
        row.cells[ResultRow::kTraditionalTotal] = number_text(g.total);
        std::string& grids = row.cells[ResultRow::kGrids];
        for (int value : {g.heaven, g.person, g.earth, g.total, g.outer}) {
            if (!grids.empty()) grids += ',';
            append_number(grids, value);
        }
        row.cells[ResultRow::kPattern] = three_talent_pattern(g.heaven, g.person, g.earth);
        row.cells[ResultRow::kScore] = number_text(score);
        return row;
    }

private:
    static int strokes(const CharacterCacheEntry* entry) {
        return entry ? entry->traditional_strokes : 0;
    }
    const std::string& surname_;
    int surname_characters_ = 0;
    const CharacterCacheEntry* s1_ = nullptr;
    const CharacterCacheEntry* s2_ = nullptr;
};

}  // namespace

int fill_result_list(const ListingPlan& plan, const std::string& surname,
                     const CandidateList& candidates, const CharacterCache& cache,
                     const VerdictMemo& verdicts, GenerationSink& sink, YieldPoint& yield) {
    sink.rows_inserted(plan.list, plan.capacity + 1);
    yield();

    const std::vector<PieceFacts> facts = piece_facts(candidates, cache, surname);
    // A surname of one character can only lie inside one piece; a longer one may straddle
    // the join of two pieces and is searched in the joined text.
    const bool single_character_surname = split_characters(surname).size() == 1;
    const CandidateRater rater(surname, cache, verdicts);
    ScoreMemo scores(rater);
    const RowMaker rows(surname, cache);
    std::string joined;
    const int minimum_hundredths = plan.threshold * 100;

    int listed = 0;
    size_t seen = 0;
    // Rates the candidate of pieces `first` and `second` (-1: none); false once the list is
    // full.
    const auto consider = [&](std::int32_t first, std::int32_t second) {
        if (seen++ % kCheckInterval == 0) yield();
        const PieceFacts& a = facts[static_cast<size_t>(first)];
        static const PieceFacts none;
        const PieceFacts& b = second >= 0 ? facts[static_cast<size_t>(second)] : none;

        if (a.holds_surname || b.holds_surname) return true;
        if (!single_character_surname && second >= 0) {
            joined.assign(candidates.pieces[static_cast<size_t>(first)]);
            joined.append(candidates.pieces[static_cast<size_t>(second)]);
            if (text_contains(joined, surname)) return true;
        }

        // The first two characters of the joined candidate.
        const CharacterCacheEntry* g1 = a.characters >= 1 ? a.first : b.first;
        const CharacterCacheEntry* g2 = a.characters >= 2   ? a.second
                                        : a.characters == 1 ? b.first
                                                            : b.second;
        const int given_characters = a.characters + b.characters;
        const int hundredths = scores.rate(g1, g2, given_characters);
        // Scores are truncated toward zero before the comparison; they are never negative.
        if (hundredths < minimum_hundredths) return true;

        std::string given = candidates.pieces[static_cast<size_t>(first)];
        if (second >= 0) given += candidates.pieces[static_cast<size_t>(second)];
        ++listed;
        sink.row_filled(plan.list, listed - 1,
                        rows.make(listed, given, g1, g2, given_characters, hundredths / 100));
        yield();
        if (listed == 1 && plan.on_first_listed) plan.on_first_listed();
        return listed < plan.capacity;
    };

    bool more = plan.capacity > 0;
    for (size_t i = 0; more && i < candidates.items.size(); ++i) {
        more = consider(candidates.items[i].first, candidates.items[i].second);
    }
    for (size_t p = 0; more && p < candidates.products.size(); ++p) {
        const CandidateList::Product& product = candidates.products[p];
        for (std::int32_t second : candidates.second_lists[static_cast<size_t>(product.seconds)]) {
            more = consider(product.first, second);
            if (!more) break;
        }
    }

    sink.rows_trimmed(plan.list, listed);
    yield();
    sink.rows_sorted(plan.list);
    sink.rows_renumbered(plan.list);
    yield();
    if (plan.on_complete) plan.on_complete();
    return listed;
}

}  // namespace langyue
