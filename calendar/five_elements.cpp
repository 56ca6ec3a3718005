#include "calendar/five_elements.h"

#include <array>

#include "text/gbk.h"
#include "text/split_characters.h"

namespace langyue {

MissingElements find_missing_elements(std::string_view element_string) {
    static const std::array<std::string, 5> elements = {gbk("金"), gbk("木"), gbk("水"), gbk("火"),
                                                        gbk("土")};
    static const std::string missing_prefix = gbk("五行缺：");
    static const std::string none_missing = gbk("五行不缺");
    MissingElements result;
    for (const std::string& element : elements)
        if (!text_contains(element_string, element)) result.missing += element;
    result.text = result.missing.empty() ? none_missing : missing_prefix + result.missing;
    return result;
}

}  // namespace langyue
