// fill_result_list: rates the candidates of a run and lists those that reach the mode's
// threshold, into rows inserted in advance; then trims, sorts and renumbers.
#pragma once

#include <functional>
#include <string>

#include "generation/generation_sink.h"

namespace langyue {

class CharacterCache;
class VerdictMemo;
class YieldPoint;
struct CandidateList;

struct ListingPlan {
    ResultList list = ResultList::kHighScore;
    int threshold = 0;
    int capacity = 0;
    std::function<void()> on_first_listed;  // after the first name is listed
    std::function<void()> on_complete;      // after the list is sorted and renumbered
};

// 1. capacity + 1 empty rows; 2. each candidate in order: skipped when it contains the surname
// (text containment) or scores below the threshold, otherwise written into the next row with
// its running number, until `capacity` names are listed; 3. the rows left over deleted;
// 4. sorted by score; 5. renumbered; 6. the completion action. Returns the names listed.
int fill_result_list(const ListingPlan& plan, const std::string& surname,
                     const CandidateList& candidates, const CharacterCache& cache,
                     const VerdictMemo& verdicts, GenerationSink& sink, YieldPoint& yield);

}  // namespace langyue
