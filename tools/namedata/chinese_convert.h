// OpenCC, the builder's source for traditional and simplified forms: its character tables
// (STCharacters, TSCharacters) and its traditional-to-simplified conversion of whole texts.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace namedata {

class ChineseConvert {
public:
    // `dir` holds STCharacters.ocd2, TSCharacters.ocd2 and t2s.json (Debian's
    // /usr/share/opencc).
    bool load(const std::string& dir);
    const std::string& error() const { return error_; }
    ChineseConvert();
    ~ChineseConvert();

    // Candidates of a character in the simplified-to-traditional table, most usual first;
    // empty when the table has no entry.
    const std::vector<std::string>& traditional_candidates(const std::string& character) const;
    // The same for the traditional-to-simplified table.
    const std::vector<std::string>& simplified_candidates(const std::string& character) const;
    // A whole text converted from traditional to simplified characters, phrases first.
    std::string to_simplified(const std::string& text) const;

private:
    bool read_table(const std::string& path, std::map<std::string, std::vector<std::string>>& table);
    std::map<std::string, std::vector<std::string>> to_traditional_;
    std::map<std::string, std::vector<std::string>> to_simplified_;
    struct Converter;
    std::unique_ptr<Converter> converter_;
    std::string error_;
};

}  // namespace namedata
