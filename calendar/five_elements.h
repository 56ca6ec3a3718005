// The five-element balance of a birth chart: which of 金木水火土 do not occur among its
// eight characters.
#pragma once

#include <string>
#include <string_view>

namespace langyue {

struct MissingElements {
    // The missing elements in the order 金 木 水 火 土, without separators (for example
    // "金水"); empty when none is missing. This is the text of 缺五行标签.
    std::string missing;
    // "五行缺：" followed by `missing`, or "五行不缺".
    std::string text;
};

// element_string: the chart's element string (the text of 八字五行标签), GBK, such as
// "水,火,木,木,火,土,火,火,". An element counts as present however often it occurs.
MissingElements find_missing_elements(std::string_view element_string);

}  // namespace langyue
