// langyue-cli score <surname> <given> [--report FILE]
// langyue-cli score - [--report FILE]      pairs "<surname> <given>" from standard input
//
// One tab-separated line per name: full name, simplified total, 总格, element string, the five
// grids (天格,人格,地格,总格,外格), the three-talent pattern, the score as shown, and the six
// verdicts (heaven, person, earth, total, outer, three talents).
#include <cstdio>
#include <iostream>
#include <sstream>

#include "analysis/name_analysis.h"
#include "analysis/report_pages.h"
#include "cli/command_registry.h"
#include "text/gbk.h"
#include "text/split_characters.h"

namespace langyue::cli {
namespace {

std::string join(const std::vector<std::string>& parts, const char* separator) {
    std::string text;
    for (size_t i = 0; i < parts.size(); ++i) text += (i ? separator : "") + parts[i];
    return text;
}

std::string score_line(const std::string& surname, const std::string& given,
                       const NameAnalysis& analysis, int score) {
    const FiveGrids& g = analysis.grids;
    std::vector<std::string> verdicts;
    for (const auto& verdict : analysis.verdicts) verdicts.push_back(gbk_to_utf8(verdict));
    return join({gbk_to_utf8(surname + given), std::to_string(analysis.simplified_total),
                 std::to_string(g.total), gbk_to_utf8(analysis.element_string),
                 join({std::to_string(g.heaven), std::to_string(g.person),
                       std::to_string(g.earth), std::to_string(g.total),
                       std::to_string(g.outer)},
                      ","),
                 gbk_to_utf8(analysis.pattern), std::to_string(score), join(verdicts, ",")},
                "\t");
}

// Scores one name; false (with a message) when a part is empty, blank or has no GBK form.
bool score_one(const std::string& surname_utf8, const std::string& given_utf8,
               NameAnalysis& analysis) {
    const std::string surname = utf8_to_gbk(surname_utf8);
    const std::string given = utf8_to_gbk(given_utf8);
    if (split_characters(surname).empty() || split_characters(given).empty()) {
        std::fprintf(stderr, "langyue-cli score: surname and given name must not be empty: '%s' '%s'\n",
                     surname_utf8.c_str(), given_utf8.c_str());
        return false;
    }
    const int score = analyse_name(surname, given, analysis);
    std::printf("%s\n", score_line(surname, given, analysis, score).c_str());
    return true;
}

int run_score(const std::vector<std::string>& args) {
    std::vector<std::string> words;
    std::string report;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--report" && i + 1 < args.size()) {
            report = args[++i];
        } else {
            words.push_back(args[i]);
        }
    }
    const bool batch = words.size() == 1 && words[0] == "-";
    if (!batch && words.size() != 2) {
        std::fprintf(stderr, "usage: langyue-cli score <surname> <given> [--report FILE]\n"
                             "       langyue-cli score - [--report FILE]\n");
        return 2;
    }
    if (!load_database_beside_executable()) return 2;

    NameAnalysis analysis;
    bool all_scored = true;
    bool any_scored = false;
    if (batch) {
        std::string line;
        while (std::getline(std::cin, line)) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            std::istringstream fields(line);
            std::string surname, given, extra;
            fields >> surname >> given;
            if (line.find_first_not_of(" \t") == std::string::npos) continue;
            const bool ok = !(fields >> extra) && score_one(surname, given, analysis);
            if (!ok && !extra.empty()) {
                std::fprintf(stderr, "langyue-cli score: expected '<surname> <given>': %s\n",
                             line.c_str());
            }
            all_scored = all_scored && ok;
            any_scored = any_scored || ok;
        }
    } else {
        all_scored = any_scored = score_one(words[0], words[1], analysis);
    }
    std::fflush(stdout);
    if (!report.empty() && any_scored && !write_gbk_file(report, fill_name_report(analysis))) {
        std::fprintf(stderr, "langyue-cli score: cannot write %s\n", report.c_str());
        return 2;
    }
    return all_scored ? 0 : 2;
}

const CommandRegistration score("score", "score <surname> <given> | score - [--report FILE]",
                                run_score);

}  // namespace
}  // namespace langyue::cli
