#include "generation/pools.h"

#include <array>

#include "app/embedded_resources.h"
#include "text/gbk.h"
#include "text/split_characters.h"

namespace langyue {
namespace {

constexpr size_t kPoolCount = 7;

const char* resource_of(Pool pool) {
    switch (pool) {
        case Pool::kBoysCharacters: return "pools/boys_characters.txt";
        case Pool::kGirlsCharacters: return "pools/girls_characters.txt";
        case Pool::kClassicBoysCharacters: return "pools/classic_boys_characters.txt";
        case Pool::kClassicGirlsCharacters: return "pools/classic_girls_characters.txt";
        case Pool::kClassicBoysNames: return "pools/classic_boys_names.txt";
        case Pool::kClassicGirlsNames: return "pools/classic_girls_names.txt";
        case Pool::kNicknameCharacters: break;
    }
    return "";
}

bool is_name_list(Pool pool) {
    return pool == Pool::kClassicBoysNames || pool == Pool::kClassicGirlsNames;
}

// The stored file without its closing line break (and any other trailing white space).
std::string load_text(Pool pool) {
    std::string_view utf8 = embedded_resource(resource_of(pool));
    while (!utf8.empty() && (utf8.back() == '\n' || utf8.back() == '\r' || utf8.back() == ' ')) {
        utf8.remove_suffix(1);
    }
    return utf8_to_gbk(utf8);
}

std::vector<std::string> cut(Pool pool) {
    const std::string& text = pool_text(pool);
    if (!is_name_list(pool)) return split_characters(text);
    std::vector<std::string> names;
    size_t start = 0;
    while (start < text.size()) {
        size_t comma = text.find(',', start);
        if (comma == std::string::npos) comma = text.size();
        if (comma > start) names.push_back(text.substr(start, comma - start));
        start = comma + 1;
    }
    return names;
}

}  // namespace

const std::string& pool_text(Pool pool) {
    static const std::array<std::string, kPoolCount> texts = [] {
        std::array<std::string, kPoolCount> all;
        for (size_t i = 0; i < kPoolCount; ++i) {
            // The nickname pool is made from the other two, which come first in the enum.
            if (static_cast<Pool>(i) != Pool::kNicknameCharacters) {
                all[i] = load_text(static_cast<Pool>(i));
            }
        }
        all[static_cast<size_t>(Pool::kNicknameCharacters)] =
            all[static_cast<size_t>(Pool::kBoysCharacters)] +
            all[static_cast<size_t>(Pool::kGirlsCharacters)];
        return all;
    }();
    return texts[static_cast<size_t>(pool)];
}

const std::vector<std::string>& pool_entries(Pool pool) {
    static const std::array<std::vector<std::string>, kPoolCount> entries = [] {
        std::array<std::vector<std::string>, kPoolCount> all;
        for (size_t i = 0; i < kPoolCount; ++i) all[i] = cut(static_cast<Pool>(i));
        return all;
    }();
    return entries[static_cast<size_t>(pool)];
}

const std::vector<std::string>& character_pool_for_sex(const std::string& sex) {
    static const std::string boy = gbk("男");
    static const std::string girl = gbk("女");
    static const std::vector<std::string> none;
    if (sex == boy) return pool_entries(Pool::kBoysCharacters);
    if (sex == girl) return pool_entries(Pool::kGirlsCharacters);
    return none;
}

}  // namespace langyue
