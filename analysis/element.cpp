#include "analysis/element.h"

#include <array>

#include "text/gbk.h"

namespace langyue {
namespace {

const std::array<std::string, 5>& element_texts() {
    static const std::array<std::string, 5> texts = {gbk("金"), gbk("木"), gbk("水"), gbk("火"),
                                                     gbk("土")};
    return texts;
}

}  // namespace

const std::string& element_text(Element element) {
    static const std::string none;
    return element == kNoElement ? none : element_texts()[static_cast<size_t>(element)];
}

Element element_from_text(const std::string& text) {
    const auto& texts = element_texts();
    for (size_t i = 0; i < texts.size(); ++i) {
        if (texts[i] == text) return static_cast<Element>(i);
    }
    return kNoElement;
}

Element number_element_of(int digit) {
    static constexpr Element by_digit[10] = {kWater, kWood,  kWood,  kFire,  kFire,
                                             kEarth, kEarth, kMetal, kMetal, kWater};
    return digit >= 0 && digit <= 9 ? by_digit[digit] : kNoElement;
}

const std::string& number_element(int digit) { return element_text(number_element_of(digit)); }

}  // namespace langyue
