#include "generation/classic.h"

#include "generation/pools.h"
#include "text/gbk.h"

namespace langyue {

const std::vector<std::string>& classic_entries(const std::string& sex, int given_length) {
    static const std::string boy = gbk("男");
    static const std::string girl = gbk("女");
    static const std::vector<std::string> none;
    const bool names = given_length == 2;
    if (sex == boy) {
        return pool_entries(names ? Pool::kClassicBoysNames : Pool::kClassicBoysCharacters);
    }
    if (sex == girl) {
        return pool_entries(names ? Pool::kClassicGirlsNames : Pool::kClassicGirlsCharacters);
    }
    return none;
}

std::string classic_text(const std::string& surname, const std::vector<std::string>& entries,
                         int given_length, const std::function<void()>& after_entry) {
    const bool names = given_length == 2;
    const std::string separator = names ? "  " : "   ";
    const size_t row_length = names ? 14 : 16;
    std::string text;
    text.reserve(entries.size() * (surname.size() + 8));
    for (size_t j = 1; j <= entries.size(); ++j) {
        text += surname;
        text += entries[j - 1];
        text += separator;
        if (j % row_length == 0) text += "\r\n\r\n";
        if (after_entry) after_entry();
    }
    return text;
}

}  // namespace langyue
