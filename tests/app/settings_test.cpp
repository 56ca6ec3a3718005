// The settings file: the INI reader and writer, the naming-record encoding, and the six inputs
// with the records saved and read back.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "app/ini_file.h"
#include "app/naming_records.h"
#include "app/settings.h"
#include "tests/test_support.h"
#include "text/gbk.h"

namespace langyue {
namespace {

// A settings file path in a fresh folder, removed with the object.
class ScratchFile {
public:
    ScratchFile() {
        folder_ = std::filesystem::temp_directory_path() /
                  ("langyue_settings_" + std::to_string(getpid()) + "_" + std::to_string(next_++));
        std::filesystem::remove_all(folder_);
    }
    ~ScratchFile() { std::filesystem::remove_all(folder_); }
    std::string path() const { return (folder_ / "config.dat").string(); }
    void write(const std::string& bytes) const {
        std::filesystem::create_directories(folder_);
        std::ofstream(path(), std::ios::binary) << bytes;
    }

private:
    static inline int next_ = 0;
    std::filesystem::path folder_;
};

NamingRecord record(const char* surname, const char* given, std::array<const char*, 6> columns) {
    NamingRecord made{record_name(gbk(surname), gbk(given)), {}};
    for (size_t i = 0; i < columns.size(); ++i) made.columns[i] = gbk(columns[i]);
    return made;
}

std::vector<NamingRecord> three_records() {
    return {record("李", "明轩", {"22", "27", "木土土", "8,16,19,26,11", "金土水", "92"}),
            record("王", "子涵", {"15", "21", "土水水", "5,7,18,21,16", "土金金", "88"}),
            record("欧阳", "雪", {"21", "30", "土土水", "23,26,19,30,12", "火土水", "81"})};
}

TEST(IniFileTest, ReadsValuesBySectionAndKey) {
    IniFile file;
    file.parse("[a]\r\nx=1\r\n y = two words \r\n; x=comment\r\n[b]\nx=3\n");
    EXPECT_EQ(file.value("a", "x"), "1");
    EXPECT_EQ(file.value("a", "y"), " two words ");
    EXPECT_EQ(file.value("b", "x"), "3");
    EXPECT_EQ(file.value("b", "y"), "");
    EXPECT_EQ(file.value("c", "x"), "");
    EXPECT_FALSE(file.has_value("c", "x"));
}

TEST(IniFileTest, ChangesInPlaceAppendsKeysAndSections) {
    IniFile file;
    file.parse("[a]\r\nx=1\r\n\r\n[b]\r\ny=2\r\n");
    file.set_value("a", "x", "9");
    file.set_value("a", "z", "3");
    file.set_value("c", "w", "4");
    EXPECT_EQ(file.text(), "[a]\r\nx=9\r\nz=3\r\n\r\n[b]\r\ny=2\r\n\r\n[c]\r\nw=4\r\n");
}

TEST(NamingRecordsTest, SplittingStepsOverTheSecondByteOfACharacter) {
    // The second byte of 亅 (0x81 0x7C) is "|", which must not cut the text.
    const std::string text = gbk("亅一") + "|" + gbk("二");
    ASSERT_EQ(static_cast<unsigned char>(gbk("亅")[1]), '|');
    const std::vector<std::string> pieces = split_at_delimiter(text, '|');
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[0], gbk("亅一"));
    EXPECT_EQ(pieces[1], gbk("二"));
}

TEST(NamingRecordsTest, EncodesNamesWithABlankAndClosesEachRecord) {
    const std::string value = encode_naming_records({three_records()[0]});
    EXPECT_EQ(value, gbk("李 明轩;22;27;木土土;8,16,19,26,11;金土水;92|"));
    EXPECT_EQ(encode_naming_records({}), "");
}

TEST(NamingRecordsTest, DecodesWhatItEncodes) {
    const std::vector<NamingRecord> records = three_records();
    EXPECT_EQ(decode_naming_records(encode_naming_records(records)), records);
    EXPECT_TRUE(decode_naming_records("").empty());
}

TEST(NamingRecordsTest, DecodesBlanksAsLineBreaksAndFillsMissingFields) {
    const std::vector<NamingRecord> records =
        decode_naming_records(gbk("司 马 光;1;2|张 三;1;2;3;4;5;;extra|"));
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].name, gbk("司\r\n马\r\n光"));
    EXPECT_EQ(records[0].columns[1], "2");
    EXPECT_EQ(records[0].columns[5], "");
    EXPECT_EQ(records[1].columns[4], "5");
    EXPECT_EQ(records[1].columns[5], "");  // the empty last column stays empty
}

TEST(NamingRecordsTest, EmptyPiecesGiveNoRecord) {
    struct Case {
        const char* value;
        size_t records;
    };
    for (const Case& c : {Case{"", 0}, Case{"|", 0}, Case{"||", 0}, Case{"李 明;1|", 1},
                          Case{"李 明;1||王 子;2|", 2}, Case{"|李 明;1", 1}, Case{";1;2|", 1}}) {
        const std::vector<NamingRecord> records = decode_naming_records(gbk(c.value));
        EXPECT_EQ(records.size(), c.records) << c.value;
        for (const NamingRecord& record : records) {
            EXPECT_FALSE(record.name.empty() && record.columns[0].empty()) << c.value;
        }
    }
}

