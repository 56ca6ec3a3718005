// Poetry, combination and nickname modes (诗词起名, 组合起名, 起小名): the user's characters, or
// every character of the two built-in pools, made into candidates; every candidate rated and
// listed best first, whatever its score.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "generation/candidates.h"
#include "generation/generation_inputs.h"

namespace langyue {

class GenerationSink;
class YieldPoint;

// Poetry preparation: each ticked caption, in grid order, unless the text gathered so far
// already contains it; then the surname unless contained; cut into characters.
std::vector<std::string> poetry_pool(const std::vector<std::string>& ticked_captions,
                                     const std::string& surname);

// Combination preparation: the typed text, the surname appended unless contained, filtered to
// GB2312 Chinese characters, cut into characters (a character typed twice stays twice).
std::vector<std::string> combination_pool(const std::string& typed_text,
                                          const std::string& surname);

// Nickname preparation: the boys' character pool followed by the girls', the surname appended
// unless contained, cut into characters.
std::vector<std::string> nickname_pool(const std::string& surname);

// One nickname per usable pool character, in pool order, by the pattern: AA型 c + c, 小A型
// "小" + c, A儿型 c + "儿", 阿A型 "阿" + c. The pool is the first pieces of the result.
CandidateList build_nickname_candidates(const std::vector<std::string>& pool,
                                        const std::vector<char>& usable, NicknameStyle style);

// Steps 5 to 9 of generation_run in poetry, combination or nickname mode: the preparation,
// the character cache, the candidates, `close_waiting`, and the listing with threshold 0 and
// the number of candidates as capacity.
void run_character_mode(const GenerationInputs& inputs, GenerationSink& sink, YieldPoint& yield,
                        const std::function<void()>& close_waiting);

}  // namespace langyue
