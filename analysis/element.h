// The five elements (五行) and the element of a grid number.
#pragma once

#include <string>

namespace langyue {

// Index order used by arrays keyed by element; kNoElement marks an empty element text.
enum Element : signed char { kMetal = 0, kWood, kWater, kFire, kEarth, kNoElement = -1 };

// "金" "木" "水" "火" "土" as GBK; empty text for kNoElement.
const std::string& element_text(Element element);
// The element a GBK element text names; kNoElement for any other text.
Element element_from_text(const std::string& text);

// The element of a grid number's last digit (callers pass the number modulo 10):
// 1 2 木, 3 4 火, 5 6 土, 7 8 金, 9 0 水; anything outside 0..9 has none.
Element number_element_of(int digit);
// The same as GBK text, empty outside 0..9.
const std::string& number_element(int digit);

}  // namespace langyue
