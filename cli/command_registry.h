// langyue-cli sub-commands. Each command file registers itself with a static
// CommandRegistration, so adding a command touches no other file.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace langyue::cli {

// Arguments after the command word, as UTF-8 texts. Returns the process exit code.
using CommandFunction = std::function<int(const std::vector<std::string>& args)>;

struct CommandRegistration {
    CommandRegistration(const std::string& name, const std::string& usage, CommandFunction run);
};

// Loads the name database from data/ beside the executable, exactly as the program does.
// False when it could not be loaded (the message has gone to standard error).
bool load_database_beside_executable();

}  // namespace langyue::cli
