// The nine tables of the name database: names and columns in their binding order.
// Readers fetch columns by position, and the copy from the file is positional too.
#pragma once

#include <string>
#include <vector>

#include "db/name_database.h"

namespace langyue {

struct TableDef {
    std::string name;  // GBK, e.g. "LM_CNWord"
    std::vector<FieldDef> fields;
};

// The tables in load order: LM_CNWord, LM_三才配置, LM_八一灵动数, LM_EName, LM_Poet,
// LM_全唐诗, LM_育儿百科, LM_算命风水, LM_百家姓. Converted to GBK once.
const std::vector<TableDef>& name_tables();

// Column positions that readers use, so that no reader counts columns by hand.
namespace cnword {
enum Column {
    kId, kCode, kCharacter, kSimplified, kTraditional, kSimplifiedStrokes, kTraditionalStrokes,
    kPinyin1, kPinyin2, kInitial, kFinal, kRadical, kElement, kWubi, kBasicMeaning,
    kDetailedMeaning
};
}  // namespace cnword

}  // namespace langyue
