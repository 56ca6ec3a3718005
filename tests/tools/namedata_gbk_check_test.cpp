// The builder refuses a text without a GBK form and leaves no database behind.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

#include "tests/test_support.h"

namespace fs = std::filesystem;

namespace {

TEST(NamedataGbkCheckTest, TextWithoutGbkFormStopsTheBuild) {
    std::random_device random;
    const fs::path dir = fs::temp_directory_path() / ("namedata-gbk-" + std::to_string(random()));
    fs::create_directories(dir / "tables");
    const fs::path out = dir / "namedata.db";
    const std::string command = std::string(LANGYUE_BUILD_DIR) + "/namedata --out " +
                                out.string() + " --tables " + (dir / "tables").string() +
                                " 2>/dev/null";
    {
        std::ofstream poets(dir / "tables" / "LM_Poet.tsv");
        poets << "Id\tPoet\tPoemCount\tOrderId\n1\t李白\t1\t1\n";
    }
    EXPECT_EQ(std::system(command.c_str()), 0);
    EXPECT_TRUE(fs::exists(out));
    fs::remove(out);

    {
        std::ofstream poets(dir / "tables" / "LM_Poet.tsv");
        poets << "Id\tPoet\tPoemCount\tOrderId\n1\t李白\t1\t1\n2\t鸂𫛶\t1\t2\n";  // 𫛶: no GBK code
    }
    EXPECT_NE(std::system(command.c_str()), 0);
    EXPECT_FALSE(fs::exists(out));
    fs::remove_all(dir);
}

}  // namespace
