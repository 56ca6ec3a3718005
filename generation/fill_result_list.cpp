#include "generation/fill_result_list.h"

#include "analysis/name_analysis.h"
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

// How often the loop looks at the run's state while no name is listed.
constexpr size_t kCheckInterval = 4096;

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
    NameAnalysis record;
    std::string joined;
    const int minimum_hundredths = plan.threshold * 100;

    int listed = 0;
    for (size_t i = 0; i < candidates.items.size() && listed < plan.capacity; ++i) {
        if (i % kCheckInterval == 0) yield();
        const CandidateList::Item item = candidates.items[i];
        const PieceFacts& a = facts[static_cast<size_t>(item.first)];
        static const PieceFacts none;
        const PieceFacts& b = item.second >= 0 ? facts[static_cast<size_t>(item.second)] : none;

        if (a.holds_surname || b.holds_surname) continue;
        if (!single_character_surname && item.second >= 0) {
            joined.assign(candidates.pieces[static_cast<size_t>(item.first)]);
            joined.append(candidates.pieces[static_cast<size_t>(item.second)]);
            if (text_contains(joined, surname)) continue;
        }

        // The first two characters of the joined candidate.
        const CharacterCacheEntry* g1 = a.characters >= 1 ? a.first : b.first;
        const CharacterCacheEntry* g2 = a.characters >= 2   ? a.second
                                        : a.characters == 1 ? b.first
                                                            : b.second;
        const int hundredths = rater.rate_hundredths(g1, g2, a.characters + b.characters);
        // Scores are truncated toward zero before the comparison; they are never negative.
        if (hundredths < minimum_hundredths) continue;

        const std::string given = candidates.text(i);
        rater.fill_record(given, record);
        ++listed;
        sink.row_filled(plan.list, listed - 1,
                        make_result_row(listed, surname, given, record, hundredths / 100));
        yield();
        if (listed == 1 && plan.on_first_listed) plan.on_first_listed();
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
