#include "reference/article_reader.h"

#include <gtest/gtest.h>

#include "app/program_paths.h"
#include "tests/test_support.h"
#include "text/gbk.h"

namespace langyue {
namespace {

class ArticleReaderTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::load_fixture_database(); }
};

std::vector<std::string> gbk_list(std::initializer_list<const char*> texts) {
    std::vector<std::string> list;
    for (const char* text : texts) list.push_back(gbk(text));
    return list;
}

TEST_F(ArticleReaderTest, CategoryListsItsTitlesInTableOrder) {
    EXPECT_EQ(article_titles(gbk("育儿百科"), gbk("备孕百科")),
              gbk_list({"备孕第一篇", "备孕第二篇", "备孕第三篇"}));
    EXPECT_EQ(article_titles(gbk("算命风水"), gbk("起名知识")), gbk_list({"起名一篇"}));
}

TEST_F(ArticleReaderTest, EmptyOrBrokenQueryGivesOneEmptyTitle) {
    for (const char* category : {"没有这一类", "带\"引号", ""}) {
        EXPECT_EQ(article_titles(gbk("育儿百科"), gbk(category)), gbk_list({""})) << category;
    }
    // The category belongs to the other table.
    EXPECT_EQ(article_titles(gbk("算命风水"), gbk("胎教")), gbk_list({""}));
}

TEST_F(ArticleReaderTest, PageIsTheTemplateFilledExactly) {
    const std::string expected = gbk(
        "<html>\r\n<head>\r\n<meta http-equiv=\"Content-Language\" content=\"zh-cn\">\r\n"
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">\r\n"
        "<title>备孕第三篇</title>\r\n</head>\r\n"
        "<body topmargin=\"10\" leftmargin=\"10\" rightmargin=\"3\" bottommargin=\"3\" "
        "bgcolor=\"#FFFFEC\">\r\n<CENTER><H1>备孕第三篇</H1></CENTER>\r\n"
        "<h3>小标题</h3><p>第三篇正文。</p>\r\n</body>\r\n</html>");
    EXPECT_EQ(fill_article_page(gbk("育儿百科"), gbk("备孕第三篇")), expected);
}

TEST_F(ArticleReaderTest, MissingArticleKeepsTheTitleWithAnEmptyBody) {
    const std::string page = fill_article_page(gbk("算命风水"), gbk("备孕第一篇"));
    EXPECT_NE(page.find(gbk("<H1>备孕第一篇</H1></CENTER>\r\n\r\n</body>")), std::string::npos);
}

TEST_F(ArticleReaderTest, WritesThePageToTempHtml) {
    test::ScratchProgramDir scratch;
    set_program_directory(scratch.path());
    EXPECT_EQ(article_page_file(), scratch.data_file("temp.html"));
    ASSERT_TRUE(write_article_page(gbk("育儿百科"), gbk("胎教一篇")));
    EXPECT_EQ(test::read_file(scratch.data_file("temp.html")),
              fill_article_page(gbk("育儿百科"), gbk("胎教一篇")));
    set_program_directory(test::fixture_program_dir());
}

// Cases that need rows of their own: an empty database with just these articles.
TEST(ArticleReaderRowsTest, SameTitleShowsTheFirstAndQuotesGiveAnEmptyPage) {
    test::open_empty_test_database();
    test::exec_sql(
        "insert into LM_算命风水 values (1,'a','同名','重名','<p>先写的</p>'),"
        "(2,'a','同名','重名','<p>后写的</p>'),(3,'b','别类','带\"引号','<p>引号</p>')");
    EXPECT_NE(fill_article_page(gbk("算命风水"), gbk("重名")).find(gbk("<p>先写的</p>")),
              std::string::npos);
    EXPECT_EQ(article_titles(gbk("算命风水"), gbk("同名")), gbk_list({"重名", "重名"}));
    EXPECT_EQ(article_titles(gbk("算命风水"), gbk("别类")), gbk_list({"带\"引号"}));
    EXPECT_EQ(fill_article_page(gbk("算命风水"), gbk("带\"引号")).find(gbk("<p>引号</p>")),
              std::string::npos);
    test::load_fixture_database();
}

}  // namespace
}  // namespace langyue
