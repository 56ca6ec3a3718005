#include "db/load_name_database.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>

#include "app/messages.h"
#include "db/table_definitions.h"
#include "tests/test_support.h"
#include "text/gbk.h"

namespace fs = std::filesystem;

namespace langyue {
namespace {

// Records every message instead of showing it.
class LoaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = set_message_handler([this](const Message& message) {
            messages.push_back(gbk_to_utf8(message.text));
            icons.push_back(message.icon);
            return MessageAnswer::kOk;
        });
    }
    void TearDown() override { set_message_handler(previous_); }

    // Writes a database file holding the nine tables, with `change` applied to the
    // create statement of table `altered` (UTF-8 name), then one row in LM_Poet.
    static void write_database(const std::string& path, const std::string& altered,
                               const std::string& replacement) {
        sqlite3* connection = nullptr;
        ASSERT_EQ(sqlite3_open(path.c_str(), &connection), SQLITE_OK);
        for (const auto& table : name_tables()) {
            std::string statement =
                gbk_to_utf8(NameDatabase::create_statement(table.name, table.fields));
            if (gbk_to_utf8(table.name) == altered) statement = replacement;
            if (statement.empty()) continue;
            ASSERT_EQ(sqlite3_exec(connection, statement.c_str(), nullptr, nullptr, nullptr),
                      SQLITE_OK)
                << statement;
        }
        sqlite3_exec(connection, "insert into LM_Poet values (1,'李白',12,1)", nullptr, nullptr,
                     nullptr);
        sqlite3_close(connection);
    }

    std::vector<std::string> messages;
    std::vector<MessageIcon> icons;
    MessageHandler previous_;
};

TEST_F(LoaderTest, LoadsTheFixtureAndReadsPoemCountAsText) {
    NameDatabase db;
    ASSERT_TRUE(load_name_database(db, test::fixture_program_dir()));
    EXPECT_TRUE(messages.empty());
    QueryCursor poets = db.query("select * from LM_Poet order by OrderId ASC");
    EXPECT_EQ(poets.column_text(1), gbk("李白"));
    EXPECT_EQ(poets.column_text(2), "2");
    QueryCursor character = db.query(gbk("select * from LM_CNWord where 汉字=\"朗\""));
    EXPECT_EQ(character.column_int(cnword::kTraditionalStrokes), 11);
    // Both article tables share one column list and are both filled.
    EXPECT_EQ(db.query(gbk("select count(*) from LM_育儿百科")).column_int(0), 4);
    EXPECT_EQ(db.query(gbk("select count(*) from LM_算命风水")).column_int(0), 1);
    // The three indexes exist.
    EXPECT_EQ(db.query("select count(*) from sqlite_master where type='index'").column_int(0), 3);
}

TEST_F(LoaderTest, MissingFileShowsTheAttachMessageAndCreatesNoFile) {
    test::ScratchProgramDir dir(false);
    NameDatabase db;
    EXPECT_FALSE(load_name_database(db, dir.path()));
    EXPECT_EQ(messages, (std::vector<std::string>{"将磁盘数据库附加到内存数据库失败！"}));
    EXPECT_EQ(icons.front(), MessageIcon::kError);
    EXPECT_FALSE(db.is_open());
    EXPECT_FALSE(fs::exists(dir.data_file("namedata.db")));
}

TEST_F(LoaderTest, SingleQuoteInTheProgramPathFailsTheAttach) {
    test::ScratchProgramDir base(false);
    const std::string quoted = base.path() + "/it's here";
    fs::create_directories(quoted + "/data");
    fs::copy_file(test::fixture_program_dir() + "/data/namedata.db",
                  quoted + "/data/namedata.db");
    NameDatabase db;
    EXPECT_FALSE(load_name_database(db, quoted));
    EXPECT_EQ(messages, (std::vector<std::string>{"将磁盘数据库附加到内存数据库失败！"}));
}

struct BrokenFile {
    const char* table;
    const char* create;  // replacement create statement, empty to leave the table out
};

class LoaderBrokenFileTest : public LoaderTest,
                             public ::testing::WithParamInterface<BrokenFile> {};

TEST_P(LoaderBrokenFileTest, RollsBackClosesAndShowsTheEngineText) {
    test::ScratchProgramDir dir(false);
    write_database(dir.data_file("namedata.db"), GetParam().table, GetParam().create);
    NameDatabase db;
    EXPECT_FALSE(load_name_database(db, dir.path()));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_FALSE(messages.front().empty());
    EXPECT_NE(messages.front(), "将磁盘数据库附加到内存数据库失败！");
    EXPECT_EQ(icons.front(), MessageIcon::kError);
    EXPECT_FALSE(db.is_open());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LoaderBrokenFileTest,
    ::testing::Values(
        BrokenFile{"LM_百家姓", ""},
        BrokenFile{"LM_Poet", "create table LM_Poet (Id Integer,Poet VarChar,PoemCount VarChar,"
                              "OrderId Integer,Extra Integer)"},
        BrokenFile{"LM_Poet", "create table LM_Poet (Id Integer,Poet VarChar,PoemCount VarChar)"}));

}  // namespace
}  // namespace langyue
