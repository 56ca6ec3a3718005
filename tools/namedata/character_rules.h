// The pure rules by which a character's row of LM_CNWord is derived from its source facts:
// the Kangxi stroke count, the five-element attribute, the reading's initial and final, and
// the conversion of a tone-marked reading into plain letters. Texts are UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace namedata {

// One entry of a radical-stroke index ("85.7", "167'.6", "130.5"): the Kangxi radical
// number (1 to 214), whether the index names the radical's simplified form (the apostrophe),
// and the strokes outside the radical (may be negative for a few reduced forms).
struct RadicalStroke {
    int radical = 0;
    bool simplified_radical = false;
    int residual = 0;
};

// Reads the first entry of a radical-stroke value; nothing when it is malformed.
std::optional<RadicalStroke> parse_radical_stroke(std::string_view value);

// Strokes of Kangxi radical `radical` written in its full form: 水 4 for 氵, 艸 6 for 艹,
// 辵 7 for 辶, 玉 5, 肉 6, 阜 8, 邑 7, 手 4. The radical numbers are ordered by stroke
// count, so the count follows from the number alone. 0 outside 1 to 214.
int full_radical_strokes(int radical);

// The Kangxi stroke count of a (traditional) character: its radical in full form plus the
// residual strokes, never fewer than its written strokes `total_strokes` (where Unihan's
// residual falls one short, as for 政 and 紫); the numerals 一 to 十 count 1 to 10 whatever
// their strokes. A character without residual strokes is a radical written whole (王, 才,
// 月): it counts its own `total_strokes`. 0 when nothing gives a positive count.
int kangxi_strokes(char32_t character, const RadicalStroke& index, int total_strokes);

// The side form a radical takes in a character when it is written with fewer strokes than
// in full (`written_strokes`, the character's strokes minus its residual): 氵 for 水 in 海,
// 扌, 艹, 辶, 忄, 犭, 礻, 衤, 王 for 玉, 月 for 肉, 阝 for 阜 and 邑, 罒, 刂. 0 where
// the radical is written whole (泉, 思, 璧, 袁) or has no distinct side form.
char32_t written_radical_form(int radical, int written_strokes);

// A reading with tone marks ("lǎng", "lǜ") in plain lower-case letters ("lang", "lü").
// ü stays ü; ê keeps its circumflex; the marked nasal syllables ḿ, ń, ň, ǹ become m and n.
std::string strip_tone_marks(std::string_view marked);

// The initial (声母) and final (韵母) of a plain reading. zh, ch and sh are initials of
// two letters. As in the school's list of initials, y and w count as initials, so "yang"
// splits into y + ang and "wu" into w + u. A syllable that starts with a vowel (a, o, e,
// ê) has a zero initial: empty initial, the whole syllable as final. Syllables without a
// vowel ("m", "n", "ng", "hm", "hng") are treated the same way.
struct SyllableParts {
    std::string initial;
    std::string final_part;
};
SyllableParts split_syllable(std::string_view plain);

// The five-element attribute ("金", "木", "水", "火" or "土"): a radical that names an
// element decides (金 and 钅; 木; 水, 氵, 冫 and 雨; 火 and 灬; 土); otherwise the initial:
// b p m f 水; d t n l 火; g k h 木; j q x z c s zh ch sh r 金; zero initial, y and w 土.
// Empty when neither the radical nor a reading is known.
std::string element_of(int radical, std::string_view initial, bool has_reading);

// "&" and "<" of source data written as HTML entities, so that texts show as written.
std::string html_escape(std::string_view text);

// UTF-8 helpers shared by the builder.
std::u32string to_u32(std::string_view utf8);
std::string to_utf8(char32_t code_point);
std::string to_utf8(std::u32string_view text);
// Whether a code point is a CJK ideograph (the unified blocks and their extensions, the
// compatibility ideographs and 〇).
bool is_ideograph(char32_t code_point);

}  // namespace namedata
