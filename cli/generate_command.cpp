// langyue-cli generate high|super|classic|poem|combo|nick|english --surname S [--sex 男|女]
//     [--length 1|2] [--second C | --third C] [--second-place E] [--third-place E] [--must E]
//     [--forbid E] [--seed N] [--chars TEXT] [--style AA|小A|A儿|阿A]
//     [--given TEXT --gender 男性化|女性化|中性化 [--min N] [--max N]]
// poem takes the ticked poem characters and combo the typed text through --chars; nick takes
// its pattern through --style (AA by default); english prints the English list instead.
// Runs the same generation_run as the window and prints, once the run is complete, exactly
// the text that the mode's export would write, in UTF-8. Messages of the run go to stderr.
#include <cstdio>
#include <algorithm>
#include <map>

#include "analysis/element.h"
#include "cli/command_registry.h"
#include "generation/english_names.h"
#include "generation/generation_run.h"
#include "generation/recording_sink.h"
#include "text/gbk.h"
#include "text/split_characters.h"

namespace langyue::cli {
namespace {

const char* const kUsage =
    "generate high|super|classic|poem|combo|nick|english --surname S [--sex 男|女] "
    "[--length 1|2] [--second C | --third C] [--second-place E] [--third-place E] [--must E] "
    "[--forbid E] [--seed N] [--chars TEXT] [--style AA|小A|A儿|阿A] "
    "[--given TEXT --gender 男性化|女性化|中性化 [--min N] [--max N]]";

// The run's messages on standard error, answered at once.
class CliSink : public RecordingSink {
public:
    MessageAnswer message(const Message& message) override {
        RecordingSink::message(message);
        std::fprintf(stderr, "%s\n", gbk_to_utf8(message.text).c_str());
        return MessageAnswer::kOk;
    }
};

int usage_error(const std::string& why) {
    std::fprintf(stderr, "%s\nusage: langyue-cli %s\n", why.c_str(), kUsage);
    return 2;
}

// Ticks the elements named in `value` (UTF-8) for one master; false for another character.
bool tick_elements(const std::string& value, ElementBoxes& boxes, ElementBoxes::Master master) {
    boxes.master_checked[master] = true;
    boxes.ticks_enabled[master] = true;
    for (const std::string& character : split_characters(utf8_to_gbk(value))) {
        const Element element = element_from_text(character);
        if (element == kNoElement) return false;
        boxes.ticked[master][static_cast<size_t>(element)] = true;
    }
    return true;
}

// The options of the poetry, combination, nickname and English modes; 0, or the exit code of
// a usage error.
int read_character_mode_options(std::map<std::string, std::string>& options,
                                GenerationInputs& inputs) {
    if (options.count("--chars")) {
        const std::string text = utf8_to_gbk(options["--chars"]);
        inputs.combination_text = text;
        inputs.poem_characters = split_characters(text);
    }
    if (options.count("--style")) {
        const std::map<std::string, NicknameStyle> styles = {
            {"AA", NicknameStyle::kDoubled},
            {"小A", NicknameStyle::kXiaoBefore},
            {"A儿", NicknameStyle::kErAfter},
            {"阿A", NicknameStyle::kABefore}};
        const auto style = styles.find(options["--style"]);
        if (style == styles.end()) return usage_error("--style takes AA, 小A, A儿 or 阿A");
        inputs.nickname_style = style->second;
    }
    if (inputs.mode != GenerationMode::kEnglish) return 0;
    if (!options.count("--given")) return usage_error("missing --given");
    inputs.english.given_name = utf8_to_gbk(options["--given"]);
    const std::map<std::string, int> genders = {{"男性化", 1}, {"女性化", 2}, {"中性化", 3}};
    if (options.count("--gender")) {
        const auto gender = genders.find(options["--gender"]);
        if (gender == genders.end()) return usage_error("--gender takes 男性化, 女性化 or 中性化");
        inputs.english.gender = gender->second;
    }
    for (const auto& [name, bound] : {std::pair{"--min", &inputs.english.min_length},
                                      std::pair{"--max", &inputs.english.max_length}}) {
        if (!options.count(name)) continue;
        const std::string& value = options[name];
        if (value.size() != 1 || value[0] < '1' || value[0] > '9') {
            return usage_error(std::string(name) + " takes a length from 1 to 9");
        }
        *bound = value[0] - '0';
    }
    return 0;
}

int run_generate(const std::vector<std::string>& args) {
    if (args.empty()) return usage_error("missing mode");
    GenerationInputs inputs;
    const std::map<std::string, GenerationMode> modes = {{"high", GenerationMode::kHighScore},
                                                         {"super", GenerationMode::kSuperLucky},
                                                         {"classic", GenerationMode::kClassic},
                                                         {"poem", GenerationMode::kPoetry},
                                                         {"combo", GenerationMode::kCombination},
                                                         {"nick", GenerationMode::kNickname},
                                                         {"english", GenerationMode::kEnglish}};
    const auto mode = modes.find(args[0]);
    if (mode == modes.end()) return usage_error("unknown mode: " + args[0]);
    inputs.mode = mode->second;
    inputs.sex = gbk("男");

    std::map<std::string, std::string> options;
    const std::vector<std::string> known = {"--surname", "--sex",         "--length",
                                            "--second",  "--third",       "--second-place",
                                            "--third-place", "--must",    "--forbid",
                                            "--seed",    "--chars",       "--style",
                                            "--given",   "--gender",      "--min",
                                            "--max"};
    for (size_t i = 1; i < args.size(); i += 2) {
        if (std::find(known.begin(), known.end(), args[i]) == known.end()) {
            return usage_error("unknown option: " + args[i]);
        }
        if (i + 1 >= args.size()) return usage_error("missing value of " + args[i]);
        options[args[i]] = args[i + 1];
    }
    if (!options.count("--surname")) return usage_error("missing --surname");
    inputs.surname = utf8_to_gbk(options["--surname"]);
    if (options.count("--sex")) inputs.sex = utf8_to_gbk(options["--sex"]);
    if (options.count("--length")) {
        if (options["--length"] != "1" && options["--length"] != "2") {
            return usage_error("--length takes 1 or 2");
        }
        inputs.given_length = options["--length"] == "2" ? 2 : 1;
    }
    if (options.count("--second") && options.count("--third")) {
        return usage_error("--second and --third exclude each other");
    }
    using State = GenerationCharacterSetting::State;
    if (options.count("--second")) {
        inputs.generation_character.state = State::kSecondFixed;
        inputs.generation_character.second_character = utf8_to_gbk(options["--second"]);
    }
    if (options.count("--third")) {
        inputs.generation_character.state = State::kThirdFixed;
        inputs.generation_character.third_character = utf8_to_gbk(options["--third"]);
    }
    const std::pair<const char*, ElementBoxes::Master> element_options[] = {
        {"--second-place", ElementBoxes::kSecondPlace},
        {"--third-place", ElementBoxes::kThirdPlace},
        {"--must", ElementBoxes::kMust},
        {"--forbid", ElementBoxes::kForbidden}};
    bool any_element_option = false;
    for (const auto& [name, master] : element_options) any_element_option |= options.count(name) > 0;
    if (any_element_option) {
        inputs.element_boxes = ElementBoxes{};
        inputs.element_boxes.master_checked.fill(false);
        inputs.element_boxes.ticked[ElementBoxes::kMust].fill(false);
        for (const auto& [name, master] : element_options) {
            if (options.count(name) && !tick_elements(options[name], inputs.element_boxes, master)) {
                return usage_error(std::string(name) + " takes elements among 金木水火土");
            }
        }
    }
    if (options.count("--seed")) {
        try {
            inputs.seed = std::stoull(options["--seed"]);
        } catch (...) {
            return usage_error("--seed takes a number");
        }
    }

    if (const int error = read_character_mode_options(options, inputs)) return error;

    if (inputs.mode != GenerationMode::kClassic && !load_database_beside_executable()) return 2;
    CliSink sink;
    RunControl control;
    generation_run(inputs, sink, control);

    std::string text;
    switch (inputs.mode) {
        case GenerationMode::kHighScore:
            text = result_list_export_text(sink.rows(ResultList::kHighScore));
            break;
        case GenerationMode::kSuperLucky:
            text = result_list_export_text(sink.rows(ResultList::kSuperLucky));
            break;
        case GenerationMode::kPoetry:
            text = result_list_export_text(sink.rows(ResultList::kPoetry));
            break;
        case GenerationMode::kCombination:
            text = result_list_export_text(sink.rows(ResultList::kCombination));
            break;
        case GenerationMode::kNickname:
            text = result_list_export_text(sink.rows(ResultList::kNickname));
            break;
        case GenerationMode::kEnglish: text = english_list_text(sink.english_rows()); break;
        default: text = sink.text(); break;
    }
    const std::string utf8 = gbk_to_utf8(text);
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
    return 0;
}

const CommandRegistration generate("generate", kUsage, run_generate);

}  // namespace
}  // namespace langyue::cli
