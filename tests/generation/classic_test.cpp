#include "generation/classic.h"

#include <gtest/gtest.h>

#include "generation/pools.h"
#include "generation/result_list.h"
#include "tests/generation/run_helpers.h"
#include "tests/test_support.h"

namespace langyue {
namespace {

// The rows of a classic text: split at the blank line between two rows.
std::vector<std::string> rows_of(const std::string& text) {
    std::vector<std::string> rows;
    size_t start = 0;
    for (size_t at = text.find("\r\n\r\n"); at != std::string::npos; at = text.find("\r\n\r\n", start)) {
        rows.push_back(text.substr(start, at - start));
        start = at + 4;
    }
    if (start < text.size()) rows.push_back(text.substr(start));
    return rows;
}

struct ClassicCase {
    const char* sex;
    int length;
    size_t entries;
    size_t rows;
    size_t per_row;
    size_t last_row;
};

class ClassicRun : public testing::TestWithParam<ClassicCase> {};

TEST_P(ClassicRun, WritesEveryEntryBehindTheSurnameInRows) {
    const ClassicCase& c = GetParam();
    RecordingSink sink;
    test::run_to_end(test::inputs_for(GenerationMode::kClassic, "李", c.sex, c.length), sink);
    const std::string& text = sink.text();
    const std::vector<std::string> rows = rows_of(text);
    ASSERT_EQ(rows.size(), c.rows);
    const std::string entry_blanks = c.length == 2 ? "  " : "   ";
    const size_t entry_bytes = 2 + 2 * static_cast<size_t>(c.length) + entry_blanks.size();
    for (size_t i = 0; i < rows.size(); ++i) {
        const size_t expected = i + 1 == rows.size() ? c.last_row : c.per_row;
        ASSERT_EQ(rows[i].size(), expected * entry_bytes) << i;
        for (size_t at = 0; at < rows[i].size(); at += entry_bytes) {
            ASSERT_EQ(rows[i].substr(at, 2), gbk("李"));
            ASSERT_EQ(rows[i].substr(at + entry_bytes - entry_blanks.size(), entry_blanks.size()),
                      entry_blanks);
        }
    }
    // The last row ends without line breaks.
    EXPECT_NE(text.substr(text.size() - 2), "\r\n");
    // The same entries, reordered.
    std::vector<std::string> listed;
    for (const std::string& row : rows) {
        for (size_t at = 0; at < row.size(); at += entry_bytes) {
            listed.push_back(row.substr(at + 2, 2 * static_cast<size_t>(c.length)));
        }
    }
    std::vector<std::string> pool = classic_entries(gbk(c.sex), c.length);
    EXPECT_EQ(listed.size(), c.entries);
    EXPECT_NE(listed, pool);
    std::sort(listed.begin(), listed.end());
    std::sort(pool.begin(), pool.end());
    EXPECT_EQ(listed, pool);

    EXPECT_EQ(sink.page(), kPageClassic);
    EXPECT_FALSE(sink.waiting_open());
    const std::vector<std::string> log = test::log_without_fills(sink);
    EXPECT_EQ(log.front(), "waiting shown");
    EXPECT_EQ(log.back(), "waiting closed");
}

INSTANTIATE_TEST_SUITE_P(Pools, ClassicRun,
                         testing::Values(ClassicCase{"男", 2, 2910, 208, 14, 12},
                                         ClassicCase{"女", 2, 2134, 153, 14, 6},
                                         ClassicCase{"男", 1, 841, 53, 16, 9},
                                         ClassicCase{"女", 1, 294, 19, 16, 6}));

TEST(Classic, NameOccurringTwiceAppearsTwice) {
    const std::string text = classic_text(gbk("李"), classic_entries(gbk("男"), 2), 2);
    size_t count = 0;
    for (size_t at = text.find(gbk("李博涛")); at != std::string::npos;
         at = text.find(gbk("李博涛"), at + 1)) {
        ++count;
    }
    EXPECT_EQ(count, 2u);
}

TEST(Classic, AnotherSexGivesAnEmptyText) {
    RecordingSink sink;
    test::run_to_end(test::inputs_for(GenerationMode::kClassic, "李", "X", 2), sink);
    EXPECT_EQ(sink.text(), "");
}

TEST(Classic, ExportEqualsTheBoxByteForByte) {
    RecordingSink sink;
    test::run_to_end(test::inputs_for(GenerationMode::kClassic, "欧阳", "女", 2), sink);
    test::ScratchProgramDir dir(false);
    ASSERT_TRUE(export_classic_text(sink.text(), dir.data_file(kClassicExportFile)));
    EXPECT_EQ(test::read_file(dir.data_file(kClassicExportFile)), sink.text());
    EXPECT_EQ(sink.text().substr(0, 4), gbk("欧阳"));
}

}  // namespace
}  // namespace langyue
