// The built-in pools the generation modes draw from: single characters and ready-made names,
// compiled in from resources/pools and converted to GBK once.
#pragma once

#include <string>
#include <vector>

namespace langyue {

enum class Pool {
    kBoysCharacters,         // 1,854 characters
    kGirlsCharacters,        // 973 characters
    kNicknameCharacters,     // the boys' pool followed by the girls', 2,827
    kClassicBoysCharacters,  // 841 characters
    kClassicGirlsCharacters, // 294 characters
    kClassicBoysNames,       // 2,910 two-character names
    kClassicGirlsNames,      // 2,134 two-character names
};

// The pool as one GBK text, exactly as stored (names each followed by ","), without the
// file's closing line break.
const std::string& pool_text(Pool pool);

// The pool cut into its entries: characters with split_characters, names at ",". Built once.
const std::vector<std::string>& pool_entries(Pool pool);

// The boys' or girls' character pool for a sex text ("男", "女", GBK); empty for any other.
const std::vector<std::string>& character_pool_for_sex(const std::string& sex);

}  // namespace langyue
