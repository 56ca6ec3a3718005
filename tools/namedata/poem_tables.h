// LM_Poet and LM_全唐诗 from the Tang poems of the npm package chinese-poetry
// (dist/quantangshi/poet.tang.<n>.json), converted to simplified characters.
#pragma once

#include <string>
#include <vector>

#include "tools/namedata/chinese_convert.h"
#include "tools/namedata/poem_text.h"

namespace namedata {

using Rows = std::vector<std::vector<std::string>>;

// Reads every poet.tang.<n>.json of `dir` in the order of <n> and fills the rows of both
// tables (UTF-8). A poem is kept when its title, poet and content convert to GBK and hold
// no placeholder, and its content holds at least one character. False with a message when a
// file cannot be read.
bool build_poem_rows(const std::string& dir, const ChineseConvert& convert, Rows& poets,
                     Rows& poems, std::string& error);

}  // namespace namedata
