// Classic mode (经典起名): a built-in list of ready-made names (or characters) for the baby's
// sex and name length, shuffled and written behind the surname into one text.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace langyue {

// The classic names ("二字", length 2) or characters (length 1) for a sex text; empty for a
// sex other than "男" and "女".
const std::vector<std::string>& classic_entries(const std::string& sex, int given_length);

// The text of the box: for each entry j = 1, 2, ...: surname, entry, the separator ("  " for
// names, "   " for characters), and CR LF twice when j is a multiple of the row length (14 for
// names, 16 for characters). `after_entry` runs after each entry.
std::string classic_text(const std::string& surname, const std::vector<std::string>& entries,
                         int given_length, const std::function<void()>& after_entry = {});

}  // namespace langyue
