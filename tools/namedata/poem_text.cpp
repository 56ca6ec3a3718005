#include "tools/namedata/poem_text.h"

#include "tools/namedata/character_rules.h"

namespace namedata {

std::string join_poem_lines(const std::vector<std::string>& lines) {
    std::string content;
    for (const auto& line : lines) {
        for (const char c : line) {
            switch (c) {
                case ',': content += "，"; break;
                case '.': content += "。"; break;
                case '?': content += "？"; break;
                case '!': content += "！"; break;
                case ':': content += "："; break;
                case ';': content += "；"; break;
                default: content += c;
            }
        }
    }
    return content;
}

std::string clause_initials(const std::string& content) {
    std::u32string initials;
    bool at_clause_start = true;
    for (const char32_t c : to_u32(content)) {
        if (c == U'，' || c == U'。') {
            at_clause_start = true;
        } else if (at_clause_start && is_ideograph(c)) {
            initials += c;
            at_clause_start = false;
        }
    }
    return to_utf8(initials);
}

bool has_placeholder(const std::string& text) {
    return text.find("□") != std::string::npos || text.find('{') != std::string::npos ||
           text.find('}') != std::string::npos;
}

}  // namespace namedata
