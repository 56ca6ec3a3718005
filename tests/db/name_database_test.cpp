#include "db/name_database.h"

#include <gtest/gtest.h>

#include "db/table_definitions.h"
#include "text/gbk.h"

namespace langyue {
namespace {

class NameDatabaseTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(db.open_memory());
        std::string error;
        ASSERT_TRUE(db.exec(gbk("create table T (Id Integer(10),名称 VarChar(10))"), error));
        ASSERT_TRUE(db.exec(gbk("insert into T values (1,'朗月'),(2,'李')"), error)) << error;
    }
    NameDatabase db;
};

TEST_F(NameDatabaseTest, QueryStandsOnFirstRowAndReadsGbk) {
    QueryCursor cursor = db.query(gbk("select * from T where 名称=\"朗月\""));
    ASSERT_FALSE(cursor.is_none());
    EXPECT_EQ(cursor.column_int(0), 1);
    EXPECT_EQ(cursor.column_text(1), gbk("朗月"));
    EXPECT_EQ(cursor.column_text(0), "1");
    EXPECT_FALSE(cursor.next_row());
    EXPECT_TRUE(cursor.finalize());
}

TEST_F(NameDatabaseTest, WalksSeveralRows) {
    QueryCursor cursor = db.query("select * from T order by Id");
    std::vector<std::string> names;
    do names.push_back(cursor.column_text(1));
    while (cursor.next_row());
    EXPECT_EQ(names, (std::vector<std::string>{gbk("朗月"), gbk("李")}));
}

TEST_F(NameDatabaseTest, NoRowsReadAsEmptyTextAndZero) {
    QueryCursor cursor = db.query(gbk("select * from T where 名称=\"王\""));
    ASSERT_FALSE(cursor.is_none());
    EXPECT_EQ(cursor.column_text(1), "");
    EXPECT_EQ(cursor.column_int(0), 0);
    EXPECT_FALSE(cursor.next_row());
}

TEST_F(NameDatabaseTest, DoubleQuoteInValueFailsSilently) {
    QueryCursor cursor = db.query(gbk("select * from T where 名称=\"朗\"月\""));
    EXPECT_TRUE(cursor.is_none());
    EXPECT_EQ(cursor.column_text(1), "");
    EXPECT_EQ(cursor.column_int(0), 0);
    EXPECT_FALSE(cursor.next_row());
    EXPECT_FALSE(cursor.finalize());
}

TEST_F(NameDatabaseTest, PreparedQueryRunsAgainWithEachValue) {
    QueryCursor cursor = db.prepare(gbk("select * from T where 名称=?"));
    ASSERT_FALSE(cursor.is_none());
    EXPECT_TRUE(cursor.run_with(gbk("李")));
    EXPECT_EQ(cursor.column_int(0), 2);
    EXPECT_TRUE(cursor.run_with(gbk("王")));
    EXPECT_EQ(cursor.column_text(1), "");
    EXPECT_TRUE(cursor.run_with(gbk("朗月")));
    EXPECT_EQ(cursor.column_text(1), gbk("朗月"));
    EXPECT_FALSE(QueryCursor().run_with("x"));
}

TEST_F(NameDatabaseTest, ClosedConnectionGivesNoneAndFalse) {
    EXPECT_TRUE(db.close());
    EXPECT_FALSE(db.close());
    EXPECT_TRUE(db.query("select * from T").is_none());
    EXPECT_TRUE(db.prepare("select * from T").is_none());
    std::string error;
    EXPECT_FALSE(db.exec("select 1", error));
    EXPECT_FALSE(db.begin());
}

TEST_F(NameDatabaseTest, ExecReportsTheEngineMessage) {
    std::string error;
    EXPECT_FALSE(db.exec("insert into Missing values (1)", error));
    EXPECT_NE(error.find("Missing"), std::string::npos);
    EXPECT_TRUE(db.exec("select 1", error));
    EXPECT_EQ(error, "");
}

TEST(CreateStatement, IsBuiltExactly) {
    const auto& poet = name_tables()[4];
    EXPECT_EQ(NameDatabase::create_statement(poet.name, poet.fields),
              "create table LM_Poet (Id Integer(10),Poet VarChar(10),PoemCount VarChar(10),"
              "OrderId Integer(10))");
    EXPECT_EQ(NameDatabase::create_statement("LM_X", {}), "create table LM_X");
    EXPECT_EQ(NameDatabase::create_statement("T", {{"A", kFieldInteger, 0, 0, ""}}),
              "create table T (A Integer)");
}

TEST(TableDefinitions, NineTablesWithTheirColumnCounts) {
    const auto& tables = name_tables();
    ASSERT_EQ(tables.size(), 9u);
    const std::vector<std::pair<std::string, size_t>> expected = {
        {"LM_CNWord", 16}, {"LM_三才配置", 21}, {"LM_八一灵动数", 10},
        {"LM_EName", 10},  {"LM_Poet", 4},      {"LM_全唐诗", 6},
        {"LM_育儿百科", 5}, {"LM_算命风水", 5}, {"LM_百家姓", 5}};
    for (size_t i = 0; i < tables.size(); ++i) {
        EXPECT_EQ(gbk_to_utf8(tables[i].name), expected[i].first);
        EXPECT_EQ(tables[i].fields.size(), expected[i].second) << expected[i].first;
    }
    EXPECT_EQ(gbk_to_utf8(tables[0].fields[cnword::kTraditionalStrokes].name), "繁体笔画数");
}

}  // namespace
}  // namespace langyue
