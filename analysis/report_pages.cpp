#include "analysis/report_pages.h"

#include <fstream>
#include <unordered_map>

#include "analysis/name_analysis.h"
#include "app/embedded_resources.h"
#include "app/program_paths.h"
#include "db/name_database.h"
#include "db/table_definitions.h"
#include "text/gbk.h"

namespace langyue {
namespace {

// The page templates as GBK text, each converted once.
const std::string& report_template() {
    static const std::string page = gbk(embedded_resource("templates/name_report.html"));
    return page;
}
const std::string& character_template() {
    static const std::string page = gbk(embedded_resource("templates/character_page.html"));
    return page;
}
const std::string& surname_template() {
    static const std::string page = gbk(embedded_resource("templates/surname_page.html"));
    return page;
}

// Replaces placeholders given as UTF-8 names, in the order given.
class PageFiller {
public:
    explicit PageFiller(std::string page) : page_(std::move(page)) {}
    PageFiller& set(const std::string& placeholder_utf8, const std::string& value_gbk) {
        replace_placeholder(page_, placeholder_gbk(placeholder_utf8), value_gbk);
        return *this;
    }
    std::string take() { return std::move(page_); }

private:
    // Placeholder names are fixed texts: each is converted to GBK once per thread, not at
    // every page.
    static const std::string& placeholder_gbk(const std::string& utf8) {
        thread_local std::unordered_map<std::string, std::string> converted;
        auto found = converted.find(utf8);
        if (found == converted.end()) found = converted.emplace(utf8, gbk(utf8)).first;
        return found->second;
    }

    std::string page_;
};

std::string number_text(int value) { return std::to_string(value); }

}  // namespace

void replace_placeholder(std::string& page, const std::string& placeholder,
                         const std::string& value) {
    if (placeholder.empty()) return;
    for (size_t at = page.find(placeholder); at != std::string::npos;
         at = page.find(placeholder, at + value.size())) {
        page.replace(at, placeholder.size(), value);
    }
}

std::string fill_name_report(const NameAnalysis& analysis) {
    PageFiller page(report_template());
    // The character rows, field by field, first then second character; a part of one
    // character leaves its second row empty.
    const auto fill_part = [&page, &analysis](const std::string& part,
                                              const std::vector<std::string>& characters,
                                              Slot first) {
        const auto value = [&](int field, size_t i) -> std::string {
            if (i >= characters.size()) return {};
            const SlotFacts& slot = analysis.slot_facts[first + i];
            switch (field) {
                case 0: return characters[i];
                case 1: return slot.traditional_form;
                case 2: return number_text(slot.simplified_strokes);
                case 3: return number_text(slot.traditional_strokes);
                case 4: return slot.element;
                default: return slot.pinyin;
            }
        };
        const std::string fields[] = {"{简体" + part + "#}",     "{繁体" + part + "#}",
                                      "{简体" + part + "#笔划}", "{繁体" + part + "#笔划}",
                                      "{" + part + "#五行}",      "{" + part + "#拼音}"};
        for (int field = 0; field < 6; ++field) {
            for (size_t i = 0; i < 2; ++i) {
                std::string placeholder = fields[field];
                placeholder.replace(placeholder.find('#'), 1, std::to_string(i + 1));
                page.set(placeholder, value(field, i));
            }
        }
    };
    fill_part("姓氏", analysis.surname_characters, kSurname1);
    fill_part("名字", analysis.given_characters, kGiven1);

    // Grids in the order 人 天 地 总 外, each group of placeholders after the other.
    const FiveGrids& g = analysis.grids;
    struct Grid {
        const char* name;
        int number;
        size_t index;  // into readings and grid_elements (heaven, person, earth, total, outer)
    };
    const Grid grids[] = {{"人格", g.person, 1}, {"天格", g.heaven, 0}, {"地格", g.earth, 2},
                          {"总格", g.total, 3},  {"外格", g.outer, 4}};
    const auto each = [&](const char* suffix, auto value) {
        for (const Grid& grid : grids) {
            page.set("{" + std::string(grid.name) + suffix + "}", value(grid));
        }
    };
    each("", [](const Grid& grid) { return number_text(grid.number); });
    each("五行", [&](const Grid& grid) { return analysis.grid_elements[grid.index]; });
    each("吉凶", [&](const Grid& grid) { return analysis.readings[grid.index].verdict; });
    each("释义", [&](const Grid& grid) { return analysis.readings[grid.index].explanation; });
    each("总论", [&](const Grid& grid) { return analysis.readings[grid.index].summary; });
    each("数理暗示", [&](const Grid& grid) { return analysis.readings[grid.index].hint; });

    const ThreeTalentReading& talent = analysis.talent_reading;
    page.set("{三才}", analysis.pattern)
        .set("{三才吉凶}", talent.verdict)
        .set("{三才总论}", talent.summary)
        .set("{三才释义}", talent.aspects)
        .set("{基础运}", talent.basic_fortune)
        .set("{成功运}", talent.success_fortune)
        .set("{人际关系}", talent.relationships)
        .set("{性格}", talent.character)
        .set("{总分建议}", analysis.advice)
        .set("{评分总分}", number_text(analysis.shown_score()));
    return page.take();
}

std::string fill_character_page(const std::string& character) {
    QueryCursor row =
        name_database().query(gbk("select * from LM_CNWord where 汉字=\"") + character + "\"");
    return PageFiller(character_template())
        .set("{汉字}", character)
        .set("{拼音}", row.column_text(cnword::kPinyin2))
        .set("{简体笔划}", row.column_text(cnword::kSimplifiedStrokes))
        .set("{部首}", row.column_text(cnword::kRadical))
        .set("{繁体笔划}", row.column_text(cnword::kTraditionalStrokes))
        .set("{基本解释}", row.column_text(cnword::kBasicMeaning))
        .set("{详细解释}", row.column_text(cnword::kDetailedMeaning))
        .take();
}

bool write_character_page(const std::string& character, int position) {
    return write_gbk_file(data_file("temp" + std::to_string(position) + ".html"),
                          fill_character_page(character));
}

std::string fill_surname_page(const std::string& surname) {
    QueryCursor row =
        name_database().query(gbk("select * from LM_百家姓 where 姓=\"") + surname + "\"");
    return PageFiller(surname_template())
        .set("{姓氏}", surname)
        .set("{姓氏起源}", row.column_text(2))
        .set("{聚集地}", row.column_text(3))
        .set("{历史名人}", row.column_text(4))
        .take();
}

bool write_surname_page(const std::string& surname) {
    return write_gbk_file(data_file("temp5.html"), fill_surname_page(surname));
}

bool write_gbk_file(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

}  // namespace langyue
