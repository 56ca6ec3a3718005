// The user manual, Help/用户手册.html beside the program, opened in the system's viewer.
#pragma once

#include <QString>

namespace langyue {

// The manual's path: the program directory followed by "/Help/用户手册.html".
QString user_manual_path();

// Asks the system to open the manual; nothing happens (and no message is shown) when the
// file is missing. True when the system was asked.
bool open_user_manual_document();

}  // namespace langyue
