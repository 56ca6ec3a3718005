#include "app/program_paths.h"

#include <unistd.h>

#include <mutex>

namespace langyue {
namespace {
std::mutex path_mutex;
std::string program_dir = ".";
}  // namespace

void set_program_directory(const std::string& directory) {
    std::lock_guard lock(path_mutex);
    program_dir = directory;
    while (program_dir.size() > 1 && program_dir.back() == '/') program_dir.pop_back();
}

std::string program_directory() {
    std::lock_guard lock(path_mutex);
    return program_dir;
}

std::string data_directory() { return program_directory() + "/data"; }
std::string help_directory() { return program_directory() + "/Help"; }
std::string data_file(const std::string& name) { return data_directory() + "/" + name; }

std::string executable_directory() {
    char buffer[4096];
    const ssize_t length = readlink("/proc/self/exe", buffer, sizeof(buffer) - 1);
    if (length <= 0) return ".";
    std::string path(buffer, static_cast<size_t>(length));
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

}  // namespace langyue
