#include "generation/gb2312_filter.h"

namespace langyue {

std::string gb2312_hanzi_filter(std::string_view text) {
    // 1. Every blank goes first, so a blank never splits a two-byte unit.
    std::string joined;
    joined.reserve(text.size());
    for (const char byte : text) {
        if (byte != ' ') joined.push_back(byte);
    }
    // 2-4. A byte of 128 or more opens a unit of two bytes, any other byte is a unit alone;
    // only two-byte units of the GB2312 Chinese-character block are kept.
    std::string kept;
    kept.reserve(joined.size());
    for (size_t i = 0; i < joined.size();) {
        const auto first = static_cast<unsigned char>(joined[i]);
        if (first < 128 || i + 1 >= joined.size()) {
            ++i;
            continue;
        }
        const auto second = static_cast<unsigned char>(joined[i + 1]);
        if (first >= 0xB0 && first <= 0xF7 && second > 0xA0 && second != 0xFF) {
            kept.append(joined, i, 2);
        }
        i += 2;
    }
    return kept;
}

}  // namespace langyue
