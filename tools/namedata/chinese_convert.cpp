#include "tools/namedata/chinese_convert.h"

#include <opencc/Exception.hpp>
#include <opencc/Lexicon.hpp>
#include <opencc/MarisaDict.hpp>
#include <opencc/SimpleConverter.hpp>

#include <cstdio>

namespace namedata {

struct ChineseConvert::Converter {
    explicit Converter(const std::string& config) : t2s(config) {}
    opencc::SimpleConverter t2s;
};

ChineseConvert::ChineseConvert() = default;
ChineseConvert::~ChineseConvert() = default;

bool ChineseConvert::load(const std::string& dir) {
    if (!read_table(dir + "/STCharacters.ocd2", to_traditional_)) return false;
    if (!read_table(dir + "/TSCharacters.ocd2", to_simplified_)) return false;
    try {
        converter_ = std::make_unique<Converter>(dir + "/t2s.json");
    } catch (const opencc::Exception& failure) {
        error_ = dir + "/t2s.json: " + failure.what();
        return false;
    }
    return true;
}

bool ChineseConvert::read_table(const std::string& path,
                                std::map<std::string, std::vector<std::string>>& table) {
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        error_ = "cannot read " + path;
        return false;
    }
    try {
        const auto dict = opencc::MarisaDict::NewFromFile(file);
        for (const auto& entry : *dict->GetLexicon()) table[entry->Key()] = entry->Values();
    } catch (const opencc::Exception& failure) {
        std::fclose(file);
        error_ = path + ": " + failure.what();
        return false;
    }
    std::fclose(file);
    return true;
}

namespace {
const std::vector<std::string>& lookup(const std::map<std::string, std::vector<std::string>>& table,
                                       const std::string& key) {
    static const std::vector<std::string> kNone;
    const auto found = table.find(key);
    return found == table.end() ? kNone : found->second;
}
}  // namespace

const std::vector<std::string>& ChineseConvert::traditional_candidates(
    const std::string& character) const {
    return lookup(to_traditional_, character);
}

const std::vector<std::string>& ChineseConvert::simplified_candidates(
    const std::string& character) const {
    return lookup(to_simplified_, character);
}

std::string ChineseConvert::to_simplified(const std::string& text) const {
    return converter_ ? converter_->t2s.Convert(text) : text;
}

}  // namespace namedata
