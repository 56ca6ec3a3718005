// The program's built-in resource files (resources/pools, resources/templates), compiled in.
#pragma once

#include <string>
#include <string_view>

namespace langyue {

// The bytes of a resource file as stored in the source tree (UTF-8), by its path under
// resources/, e.g. "pools/boys_characters.txt"; empty when there is no such file.
std::string_view embedded_resource(const std::string& path);

}  // namespace langyue
