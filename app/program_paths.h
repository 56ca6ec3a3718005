// Where the program lives: the data and Help folders sit beside the executable.
#pragma once

#include <string>

namespace langyue {

// Set once at start from the executable's location (native file-system bytes).
void set_program_directory(const std::string& directory);
// The program directory, without a trailing slash.
std::string program_directory();
// program_directory() + "/data" and + "/Help".
std::string data_directory();
std::string help_directory();
// A file in the data folder, e.g. data_file("temp.html").
std::string data_file(const std::string& name);

// The directory of the running executable (from /proc/self/exe).
std::string executable_directory();

}  // namespace langyue
