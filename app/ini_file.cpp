#include "app/ini_file.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace langyue {
namespace {

constexpr size_t npos = std::string::npos;

std::string_view trim_blanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

// Whether a line is a "[name]" header, and its name. The "]" is searched character by
// character, so that a "]" that is the second byte of a GBK character does not close the name.
bool section_name(std::string_view line, std::string_view& name) {
    line = trim_blanks(line);
    if (line.empty() || line.front() != '[') return false;
    for (size_t i = 1; i < line.size(); ++i) {
        const auto byte = static_cast<unsigned char>(line[i]);
        if (byte >= 0x81 && i + 1 < line.size()) {
            ++i;
        } else if (line[i] == ']') {
            name = trim_blanks(line.substr(1, i - 1));
            return true;
        }
    }
    return false;
}

// Splits a "key=value" line; false for comments and lines without "=".
bool key_and_value(std::string_view line, std::string_view& key, std::string_view& value) {
    const std::string_view start = trim_blanks(line);
    if (start.empty() || start.front() == ';' || start.front() == '#') return false;
    const size_t equals = line.find('=');  // '=' is never the second byte of a GBK character
    if (equals == npos) return false;
    key = trim_blanks(line.substr(0, equals));
    value = line.substr(equals + 1);
    return true;
}

}  // namespace

bool IniFile::load(const std::string& path) {
    lines_.clear();
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    parse(text);
    return true;
}

void IniFile::parse(std::string_view text) {
    lines_.clear();
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines_.emplace_back(line);
        if (end == npos) break;
        text.remove_prefix(end + 1);
    }
}

size_t IniFile::find_section(std::string_view section) const {
    for (size_t i = 0; i < lines_.size(); ++i) {
        std::string_view name;
        if (section_name(lines_[i], name) && name == section) return i;
    }
    return npos;
}

size_t IniFile::section_end(size_t header) const {
    size_t i = header + 1;
    std::string_view name;
    while (i < lines_.size() && !section_name(lines_[i], name)) ++i;
    return i;
}

size_t IniFile::find_key(size_t header, std::string_view key) const {
    const size_t end = section_end(header);
    for (size_t i = header + 1; i < end; ++i) {
        std::string_view line_key, line_value;
        if (key_and_value(lines_[i], line_key, line_value) && line_key == key) return i;
    }
    return npos;
}

std::string IniFile::value(std::string_view section, std::string_view key) const {
    const size_t header = find_section(section);
    if (header == npos) return {};
    const size_t line = find_key(header, key);
    if (line == npos) return {};
    std::string_view line_key, line_value;
    key_and_value(lines_[line], line_key, line_value);
    return std::string(line_value);
}

bool IniFile::has_value(std::string_view section, std::string_view key) const {
    const size_t header = find_section(section);
    return header != npos && find_key(header, key) != npos;
}

void IniFile::set_value(std::string_view section, std::string_view key, std::string_view value) {
    std::string line;
    line.reserve(key.size() + 1 + value.size());
    line.append(key).append("=").append(value);

    size_t header = find_section(section);
    if (header == npos) {
        // A new section goes at the end, after a blank line when the file has text.
        if (!lines_.empty() && !trim_blanks(lines_.back()).empty()) lines_.emplace_back();
        lines_.push_back("[" + std::string(section) + "]");
        lines_.push_back(std::move(line));
        return;
    }
    const size_t existing = find_key(header, key);
    if (existing != npos) {
        lines_[existing] = std::move(line);
        return;
    }
    // After the section's last non-blank line, so blank lines before the next section stay.
    size_t insert_at = section_end(header);
    while (insert_at > header + 1 && trim_blanks(lines_[insert_at - 1]).empty()) --insert_at;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insert_at), std::move(line));
}

std::string IniFile::text() const {
    std::string text;
    for (const std::string& line : lines_) text.append(line).append("\r\n");
    return text;
}

bool IniFile::save(const std::string& path) const { return replace_file_contents(path, text()); }

bool replace_file_contents(const std::string& path, std::string_view bytes) {
    std::error_code error;
    const std::filesystem::path target(path);
    if (target.has_parent_path()) std::filesystem::create_directories(target.parent_path(), error);

    const std::string temporary = path + ".tmp";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (file == nullptr) return false;
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    written = std::fflush(file) == 0 && written;
    written = fsync(fileno(file)) == 0 && written;
    written = std::fclose(file) == 0 && written;
    if (!written || std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace langyue
