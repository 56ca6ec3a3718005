// A small INI file of GBK bytes: read whole, values changed by section and key, written back
// with every other line kept as it was. QSettings cannot write GBK, so the settings file of the
// program goes through this class instead.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace langyue {

class IniFile {
public:
    // Reads the whole file; a missing or unreadable file gives an empty INI (false).
    bool load(const std::string& path);
    // Parses INI text held in memory (lines end with CR LF or LF).
    void parse(std::string_view text);

    // The value of a key in a section; empty text when either is missing. The value is read
    // whole, whatever its length. Section and key names are compared exactly, with blanks
    // around a key name ignored.
    std::string value(std::string_view section, std::string_view key) const;
    bool has_value(std::string_view section, std::string_view key) const;

    // Changes a key's value in place, or appends the key at the end of its section, or the
    // section at the end of the file.
    void set_value(std::string_view section, std::string_view key, std::string_view value);

    // The file's text, lines ended by CR LF.
    std::string text() const;
    // Writes text() to a temporary file beside `path`, then renames it over `path`, so a
    // failed write leaves the earlier file whole. Creates the folder when it is missing.
    bool save(const std::string& path) const;

private:
    // Index of the "[section]" line, or npos.
    size_t find_section(std::string_view section) const;
    // Index of the key's line inside the section that starts at `header`, or npos.
    size_t find_key(size_t header, std::string_view key) const;
    // One past the last line that belongs to the section starting at `header`.
    size_t section_end(size_t header) const;

    std::vector<std::string> lines_;
};

// Writes bytes to `path` through a temporary file and a rename; false leaves `path` as it was.
bool replace_file_contents(const std::string& path, std::string_view bytes);

}  // namespace langyue
