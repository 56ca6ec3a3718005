#include "tools/namedata/character_rules.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace namedata {

std::optional<RadicalStroke> parse_radical_stroke(std::string_view value) {
    const size_t end = value.find(' ');
    if (end != std::string_view::npos) value = value.substr(0, end);
    RadicalStroke result;
    const char* first = value.data();
    const char* last = value.data() + value.size();
    auto [after_radical, error] = std::from_chars(first, last, result.radical);
    if (error != std::errc() || result.radical < 1 || result.radical > 214) return std::nullopt;
    // Unihan marks simplified radicals with one apostrophe (and a few others with two).
    while (after_radical < last && *after_radical == '\'') {
        result.simplified_radical = true;
        ++after_radical;
    }
    if (after_radical == last || *after_radical != '.') return std::nullopt;
    auto [after_residual, error2] = std::from_chars(after_radical + 1, last, result.residual);
    if (error2 != std::errc() || after_residual != last) return std::nullopt;
    return result;
}

int full_radical_strokes(int radical) {
    // The first radical number of each stroke count, from 1 stroke (radical 1) to 17 (214).
    static constexpr std::array<int, 17> kFirst = {1,   7,   30,  61,  95,  118, 147, 167, 176,
                                                   187, 195, 201, 205, 209, 211, 212, 214};
    if (radical < 1 || radical > 214) return 0;
    int strokes = 0;
    for (const int first : kFirst) {
        if (radical >= first) ++strokes;
    }
    return strokes;
}

int kangxi_strokes(char32_t character, const RadicalStroke& index, int total_strokes) {
    static constexpr std::array<char32_t, 10> kNumerals = {U'一', U'二', U'三', U'四', U'五',
                                                           U'六', U'七', U'八', U'九', U'十'};
    for (size_t i = 0; i < kNumerals.size(); ++i) {
        if (kNumerals[i] == character) return static_cast<int>(i) + 1;
    }
    if (index.residual <= 0 && total_strokes > 0) return total_strokes;
    // A radical in full form only ever adds strokes to the written count. Unihan's residual
    // is now and then one short of the strokes the character shows (政 66.4, 紫 120.5,
    // 泰 85.5, 露 173.12); the written count then stands, as the naming books have it.
    const int total = std::max(full_radical_strokes(index.radical) + index.residual,
                               total_strokes);
    return total > 0 ? total : 0;
}

char32_t written_radical_form(int radical, int written_strokes) {
    struct SideForm {
        int radical;
        int most_strokes;  // the side form has at most this many strokes
        char32_t form;
    };
    static constexpr std::array<SideForm, 14> kSideForms = {{
        {18, 2, U'刂'}, {61, 3, U'忄'}, {64, 3, U'扌'}, {85, 3, U'氵'}, {94, 3, U'犭'},
        {96, 4, U'王'}, {113, 4, U'礻'}, {122, 5, U'罒'}, {130, 4, U'月'}, {140, 4, U'艹'},
        {145, 5, U'衤'}, {162, 4, U'辶'}, {163, 2, U'阝'}, {170, 2, U'阝'},
    }};
    for (const auto& side : kSideForms) {
        if (side.radical == radical) {
            return written_strokes > 0 && written_strokes <= side.most_strokes ? side.form : 0;
        }
    }
    return 0;
}

std::string strip_tone_marks(std::string_view marked) {
    std::u32string plain;
    for (const char32_t c : to_u32(marked)) {
        switch (c) {
            case U'ā': case U'á': case U'ǎ': case U'à': plain += U'a'; break;
            case U'ē': case U'é': case U'ě': case U'è': plain += U'e'; break;
            case U'ī': case U'í': case U'ǐ': case U'ì': plain += U'i'; break;
            case U'ō': case U'ó': case U'ǒ': case U'ò': plain += U'o'; break;
            case U'ū': case U'ú': case U'ǔ': case U'ù': plain += U'u'; break;
            case U'ǖ': case U'ǘ': case U'ǚ': case U'ǜ': case U'ü': plain += U'ü'; break;
            case U'ế': case U'ề': plain += U'ê'; break;
            case U'ḿ': plain += U'm'; break;
            case U'ń': case U'ň': case U'ǹ': plain += U'n'; break;
            case 0x0300: case 0x0301: case 0x0304: case 0x030C: break;  // combining tone marks
            default:
                plain += (c >= U'A' && c <= U'Z') ? c - U'A' + U'a' : c;
        }
    }
    return to_utf8(plain);
}

SyllableParts split_syllable(std::string_view plain) {
    static constexpr std::array<std::string_view, 23> kInitials = {
        "zh", "ch", "sh", "b", "p", "m", "f", "d", "t", "n", "l", "g",
        "k",  "h",  "j",  "q", "x", "r", "z", "c", "s", "y", "w"};
    for (const auto initial : kInitials) {
        if (!plain.starts_with(initial)) continue;
        const std::string_view rest = plain.substr(initial.size());
        if (rest.find_first_of("aeiouv\xC3\xAA\xC3\xBC") == std::string_view::npos) break;
        return {std::string(initial), std::string(rest)};
    }
    return {"", std::string(plain)};
}

std::string element_of(int radical, std::string_view initial, bool has_reading) {
    switch (radical) {
        case 167: return "金";
        case 75: return "木";
        case 85: case 15: case 173: return "水";
        case 86: return "火";
        case 32: return "土";
        default: break;
    }
    if (!has_reading) return "";
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 21> kByInitial = {{
        {"b", "水"}, {"p", "水"}, {"m", "水"}, {"f", "水"}, {"d", "火"}, {"t", "火"},
        {"n", "火"}, {"l", "火"}, {"g", "木"}, {"k", "木"}, {"h", "木"}, {"j", "金"},
        {"q", "金"}, {"x", "金"}, {"z", "金"}, {"c", "金"}, {"s", "金"}, {"zh", "金"},
        {"ch", "金"}, {"sh", "金"}, {"r", "金"}}};
    for (const auto& [letters, element] : kByInitial) {
        if (letters == initial) return std::string(element);
    }
    return "土";  // zero initial, y and w
}

std::string html_escape(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        if (c == '&') escaped += "&amp;";
        else if (c == '<') escaped += "&lt;";
        else escaped += c;
    }
    return escaped;
}

std::u32string to_u32(std::string_view utf8) {
    std::u32string out;
    for (size_t i = 0; i < utf8.size();) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        int length = byte < 0x80 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
        char32_t c = length == 1 ? byte : length == 2 ? byte & 0x1F : length == 3 ? byte & 0x0F
                                                                                  : byte & 0x07;
        for (int k = 1; k < length && i + k < utf8.size(); ++k) {
            c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        }
        out += c;
        i += length;
    }
    return out;
}

std::string to_utf8(char32_t c) {
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

std::string to_utf8(std::u32string_view text) {
    std::string out;
    for (const char32_t c : text) out += to_utf8(c);
    return out;
}

bool is_ideograph(char32_t c) {
    return c == U'〇' || (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) ||
           (c >= 0xF900 && c <= 0xFAFF) || (c >= 0x20000 && c <= 0x3FFFF);
}

}  // namespace namedata
