// gb2312_hanzi_filter: the characters of a typed text that the combination mode may use.
#pragma once

#include <string>
#include <string_view>

namespace langyue {

// Keeps only the characters of the GB2312 Chinese-character block (first byte B0 to F7, second
// byte above A0 and not FF) of a GBK text, in their order; blanks, letters, digits,
// punctuation, full-width symbols and the GBK extensions are dropped.
std::string gb2312_hanzi_filter(std::string_view text);

}  // namespace langyue
