#include "app/settings.h"

#include <cctype>
#include <climits>

#include "app/ini_file.h"
#include "text/gbk.h"

namespace langyue {
namespace {

// The section and key names, converted to GBK once.
struct SettingsKeys {
    std::string section = gbk("设置");
    std::string surname = gbk("姓氏");
    std::string sex = gbk("性别");
    std::string name_length = gbk("名字个数");
    std::string combination = gbk("组合的字");
    std::string english = gbk("英文名字");
    std::string scoring = gbk("评分名字");
    std::string records = gbk("名字记录");
};

const SettingsKeys& keys() {
    static const SettingsKeys instance;
    return instance;
}

}  // namespace

int text_to_number(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > INT_MAX) value = INT_MAX;
    }
    return static_cast<int>(negative ? -value : value);
}

SavedSettings read_settings(const std::string& path) {
    IniFile file;
    file.load(path);
    const SettingsKeys& k = keys();
    SavedSettings settings;
    settings.surname = file.value(k.section, k.surname);
    settings.sex_index = text_to_number(file.value(k.section, k.sex)) != 0 ? 1 : 0;
    settings.name_length_index = text_to_number(file.value(k.section, k.name_length)) == 1 ? 1 : 0;
    settings.combination_text = file.value(k.section, k.combination);
    settings.english_given_name = file.value(k.section, k.english);
    settings.scoring_given_name = file.value(k.section, k.scoring);
    settings.records = decode_naming_records(file.value(k.section, k.records));
    return settings;
}

bool write_settings(const std::string& path, const SavedSettings& settings) {
    IniFile file;
    file.load(path);
    const SettingsKeys& k = keys();
    file.set_value(k.section, k.surname, settings.surname);
    file.set_value(k.section, k.sex, std::to_string(settings.sex_index));
    file.set_value(k.section, k.name_length, std::to_string(settings.name_length_index));
    file.set_value(k.section, k.combination, settings.combination_text);
    file.set_value(k.section, k.english, settings.english_given_name);
    file.set_value(k.section, k.scoring, settings.scoring_given_name);
    file.set_value(k.section, k.records, encode_naming_records(settings.records));
    return file.save(path);
}

}  // namespace langyue
