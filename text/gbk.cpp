#include "text/gbk.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace langyue {
namespace {

// One conversion with glibc's iconv; empty text on any failure.
std::string convert(std::string_view input, const char* from, const char* to) {
    if (input.empty()) return {};
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return {};
    std::vector<char> out(input.size() * 2 + 16);
    char* in_ptr = const_cast<char*>(input.data());
    size_t in_left = input.size();
    char* out_ptr = out.data();
    size_t out_left = out.size();
    bool ok = true;
    while (in_left > 0) {
        if (iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left) != static_cast<size_t>(-1)) continue;
        if (errno == E2BIG) {
            const size_t used = static_cast<size_t>(out_ptr - out.data());
            out.resize(out.size() * 2);
            out_ptr = out.data() + used;
            out_left = out.size() - used;
            continue;
        }
        ok = false;
        break;
    }
    iconv_close(cd);
    if (!ok) return {};
    return std::string(out.data(), static_cast<size_t>(out_ptr - out.data()));
}

}  // namespace

std::string utf8_to_gbk(std::string_view utf8) { return convert(utf8, "UTF-8", "CP936"); }

std::string gbk_to_utf8(std::string_view gbk) { return convert(gbk, "CP936", "UTF-8"); }

}  // namespace langyue
