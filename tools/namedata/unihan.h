// The facts the builder takes from Unicode's Unihan database (the Unihan_*.txt.bz2 files of
// Debian's unicode-data) and from its list of radicals (CJKRadicals.txt).
#pragma once

#include <map>
#include <string>

namespace namedata {

struct UnihanFacts {
    int total_strokes = 0;         // kTotalStrokes, first value (the mainland count)
    std::string rs_unicode;        // kRSUnicode, e.g. "167'.6"
    std::string rs_kangxi;         // kRSKangXi, e.g. "167.6"
    std::string reading;           // the most common Mandarin reading with tone marks
    std::string definition;        // kDefinition, English
    char32_t traditional = 0;      // kTraditionalVariant, first value other than itself
    char32_t simplified = 0;       // kSimplifiedVariant, first value other than itself
    char32_t compatibility = 0;    // kCompatibilityVariant: the unified ideograph it stands for
};

class Unihan {
public:
    // Reads Unihan_IRGSources, Unihan_RadicalStrokeCounts, Unihan_Readings, Unihan_Variants
    // (.txt.bz2, or .txt where a file is unpacked) and CJKRadicals.txt from `dir`.
    bool load(const std::string& dir);
    const std::string& error() const { return error_; }

    const std::map<char32_t, UnihanFacts>& characters() const { return facts_; }
    const UnihanFacts* find(char32_t character) const;
    // The ideograph that stands for a radical: "167" gives 金, "167'" gives 钅; 0 if unknown.
    char32_t radical_character(int radical, bool simplified) const;

private:
    bool read_file(const std::string& path);
    std::map<char32_t, UnihanFacts> facts_;
    std::map<std::string, char32_t> radicals_;
    std::map<char32_t, int> reading_rank_;  // which field the kept reading came from
    std::map<char32_t, std::string> standard_readings_;  // kTGHZ2013, as written
    std::string error_;
};

}  // namespace namedata