TEST(NamingRecordsTest, MatchesNamesWithoutTheLineBreak) {
    EXPECT_TRUE(record_name_matches(gbk("李\r\n明轩"), gbk("李"), gbk("明轩")));
    EXPECT_TRUE(record_name_matches(gbk("李明\r\n轩"), gbk("李"), gbk("明轩")));
    EXPECT_FALSE(record_name_matches(gbk("王\r\n明轩"), gbk("李"), gbk("明轩")));
    const auto [surname, given] = split_record_name(gbk("欧阳\r\n雪"));
    EXPECT_EQ(surname, gbk("欧阳"));
    EXPECT_EQ(given, gbk("雪"));
}

TEST(SettingsTest, FirstRunGivesEmptyInputsAndNoRecords) {
    ScratchFile file;
    const SavedSettings settings = read_settings(file.path());
    EXPECT_EQ(settings.surname, "");
    EXPECT_EQ(settings.sex_index, 0);
    EXPECT_EQ(settings.name_length_index, 0);
    EXPECT_EQ(settings.combination_text, "");
    EXPECT_EQ(settings.english_given_name, "");
    EXPECT_EQ(settings.scoring_given_name, "");
    EXPECT_TRUE(settings.records.empty());
}

TEST(SettingsTest, RoundTripKeepsInputsAndRecords) {
    ScratchFile file;
    SavedSettings saved;
    saved.surname = gbk("欧阳");
    saved.sex_index = 1;
    saved.name_length_index = 1;
    saved.combination_text = gbk("圣诚杰");
    saved.english_given_name = gbk("明");
    saved.scoring_given_name = gbk("子涵");
    saved.records = three_records();
    saved.records[2].columns[5].clear();  // an empty last column
    ASSERT_TRUE(write_settings(file.path(), saved));

    const SavedSettings read = read_settings(file.path());
    EXPECT_EQ(read.surname, saved.surname);
    EXPECT_EQ(read.sex_index, 1);
    EXPECT_EQ(read.name_length_index, 1);
    EXPECT_EQ(read.combination_text, saved.combination_text);
    EXPECT_EQ(read.english_given_name, saved.english_given_name);
    EXPECT_EQ(read.scoring_given_name, saved.scoring_given_name);
    EXPECT_EQ(read.records, saved.records);
}

TEST(SettingsTest, WritesTheKeysInTheirOrderAsGbk) {
    ScratchFile file;
    SavedSettings saved;
    saved.surname = gbk("李");
    saved.records = {three_records()[0]};
    ASSERT_TRUE(write_settings(file.path(), saved));
    EXPECT_EQ(test::read_file(file.path()),
              gbk("[设置]\r\n姓氏=李\r\n性别=0\r\n名字个数=0\r\n组合的字=\r\n英文名字=\r\n评分名字=\r\n"
                  "名字记录=李 明轩;22;27;木土土;8,16,19,26,11;金土水;92|\r\n"));
}

TEST(SettingsTest, ReadsTheListIndexesAsNumbers) {
    struct Case {
        const char* sex;
        const char* length;
        int sex_index;
        int length_index;
    };
    for (const Case& c : {Case{"0", "0", 0, 0}, Case{"1", "1", 1, 1}, Case{"5", "2", 1, 0},
                          Case{"-1", "1x", 1, 1}, Case{"", "", 0, 0}, Case{"x", "01", 0, 1}}) {
        ScratchFile file;
        file.write(gbk("[设置]\r\n性别=") + c.sex + gbk("\r\n名字个数=") + c.length + "\r\n");
        const SavedSettings read = read_settings(file.path());
        EXPECT_EQ(read.sex_index, c.sex_index) << c.sex;
        EXPECT_EQ(read.name_length_index, c.length_index) << c.length;
    }
}

TEST(SettingsTest, ALongRecordListSurvivesWhole) {
    ScratchFile file;
    SavedSettings saved;
    for (int i = 0; i < 400; ++i) {
        saved.records.push_back(
            record("李", "明轩", {"22", "27", "木土土", "8,16,19,26,11", "金土水", "92"}));
        saved.records.back().columns[5] = std::to_string(i);
    }
    ASSERT_GT(encode_naming_records(saved.records).size(), 10239u);
    ASSERT_TRUE(write_settings(file.path(), saved));
    EXPECT_EQ(read_settings(file.path()).records, saved.records);
}

TEST(SettingsTest, OtherSectionsAndKeysAreKept) {
    ScratchFile file;
    const std::string other = gbk("[其他]\r\n颜色=红\r\n; 注释\r\n\r\n");
    file.write(other + gbk("[设置]\r\n姓氏=王\r\n窗口=1\r\n\r\n[末尾]\r\n值=2\r\n"));
    SavedSettings saved;
    saved.surname = gbk("李");
    ASSERT_TRUE(write_settings(file.path(), saved));
    const std::string text = test::read_file(file.path());
    EXPECT_EQ(text.substr(0, other.size()), other);
    EXPECT_NE(text.find(gbk("姓氏=李\r\n窗口=1\r\n性别=0\r\n")), std::string::npos);
    EXPECT_NE(text.find(gbk("\r\n[末尾]\r\n值=2\r\n")), std::string::npos);
    EXPECT_EQ(read_settings(file.path()).surname, gbk("李"));
}

TEST(SettingsTest, AFailedWriteKeepsTheEarlierFile) {
    ScratchFile file;
    const std::string earlier = gbk("[设置]\r\n姓氏=王\r\n");
    file.write(earlier);
    // The temporary file cannot be made where a folder of its name stands.
    std::filesystem::create_directory(file.path() + ".tmp");
    SavedSettings saved;
    saved.surname = gbk("李");
    EXPECT_FALSE(write_settings(file.path(), saved));
    EXPECT_EQ(test::read_file(file.path()), earlier);
    EXPECT_TRUE(std::filesystem::is_directory(file.path() + ".tmp"));
}

}  // namespace
}  // namespace langyue
