// langyue-cli lookup <汉字>: the character table's row of one character, a column a line.
#include <cstdio>

#include "cli/command_registry.h"
#include "db/name_database.h"
#include "db/table_definitions.h"
#include "text/gbk.h"

namespace langyue::cli {
namespace {

int run_lookup(const std::vector<std::string>& args) {
    if (args.size() != 1 || args[0].empty()) {
        std::fprintf(stderr, "usage: langyue-cli lookup <汉字>\n");
        return 2;
    }
    if (!load_database_beside_executable()) return 2;
    const std::string character = utf8_to_gbk(args[0]);
    QueryCursor cursor = name_database().query(
        gbk("select * from LM_CNWord where 汉字=\"") + character + "\"");
    const auto& fields = name_tables().front().fields;
    if (cursor.is_none() || cursor.column_text(cnword::kCharacter).empty()) return 1;
    for (size_t i = 0; i < fields.size(); ++i) {
        const std::string value = cursor.column_text(static_cast<int>(i));
        std::printf("%s\t%s\n", gbk_to_utf8(fields[i].name).c_str(), gbk_to_utf8(value).c_str());
    }
    return 0;
}

const CommandRegistration lookup("lookup", "lookup <汉字>", run_lookup);

}  // namespace
}  // namespace langyue::cli
