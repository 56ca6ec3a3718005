// langyue-cli chart YYYY M D H: the eight-character chart of a date and hour, as the chart
// page shows it with its own date chosen (自定义日期), in UTF-8. Needs no database.
#include <cstdio>
#include <string>

#include "calendar/birth_chart.h"
#include "cli/command_registry.h"
#include "text/gbk.h"

namespace langyue::cli {
namespace {

bool is_decimal(const std::string& text) {
    if (text.empty() || text.size() > 9) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

int run_chart(const std::vector<std::string>& args) {
    if (args.size() != 4 || !is_decimal(args[0]) || !is_decimal(args[1]) || !is_decimal(args[2]) ||
        !is_decimal(args[3])) {
        std::fprintf(stderr, "usage: langyue-cli chart YYYY M D H\n");
        return 2;
    }
    // The combo boxes hold plain decimal texts without leading zeros.
    std::string texts[4];
    for (int i = 0; i < 4; ++i) texts[i] = std::to_string(std::stoi(args[i]));
    BirthChart chart;
    const ChartTexts result = compute_birth_chart(chart, texts[0], texts[1], texts[2], texts[3]);
    std::string text = gbk_to_utf8(result.chart);
    // The edit box's lines end in CR LF; the terminal's in LF.
    std::string lines;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        lines += text[i];
    }
    std::printf("%s\n", lines.c_str());
    return 0;
}

const CommandRegistration chart("chart", "chart YYYY M D H", run_chart);

}  // namespace
}  // namespace langyue::cli
