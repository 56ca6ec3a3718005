#include "db/table_definitions.h"

#include "text/gbk.h"

namespace langyue {
namespace {

// Columns written as "name:I:size" or "name:V:size", UTF-8, converted to GBK.
std::vector<FieldDef> fields(std::initializer_list<const char*> specs) {
    std::vector<FieldDef> result;
    for (const char* spec : specs) {
        const std::string text(spec);
        const size_t first = text.find(':');
        const size_t second = text.find(':', first + 1);
        FieldDef field;
        field.name = gbk(text.substr(0, first));
        field.type = text[first + 1] == 'I' ? kFieldInteger : kFieldVarChar;
        field.size = std::stoi(text.substr(second + 1));
        result.push_back(field);
    }
    return result;
}

std::vector<TableDef> make_tables() {
    const auto article = fields({"ID:I:10", "分类ID:V:50", "分类标题:V:20", "标题:V:100",
                                 "内容:V:2000"});
    return {
        {gbk("LM_CNWord"),
         fields({"Id:I:10", "code:I:10", "汉字:V:2", "简体:V:2", "繁体:V:2", "简体笔画数:I:10",
                 "繁体笔画数:I:10", "拼音1:V:20", "拼音2:V:20", "声母:V:1", "韵母:V:3",
                 "部首:V:1", "五行属性:V:2", "五笔:V:4", "基本解释:V:700", "详细解释:V:700"})},
        {gbk("LM_三才配置"),
         fields({"Id:I:10", "三才:V:6", "吉凶:V:4", "解释一:V:140", "解释二:V:80", "总论:V:92",
                 "性格:V:200", "意志:V:100", "事业:V:100", "家庭:V:100", "婚姻:V:100",
                 "子女:V:100", "社交:V:100", "精神:V:100", "财运:V:100", "健康:V:100",
                 "老运:V:100", "对基础运的影响:V:100", "对成功运的影响:V:100",
                 "对人际关系的影响:V:100", "对性格的影响:V:150"})},
        {gbk("LM_八一灵动数"),
         fields({"Id:I:10", "吉凶:V:4", "解释一:V:100", "解释二:V:100", "解释三:V:1000",
                 "基业:V:1000", "家庭:V:1000", "健康:V:1000", "含义:V:1000", "数理暗示:V:1000"})},
        {gbk("LM_EName"),
         fields({"Id:I:10", "EIndex:V:1", "EIndex2:V:2", "Name:V:20", "NameLength:V:10",
                 "Sex:I:10", "Cnword:V:50", "Morphology:V:20", "Languag:V:20", "Mean:V:20"})},
        {gbk("LM_Poet"), fields({"Id:I:10", "Poet:V:10", "PoemCount:V:10", "OrderId:I:10"})},
        {gbk("LM_全唐诗"),
         fields({"Id:I:10", "标题:V:30", "作者:V:10", "内容:V:1000", "首字母:V:400",
                 "内容长度:I:10"})},
        {gbk("LM_育儿百科"), article},
        {gbk("LM_算命风水"), article},
        {gbk("LM_百家姓"),
         fields({"Id:I:10", "姓:V:8", "姓氏起源:V:1000", "聚集地:V:1000", "历史名人:V:1000"})},
    };
}

}  // namespace

const std::vector<TableDef>& name_tables() {
    static const std::vector<TableDef> tables = make_tables();
    return tables;
}

}  // namespace langyue
