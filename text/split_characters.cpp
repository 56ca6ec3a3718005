#include "text/split_characters.h"

namespace langyue {

std::vector<std::string> split_characters(std::string_view text) {
    std::vector<std::string> characters;
    if (text.find_first_not_of(' ') == std::string_view::npos) return characters;
    size_t i = 0;
    while (i < text.size()) {
        const auto byte = static_cast<unsigned char>(text[i]);
        // A lead byte at the very end has no partner; it stays a character of its own.
        const size_t width = (byte > 122 && i + 1 < text.size()) ? 2 : 1;
        characters.emplace_back(text.substr(i, width));
        i += width;
    }
    return characters;
}

bool text_contains(std::string_view text, std::string_view part) {
    if (part.empty()) return true;
    size_t i = 0;
    while (i + part.size() <= text.size()) {
        if (text.compare(i, part.size(), part) == 0) return true;
        i += static_cast<unsigned char>(text[i]) >= 128 ? 2 : 1;
    }
    return false;
}

}  // namespace langyue
