// What a generation run reads from the main window, taken once at its start.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace langyue {

// The seven modes, in the order of the radio buttons on the page "模式选择".
enum class GenerationMode { kClassic, kHighScore, kSuperLucky, kPoetry, kCombination, kNickname,
                            kEnglish };

// The 辈分 option: a character fixed in the second or third place of the full name. Lives
// while the program runs and is not saved.
struct GenerationCharacterSetting {
    enum class State { kOff, kSecondFixed, kThirdFixed };
    State state = State::kOff;
    std::string second_character;  // GBK, used when the state is kSecondFixed
    std::string third_character;   // GBK, used when the state is kThirdFixed

    bool is_set() const { return state != State::kOff; }
};

// The twenty element check boxes of the super-lucky page with their four masters, in the
// order second place, third place, must carry, must not carry; elements 金 木 水 火 土.
struct ElementBoxes {
    enum Master { kSecondPlace = 0, kThirdPlace, kMust, kForbidden };
    std::array<bool, 4> master_checked{false, false, true, false};
    std::array<bool, 4> master_enabled{true, true, true, true};
    std::array<std::array<bool, 5>, 4> ticked{{{}, {}, {true, true, true, true, true}, {}}};
    std::array<bool, 4> ticks_enabled{false, false, false, false};
};

// The four patterns of the page "起小名": AA型, 小A型, A儿型, 阿A型.
enum class NicknameStyle { kDoubled, kXiaoBefore, kErAfter, kABefore };

// What English mode reads from the page "起英文名".
struct EnglishNameInputs {
    std::string given_name;  // GBK, 编辑框_英文名字
    int gender = 1;          // 1 男性化, 2 女性化, 3 中性化; 0 when none is checked
    // The two length boxes 组合框_日子1 and 组合框_时间1, an inclusive range of NameLength
    // (taken in either order); 0 leaves that end open.
    int min_length = 0;
    int max_length = 0;
};

struct GenerationInputs {
    GenerationMode mode = GenerationMode::kClassic;
    std::string surname;    // GBK, 编辑框_姓氏
    std::string sex;        // GBK, the text of 组合框_性别 ("男" or "女")
    int given_length = 1;   // 2 when 组合框_名字个数 reads "二字", otherwise 1
    GenerationCharacterSetting generation_character;
    ElementBoxes element_boxes;
    // Poetry mode: the captions of the ticked boxes of the PoemCharacterGrid, in grid order.
    std::vector<std::string> poem_characters;
    std::string combination_text;  // GBK, 编辑框_组合的字
    NicknameStyle nickname_style = NicknameStyle::kDoubled;
    EnglishNameInputs english;
    // Fixes the shuffle (the command-line tool, tests); the clock seeds it otherwise.
    std::optional<std::uint64_t> seed;
};

}  // namespace langyue
