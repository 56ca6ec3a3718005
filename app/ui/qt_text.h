// The widgets' border between QString and the core's GBK byte strings.
#pragma once

#include <QString>
#include <string>

#include "text/gbk.h"

namespace langyue {

inline QString from_gbk(const std::string& gbk_text) {
    return QString::fromStdString(gbk_to_utf8(gbk_text));
}

inline std::string to_gbk(const QString& text) { return utf8_to_gbk(text.toStdString()); }

}  // namespace langyue
