// langyue-cli: the program's knowledge and rules from the terminal, UTF-8 in and out.
#include <cstdio>
#include <map>

#include "app/program_paths.h"
#include "cli/command_registry.h"
#include "db/load_name_database.h"

namespace langyue::cli {
namespace {

struct Command {
    std::string usage;
    CommandFunction run;
};

std::map<std::string, Command>& commands() {
    static std::map<std::string, Command> all;
    return all;
}

}  // namespace

CommandRegistration::CommandRegistration(const std::string& name, const std::string& usage,
                                         CommandFunction run) {
    commands()[name] = {usage, std::move(run)};
}

bool load_database_beside_executable() {
    set_program_directory(executable_directory());
    return load_name_database();
}

}  // namespace langyue::cli

int main(int argc, char** argv) {
    using langyue::cli::commands;
    if (argc < 2 || commands().find(argv[1]) == commands().end()) {
        std::fprintf(stderr, "usage:\n");
        for (const auto& [name, command] : commands()) {
            std::fprintf(stderr, "  langyue-cli %s\n", command.usage.c_str());
        }
        return 2;
    }
    return commands()[argv[1]].run(std::vector<std::string>(argv + 2, argv + argc));
}
